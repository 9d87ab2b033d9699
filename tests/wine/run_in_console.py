"""Runs a test program of the Windows build under wine with a console of
its own: wine makes one of the pseudo-terminal that `script` gives it (of
a fixed size, so that an 80x49 window fits). What the program writes there
is console drawing, not text, so the results are read from GoogleTest's
XML report and printed plainly.

usage: run_in_console.py WINE64 WINEPREFIX PROGRAM [GTEST ARGUMENTS...]"""

import os
import shlex
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree


def main():
    wine, prefix, program, *arguments = sys.argv[1:]
    with tempfile.TemporaryDirectory() as scratch:
        # A path relative to the working directory reads the same to wine.
        report = os.path.relpath(os.path.join(scratch, "report.xml"))
        command = "stty cols 100 rows 60; %s %s %s --gtest_output=xml:%s" % (
            shlex.quote(wine), shlex.quote(program), " ".join(map(shlex.quote, arguments)),
            shlex.quote(report))
        environment = dict(os.environ, WINEPREFIX=prefix, WINEDEBUG="-all")
        status = subprocess.run(["script", "-qec", command, "/dev/null"], env=environment,
                                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                timeout=300).returncode
        if not os.path.exists(report):
            print("no test report: the program ended with status %d" % status)
            return 1
        ran = failed = 0
        for case in ElementTree.parse(report).getroot().iter("testcase"):
            ran += 1
            failures = case.findall("failure")
            failed += bool(failures)
            print("%s %s.%s" % ("FAILED" if failures else "passed", case.get("classname"),
                                case.get("name")))
            for failure in failures:
                print("    " + failure.get("message").replace("\n", "\n    "))
        print("%d passed, %d failed" % (ran - failed, failed))
        return 1 if failed or status != 0 or ran == 0 else 0


if __name__ == "__main__":
    sys.exit(main())

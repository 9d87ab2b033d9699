#!/usr/bin/env python3
"""`make run` needs only cmake, make and g++: the build tree it sets up for
the game alone looks for nothing the tests, tools or packages need
(GoogleTest, tmux, Python, Google Benchmark, ncurses), so a player's machine
without them plays all the same, and a tree already set up for the tests
keeps them.

CMake traces the Makefile's own configure step; every find_package and
find_program our files call must be in the short list below (gzip is in
every Debian system).
"""
import json
import os
import pathlib
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
ALLOWED = {("find_program", "gzip")}


def finds_made(build_dir):
    """(command, what) for each find_* our CMake files ran while the
    Makefile configured build_dir."""
    trace = pathlib.Path(build_dir) / "trace.json"
    # As a player types it: not the settings of a make this test runs under.
    env = {k: v for k, v in os.environ.items() if k not in ("MAKEFLAGS", "MFLAGS", "MAKELEVEL")}
    subprocess.run(["make", "-s", "-C", str(ROOT), "configure", "BUILD_DIR=" + build_dir,
                    "CMAKE_FLAGS=--trace-format=json-v1 --trace-redirect=" + str(trace)],
                   check=True, stdout=subprocess.DEVNULL, env=env)
    finds = set()
    for line in trace.read_text().splitlines():
        event = json.loads(line)
        command = event.get("cmd", "").lower()
        if command.startswith("find_") and event.get("file", "").startswith(str(ROOT)):
            finds.add((command, looked_for(command, event["args"])))
    return finds


def looked_for(command, arguments):
    """The package, or the program, library or file, a find_* looks for."""
    if command == "find_package":
        return arguments[0]
    names = arguments[1:]  # after the variable that gets the result
    return names[1] if names[:1] == ["NAMES"] and len(names) > 1 else names[0]


def cache_value(build_dir, name):
    for line in (pathlib.Path(build_dir) / "CMakeCache.txt").read_text().splitlines():
        if line.startswith(name + ":"):
            return line.split("=", 1)[1]
    return None


class GameAlone(unittest.TestCase):
    def test_a_new_tree_for_the_game_looks_for_nothing_more(self):
        with tempfile.TemporaryDirectory(prefix="ae-game-alone-") as build_dir:
            finds = finds_made(build_dir)
            self.assertEqual(cache_value(build_dir, "AE_BUILD_TESTS"), "OFF")
        self.assertTrue(finds, "the trace showed no find at all: is it read right?")
        self.assertEqual(finds - ALLOWED, set())

    def test_a_tree_set_up_for_the_tests_keeps_them(self):
        with tempfile.TemporaryDirectory(prefix="ae-game-alone-") as build_dir:
            subprocess.run(["cmake", "-S", str(ROOT), "-B", build_dir, "-DAE_BUILD_TESTS=ON"],
                           check=True, stdout=subprocess.DEVNULL)
            finds = finds_made(build_dir)
            self.assertEqual(cache_value(build_dir, "AE_BUILD_TESTS"), "ON")
        self.assertIn(("find_package", "GTest"), finds)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)

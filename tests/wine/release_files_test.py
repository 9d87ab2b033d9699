"""The Windows game as a player unpacks it from its zip, read without
running it: what Explorer reads from the exe (its header, icon, version
information and manifest), read back with mingw-w64's objdump and windres.

usage: release_files_test.py ZIP OBJDUMP WINDRES VERSION SOURCE_DIR"""

import os
import re
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree
import zipfile

ZIP, OBJDUMP, WINDRES, VERSION, SOURCE_DIR = sys.argv[1:6]
VISTA = "{e2011457-1546-43c5-a5fe-008deee3d3f0}"
WINDOWS_10_AND_11 = "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"


def unpack():
    scratch = tempfile.TemporaryDirectory()
    with zipfile.ZipFile(ZIP) as archive:
        archive.extractall(scratch.name)
    (folder,) = os.listdir(scratch.name)
    return scratch, os.path.join(scratch.name, folder)


def rc_string(literal):
    """The text of a string as windres writes it in a resource script: L"..."
    holds UTF-16 units, "..." bytes (here UTF-8); both escape with octal,
    \\x hex and C letters, and double a quote."""
    wide = literal.startswith("L")
    body = literal[2:-1] if wide else literal[1:-1]
    units, i = [], 0
    while i < len(body):
        ch = body[i]
        if ch == "\\":
            octal = re.match(r"[0-7]{1,3}", body[i + 1:])
            hexadecimal = re.match(r"x([0-9a-fA-F]{1,4})", body[i + 1:])
            if octal:
                units.append(int(octal.group(), 8))
                i += 1 + len(octal.group())
                continue
            if hexadecimal:
                units.append(int(hexadecimal.group(1), 16))
                i += 1 + len(hexadecimal.group())
                continue
            units.append(ord({"n": "\n", "r": "\r", "t": "\t"}.get(body[i + 1], body[i + 1])))
            i += 2
        elif body.startswith('""', i):
            units.append(ord('"'))
            i += 2
        else:
            units.append(ord(ch))
            i += 1
    return "".join(map(chr, units)) if wide else bytes(units).decode("utf-8")


class TheExe(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch, folder = unpack()
        exe = os.path.join(folder, "ancient-evil.exe")
        cls.header = subprocess.run([OBJDUMP, "-p", exe], capture_output=True, text=True,
                                    check=True).stdout
        cls.script = subprocess.run([WINDRES, "--input=" + exe, "--output-format=rc"],
                                    capture_output=True, text=True, check=True).stdout

    @classmethod
    def tearDownClass(cls):
        cls.scratch.cleanup()

    def header_field(self, name):
        return re.search(r"^%s\s+(\S+)" % name, self.header, re.M).group(1)

    def resource(self, heading):
        """The BEGIN ... END body of the resource whose line starts so."""
        match = re.search(r"^%s.*?\n(BEGIN\n.*?\n)END\n" % re.escape(heading), self.script, re.S | re.M)
        self.assertIsNotNone(match, "no resource " + heading)
        return match.group(1)

    def test_the_header_asks_for_windows_vista_the_first_to_have_what_it_imports(self):
        self.assertIn("(Windows CUI)", self.header)
        for field in ("MajorSubsystemVersion", "MajorOSystemVersion"):
            self.assertEqual(self.header_field(field), "6", field)
        for field in ("MinorSubsystemVersion", "MinorOSystemVersion"):
            self.assertEqual(self.header_field(field), "0", field)

    def test_the_icon_has_16_32_48_and_256_pixel_images_in_full_colour(self):
        group = self.resource("1 14 /* RT_GROUP_ICON */")
        sizes = re.findall(r'"\\(\d{3})\\(\d{3})\\000\\000", 1, (\d+),', group)
        # The group stores the size in one byte: 0 stands for 256.
        self.assertEqual([(int(w, 8) or 256, int(h, 8) or 256, int(bits)) for w, h, bits in sizes],
                         [(16, 16, 32), (32, 32, 32), (48, 48, 32), (256, 256, 32)])

    def test_the_version_information_names_the_game_its_version_and_copyright(self):
        info = self.resource("1 VERSIONINFO")
        numbers = ", ".join(VERSION.split(".") + ["0"])
        self.assertIn(" FILEVERSION " + numbers, self.script)
        self.assertIn(" PRODUCTVERSION " + numbers, self.script)
        values = {key: rc_string(literal) for key, literal in
                  re.findall(r'VALUE "(\w+)", (L?"(?:[^"\\]|\\.|"")*")', info)}
        with open(os.path.join(SOURCE_DIR, "LICENSE"), encoding="utf-8") as licence:
            holder = re.search(r"^Copyright \(c\) ([0-9, -]+ .+)$", licence.read(), re.M).group(1)
        self.assertEqual(values["ProductName"], "Древнее Зло")
        self.assertTrue(values["FileDescription"].startswith("Древнее Зло"))
        self.assertEqual(values["ProductVersion"], VERSION)
        self.assertEqual(values["FileVersion"], VERSION)
        self.assertEqual(values["LegalCopyright"], "© " + holder)
        self.assertEqual(values["OriginalFilename"], "ancient-evil.exe")
        self.assertIn("VALUE \"Translation\", 0x419, 1200", info)  # Russian, UTF-16

    def test_the_manifest_runs_it_as_invoker_on_vista_to_windows_11(self):
        body = self.resource("1 24 /* RT_MANIFEST */")
        text = "".join(rc_string(literal) for literal in re.findall(r'"(?:[^"\\]|\\.|"")*"', body))
        root = ElementTree.fromstring(text.encode("utf-8"))  # fails on a manifest Windows cannot read
        ns = {"v1": "urn:schemas-microsoft-com:asm.v1", "v3": "urn:schemas-microsoft-com:asm.v3",
              "c": "urn:schemas-microsoft-com:compatibility.v1"}
        level = root.find("v3:trustInfo/v3:security/v3:requestedPrivileges/v3:requestedExecutionLevel", ns)
        self.assertEqual(level.get("level"), "asInvoker")
        self.assertEqual(level.get("uiAccess"), "false")
        systems = [os_.get("Id") for os_ in root.findall("c:compatibility/c:application/c:supportedOS", ns)]
        self.assertEqual(systems[0], VISTA)
        self.assertEqual(systems[-1], WINDOWS_10_AND_11)
        self.assertEqual(len(systems), 5)
        identity = root.find("v1:assemblyIdentity", ns)
        self.assertEqual(identity.get("version"), VERSION + ".0")
        self.assertEqual(identity.get("processorArchitecture"), "amd64")


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]])

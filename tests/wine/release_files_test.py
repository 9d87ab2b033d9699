"""The Windows zip as a player unpacks it, read without running anything:
the files it holds and their encodings, and what Explorer reads from the
exe (its header, icon, version information and manifest), read back with
mingw-w64's objdump and windres.

usage: release_files_test.py ZIP OBJDUMP WINDRES VERSION SOURCE_DIR DATA_FILES
(DATA_FILES: the names of the game's data files, separated by commas)"""

import os
import re
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree
import zipfile

ZIP, OBJDUMP, WINDRES, VERSION, SOURCE_DIR = sys.argv[1:6]
DATA_FILES = set(sys.argv[6].split(","))
TEXTS = {"README.txt", "LICENSE.txt", "THIRD-PARTY-NOTICES.txt", "ancient-evil-screen-reader.cmd"}
UTF8_BOM = b"\xef\xbb\xbf"
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


class TheZip(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch, cls.folder = unpack()

    @classmethod
    def tearDownClass(cls):
        cls.scratch.cleanup()

    def read(self, name):
        with open(os.path.join(self.folder, name), "rb") as text:
            return text.read()

    def assert_notepad_text(self, data, name):
        self.assertEqual(data.count(b"\n"), data.count(b"\r\n"), name + ": every line ends in CR LF")
        self.assertTrue(data.endswith(b"\r\n"), name)
        self.assertNotIn(b"\r\r", data, name)

    def test_it_holds_the_game_its_data_and_four_texts_in_one_folder(self):
        self.assertEqual(set(os.listdir(self.folder)), DATA_FILES | TEXTS | {"ancient-evil.exe"})
        for name in DATA_FILES:  # byte for byte: Windows-1251, as the game reads them
            with open(os.path.join(SOURCE_DIR, "assets", name), "rb") as original:
                self.assertEqual(self.read(name), original.read(), name)

    def test_the_readme_is_utf8_with_a_byte_order_mark_and_tells_the_window_size(self):
        data = self.read("README.txt")
        self.assertTrue(data.startswith(UTF8_BOM), "Notepad needs the mark on a non-Russian system")
        self.assert_notepad_text(data, "README.txt")
        text = data[len(UTF8_BOM):].decode("utf-8")  # fails on anything that is not UTF-8
        title, underline = text.split("\r\n")[:2]
        self.assertEqual(title, "Древнее Зло, версия %s для Windows" % VERSION)
        self.assertEqual(underline, "=" * len(title), "the title's underline as long as the title")
        self.assertIn("80 столбцов на 49 строк", text)
        self.assertIn("Windows Terminal", text)
        self.assertIn("Стрелки Вверх и Вниз", text)
        self.assertNotIn("@", text, "a placeholder left unfilled")

    def test_the_licence_and_the_notices_are_plain_text_with_windows_line_ends(self):
        licence = self.read("LICENSE.txt")
        self.assert_notepad_text(licence, "LICENSE.txt")
        with open(os.path.join(SOURCE_DIR, "LICENSE"), "rb") as original:
            self.assertEqual(licence, original.read().replace(b"\n", b"\r\n"))
        notices = self.read("THIRD-PARTY-NOTICES.txt")
        self.assert_notepad_text(notices, "THIRD-PARTY-NOTICES.txt")
        text = notices.decode("ascii")  # no byte order mark needed
        for needed in ("winpthreads", "Copyright (c) 2011-2016 mingw-w64 project",
                       "Copyright (c) 2010 Lockless Inc.", "the mingw-w64 project",
                       "Lucent Technologies", "GCC Runtime Library Exception"):
            self.assertTrue(needed in text, "the notices do not name " + needed)


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

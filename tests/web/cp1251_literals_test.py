#!/usr/bin/env python3
"""The web build's copies of the sources: plain literals in Windows-1251
escapes, everything else as it was."""
import os
import pathlib
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
SCRIPT = ROOT / "tools" / "web" / "cp1251_literals.py"
sys.path.insert(0, str(SCRIPT.parent))
from cp1251_literals import LiteralError, convert  # noqa: E402


def escaped(text):
    return "".join("\\%03o" % byte if byte >= 0x80 else chr(byte) for byte in text.encode("cp1251"))


class PlainLiterals(unittest.TestCase):
    def test_text_in_strings_and_characters_becomes_its_1251_bytes(self):
        self.assertEqual(convert('printAt(6, 17, "Джек Белибье");'),
                         'printAt(6, 17, "%s");' % escaped("Джек Белибье"))
        self.assertEqual(convert("char c = 'Я';"), "char c = '\\337';")
        self.assertEqual(convert('f("%i рублей", money)'), 'f("%%i %s", money)' % escaped("рублей"))

    def test_escapes_stay_and_an_escape_never_swallows_the_next_character(self):
        # Octal escapes end after three digits: "Я1" must stay two characters.
        self.assertEqual(convert(r'"\n\"Я1\x41\\"'), r'"\n\"\3371\x41\\"')

    def test_universal_character_names_are_stored_in_1251_too(self):
        self.assertEqual(convert(r'"\u0416\U00000416"'), r'"\306\306"')

    def test_literals_of_other_encodings_and_ascii_text_are_left_alone(self):
        for source in ['u8"Окно"', 'L"Древнее"', 'u"Я"', 'U"Я"', "u'\\u263A'", 'u8R"(Я)"',
                       'R"x(a "quoted" )" text)x"', '"plain ascii"']:
            self.assertEqual(convert(source), source)


class EverythingElse(unittest.TestCase):
    def test_comments_keep_their_text_and_their_quotes(self):
        source = ('// "Угу" ends the game, don\'t\n/* Мабунга\'s "scalp" */\n'
                  '#include "platform/port.h"\nint x;\n')
        self.assertEqual(convert(source), source)

    def test_digit_separators_are_not_character_literals(self):
        self.assertEqual(convert("int n = 1'000'000; char c = 'Ж';"),
                         "int n = 1'000'000; char c = '\\306';")

    def test_lines_stay_where_they_were(self):
        source = 'a("Я");\n// Я\nb(\'Ж\', "x"\n  "Ё");\n'
        self.assertEqual(convert(source).count("\n"), source.count("\n"))


class Refusals(unittest.TestCase):
    def test_what_1251_cannot_store_is_refused_with_its_place(self):
        with self.assertRaises(LiteralError) as caught:
            convert('ok();\nshow("☺");')
        self.assertIn("U+263A", str(caught.exception))
        self.assertEqual(caught.exception.at, 'ok();\nshow('.__len__())

    def test_raw_text_outside_ascii_and_unclosed_literals_are_refused(self):
        for source in ['R"(Я)"', '"open\n', "'a"]:
            with self.assertRaises(LiteralError, msg=source):
                convert(source)

    def test_the_script_names_the_file_and_line_and_writes_nothing_then(self):
        with tempfile.TemporaryDirectory() as scratch:
            source = pathlib.Path(scratch, "src", "bad.cpp")
            source.parent.mkdir()
            source.write_text('int a;\nconst char* s = "☺";\n', encoding="utf-8")
            stamp = pathlib.Path(scratch, "stamp")
            result = subprocess.run([sys.executable, str(SCRIPT), str(source.parent),
                                     os.path.join(scratch, "copy"), str(stamp), str(source)],
                                    capture_output=True, text=True)
            self.assertEqual(result.returncode, 1)
            self.assertIn("bad.cpp:2:", result.stderr)
            self.assertFalse(stamp.exists())
            self.assertFalse(pathlib.Path(scratch, "copy", "bad.cpp").exists())


class TheGameSources(unittest.TestCase):
    def test_every_source_converts_keeps_its_lines_and_converts_once(self):
        changed = 0
        for path in sorted((ROOT / "src").rglob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            text = path.read_text(encoding="utf-8")
            copy = convert(text)
            self.assertEqual(copy.count("\n"), text.count("\n"), path)
            self.assertEqual(convert(copy), copy, path)
            changed += copy != text
        self.assertGreater(changed, 5, "the screens' texts are converted")

if __name__ == "__main__":
    unittest.main()

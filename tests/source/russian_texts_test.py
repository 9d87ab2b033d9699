#!/usr/bin/env python3
"""Every Russian text of the game's own goes through RU() or FORMAT_RU().

The game shows its texts as Windows-1251, and only those two macros turn
the UTF-8 of the sources into it. A plain literal with a Russian letter
would compile with every compiler and reach the screen as the UTF-8 bytes
read as 1251 ("Р”Р¶РµРє" for "Джек"). Wide (L"") and u8"" literals are
meant for the platform's own UTF-16 and UTF-8 and stay as they are.
"""
import pathlib
import re
import unittest

SRC = pathlib.Path(__file__).resolve().parents[2] / "src"
# Comments, character literals and string literals with what stands before them.
TOKEN = re.compile(r'//[^\n]*|/\*.*?\*/|\'(?:\\.|[^\'\\])*\'|(\w*\(?)"((?:\\.|[^"\\])*)"', re.S)


def plain_russian_literals(text):
    for match in TOKEN.finditer(text):
        before, literal = match.group(1), match.group(2)
        if literal is None or literal.isascii():
            continue
        if before in ("RU(", "FORMAT_RU(", "L", "u8"):
            continue
        yield text.count("\n", 0, match.start()) + 1, literal


class RussianTexts(unittest.TestCase):
    def test_no_plain_literal_holds_russian(self):
        found = []
        for path in sorted(SRC.rglob("*")):
            if path.suffix in (".h", ".cpp"):
                for line, literal in plain_russian_literals(path.read_text(encoding="utf-8")):
                    found.append("%s:%d: \"%s\"" % (path.relative_to(SRC), line, literal))
        self.assertEqual(found, [], "wrap these in RU() or FORMAT_RU():\n" + "\n".join(found))

    def test_the_check_sees_a_plain_literal(self):
        text = 'a(RU("Да"), "Нет", L"Ж", u8"ё", \'"\' /* "Вот" */); // "Так"\nb("Ещё");'
        self.assertEqual(list(plain_russian_literals(text)), [(1, "Нет"), (2, "Ещё")])


if __name__ == "__main__":
    unittest.main(verbosity=2)

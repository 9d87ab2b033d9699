"""ae-screenshot's pictures read back as XML: each is well-formed SVG whose
text, put back on the grid by its x and y, is the frame it came from,
character for character and colour for colour; a title made of every byte
a data file can hold (markup characters and control codes included) is no
exception. The screenshots kept in docs/ parse too.

    python3 svg_screenshot_test.py AE_SCREENSHOT ASSETS_DIR
"""

import glob
import os
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

TOOL = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/tools/screenshot/ae-screenshot")
ASSETS = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else "assets")
DOCS = os.path.join(os.path.dirname(ASSETS), "docs")
SVG = "{http://www.w3.org/2000/svg}"
COLUMNS, ROWS = 80, 49
CELL_WIDTH, CELL_HEIGHT, BASELINE = 10, 20, 16
PALETTE = ["#000000", "#0000AA", "#00AA00", "#00AAAA", "#AA0000", "#AA00AA", "#AA5500", "#AAAAAA",
           "#555555", "#5555FF", "#55FF55", "#55FFFF", "#FF5555", "#FF55FF", "#FFFF55", "#FFFFFF"]


def shoot(*arguments, cwd=None):
    return subprocess.run([TOOL, "--data", ASSETS, *arguments], check=True, capture_output=True,
                          cwd=cwd).stdout


def frame_from_text(dump):
    """The tool's --text: 49 rows of glyphs, then 49 rows of colour digits."""
    rows = [line[:-1] for line in dump.decode("utf-8").split("\n")[:2 * ROWS]]
    return rows[:ROWS], rows[ROWS:]


def frame_from_svg(picture):
    """The grid the picture shows: every text element's characters put back
    at the cells its x and y name; blank cells stay blank."""
    root = ElementTree.fromstring(picture)
    assert root.tag == SVG + "svg", root.tag
    assert root.get("width") == str(COLUMNS * CELL_WIDTH)
    assert root.get("height") == str(ROWS * CELL_HEIGHT)
    glyphs = [[" "] * COLUMNS for _ in range(ROWS)]
    colours = [[None] * COLUMNS for _ in range(ROWS)]
    for text in root.iter(SVG + "text"):
        xs = [int(x) for x in text.get("x").split()]
        y = int(text.get("y"))
        assert (y - BASELINE) % CELL_HEIGHT == 0, y
        row = (y - BASELINE) // CELL_HEIGHT
        assert len(xs) == len(text.text), (xs, text.text)
        for x, ch in zip(xs, text.text):
            assert x % CELL_WIDTH == 0, x
            glyphs[row][x // CELL_WIDTH] = ch
            colours[row][x // CELL_WIDTH] = text.get("fill")
    return ["".join(row) for row in glyphs], colours


class SvgScreenshot(unittest.TestCase):
    def assert_picture_is_frame(self, *arguments, cwd=None):
        glyphs, colour_digits = frame_from_text(shoot(*arguments, "--text", cwd=cwd))
        self.assertEqual(len(glyphs), ROWS)
        shown, fills = frame_from_svg(shoot(*arguments, cwd=cwd))
        for row in range(ROWS):
            self.assertEqual(shown[row], glyphs[row], "row %d of %s" % (row, arguments))
            for column, ch in enumerate(glyphs[row]):
                if ch != " ":
                    expected = PALETTE[int(colour_digits[row][column], 16)]
                    self.assertEqual(fills[row][column], expected,
                                     "colour at (%d, %d) of %s" % (column, row, arguments))

    def test_frames_of_a_whole_game(self):
        for arguments in (["--title"], ["--screen", "town", "--nth", "20"],
                          ["--screen", "battle", "--nth", "68"], ["--frame", "5"]):
            self.assert_picture_is_frame(*arguments)

    def test_a_title_of_every_byte(self):
        # The title ends at its first zero byte, so that one comes last.
        every_byte = bytes(range(1, 256)) + b"\n<svg>&amp;]]></text>\"'\n\0"
        with tempfile.TemporaryDirectory() as mod:
            with open(os.path.join(mod, "Title.txt"), "wb") as title:
                title.write(every_byte)
            self.assert_picture_is_frame("--title", cwd=mod)
            glyphs, _ = frame_from_text(shoot("--title", "--text", cwd=mod))
            self.assertIn("<svg>&amp;]]></text>\"'", "".join(glyphs))

    def test_a_frame_the_game_never_showed_is_refused(self):
        result = subprocess.run([TOOL, "--data", ASSETS, "--frame", "999999"], capture_output=True)
        self.assertEqual(result.returncode, 1)
        self.assertEqual(result.stdout, b"")

    def test_the_screenshots_in_docs_parse(self):
        pictures = glob.glob(os.path.join(DOCS, "*.svg"))
        self.assertGreaterEqual(len(pictures), 3)
        for picture in pictures:
            with open(picture, "rb") as f:
                frame_from_svg(f.read())


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])

#!/usr/bin/python3
"""What a player downloads for the browser: the zip, one folder holding the
page and everything it loads, nothing it lacks, within its size; the font
with a glyph for every character the game can show, and its licence; the
colours the page writes text in.

usage: site_test.py ZIP SITE_FOLDER PAGE_GLYPHS ASSETS NATIVE_AE_PLAYTHROUGH
Run with /usr/bin/python3, which has Debian's python3-fonttools."""

import colorsys
import html.parser
import json
import os
import re
import sys
import unittest
import zipfile

from fontTools.ttLib import TTFont
from page_case import Playthrough

ZIP, SITE, GLYPHS, ASSETS, PLAYTHROUGH = sys.argv[1:6]
del sys.argv[1:6]

PAGE_BUDGET = 600 * 1024
FONT = "fonts/dejavu-sans-mono.woff2"
EXPECTED = {"index.html", "game.css", "browser-check.js", "game.js", "ancient-evil.js", "icon.svg",
            "README.txt", FONT, "fonts/LICENSE-DejaVu.txt", "manifest.webmanifest",
            "service-worker.js"}
# The PC text screen's colours by attribute (bright ones 8 on), whose hues
# the page's keep.
CONSOLE = ["#000000", "#0000aa", "#00aa00", "#00aaaa", "#aa0000", "#aa00aa", "#aa5500", "#aaaaaa",
           "#555555", "#5555ff", "#55ff55", "#55ffff", "#ff5555", "#ff55ff", "#ffff55", "#ffffff"]


class References(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.found = []

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "script" and "src" in attrs:
            self.found.append(attrs["src"])
        if tag == "link" and "href" in attrs:
            self.found.append(attrs["href"])


def files_in(folder):
    return {os.path.relpath(os.path.join(where, name), folder).replace(os.sep, "/")
            for where, _, names in os.walk(folder) for name in names}


class TheDownload(unittest.TestCase):
    def test_the_zip_is_one_folder_holding_the_site(self):
        with zipfile.ZipFile(ZIP) as archive:
            names = [name for name in archive.namelist() if not name.endswith("/")]
        folder = os.path.basename(ZIP)[:-len(".zip")]
        self.assertTrue(all(name.startswith(folder + "/") for name in names), names)
        self.assertEqual({name[len(folder) + 1:] for name in names}, EXPECTED)
        self.assertEqual(files_in(SITE), EXPECTED)

    def test_the_page_loads_only_what_is_there_and_nothing_from_elsewhere(self):
        with open(os.path.join(SITE, "index.html"), encoding="utf-8") as page:
            parser = References()
            parser.feed(page.read())
        with open(os.path.join(SITE, "game.css"), encoding="utf-8") as css:
            parser.found += re.findall(r'url\("?([^")]+)"?\)', css.read())
        self.assertEqual(sorted(parser.found),
                         sorted(["icon.svg", "game.css", "browser-check.js", "ancient-evil.js",
                                 "game.js", FONT]))
        for reference in parser.found:
            self.assertNotRegex(reference, r"^[a-z]+:|^//", "a relative path")
            self.assertTrue(os.path.isfile(os.path.join(SITE, reference)), reference)

    def test_the_manifest_and_the_worker_name_what_is_there(self):
        with open(os.path.join(SITE, "manifest.webmanifest"), encoding="utf-8") as text:
            manifest = json.load(text)
        self.assertEqual((manifest["name"], manifest["display"]), ("Древнее Зло", "standalone"))
        with open(os.path.join(SITE, "service-worker.js"), encoding="utf-8") as text:
            kept = json.loads(re.search(r"FILES = (\[.*?\]);", text.read()).group(1))
        self.assertLessEqual({"index.html", "game.js", "ancient-evil.js", FONT}, set(kept))
        for name in kept + [icon["src"] for icon in manifest["icons"]]:
            self.assertTrue(os.path.isfile(os.path.join(SITE, name)), name)

    def test_everything_together_stays_within_the_budget(self):
        total = sum(os.path.getsize(os.path.join(SITE, name)) for name in EXPECTED)
        self.assertLessEqual(total, PAGE_BUDGET)

    def test_the_game_carries_no_file_system(self):
        # Its data files are built into the WebAssembly instead.
        with open(os.path.join(SITE, "ancient-evil.js"), encoding="utf-8") as script:
            text = script.read()
        for mark in ("MEMFS", "var FS="):
            self.assertFalse(mark in text, "Emscripten's file system (%s) is in the script" % mark)

    def test_the_how_to_tells_a_player_what_to_open(self):
        with open(os.path.join(SITE, "README.txt"), encoding="utf-8") as readme:
            text = readme.read()
        self.assertIn("index.html", text)
        self.assertIn("Играть снова", text)
        self.assertNotIn("@", text, "every placeholder filled in")
        title, underline = text.split("\n")[:2]
        self.assertEqual(underline, "=" * len(title), "the title's underline as long as the title")


class TheFont(unittest.TestCase):
    def test_every_character_the_game_can_show_has_its_glyph(self):
        with open(GLYPHS, encoding="utf-8") as listing:
            wanted = set(listing.read())
        # Every letter of the game's own texts, and what its data files show.
        for ch in "AzЁё№…Яя":
            self.assertIn(ch, wanted)
        for name in os.listdir(ASSETS):
            with open(os.path.join(ASSETS, name), "rb") as data:
                text = data.read().decode("cp1251", "replace").replace("\xad", "-")
            shown = {ch for ch in text if ch >= " "}  # control codes show as pictures
            self.assertEqual(shown - wanted, set(), name)
        font = TTFont(os.path.join(SITE, FONT))
        cmap = font.getBestCmap()
        missing = sorted("U+%04X" % ord(ch) for ch in wanted if ord(ch) not in cmap)
        self.assertEqual(missing, [])
        # One width for every glyph: the grid never shifts.
        widths = {font["hmtx"][cmap[ord(ch)]][0] for ch in wanted}
        self.assertEqual(len(widths), 1, widths)
        # So it is with every character a whole game shows.
        shown = {ch for texts, _ in Playthrough(PLAYTHROUGH, ASSETS).frames for row in texts
                 for ch in row}
        self.assertEqual(sorted(ch for ch in shown if ord(ch) not in cmap), [])

    def test_the_licence_ships_beside_the_font(self):
        with open(os.path.join(SITE, "fonts", "LICENSE-DejaVu.txt"), encoding="utf-8") as text:
            licence = text.read()
        self.assertIn("Bitstream", licence)
        self.assertIn("Permission is hereby granted", licence)
        self.assertIn("DejaVu changes are in public domain", licence)


def luminance(colour):
    """WCAG's relative luminance of #rrggbb, and its hue and saturation."""
    rgb = [int(colour[i:i + 2], 16) / 255 for i in (1, 3, 5)]
    red, green, blue = [c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4 for c in rgb]
    hue, _, saturation = colorsys.rgb_to_hls(*rgb)
    return 0.2126 * red + 0.7152 * green + 0.0722 * blue, round(hue * 360), saturation > 0


class TheColours(unittest.TestCase):
    def test_text_reads_on_black_in_the_console_s_hues_dark_below_bright(self):
        with open(os.path.join(SITE, "game.css"), encoding="utf-8") as css:
            found = dict(re.findall(r"\.c(\d+) \{ color: (#[0-9a-f]{6}); \}", css.read()))
        shown = [luminance(found[str(attribute)]) for attribute in range(len(CONSOLE))]
        for attribute in range(1, len(CONSOLE)):
            with self.subTest(attribute=attribute):
                self.assertGreaterEqual((shown[attribute][0] + 0.05) / 0.05, 4.5, "WCAG's AA")
                self.assertEqual(shown[attribute][1:], luminance(CONSOLE[attribute])[1:], "hue")
                if attribute < 8:
                    self.assertLess(shown[attribute][0], shown[attribute + 8][0])

if __name__ == "__main__":
    unittest.main(verbosity=2)

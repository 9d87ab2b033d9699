#!/usr/bin/python3
"""The colours the page writes the game's text in, the .c1 to .c15 classes
of web/game.css: each at least 4.5 times as light as the page's black (the
contrast WCAG asks of text), each of the hue of its colour on the PC text
screen, and each dark colour still darker than its bright one.

usage: colours_test.py GAME_CSS"""

import colorsys
import re
import sys
import unittest

GAME_CSS = sys.argv.pop(1)
# The PC text screen's sixteen colours, whose hues the page keeps.
CONSOLE = ["#000000", "#0000aa", "#00aa00", "#00aaaa", "#aa0000", "#aa00aa", "#aa5500", "#aaaaaa",
           "#555555", "#5555ff", "#55ff55", "#55ffff", "#ff5555", "#ff55ff", "#ffff55", "#ffffff"]
BRIGHT = 8


def channels(colour):
    return [int(colour[i:i + 2], 16) / 255 for i in (1, 3, 5)]


def luminance(colour):
    """WCAG's relative luminance."""
    linear = [c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
              for c in channels(colour)]
    return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]


def on_black(colour):
    return (luminance(colour) + 0.05) / 0.05


class ThePagesColours(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(GAME_CSS, encoding="utf-8") as sheet:
            found = dict(re.findall(r"\.c(\d+) \{ color: (#[0-9a-f]{6}); \}", sheet.read()))
        cls.colours = [found.get(str(attribute)) for attribute in range(len(CONSOLE))]

    def test_each_text_colour_reads_on_black_in_its_own_hue(self):
        for attribute, (colour, console) in enumerate(zip(self.colours, CONSOLE)):
            if attribute == 0:
                continue
            with self.subTest(attribute=attribute, colour=colour):
                self.assertGreaterEqual(on_black(colour), 4.5)
                hue, _, saturation = colorsys.rgb_to_hls(*channels(colour))
                console_hue, _, console_saturation = colorsys.rgb_to_hls(*channels(console))
                self.assertEqual(saturation == 0, console_saturation == 0, "grey stays grey")
                self.assertAlmostEqual(hue * 360, console_hue * 360, delta=1)

    def test_a_dark_colour_stays_darker_than_its_bright_one(self):
        for attribute in range(BRIGHT):
            with self.subTest(attribute=attribute):
                self.assertLess(luminance(self.colours[attribute]),
                                luminance(self.colours[attribute + BRIGHT]))


if __name__ == "__main__":
    unittest.main(verbosity=2)

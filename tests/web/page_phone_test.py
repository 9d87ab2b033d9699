#!/usr/bin/python3
"""The page on a phone held upright and sideways, tapped on its buttons and
its grid, in Chromium with touch and in Firefox at a phone's viewport.

usage: page_phone_test.py SITE_FOLDER NATIVE_AE_PLAYTHROUGH ASSETS [ENGINE]"""

import re
import time
import unittest

from page_case import PageTest, arguments, same_screen

SITE, PLAYTHROUGH, ASSETS = arguments("SITE_FOLDER", "NATIVE_AE_PLAYTHROUGH", "ASSETS")
TO_TOWN = [" "] + ["Enter"] * 5
# The buttons on view: their texts, boxes and which is highlighted.
BUTTONS = """return Array.from(document.querySelectorAll("#choices button"), (button) =>
  [button.textContent, button.getBoundingClientRect().toJSON(),
   button.classList.contains("highlighted"), getComputedStyle(button).visibility])
  .filter(([, box, , visibility]) => box.height > 0 && visibility !== "hidden");"""


class OnAPhone(PageTest):
    playthrough = (PLAYTHROUGH, ASSETS)

    def each_phone(self, check):
        for size in [(390, 844), (844, 390)]:
            with self.subTest(size):
                self.browser.emulate_phone(*size)
                check(*size)

    def frames(self):
        return self.browser.state()[2]

    def burst(self):
        """Taps closer than this make one burst, aimed at what its first saw."""
        return self.browser.run("return window.ancientEvil.TAP_BURST_MS") / 1000

    def labels(self):
        return [text for text, *_ in self.browser.run(BUTTONS)]

    def tap(self, text, on_grid, times=1, pause=0, below=0):
        """Taps on a button, or on the grid on a choice's number or below it."""
        if not on_grid:
            self.browser.click("#choices button:nth-of-type(%d)" % (self.labels().index(text) + 1),
                               True, times=times, pause=pause)
            return
        menu = self.browser.shown()["menu"]
        self.browser.click_cell(menu["column"], menu["rows"][menu["choices"].index(text)], True,
                                below, times, pause)

    def assert_frame(self, index):
        differences = same_screen(self.browser.screen(), self.game.frames[index])
        self.assertFalse(differences, "frame %d:\n%s" % (index, "\n".join(differences[:10])))

    def test_in_the_town_the_choices_are_buttons_and_quick_taps_never_buy(self):
        self.open(TO_TOWN + ["ArrowDown", "Enter"])
        shop = self.browser.screen()

        def check(width, height):
            self.open(TO_TOWN)
            grid = self.browser.run("return document.getElementById('console')"
                                    ".getBoundingClientRect().toJSON()")
            buttons = self.browser.run(BUTTONS)
            self.assertEqual([(text, marked) for text, _, marked, _ in buttons],
                             [(text, index == 0) for index, text in
                              enumerate(self.browser.shown()["menu"]["choices"])])
            for (_, above, *_), (_, below, *_) in zip(buttons, buttons[1:]):
                self.assertGreater(below["top"], above["bottom"])
            for _, box, *_ in buttons:
                self.assertGreaterEqual(box["height"], 44)
                self.assertTrue(box["top"] >= grid["bottom"] or box["left"] >= grid["right"])
                self.assertTrue(box["right"] <= width and box["bottom"] <= height)
            # A tap, or four 150 ms apart: the shop, and nothing bought.
            for on_grid, times in [(False, 1), (True, 4), (False, 4)]:
                self.open(TO_TOWN)
                frames = self.frames()
                self.tap("Пойду в магазин", on_grid, times, 0.15)
                self.browser.wait_for_key_wait(frames)
                time.sleep(0.3)  # what a last tap would do, done
                self.assertEqual(self.browser.screen(), shop)
            self.assertEqual(self.browser.run("return document.activeElement.tagName"), "MAIN")
        self.each_phone(check)

    def test_in_a_fight_a_tap_hits_no_neighbour_and_quick_taps_are_rounds(self):
        fight = self.game.screens.index(4)  # the first, its rounds struck with Enter

        def check(width, height):
            self.open(key for key, frame in self.game.page_keys() if frame <= fight)
            frames = self.frames()
            self.tap("Атаковать врага", True, below=10)  # not "Выпить лечебное зелье"
            time.sleep(0.3)
            self.browser.wait_for_key_wait()
            self.assert_frame(fight + self.frames() - frames)  # nothing, or a round
            for on_grid in (True, False):
                before = self.frames()
                self.tap("Атаковать врага", on_grid, times=2)
                self.browser.wait_for_key_wait(before + 1)
                self.assert_frame(fight + self.frames() - frames)
            self.assertGreaterEqual(self.frames(), frames + 4)
        self.each_phone(check)

    def test_every_screen_goes_on_by_a_tap(self):
        def check(width, height):
            self.open()
            self.assertEqual(self.labels(), ["Начать игру"])
            for row in (20, 32):  # anywhere on the title, a story page's text
                frames, lines = self.frames(), self.browser.shown()["lines"]
                self.browser.click_cell(40, row, True)
                self.browser.wait_for_key_wait(frames)
                self.assertNotEqual(self.browser.shown()["lines"], lines)
                self.assertEqual(self.labels(), ["Далее"])
                time.sleep(self.burst())
            # The end, after "Пойду я нафиг из игры" and "Угу", then a tap.
            self.browser.play(["Enter"] * 4 + ["ArrowUp", "Enter", "Enter"])
            self.browser.wait_for(lambda: self.browser.state()[0] == "over", "the end")
            self.assertEqual(self.labels(), ["Играть снова"])
            time.sleep(self.burst())
            frames = self.frames()
            self.browser.click_cell(40, 20, True)
            self.browser.wait_for_key_wait(frames)
            self.assertEqual(self.browser.shown()["kind"], "title")
        self.each_phone(check)

    def test_a_whole_game_by_taps_on_the_buttons_is_the_keys_game(self):
        if self.browser.engine != "Firefox":
            self.skipTest("played in one engine, the quickest to tap: every tap is a real one")
        self.browser.emulate_phone(390, 844)
        self.open()
        last = (0, None)  # when the last tap came, and on what

        def tap(place):
            nonlocal last
            button = (self.browser.shown()["kind"], self.labels()[place])
            if last[1] != button:  # a new screen read before it is tapped
                time.sleep(max(0, last[0] + self.burst() - time.monotonic()))
            frames = self.frames()
            self.browser.click("#choices button:nth-of-type(%d)" % (place + 1), True)
            last = (time.monotonic(), button)
            self.browser.wait_for_key_wait(frames)

        for key, frame in self.game.page_keys():
            if key in ("ArrowUp", "ArrowDown"):
                continue
            # What the key took, in green; where there is none, the one button.
            wanted = [found.group(2) for text, colours in zip(*self.game.frames[frame - 1])
                      for found in [re.search(r"(\d) - (.*?) *\|", text)]
                      if found and colours[found.start(1)] == "2"]
            if wanted and wanted[0] not in self.labels():
                # A fight's last blow stays on view until a key, which the
                # keys gave as the first move on the next screen.
                tap([marked for _, _, marked, _ in self.browser.run(BUTTONS)].index(True))
            tap(self.labels().index(wanted[0]) if wanted else 0)
            self.assert_frame(frame)
        self.assertEqual(self.labels(), ["Играть снова"])


if __name__ == "__main__":
    unittest.main(verbosity=2)

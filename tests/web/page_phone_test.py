#!/usr/bin/python3
"""The game's page on a phone held upright (390x844) and sideways
(844x390): in Chromium with its touch screen emulated, and in Firefox at a
phone's viewport and pixel density (its driver taps as a finger does).
The choices stand as buttons a thumb can hit, a tap on the grid never
hits a neighbouring choice, quick taps choose only what stood under the
finger, every screen goes on by a tap, and a whole seeded game played by
taps on the buttons alone is the game the keys play. WebKitGTK's driver
can emulate no phone, and the tests are skipped there.

usage: page_phone_test.py SITE_FOLDER NATIVE_AE_PLAYTHROUGH ASSETS [ENGINE]
ENGINE is chromium (the default), webkit or firefox. Run with
/usr/bin/python3, which has Debian's python3-selenium."""

import re
import time
import unittest

from page_case import PageTest, arguments, same_screen

SITE, PLAYTHROUGH, ASSETS = arguments("SITE_FOLDER", "NATIVE_AE_PLAYTHROUGH", "ASSETS")
TO_TOWN = [" "] + ["Enter"] * 5
PHONES = [(390, 844), (844, 390)]
STORY_TEXT = (40, 32)  # a cell of a story page's first line
GREEN = "2"  # the highlighted choice's colour

# The panel's buttons that show, top to bottom, with their boxes.
BUTTONS = """
return Array.from(document.querySelectorAll("#choices button"))
  .filter((button) => !button.hidden && getComputedStyle(button).visibility !== "hidden"
    && button.getClientRects().length > 0)
  .map((button) => {
    const box = button.getBoundingClientRect();
    return {text: button.textContent, id: button.id, top: box.top, bottom: box.bottom,
            left: box.left, right: box.right, highlighted: button.classList.contains("highlighted"),
            fontSize: parseFloat(getComputedStyle(button).fontSize)};
  });"""


def highlighted_choice(frame):
    """The text of the choice highlighted (in green) in a native frame, or
    None where it shows none."""
    texts, colours = frame
    for text, colour_row in zip(texts, colours):
        found = re.search(r"(\d) - (.*?) *\|", text)
        if found and colour_row[found.start(1)] == GREEN:
            return found.group(2)
    return None


class OnAPhone(PageTest):
    playthrough = (PLAYTHROUGH, ASSETS)
    burst = None

    def each_phone(self, check):
        """check(width, height) at each phone's viewport, as a subtest."""
        for width, height in PHONES:
            with self.subTest("%dx%d" % (width, height)):
                self.browser.emulate_phone(width, height)
                check(width, height)

    def tearDown(self):
        self.browser.stop_emulation()

    def frames(self):
        return self.browser.state()[2]

    def burst_seconds(self):
        """How long taps make one burst, aimed at the frame its first saw."""
        if self.burst is None:
            type(self).burst = self.browser.run("return window.ancientEvil.TAP_BURST_MS") / 1000
        return self.burst

    def buttons(self):
        return self.browser.run(BUTTONS)

    def tap_button(self, text, times=1, pause=0):
        place = [button["text"] for button in self.buttons()].index(text)
        self.browser.click("#choices button:nth-of-type(%d)" % (place + 1), True, times=times,
                           pause=pause)

    def tap_choice(self, text, times=1, pause=0, below=0):
        """Taps on the grid, in the middle of a choice's row (its number's
        cell), or that many CSS pixels below it."""
        menu = self.browser.shown()["menu"]
        row = menu["rows"][menu["choices"].index(text)]
        self.browser.click_cell(menu["column"], row, True, below, times, pause)

    def open_at_first_fight(self):
        """The page at the seeded game's first fight, whose rounds the
        native game strikes with Enter; the index of its frame."""
        fight = self.game.screens.index(4)
        self.open(key for key, frame in self.game.page_keys() if frame <= fight)
        self.assertEqual(self.browser.shown()["kind"], "battle")
        return fight

    def assert_frame(self, index):
        differences = same_screen(self.browser.screen(), self.game.frames[index])
        self.assertFalse(differences, "frame %d:\n%s" % (index, "\n".join(differences[:10])))

    def test_the_town_s_choices_are_buttons_a_thumb_hits(self):
        self.open(TO_TOWN + ["ArrowDown", "Enter"])
        shop = self.browser.screen()

        def check(width, height):
            self.open(TO_TOWN)
            buttons = self.buttons()
            self.assertEqual([button["text"] for button in buttons],
                             self.browser.shown()["menu"]["choices"])
            self.assertEqual([button["highlighted"] for button in buttons],
                             [True, False, False, False, False])
            grid = self.browser.run(
                "return document.getElementById('console').getBoundingClientRect().toJSON()")
            for above, below in zip(buttons, buttons[1:]):
                self.assertGreater(below["top"], above["bottom"], "room between buttons")
            for button in buttons:
                self.assertGreaterEqual(button["bottom"] - button["top"], 44, button)
                self.assertGreaterEqual(button["fontSize"], 16)
                self.assertTrue(button["left"] >= 0 and button["right"] <= width and
                                button["bottom"] <= height, "within the screen")
                self.assertTrue(button["top"] >= grid["bottom"] or button["left"] >= grid["right"],
                                "beside or under the grid, not over it")
            frames = self.frames()
            self.tap_button("Пойду в магазин")
            self.browser.wait_for_key_wait(frames)
            self.assertEqual(self.browser.screen(), shop)
            # The button took no focus from the keys, which still play.
            self.assertEqual(self.browser.run("return document.activeElement.tagName"), "MAIN")
            self.browser.press("ArrowDown")
            self.assertEqual(self.browser.shown()["menu"]["highlighted"], 1)
        self.each_phone(check)

    def test_a_tap_just_below_a_choice_never_takes_its_neighbour(self):
        def check(width, height):
            fight = self.open_at_first_fight()
            frames = self.frames()
            self.tap_choice("Атаковать врага", below=10)
            time.sleep(0.3)  # the time a round would take to be drawn, and more
            self.browser.wait_for_key_wait()
            # Nothing, or a blow, and not the potion under it drunk.
            self.assert_frame(fight + self.frames() - frames)
        self.each_phone(check)

    def test_quick_taps_on_a_choice_that_stays_are_a_round_each(self):
        def check(width, height):
            fight = self.open_at_first_fight()
            for rounds, tap in ((2, lambda: self.tap_choice("Атаковать врага", times=2)),
                                (4, lambda: self.tap_button("Атаковать врага", times=2))):
                frames = self.frames()
                tap()
                self.browser.wait_for_key_wait(frames + 1)
                self.assertEqual(self.frames(), frames + 2)
                self.assert_frame(fight + rounds)
        self.each_phone(check)

    def test_quick_taps_choose_only_what_stood_under_the_finger(self):
        self.open(TO_TOWN + ["ArrowDown", "Enter"])
        shop = self.browser.screen()

        def check(width, height):
            for tap in (lambda: self.tap_choice("Пойду в магазин", times=4, pause=0.15),
                        lambda: self.tap_button("Пойду в магазин", times=4, pause=0.15)):
                self.open(TO_TOWN)
                frames = self.frames()
                tap()
                self.browser.wait_for_key_wait(frames)
                time.sleep(0.3)  # anything a last tap would do, done
                self.assertEqual(self.browser.screen(), shop, "in the shop, nothing bought")
        self.each_phone(check)

    def test_every_screen_goes_on_by_a_tap(self):
        def check(width, height):
            self.open()
            self.assertEqual([button["text"] for button in self.buttons()], ["Начать игру"])
            frames = self.frames()
            self.browser.click_cell(40, 20, True)  # the title: anywhere
            frames = self.browser.wait_for_key_wait(frames)
            self.assertEqual([button["text"] for button in self.buttons()], ["Далее"])
            page = self.browser.shown()["lines"]
            time.sleep(self.burst_seconds())  # a new page read, then tapped on
            self.browser.click_cell(*STORY_TEXT, True)
            self.browser.wait_for_key_wait(frames)
            self.assertNotEqual(self.browser.shown()["lines"], page)
            # The end, after "Пойду я нафиг из игры" and "Угу".
            self.browser.play(["Enter"] * 4 + ["ArrowUp", "Enter", "Enter"])
            self.browser.wait_for(lambda: self.browser.state()[0] == "over", "the end")
            self.assertEqual([button["text"] for button in self.buttons()], ["Играть снова"])
            time.sleep(self.burst_seconds())
            frames = self.frames()
            self.browser.click_cell(40, 20, True)
            self.browser.wait_for_key_wait(frames)
            self.assertEqual(self.browser.shown()["kind"], "title")
        self.each_phone(check)

    def test_a_whole_game_by_taps_on_the_buttons_is_the_keys_game(self):
        if self.browser.engine != "Firefox":
            self.skipTest("played in one engine, the quickest to tap: every tap is a real one")
        self.browser.emulate_phone(*PHONES[0])
        self.open()
        last = None  # when the last tap came, and what it took

        def tap(place):
            nonlocal last
            button = (self.browser.shown()["kind"], self.buttons()[place]["text"])
            if last is not None and last[1] != button:
                time.sleep(max(0, last[0] + self.burst_seconds() - time.monotonic()))
            frames = self.frames()
            self.browser.click("#choices button:nth-of-type(%d)" % (place + 1), True)
            last = (time.monotonic(), button)
            self.browser.wait_for_key_wait(frames)

        for key, frame in self.game.page_keys():
            if key in ("ArrowUp", "ArrowDown"):
                continue
            # What the key took, or where nothing is chosen, the one button.
            wanted = highlighted_choice(self.game.frames[frame - 1])
            labels = [button["text"] for button in self.buttons()]
            if wanted is not None and wanted not in labels:
                # A fight's last blow stays on view until a key, which the
                # keys gave as the first move to the next screen's choice.
                tap([button["highlighted"] for button in self.buttons()].index(True))
                labels = [button["text"] for button in self.buttons()]
            tap(0 if wanted is None else labels.index(wanted))
            differences = same_screen(self.browser.screen(), self.game.frames[frame])
            self.assertFalse(differences, "frame %d:\n%s" % (frame, "\n".join(differences[:10])))
        self.assertEqual(self.browser.state()[0], "over")
        self.assertEqual([button["text"] for button in self.buttons()], ["Играть снова"])


if __name__ == "__main__":
    unittest.main(verbosity=2)

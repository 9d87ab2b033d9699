#!/usr/bin/python3
"""The game's page as players meet it beyond the keys: a new game from the
keyboard and from one double click. Plain WebDriver and the page's own script, so that
another engine can run the same tests; what needs Chromium's DevTools is in
page_driver's helpers.

usage: page_player_test.py SITE_FOLDER NATIVE_AE_PLAYTHROUGH ASSETS
Run with /usr/bin/python3, which has Debian's python3-selenium."""

import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "tools", "web"))
from page_driver import CLOCK_FOR_SEED_1, Chromium, Playthrough, same_screen, site_url  # noqa: E402

SITE, PLAYTHROUGH, ASSETS = sys.argv[1:4]
del sys.argv[1:4]
TO_TOWN = [" "] + ["Enter"] * 5


class ThePlayer(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.game = Playthrough(PLAYTHROUGH, ASSETS)
        cls.browser = Chromium()
        cls.browser.fix_clock(CLOCK_FOR_SEED_1)

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()

    def open(self, keys=()):
        self.browser.driver.get(site_url(SITE))
        self.browser.wait_for_key_wait()
        self.browser.play(keys)

    def state(self):
        return self.browser.state()

    def assert_title(self):
        self.assertEqual(self.state()[:2], ["playing", "false"])
        self.assertFalse(same_screen(self.browser.screen(), self.game.frames[0]))

    def test_after_the_end_a_key_let_go_and_pressed_starts_a_new_game(self):
        self.open(TO_TOWN + ["ArrowUp", "Enter"])  # to the exit confirmation
        self.browser.hold_enter()  # on "Угу"
        self.assertEqual(self.state()[0], "over")
        self.browser.press("x")
        self.assert_title()

    def test_one_double_click_on_play_again_is_one_new_game_at_its_title(self):
        from selenium.webdriver.common.action_chains import ActionChains
        to_the_end = TO_TOWN + ["ArrowUp", "Enter", "Enter"]
        self.open(to_the_end)
        frames = self.state()[2]
        again = self.browser.driver.find_element("id", "again")
        ActionChains(self.browser.driver).double_click(again).perform()
        self.browser.wait_for_key_wait(frames)
        self.assert_title()
        self.assertEqual(self.state()[2], frames + 1)
        # Enter held on the button after tabbing to it.
        self.browser.play(to_the_end)
        self.browser.run("document.getElementById('again').focus()")
        self.browser.hold_enter()
        self.browser.wait_for_key_wait()
        self.assert_title()


if __name__ == "__main__":
    unittest.main(verbosity=2)

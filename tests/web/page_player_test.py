#!/usr/bin/python3
"""The game's page as players meet it beyond the keys, in a browser of each
engine: a click or a tap on a choice, the words a screen reader hears, a
new game from the keyboard and from one double click. The page driver's
Browser, so that every engine runs the same tests; the one that reads
Chromium's accessibility tree is skipped in the others.

usage: page_player_test.py SITE_FOLDER NATIVE_AE_PLAYTHROUGH ASSETS [ENGINE]
ENGINE is chromium (the default), webkit or firefox. Run with
/usr/bin/python3, which has Debian's python3-selenium."""

import time
import unittest

from page_case import PageTest, arguments, same_screen

SITE, PLAYTHROUGH, ASSETS = arguments("SITE_FOLDER", "NATIVE_AE_PLAYTHROUGH", "ASSETS")
TO_TOWN = [" "] + ["Enter"] * 5


class ThePlayer(PageTest):
    playthrough = (PLAYTHROUGH, ASSETS)

    def state(self):
        return self.browser.state()

    def assert_title(self):
        self.assertEqual(self.state()[:2], ["playing", "false"])
        self.assertFalse(same_screen(self.browser.screen(), self.game.frames[0]))
        self.assertEqual(self.browser.said(), "Древнее Зло. Приключения Джека Белибье. "
                         "Нажмите любую клавишу...")

    def test_a_click_or_a_tap_on_a_choice_is_the_keys_that_choose_it(self):
        self.open(TO_TOWN)
        self.browser.press("ArrowDown", "ArrowDown", "Enter")
        by_keys = self.browser.screen()
        for touch in (False, True):
            with self.subTest("a tap" if touch else "a click"):
                if touch and not self.browser.taps:
                    self.skipTest("%s's driver taps as a mouse clicks: the click was the tap"
                                  % self.browser.engine)
                self.open()
                self.browser.click_cell(40, 0, touch)  # the title: any key
                frames = self.browser.wait_for_key_wait(1)
                # Clicks quicker than this after one that changed what stands
                # under them are aimed at what stood there before.
                burst = self.browser.run("return window.ancientEvil.TAP_BURST_MS") / 1000
                # The story's one choice, "1 - Далее", each click soon after
                # the last but away from it, so that no two make a double
                # click; then the stranger's first choice, to the town.
                for column in [None, 35, 65, 35, 65, None, 35, None]:
                    if column is None:
                        time.sleep(burst)
                        continue
                    self.browser.click_cell(column, 36, touch)
                    frames = self.browser.wait_for_key_wait(frames)
                before = self.state()
                # Nothing on a line that is not a choice: the message, the
                # status column, the box under the last choice.
                for column, row in [(40, 32), (10, 40), (40, 46)]:
                    self.browser.click_cell(column, row, touch)
                    self.assertEqual(self.state(), before)
                self.browser.click_cell(60, 40, touch)  # "3 - Пойду мочить врагов"
                self.browser.wait_for_key_wait(before[2])
                self.assertEqual(self.browser.screen(), by_keys)

    def test_the_second_click_of_a_double_click_chooses_nothing_more(self):
        self.open(TO_TOWN)
        self.browser.press("ArrowDown", "Enter")
        shop = self.browser.screen()
        self.open(TO_TOWN)
        frames = self.state()[2]
        self.browser.click_cell(60, 38)  # "2 - Пойду в магазин"
        self.browser.wait_for_key_wait(frames)
        self.assertEqual(self.browser.screen(), shop)
        # The second click comes once the shop is drawn, on its weapon offer.
        before = self.state()
        self.browser.run("""const grid = document.getElementById("console");
            const box = grid.getBoundingClientRect();
            grid.dispatchEvent(new MouseEvent("click", {bubbles: true, detail: 2,
                clientX: box.left + box.width * 60.5 / 80,
                clientY: box.top + box.height * 38.5 / 49}));""")
        self.assertEqual(self.state(), before)

    def test_the_live_region_says_what_changed_and_the_status_on_request(self):
        self.open(TO_TOWN)
        self.assertEqual(self.browser.said(),
                         "Что будем делать? 1 из 5: Хм, а что я сейчас делаю-то?")
        self.browser.press("ArrowDown")
        self.assertEqual(self.browser.said(), "2 из 5: Пойду в магазин.")
        self.browser.send_keys("H")  # with Shift, or Caps Lock, as without
        self.assertEqual(self.browser.said(), "Здоровье: 50 из 50. Деньги: 500 рублей. "
                         "Лечебных зелий: 1. Оружие: Полицейская дубинка, урон от 3 до 6.")
        # The first fight's first round, as --screen-reader tells it.
        keys = self.game.page_keys()
        fight = next(index for index, screen in enumerate(self.game.screens) if screen == 4)
        self.open(key for key, frame in keys if frame <= fight)
        self.browser.press("Enter")
        self.assertRegex(self.game.said[fight + 1], r"ранил.*Здоровье: \d+ из 50\. У врага")
        self.assertEqual(self.browser.said(), self.game.said[fight + 1])

    def test_a_screen_reader_hears_the_live_region_and_not_the_grid(self):
        self.open(TO_TOWN + ["ArrowDown"])
        heard = self.browser.accessible_texts()
        self.assertIn(self.browser.said(), heard)
        self.assertFalse([text for text in heard if "ATK" in text], "the grid is not read")

    def test_after_the_end_a_key_let_go_and_pressed_starts_a_new_game(self):
        self.open(TO_TOWN + ["ArrowUp", "Enter"])  # to the exit confirmation
        self.browser.hold_enter(lambda: self.assertIn("Игра окончена", self.browser.said()))  # Угу
        self.assertEqual(self.state()[0], "over")
        self.browser.press("x")
        self.assert_title()

    def test_one_double_click_on_play_again_is_one_new_game_at_its_title(self):
        to_the_end = TO_TOWN + ["ArrowUp", "Enter", "Enter"]
        self.open(to_the_end)
        frames = self.state()[2]
        self.browser.click("#again", times=2)
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

"""A player's road in a real terminal: the opening, the seer's errand, a
fight won in the swamp, and out through the exit confirmation. Every key is
chosen from what the pane shows, the highlighted choice included."""

import os
import re
import sys
import unittest

from tmux_session import TmuxSession

BINARY = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/ancient-evil")
ASSETS = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else "assets")
MENU_ROWS = (36, 38, 40, 42, 44)
GREEN_ITEM = re.compile(r"\x1b\[(?:[0-9;]*;)?32(?:;[0-9;]*)?m(\d) - ")


class PlayTheStory(unittest.TestCase):
    def setUp(self):
        self.term = TmuxSession()
        self.addCleanup(self.term.close)

    def menu(self):
        """The number of choices and the highlighted one, as the pane shows them."""
        lines = self.term.coloured_screen().split("\n")
        plain = self.term.lines()
        count = sum(1 for row in MENU_ROWS if plain[row][32:36] == "%d - " % (MENU_ROWS.index(row) + 1))
        for row in MENU_ROWS:
            match = GREEN_ITEM.search(lines[row])
            if match:
                return count, int(match.group(1)) - 1
        self.fail("no highlighted choice on screen:\n" + "\n".join(plain))

    def choose(self, item, then_wait_for):
        """Chooses a menu item and waits for a text, or for a test of the screen."""
        count, highlighted = self.menu()
        for _ in range((item - highlighted) % count):
            self.term.keys("Down")
        self.term.wait_for(lambda s: self.menu()[1] == item, "choice %d highlighted" % (item + 1))
        self.term.keys("Enter")
        if callable(then_wait_for):
            return self.term.wait_for(then_wait_for, "the next screen")
        return self.term.wait_for_text(then_wait_for)

    def test_seer_errand_a_won_fight_and_leaving(self):
        self.term.run_game(BINARY, ASSETS)
        self.term.wait_for_text("Нажмите любую клавишу")
        self.term.keys("x")
        for page_text in (" Похоже, его мечта сбылась...", " Джек возвращался из паба домой",
                          " Судя по виду, этому человеку", " Найди его... [кашляет]"):
            self.term.keys("Enter")
            self.term.wait_for_text(page_text)
        self.term.keys("Enter")
        self.term.wait_for_text_at(32, 36, "1 - Хм, а что я сейчас делаю-то?")

        self.choose(2, "Нужно сначала узнать, куда идти.")
        self.choose(3, " Я ждала тебя, правда, я всегда кого-то")
        self.choose(0, "лягушачью лапку с болота для раскурки...")
        self.assertIn("1 - Я принес лапку", self.term.screen())
        self.choose(1, "1 - Хм, а что я сейчас делаю-то?")

        self.choose(2, " Джек стоит посреди болота, затянутого ")
        self.choose(0, "Идет битва с ")
        # A round always costs both sides hit points, so the rows of the
        # two hit points and the blows change, even where the blows read as
        # the last round's did.
        def round_rows(screen):
            return [screen.split("\n")[row] for row in (9, 18, 27, 28)]
        for _ in range(40):
            before = round_rows(self.term.screen())
            screen = self.choose(0, lambda s: round_rows(s) != before)
            if "Джек убил " in screen:
                break
            self.assertNotIn(" Джек пал героем", screen)
        self.assertRegex(self.term.lines()[28], r"Джек убил .+, получив \d+ (рубль|рубля|рублей)")
        money = int(re.search(r"(\d+) рубл(ь|я|ей)", self.term.lines()[19]).group(1))
        self.assertGreater(money, 500)
        self.term.keys("x")  # the victory stays on view until a key
        self.term.wait_for_text(" Джек стоит посреди болота, затянутого ")

        self.choose(2, "1 - Хм, а что я сейчас делаю-то?")
        self.choose(4, "Действительно выйти?")
        self.term.keys("Enter")
        self.term.wait_for_text("EXIT=0")
        self.assertTrue(self.term.cursor_visible())


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]])

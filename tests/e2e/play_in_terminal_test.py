"""The built game in a real terminal: Cyrillic at its place, the title's
colour, arrows and Enter, and the terminal given back in working order."""

import os
import sys
import unittest

from tmux_session import TmuxSession

BINARY = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/ancient-evil")
ASSETS = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else "assets")
FIRST_LINE = " Джек Белибье уволился с работы в полиции,"


class PlayInTerminal(unittest.TestCase):
    def setUp(self):
        self.term = TmuxSession()
        self.addCleanup(self.term.close)

    def assert_terminal_restored(self):
        settings = self.term.stty()
        self.assertIn("echo,", settings.replace("-echo,", ""))
        self.assertNotIn("-icanon", settings)
        self.assertTrue(self.term.cursor_visible())

    def test_opening_story_in_cyrillic_then_leave_with_ctrl_c(self):
        self.term.run_game(BINARY, ASSETS)
        self.term.wait_for_text("Нажмите любую клавишу")
        self.assertIn("\x1b[91m", self.term.coloured_screen())  # the title in light red
        self.term.keys("Space")
        self.term.wait_for_text_at(31, 32, FIRST_LINE)
        self.term.wait_for_text_at(32, 36, "1 - Далее")
        lines = self.term.lines()
        self.assertEqual(lines[0], "." + "-" * 78 + ".")
        self.assertEqual(lines[48], "'" + "-" * 78 + "'")
        self.assertIn("\x1b[32m1 - Далее", self.term.coloured_screen())

        self.term.keys("Enter")
        self.term.wait_for_text_at(31, 32, " Похоже, его мечта сбылась...")
        self.term.keys("Down", "Up")  # arrows change nothing on a one-item menu
        self.term.keys("Enter", "Enter", "Enter")
        self.term.wait_for_text_at(31, 32, " Найди его... [кашляет] И уничтожь Древнее ")
        self.term.keys("Down")
        self.term.wait_for(lambda s: "\x1b[32m2 - Эх, ну вот не дадут отдохнуть!" in
                           self.term.coloured_screen(), "the second reply highlighted")

        # Ctrl-C leaves the game like the end of input: no interrupt, so
        # the command list goes on, and the last frame stays above it.
        self.term.keys("C-c")
        self.term.wait_for_text("EXIT=0")
        self.term.wait_for(lambda s: s.rstrip().endswith("$"), "the prompt")
        lines = self.term.lines()
        frame_bottom = max(i for i, line in enumerate(lines) if line.startswith("'---"))
        self.assertGreater(lines.index("EXIT=0"), frame_bottom)
        self.assertIn("2 - Эх, ну вот не дадут отдохнуть!", self.term.screen())
        self.assert_terminal_restored()

    def test_leaving_through_the_exit_confirmation(self):
        self.term.run_game(BINARY, ASSETS)
        self.term.wait_for_text("Нажмите любую клавишу")
        self.term.keys("x", "Enter", "Enter", "Enter", "Enter")
        self.term.wait_for_text(" Найди его...")
        self.term.keys("Enter")
        self.term.wait_for_text("1 - Хм, а что я сейчас делаю-то?")
        self.term.keys("Up", "Enter")
        self.term.wait_for_text_at(31, 32, "Действительно выйти?")
        self.term.keys("Enter")
        self.term.wait_for_text("EXIT=0")
        self.assert_terminal_restored()


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]])

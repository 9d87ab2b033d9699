"""Signals during play in a real terminal: Ctrl-C (which leaves the game
with status 0), SIGINT, SIGTERM and SIGHUP give the terminal back in its
normal mode with the cursor shown and the prompt below the frame; Ctrl-Z
suspends the same way and fg redraws the game, which then answers keys
again."""

import signal
import subprocess
import sys
import unittest

from tmux_session import TmuxSession

BINARY = sys.argv[1] if len(sys.argv) > 1 else "build/ancient-evil"
ASSETS = sys.argv[2] if len(sys.argv) > 2 else "assets"
FRAME_TOP = "." + "-" * 78 + "."
FRAME_BOTTOM = "'" + "-" * 78 + "'"
STRANGER = " Найди его... [кашляет] И уничтожь Древнее "


class Signals(unittest.TestCase):
    def start(self, launch="%s"):
        term = TmuxSession()
        self.addCleanup(term.close)
        # No "; echo" after it: an interrupted command list stops at once.
        term.type_line("cd %s && %s" % (ASSETS, launch % BINARY))
        term.wait_for_text("Нажмите любую клавишу")
        term.keys("Space")
        term.wait_for_text_at(32, 36, "1 - Далее")
        return term

    def wait_for_prompt(self, term):
        term.wait_for(lambda s: s.rstrip().endswith("$"), "the shell prompt")

    def assert_terminal_given_back(self, term, last_line, status=None):
        """The frame stays whole on view, the shell's words come below it,
        and the terminal is in its normal mode with the cursor shown."""
        self.wait_for_prompt(term)
        # The screen and what scrolled off it.
        lines = term.tmux("capture-pane", "-p", "-S", "-100").split("\n")
        bottom = max(i for i, line in enumerate(lines) if line == FRAME_BOTTOM)
        below = max(i for i, line in enumerate(lines) if last_line in line)
        self.assertGreater(below, bottom, "\n".join(lines))
        self.assertEqual(lines[bottom - 48], FRAME_TOP, "\n".join(lines))
        for row in range(bottom - 47, bottom):
            self.assertTrue(lines[row].startswith("|"), "row %d: %r" % (row, lines[row]))
        if status is not None:
            term.type_line("echo EXIT=$?")
            term.wait_for_text("EXIT=%d" % status)
        self.assertTrue(term.cursor_visible())
        settings = term.stty()
        self.assertIn("echo,", settings.replace("-echo,", ""))
        self.assertNotIn("-icanon", settings)

    def test_ctrl_c_sigint_sigterm_and_sighup_give_the_terminal_back(self):
        for how, status in (("C-c", 0), (signal.SIGINT, 130), (signal.SIGTERM, 143),
                            (signal.SIGHUP, 129)):
            with self.subTest(how=str(how)):
                term = self.start()
                if how == "C-c":
                    term.keys("C-c")
                else:
                    subprocess.run(["kill", "-%d" % how, str(term.shell_child())], check=True)
                self.assert_terminal_given_back(term, "$", status)

    def test_a_hangup_the_game_was_started_to_ignore_stays_ignored(self):
        term = self.start("(trap '' HUP; exec %s)")
        subprocess.run(["kill", "-HUP", str(term.shell_child())], check=True)
        term.keys("Enter")
        term.wait_for_text_at(31, 32, " Похоже, его мечта сбылась...")
        term.keys("C-c")
        self.assert_terminal_given_back(term, "$")

    def test_ctrl_z_then_fg_redraws_and_keys_work(self):
        term = self.start()
        term.keys("Enter", "Enter", "Enter", "Enter")
        term.wait_for_text_at(31, 32, STRANGER)

        term.keys("C-z")
        term.wait_for_text("Stopped")
        self.assert_terminal_given_back(term, "Stopped", 148)

        term.type_line("fg")
        # Redrawn in full from the top: the shell's lines are gone.
        term.wait_for(lambda s: s.split("\n")[0] == FRAME_TOP and "Stopped" not in s,
                      "the frame redrawn after fg")
        term.wait_for_text_at(31, 32, STRANGER)
        term.wait_for_text_at(32, 36, "1 - ЭЭ!? Ты куда? Что за бред?")
        self.assertEqual(term.lines()[48], FRAME_BOTTOM)
        self.assertFalse(term.cursor_visible())

        term.keys("Down")
        term.wait_for(lambda s: "\x1b[32m2 - Эх, ну вот не дадут отдохнуть!" in term.coloured_screen(),
                      "the second reply highlighted after fg")
        term.keys("Enter")
        term.wait_for_text("1 - Хм, а что я сейчас делаю-то?")  # the town: play goes on

        term.keys("C-c")
        self.assert_terminal_given_back(term, "$", 0)

    def test_ctrl_z_then_fg_with_keys_piped_in(self):
        term = TmuxSession()
        self.addCleanup(term.close)
        term.type_line("cd %s && sleep 60 | %s" % (ASSETS, BINARY))
        term.wait_for_text("Нажмите любую клавишу")
        self.assertFalse(term.cursor_visible())
        term.keys("C-z")
        term.wait_for_text("Stopped")
        self.wait_for_prompt(term)
        self.assertTrue(term.cursor_visible())
        term.type_line("fg")
        term.wait_for(lambda s: "Stopped" not in s and "Нажмите любую клавишу" in s,
                      "the title redrawn after fg")
        self.assertFalse(term.cursor_visible())
        term.keys("C-c")
        self.wait_for_prompt(term)
        self.assertTrue(term.cursor_visible())


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]])

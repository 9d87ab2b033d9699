"""The game where the player's set-up is not the usual one: a window too
small for the frame, keys piped in instead of typed, input that closes or
was never there. It must neither garble the screen, nor complain about the
terminal, nor hang or spin."""

import os
import resource
import subprocess
import sys
import time
import unittest

from tmux_session import TmuxSession

BINARY = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/ancient-evil")
ASSETS = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else "assets")
FRAME_TOP = "." + "-" * 78 + "."
NOTICE = "Окно терминала слишком мало для игры"
TERMINAL_ERRORS = ("Inappropriate ioctl", "stty", "tcsetattr", "tcgetattr")
# Any key for the title, then the four story pages and the stranger: the town.
TO_TOWN = b"x\r\r\r\r\r"


def run_with_usage(stdin_writer=None, stdin=subprocess.PIPE, timeout=20):
    """Runs the game outside a terminal; returns (status, output, errors,
    CPU seconds). stdin_writer gets the pipe to write keys into."""
    start = resource.getrusage(resource.RUSAGE_CHILDREN)
    game = subprocess.Popen([BINARY], cwd=ASSETS, stdin=stdin,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    if stdin_writer is not None:
        stdin_writer(game.stdin)
        game.stdin = None  # the writer closed it
    output, errors = game.communicate(timeout=timeout)
    end = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (end.ru_utime - start.ru_utime) + (end.ru_stime - start.ru_stime)
    return game.returncode, output, errors, cpu


class SmallWindow(unittest.TestCase):
    def test_notice_instead_of_a_garbled_frame_and_a_redraw_when_enlarged(self):
        term = TmuxSession(width=60, height=20)
        self.addCleanup(term.close)
        term.run_game(BINARY, ASSETS)
        term.wait_for_text(NOTICE)
        self.assertIn("60×20", term.screen())
        self.assertNotIn("#####", term.screen())  # no piece of the title
        term.keys("Space")  # not seen by the player, so not taken
        time.sleep(1.0)  # time to read it, on a busy machine too

        term.tmux("resize-window", "-x", "80", "-y", "50")
        term.wait_for_text("Нажмите любую клавишу")  # still the title
        self.assertNotIn(NOTICE, term.screen())
        term.keys("Space")
        term.wait_for_text_at(32, 36, "1 - Далее")

        # Shrinking during play: the notice again, and the frame when it grows.
        term.tmux("resize-window", "-x", "79", "-y", "50")
        term.wait_for_text(NOTICE)
        term.tmux("resize-window", "-x", "80", "-y", "49")
        term.wait_for(lambda s: s.split("\n")[0] == FRAME_TOP, "the frame redrawn")
        term.wait_for_text_at(32, 36, "1 - Далее")
        self.assertNotIn(NOTICE, term.screen())
        term.keys("Enter")
        term.wait_for_text_at(31, 32, " Похоже, его мечта сбылась...")


class PipedInput(unittest.TestCase):
    def test_piped_keys_play_in_a_terminal_without_complaints(self):
        term = TmuxSession()
        self.addCleanup(term.close)
        term.type_line("cd %s && printf 'x\\r\\r\\r\\r\\r\\n' | %s 2>&1; echo EXIT=$?"
                       % (ASSETS, BINARY))
        term.wait_for_text("EXIT=0")
        screen = term.screen()
        self.assertIn("1 - Хм, а что я сейчас делаю-то?", screen)  # the town, left on view
        for complaint in TERMINAL_ERRORS:
            self.assertNotIn(complaint, screen)

    def test_piped_keys_without_any_terminal(self):
        def keys(pipe):
            pipe.write(TO_TOWN)
            pipe.close()
        status, output, errors, _ = run_with_usage(keys)
        self.assertEqual(status, 0)
        self.assertEqual(errors, b"")
        self.assertIn("Пойду в магазин".encode(), output)

    def test_input_closing_ends_the_game_without_spinning(self):
        def one_key_then_close(pipe):
            time.sleep(1)
            pipe.write(b"x")
            pipe.flush()
            time.sleep(1)
            pipe.close()
        status, output, errors, cpu = run_with_usage(one_key_then_close)
        self.assertEqual(status, 0)
        self.assertEqual(errors, b"")
        self.assertIn(" Джек Белибье уволился".encode(), output)  # the story had begun
        self.assertLess(cpu, 0.5, "the game used the CPU while waiting for keys")

    def test_no_input_at_all_ends_the_game(self):
        for name, stdin in (("/dev/null", subprocess.DEVNULL), ("closed", None)):
            with self.subTest(stdin=name):
                if stdin is None:
                    # Standard input closed outright, as `game <&-` starts it.
                    start = resource.getrusage(resource.RUSAGE_CHILDREN)
                    game = subprocess.run(["bash", "-c", 'exec "$0" <&-', BINARY], cwd=ASSETS,
                                          capture_output=True, timeout=10)
                    end = resource.getrusage(resource.RUSAGE_CHILDREN)
                    status, errors = game.returncode, game.stderr
                    cpu = (end.ru_utime - start.ru_utime) + (end.ru_stime - start.ru_stime)
                else:
                    status, _, errors, cpu = run_with_usage(stdin=stdin)
                self.assertEqual(status, 0)
                self.assertEqual(errors, b"")
                self.assertLess(cpu, 0.5)


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]])

"""The Windows game as a player gets it: unpacked from its zip, run under
wine64 in a real terminal (tmux), read off the screen. wine shows the
console's grey (attribute 7) in the terminal's default colour, so text is
compared exactly and every other colour by its ANSI code. Also run with
no terminal at all, where wine gives it no console.

usage: play_under_wine_test.py ZIP WINE64 WINEPREFIX"""

import os
import shlex
import subprocess
import sys
import tempfile
import unittest
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from tmux_session import TmuxSession  # noqa: E402

ZIP, WINE, PREFIX = (os.path.abspath(path) for path in sys.argv[1:4])
GAME_TITLE = "Древнее Зло"
FIRST_LINE = " Джек Белибье уволился с работы в полиции,"
STRANGER = " Найди его... [кашляет] И уничтожь Древнее "
FRAME_TOP = "." + "-" * 78 + "."
FRAME_BOTTOM = "'" + "-" * 78 + "'"
LIGHT_RED, GREEN = "\x1b[91m", "\x1b[32m"
WINE_COMMAND = "env WINEPREFIX=%s WINEDEBUG=-all %s" % (shlex.quote(PREFIX), shlex.quote(WINE))

SCRATCH = tempfile.TemporaryDirectory()  # the unpacked zip, and what the tests write
UNPACKED = SCRATCH.name
FOLDER = None  # the game's folder in it


def setUpModule():
    global FOLDER
    with zipfile.ZipFile(ZIP) as archive:
        archive.extractall(UNPACKED)
    (folder,) = os.listdir(UNPACKED)
    FOLDER = os.path.join(UNPACKED, folder)
    for stray in ("assets", "share/ancient-evil"):  # beside it, as in Downloads
        os.makedirs(os.path.join(UNPACKED, stray))
        with open(os.path.join(UNPACKED, stray, "Title.txt"), "wb") as title:
            title.write("Чужой титул\r\n".encode("cp1251"))


def tearDownModule():
    SCRATCH.cleanup()


class PlayFromTheZip(unittest.TestCase):
    def setUp(self):
        self.term = TmuxSession()
        self.addCleanup(self.term.close)

    def start(self, keys_from="", redirections=""):
        self.term.type_line("cd %s && %s%s ancient-evil.exe%s; echo EXIT=$?" % (
            shlex.quote(FOLDER), keys_from, WINE_COMMAND, redirections))

    def pane_title(self):
        return self.term.tmux("display-message", "-p", "#{pane_title}").strip()

    def coloured(self, text, colour):
        return lambda screen: colour + text in self.term.coloured_screen()

    def test_title_story_stranger_and_quit_through_the_exit_confirmation(self):
        self.start()
        self.term.wait_for_text("Нажмите любую клавишу")
        self.assertIn(LIGHT_RED, self.term.coloured_screen())  # the title picture
        self.assertEqual(self.pane_title(), GAME_TITLE)
        self.assertFalse(self.term.cursor_visible())

        self.term.keys("Space")
        self.term.wait_for_text_at(31, 32, FIRST_LINE)
        self.term.wait_for(self.coloured("1 - Далее", GREEN), "the highlighted choice")
        lines = self.term.lines()
        self.assertEqual(lines[0], FRAME_TOP)
        self.assertEqual(lines[48], FRAME_BOTTOM)
        self.assertEqual(lines[36][32:41], "1 - Далее")

        self.term.keys("Enter", "Enter", "Enter", "Enter")
        self.term.wait_for_text_at(31, 32, STRANGER)
        self.term.wait_for(self.coloured("1 - ЭЭ!? Ты куда? Что за бред?", GREEN), "the first reply")
        self.term.keys("Down")
        self.term.wait_for(self.coloured("2 - Эх, ну вот не дадут отдохнуть!", GREEN),
                           "the second reply highlighted")
        self.assertNotIn(GREEN + "1 - ЭЭ!?", self.term.coloured_screen())

        self.term.keys("Enter")
        self.term.wait_for_text("1 - Хм, а что я сейчас делаю-то?")  # the town
        self.term.keys("Up", "Enter")
        self.term.wait_for_text_at(31, 32, "Действительно выйти?")
        self.term.keys("Enter")
        self.term.wait_for_text("EXIT=0")
        self.assertTrue(self.term.cursor_visible())
        self.assertNotEqual(self.pane_title(), GAME_TITLE)

    def test_started_by_its_path_from_elsewhere_it_reads_its_own_data(self):
        # From share\, beside someone else's title (setUpModule).
        self.term.type_line("cd %s && %s %s; echo EXIT=$?" % (shlex.quote(UNPACKED + "/share"),
                            WINE_COMMAND, shlex.quote(FOLDER + "/ancient-evil.exe")))
        self.assertNotIn("Чужой титул", self.term.wait_for_text("Нажмите любую клавишу"))
        self.term.keys("C-c")
        self.term.wait_for_text("EXIT=0")

    def test_ctrl_c_gives_the_console_back_and_leaves_the_screen_on_view(self):
        self.start()
        self.term.wait_for_text("Нажмите любую клавишу")
        self.term.keys("Space")
        self.term.wait_for_text_at(31, 32, FIRST_LINE)
        self.term.keys("C-c")
        self.term.wait_for_text("EXIT=0")
        lines = self.term.lines()
        frame_bottom = max(i for i, line in enumerate(lines) if line == FRAME_BOTTOM)
        exit_row = max(i for i, line in enumerate(lines) if line.startswith("EXIT=0"))
        self.assertEqual(exit_row, frame_bottom + 1, "the prompt follows the last screen")
        self.assertIn(FIRST_LINE, self.term.screen())
        self.assertTrue(self.term.cursor_visible())

    def test_piped_keys_play_and_the_end_of_input_ends_the_game(self):
        # A Windows line end is one Enter: the title, four pages, the stranger.
        self.start(keys_from="printf 'x\\r\\n\\r\\r\\r\\r' | ")
        self.term.wait_for_text("EXIT=0")
        self.assertIn("1 - Хм, а что я сейчас делаю-то?", self.term.screen())


    def test_told_for_a_screen_reader_it_plays_to_the_town_in_lines(self):
        keys = os.path.join(UNPACKED, "keys.txt")
        with open(keys, "wb") as script:
            script.write(b"x\r\n\r\r\r\r2")  # the title, the story, the stranger; choice 2
        self.start(redirections=" --screen-reader < " + shlex.quote(keys))
        self.term.wait_for_text("EXIT=0")
        screen = self.term.screen()
        for line in ("режим для экранного диктора", "Приключения Джека Белибье.",
                     "Что будем делать?", "2 из 5: Пойду в магазин.", "Игра окончена."):
            self.assertIn(line, screen)
        self.assertNotIn(FRAME_TOP, screen)
        self.assertNotIn(GREEN, self.term.coloured_screen())

    def test_output_redirected_to_a_file_still_shows_the_game_on_the_console(self):
        # `ancient-evil.exe > out.txt`: the game draws on the console itself.
        out = os.path.join(UNPACKED, "out.txt")
        self.start(redirections=" > " + shlex.quote(out))
        self.term.wait_for_text("Нажмите любую клавишу")
        self.assertIn(LIGHT_RED, self.term.coloured_screen())  # the title picture
        self.term.keys("Space")
        self.term.wait_for_text_at(31, 32, FIRST_LINE)
        self.term.keys("C-c")
        self.term.wait_for_text("EXIT=0")
        self.assertEqual(os.path.getsize(out), 0, "nothing of the game went to the file")

    def test_input_from_nul_still_takes_the_keys_typed_on_the_console(self):
        # cmd gives the game NUL for its input: the keys come from the
        # console itself, and the game does not end at once on no input.
        self.term.type_line("cd %s && %s cmd /c 'ancient-evil.exe < NUL'; echo EXIT=$?" % (
            shlex.quote(FOLDER), WINE_COMMAND))
        self.term.wait_for_text("Нажмите любую клавишу")
        self.term.keys("Space")
        self.term.wait_for_text_at(31, 32, FIRST_LINE)
        self.term.keys("C-c")
        self.term.wait_for_text("EXIT=0")


class WithoutAConsole(unittest.TestCase):
    def run_game(self, *arguments):
        # No terminal anywhere, not even a controlling one: wine makes no console.
        return subprocess.run([WINE, "ancient-evil.exe", *arguments], cwd=FOLDER,
                              env=dict(os.environ, WINEPREFIX=PREFIX, WINEDEBUG="-all"),
                              stdin=subprocess.DEVNULL, capture_output=True,
                              start_new_session=True, timeout=300)

    def test_slash_question_mark_prints_the_windows_help_and_succeeds(self):
        result = self.run_game("/?")
        self.assertEqual(result.returncode, 0, result.stderr)
        help_text = result.stdout.decode("ascii")
        self.assertTrue(help_text.startswith(
            "Usage: ancient-evil [--screen-reader] | /? | --help | --version\r\n"), help_text)
        self.assertIn("ancient-evil.exe", help_text)
        self.assertNotIn("manual page", help_text)

    def test_with_no_console_to_play_in_it_says_so_in_one_line_and_fails(self):
        result = self.run_game()
        self.assertNotEqual(result.returncode, 0)
        self.assertEqual(result.stdout, b"")
        ours = [line for line in result.stderr.decode().splitlines()
                if line.startswith("ancient-evil:")]
        self.assertEqual(len(ours), 1, result.stderr)
        self.assertIn("no console", ours[0])


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]])

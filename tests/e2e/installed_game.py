"""Checks shared by the tests of an installed or unpacked game: what its
command line answers, and that it plays its opening from a folder that has
no data files, with nothing reported missing."""

import subprocess

from tmux_session import TmuxSession

FIRST_LINE = " Джек Белибье уволился с работы в полиции,"
DATA_FILES = ("Title.txt", "NPC.txt", "SpriteStuff.txt", "SpriteWeapon.txt",
              "SpriteMonster.txt", "DataWeapon.txt", "DataMonster.txt")


def run(binary, *arguments):
    return subprocess.run([binary, *arguments], capture_output=True, text=True,
                          stdin=subprocess.DEVNULL, timeout=30)


def check_command_line(test, binary, version=None):
    """--version and --help answer on standard output with 0, a wrong option
    gets one usage line on standard error with 2."""
    answer = run(binary, "--version")
    test.assertEqual(answer.returncode, 0, answer.stderr)
    test.assertRegex(answer.stdout, r"^ancient-evil \d+\.\d+\.\d+\n$")
    if version is not None:
        test.assertEqual(answer.stdout, "ancient-evil %s\n" % version)
    help_text = run(binary, "--help")
    test.assertEqual(help_text.returncode, 0)
    test.assertTrue(help_text.stdout.startswith("Usage: ancient-evil"), help_text.stdout)
    test.assertNotIn("\x1b", help_text.stdout)
    wrong = run(binary, "--no-such-option")
    test.assertEqual(wrong.returncode, 2)
    test.assertEqual(wrong.stdout, "")
    test.assertEqual(len(wrong.stderr.splitlines()), 1, wrong.stderr)
    test.assertIn("usage: ancient-evil", wrong.stderr)


def play_opening(test, binary, folder):
    """Started from folder: the title, then the first story page at column 31,
    row 32, and no data file reported missing on the way."""
    with TmuxSession() as term:
        term.run_game(binary, folder)
        screen = term.wait_for_text("Нажмите любую клавишу")
        test.assertNotIn("not found", screen)
        term.keys("Enter")
        screen = term.wait_for_text_at(31, 32, FIRST_LINE)
        test.assertNotIn("not found", screen)
        test.assertIn("ATK : 3 - 6", screen)  # the weapon numbers were read
        term.keys("C-c")
        term.wait_for(lambda s: s.rstrip().endswith("$"), "the prompt after Ctrl-C")


def check_terminal_untouched(test, binary):
    """--help and --version leave the terminal's settings as they were."""
    with TmuxSession() as term:
        term.type_line("stty -g > /tmp/ae-stty-$$; %s --help > /dev/null; %s --version; "
                       "stty -g | cmp -s - /tmp/ae-stty-$$ && echo SETTINGS-KEPT; rm /tmp/ae-stty-$$"
                       % (binary, binary))
        screen = term.wait_for_text("SETTINGS-KEPT")
        test.assertTrue(term.cursor_visible())
        test.assertIn("ancient-evil ", screen)

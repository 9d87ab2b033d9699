"""The game where its surroundings work against it: data files that are
not files, a game stopped and then killed or sent to the background, every
signal whose default action ends a process, the keys that used to send
signals, and make waiting on the game. The data files never block the game,
and however it stops or ends, the terminal is left as the shell had it."""

import os
import shlex
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

from tmux_session import TIMEOUT, TmuxSession

BINARY = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/ancient-evil")
ASSETS = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else "assets")
DATA_FILES = ("Title.txt", "NPC.txt", "SpriteWeapon.txt", "DataWeapon.txt", "SpriteStuff.txt",
              "SpriteMonster.txt", "DataMonster.txt")
TITLE = "Нажмите любую клавишу"
FIRST_PAGE_MENU = "1 - Далее"
SECOND_PAGE = " Похоже, его мечта сбылась..."
FRAME_TOP = "." + "-" * 78 + "."
# Every signal whose default action ends a process and that the game did
# not catch before; bash reports each with its own word.
ENDING_SIGNALS = ("USR1", "USR2", "ALRM", "XCPU", "XFSZ", "TRAP", "SYS", "VTALRM", "PROF", "PWR",
                  "STKFLT", "IO", "RTMIN", "RTMAX")


def wait_until(predicate, what, timeout=TIMEOUT):
    deadline = time.time() + timeout
    while time.time() < deadline:
        if predicate():
            return
        time.sleep(0.05)
    raise AssertionError("timed out waiting for " + what)


def alive(pid):
    """Neither gone nor a zombie waiting for the shell."""
    try:
        with open("/proc/%d/stat" % pid) as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:  # reaped, even between the open and the read
        return False


def reads_made(pid):
    """The read() calls the process has made so far."""
    with open("/proc/%d/io" % pid) as io:
        return int(next(line for line in io if line.startswith("syscr:")).split()[1])


def waiting_in_poll(pid):
    """Blocked in poll(): the game has done all it does before a key."""
    with open("/proc/%d/wchan" % pid) as wchan:
        return "poll" in wchan.read()


def scratch_folder(test):
    folder = tempfile.mkdtemp(prefix="ae-hostile-")
    test.addCleanup(shutil.rmtree, folder, True)
    return folder


def lone_copy(test):
    """A copy of the game and of its data files in folders of their own:
    no data folder beside the copied game has a file to stand in for one
    that is not there. Returns (the game, the data files' folder)."""
    scratch = scratch_folder(test)
    os.mkdir(os.path.join(scratch, "bin"))
    binary = shutil.copy(BINARY, os.path.join(scratch, "bin"))
    folder = os.path.join(scratch, "play")
    shutil.copytree(ASSETS, folder)
    return binary, folder


class DataFilesThatAreNotFiles(unittest.TestCase):
    def test_a_fifo_or_a_directory_is_named_like_a_missing_file(self):
        for name in DATA_FILES:
            for kind in ("fifo", "directory"):
                with self.subTest(file=name, kind=kind):
                    binary, folder = lone_copy(self)
                    path = os.path.join(folder, name)
                    os.remove(path)
                    if kind == "fifo":
                        os.mkfifo(path)  # no writer will ever come
                    else:
                        os.mkdir(path)
                    game = subprocess.Popen([binary], cwd=folder, stdin=subprocess.PIPE,
                                            stdout=subprocess.PIPE, stderr=subprocess.PIPE)
                    try:
                        output, errors = game.communicate(b"x", timeout=20)
                    except subprocess.TimeoutExpired:
                        game.kill()
                        game.communicate()
                        self.fail("the game waits for ever on the %s %s" % (kind, name))
                    self.assertEqual(game.returncode, 0)
                    self.assertEqual(errors, b"")
                    for other in DATA_FILES:
                        notice = ("File %s not found" % other).encode()
                        self.assertEqual(notice in output, other == name, other)


class TerminalTest(unittest.TestCase):
    def terminal(self):
        term = TmuxSession()
        self.addCleanup(term.close)
        term.type_line("ulimit -c 0")  # no core files from the signals that dump one
        return term

    def start(self, term, command=None):
        """Starts the game from a cleared screen; returns the shell's child."""
        term.type_line("clear")
        term.wait_for(lambda s: s.strip() == "$", "a cleared screen")
        term.type_line(command or "cd %s && %s" % (shlex.quote(ASSETS), shlex.quote(BINARY)))
        term.wait_for_text(TITLE)
        return term.shell_child()

    def wait_for_prompt(self, term):
        term.wait_for(lambda s: s.rstrip().endswith("$"), "the shell prompt")

    def assert_status(self, term, status):
        term.type_line("echo EXIT=$?")
        term.wait_for_text("EXIT=%d" % status)

    def assert_shell_has_the_terminal(self, term):
        self.assertTrue(term.cursor_visible())
        settings = term.stty()
        self.assertIn("echo,", settings.replace("-echo,", ""))
        self.assertNotIn("-icanon", settings)

    def leave_with_ctrl_c(self, term):
        term.keys("C-c")
        self.wait_for_prompt(term)
        self.assert_status(term, 0)
        self.assert_shell_has_the_terminal(term)

    def suspend(self, term):
        term.keys("C-z")
        term.wait_for_text("Stopped")
        self.wait_for_prompt(term)


class StoppedOrInTheBackground(TerminalTest):
    def test_a_stopped_game_that_is_killed_dies_at_once(self):
        for command in ("kill %1", "kill -HUP %1"):
            with self.subTest(command=command):
                # A terminal each: bash reports the killed job whenever it
                # next gets round to it, which could land on a later screen.
                term = self.terminal()
                game = self.start(term)
                self.suspend(term)
                term.type_line(command)
                wait_until(lambda: not alive(game), "the stopped game to die")
                self.wait_for_prompt(term)
                self.assert_shell_has_the_terminal(term)

    def test_a_game_sent_to_the_background_leaves_the_terminal_alone(self):
        term = self.terminal()
        game = self.start(term)
        term.keys("Space")
        term.wait_for_text_at(32, 36, FIRST_PAGE_MENU)
        self.suspend(term)
        reads = reads_made(game)
        term.type_line("bg")
        # Running again, it has read what woke it and gone back to waiting.
        wait_until(lambda: reads_made(game) > reads, "the game to run on in the background")
        self.assert_shell_has_the_terminal(term)
        term.type_line("jobs")
        term.wait_for_text("Running")

        term.type_line("fg")
        term.wait_for(lambda s: s.split("\n")[0] == FRAME_TOP, "the frame redrawn after fg")
        term.wait_for_text_at(32, 36, FIRST_PAGE_MENU)
        self.assertFalse(term.cursor_visible())
        term.keys("Enter")
        term.wait_for_text_at(31, 32, SECOND_PAGE)
        self.leave_with_ctrl_c(term)

    def test_a_game_started_in_the_background_waits_for_the_foreground(self):
        term = self.terminal()
        term.type_line("cd %s" % shlex.quote(ASSETS))
        term.type_line("clear; %s &" % shlex.quote(BINARY))
        term.wait_for_text("[1]")
        game = term.shell_child()
        wait_until(lambda: waiting_in_poll(game), "the game to wait")
        self.assertNotIn(TITLE, term.screen())
        self.assert_shell_has_the_terminal(term)

        term.type_line("fg")
        term.wait_for_text(TITLE)
        self.assertFalse(term.cursor_visible())
        term.keys("Space")
        term.wait_for_text_at(32, 36, FIRST_PAGE_MENU)
        self.leave_with_ctrl_c(term)

class EndingSignals(TerminalTest):
    def test_every_signal_that_ends_the_game_gives_the_terminal_back_first(self):
        term = self.terminal()
        for name in ENDING_SIGNALS:
            with self.subTest(signal=name):
                number = getattr(signal, "SIG" + name)
                game = self.start(term)
                os.kill(game, number)
                wait_until(lambda: not alive(game), "the game to end")
                self.wait_for_prompt(term)
                self.assert_status(term, 128 + number)
                self.assert_shell_has_the_terminal(term)

    def test_a_screen_written_past_the_file_size_limit(self):
        # Under sh, which leaves the terminal as the game left it (bash
        # would set its own modes again before its prompt).
        folder = scratch_folder(self)
        script = os.path.join(folder, "too_large.sh")
        with open(script, "w") as f:
            f.write("cd %s\n(ulimit -f 1; exec %s > %s)\necho EXIT=$?\n"
                    % (shlex.quote(ASSETS), shlex.quote(BINARY),
                       shlex.quote(os.path.join(folder, "screen.txt"))))
            f.write("stty -a | tr ' ;' '\\n\\n' | grep -x -E -- '-?(echo|icanon)' | tr '\\n' ,\n")
            f.write("echo MODES\n")
        term = self.terminal()
        term.type_line("sh %s" % shlex.quote(script))
        term.wait_for_text("EXIT=%d" % (128 + signal.SIGXFSZ))
        modes = term.wait_for_text("MODES").split("MODES")[0].split("\n")[-1]
        self.assertIn("icanon,", modes)
        self.assertIn("echo,", modes.replace("-echo,", ""))
        self.assertNotIn("-icanon", modes)


class KeysThatSentSignals(TerminalTest):
    def test_under_make_ctrl_z_suspends_and_ctrl_c_leaves_without_an_error(self):
        makefile = os.path.join(scratch_folder(self), "Makefile")
        with open(makefile, "w") as f:
            f.write("run:\n\tcd %s && %s\n" % (shlex.quote(ASSETS), shlex.quote(BINARY)))
        term = self.terminal()
        self.start(term, "make -s -f %s run" % shlex.quote(makefile))
        term.keys("Space")
        term.wait_for_text_at(32, 36, FIRST_PAGE_MENU)

        # The whole job stops, make too: the shell gets the terminal back.
        self.suspend(term)
        self.assert_shell_has_the_terminal(term)
        term.type_line("fg")
        term.wait_for(lambda s: s.split("\n")[0] == FRAME_TOP, "the frame redrawn after fg")
        term.keys("Enter")
        term.wait_for_text_at(31, 32, SECOND_PAGE)

        term.keys("C-c")
        self.wait_for_prompt(term)
        self.assert_status(term, 0)
        self.assertNotIn("make:", term.screen())
        self.assertIn(SECOND_PAGE, term.screen())  # the last frame stays
        self.assert_shell_has_the_terminal(term)

    def test_ctrl_backslash_quits_with_its_signal(self):
        term = self.terminal()
        self.start(term)
        term.keys("C-\\")
        self.wait_for_prompt(term)
        self.assert_status(term, 128 + signal.SIGQUIT)
        self.assert_shell_has_the_terminal(term)


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]])

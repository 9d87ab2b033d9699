"""The game where its output and its surroundings stall, block or vanish: a
terminal whose output is stopped, one left non-blocking, a stack too small
for the game, standard output that takes nothing, a key typed as two bytes
of UTF-8, modes an earlier program left behind, and a data file swapped
for a FIFO at the last moment. However it ends, it ends promptly, says why
when it failed, and leaves the terminal as the shell had it."""

import os
import platform
import shlex
import shutil
import signal
import subprocess
import sys
import termios
import time
import unittest

from hostile_environment_test import (ASSETS, BINARY, FIRST_PAGE_MENU, SECOND_PAGE, TITLE,
                                      TerminalTest, alive, lone_copy, reads_made, wait_until,
                                      waiting_in_poll)
from tmux_session import TmuxSession

FRAME_ROWS = 49
# Under AddressSanitizer every frame takes several times its stack.
SANITIZED = os.environ.get("AE_SANITIZED", "OFF").upper() in ("1", "ON", "TRUE", "YES")
# System call numbers, for telling what a process is blocked in.
SYSCALLS = {"x86_64": {"write": 1, "openat": 257}, "aarch64": {"write": 64, "openat": 56}}
# Leaves its terminal non-blocking for the program it runs, as a careless
# parent may.
NON_BLOCKING = ("import fcntl, os, sys; "
                "fcntl.fcntl(0, fcntl.F_SETFL, fcntl.fcntl(0, fcntl.F_GETFL) | os.O_NONBLOCK); "
                "os.execv(sys.argv[1], sys.argv[1:])")


def in_syscall(pid, name):
    """Whether the process is blocked in that system call."""
    number = SYSCALLS.get(platform.machine(), {}).get(name)
    try:
        with open("/proc/%d/syscall" % pid) as syscall:
            return syscall.read().split()[0] == str(number)
    except (OSError, IndexError):
        return False


def frame_of(screen):
    return screen.split("\n")[:FRAME_ROWS]


class Reference:
    """The screens of an undisturbed game, by the keys that led there."""
    screens = {}

    @classmethod
    def after(cls, *keys):
        if keys not in cls.screens:
            with TmuxSession() as term:
                term.run_game(BINARY, ASSETS)
                term.wait_for_text(TITLE)
                waits = {"Space": FIRST_PAGE_MENU, "Enter": SECOND_PAGE}
                for key in keys:
                    term.keys(key)
                    term.wait_for_text(waits[key])
                cls.screens[keys] = frame_of(term.screen())
        return cls.screens[keys]


class StalledTerminal(TerminalTest):
    def pane_tty(self, term):
        tty = os.open(term.tmux("display-message", "-p", "#{pane_tty}").strip(),
                      os.O_RDWR | os.O_NOCTTY)
        self.addCleanup(os.close, tty)
        # Whatever happens, the terminal's output flows again in the end.
        self.addCleanup(termios.tcflow, tty, termios.TCOON)
        return tty

    def assert_modes_restored(self, tty):
        local = termios.tcgetattr(tty)[3]
        self.assertTrue(local & termios.ECHO, "echo is off")
        self.assertTrue(local & termios.ICANON, "line editing is off")

    def test_a_signal_ends_a_game_whose_output_is_stopped(self):
        # Waiting for a key, or stuck writing a frame the terminal does not
        # take: SIGTERM, SIGINT and SIGHUP each end the game at once, the
        # modes back without a byte of output.
        cases = [("waiting", signal.SIGTERM), ("waiting", signal.SIGHUP),
                 ("drawing", signal.SIGTERM), ("drawing", signal.SIGINT)]
        for state, number in cases:
            with self.subTest(state=state, signal=number.name):
                term = self.terminal()
                tty = self.pane_tty(term)
                game = self.start(term)
                wait_until(lambda: waiting_in_poll(game), "the game to wait for a key")
                termios.tcflow(tty, termios.TCOOFF)
                if state == "drawing":
                    term.keys("Space")
                    if platform.machine() in SYSCALLS:
                        wait_until(lambda: in_syscall(game, "write"), "the game to write")
                started = time.monotonic()
                os.kill(game, number)
                wait_until(lambda: not alive(game), "the game to end")
                elapsed = time.monotonic() - started
                self.assertLess(elapsed, 5.0)
                self.assert_modes_restored(tty)
                termios.tcflow(tty, termios.TCOON)
                # The bytes that show the cursor and put the prompt below the
                # frame never got out: the shell's prompt is anywhere.
                term.type_line("s=$?; clear; echo EXIT=$s")
                term.wait_for_text("EXIT=%d" % (128 + number))
                settings = term.stty()
                self.assertIn("echo,", settings.replace("-echo,", ""))
                self.assertNotIn("-icanon", settings)

    def test_a_non_blocking_terminal_stopped_and_resumed_loses_no_frame(self):
        term = self.terminal()
        tty = self.pane_tty(term)
        game = self.start(term, "cd %s && python3 -c %s %s" % (
            shlex.quote(ASSETS), shlex.quote(NON_BLOCKING), shlex.quote(BINARY)))
        wait_until(lambda: waiting_in_poll(game), "the game to wait for a key")
        termios.tcflow(tty, termios.TCOOFF)
        reads = reads_made(game)
        term.keys("Space")
        # It read the key and tried to draw the first page, then waited.
        wait_until(lambda: reads_made(game) > reads and waiting_in_poll(game),
                   "the game to take the key")
        termios.tcflow(tty, termios.TCOON)
        term.keys("Enter")
        expected = Reference.after("Space", "Enter")
        term.wait_for(lambda screen: frame_of(screen) == expected, "the second page, whole")
        self.leave_with_ctrl_c(term)

    def test_modes_left_behind_by_an_earlier_program_garble_no_frame(self):
        # Insert mode, origin mode in a scroll region, no autowrap, the
        # line-drawing set: all left on by the command before the game.
        left_behind = r"printf '\033[4h\033[5;40r\033[?6h\033[?7l\033(0'"
        term = self.terminal()
        self.start(term, "%s; cd %s && %s" % (left_behind, shlex.quote(ASSETS),
                                              shlex.quote(BINARY)))
        expected = Reference.after()
        term.wait_for(lambda screen: frame_of(screen) == expected, "the title, whole")
        term.keys("Space")
        expected = Reference.after("Space")
        term.wait_for(lambda screen: frame_of(screen) == expected, "the first page, whole")
        self.leave_with_ctrl_c(term)


class SmallStack(TerminalTest):
    @unittest.skipIf(SANITIZED, "the sanitizers' own frames fill a 64 KB stack by themselves")
    def test_the_game_plays_on_a_64_kb_stack(self):
        # Under sh, which leaves the terminal as the game left it.
        term = self.terminal()
        self.start(term, "sh -c %s" % shlex.quote(
            "ulimit -s 64; cd %s && %s" % (shlex.quote(ASSETS), shlex.quote(BINARY))))
        term.keys("Space")
        term.wait_for_text_at(32, 36, FIRST_PAGE_MENU)
        term.keys("Enter")
        term.wait_for_text_at(31, 32, SECOND_PAGE)
        self.leave_with_ctrl_c(term)


class OutputNobodyCanSee(unittest.TestCase):
    def run_game(self, stdout, keys=None, cwd=ASSETS):
        """The game with keys from a pipe that stays open unless keys are
        given; returns (status, errors)."""
        game = subprocess.Popen([BINARY], cwd=cwd, stdin=subprocess.PIPE, stdout=stdout,
                                stderr=subprocess.PIPE)
        try:
            if keys is not None:
                _, errors = game.communicate(keys, timeout=20)
                return game.returncode, errors
            game.wait(timeout=20)
        except subprocess.TimeoutExpired:
            game.kill()
            game.communicate()
            self.fail("the game plays on blind")
        errors = game.stderr.read()
        game.stdin.close()
        game.stderr.close()
        return game.returncode, errors

    def test_output_that_cannot_be_written_ends_the_game_with_a_reason(self):
        with open("/dev/full", "wb") as full:
            status, errors = self.run_game(full)
        self.assertEqual(status, 1)
        self.assertEqual(errors, "ancient-evil: cannot write the game's screen: "
                                 "No space left on device\n".encode())

        read_end, write_end = os.pipe()
        os.close(read_end)
        try:
            status, errors = self.run_game(write_end)
        finally:
            os.close(write_end)
        self.assertEqual(status, 1)
        self.assertEqual(errors, b"ancient-evil: cannot write the game's screen: Broken pipe\n")

    def test_output_to_a_pipe_that_takes_it_plays_as_ever(self):
        game = subprocess.run([BINARY], cwd=ASSETS, input=b"x\r", capture_output=True,
                              timeout=20)
        self.assertEqual((game.returncode, game.stderr), (0, b""))
        self.assertIn(FIRST_PAGE_MENU.encode(), game.stdout)

    def test_a_key_typed_as_two_bytes_is_one_key(self):
        # With a data file missing, the key that ends the title must leave
        # the report on view until the next key.
        binary, folder = lone_copy(self)
        os.remove(os.path.join(folder, "NPC.txt"))
        game = subprocess.run([binary], cwd=folder, input="ж".encode(), capture_output=True,
                              timeout=20)
        self.assertEqual((game.returncode, game.stderr), (0, b""))
        self.assertIn(b"File NPC.txt not found", game.stdout)
        self.assertFalse("Далее".encode() in game.stdout, "the report was skipped")


class BlockingDataFile(unittest.TestCase):
    @unittest.skipUnless(shutil.which("strace"), "needs strace to hold the game at the open")
    @unittest.skipUnless(platform.machine() in SYSCALLS, "system call numbers unknown here")
    def test_a_fifo_swapped_in_before_the_open_blocks_nothing(self):
        # strace holds the game just as it opens the title picture, after
        # any look at the file; meanwhile the file becomes a FIFO that no
        # one will ever write to.
        binary, folder = lone_copy(self)
        title = os.path.join(folder, "Title.txt")
        # LeakSanitizer cannot work under ptrace; a sanitized game does
        # without it here.
        options = ":".join(filter(None, [os.environ.get("ASAN_OPTIONS"), "detect_leaks=0"]))
        tracer = subprocess.Popen(
            ["strace", "-o", "/dev/null", "-P", "Title.txt", "-e", "trace=openat",
             "-e", "inject=openat:delay_enter=3s", binary],
            cwd=folder, stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
            env=dict(os.environ, ASAN_OPTIONS=options))
        self.addCleanup(tracer.wait)
        self.addCleanup(tracer.kill)
        game = []

        def held_at_the_open():
            # strace may start short-lived children of its own first.
            children = subprocess.run(["ps", "-o", "pid=", "--ppid", str(tracer.pid)],
                                      capture_output=True, text=True).stdout.split()
            game[:] = [int(pid) for pid in children if in_syscall(int(pid), "openat")]
            return bool(game)
        wait_until(held_at_the_open, "the game to be held at the open")
        os.remove(title)
        os.mkfifo(title)
        try:
            output, errors = tracer.communicate(b"x", timeout=30)
        except subprocess.TimeoutExpired:
            os.kill(game[0], signal.SIGKILL)
            self.fail("the game waits for ever on the FIFO")
        self.assertEqual(tracer.returncode, 0, errors)
        self.assertIn(b"File Title.txt not found", output)
        self.assertIn(FIRST_PAGE_MENU.encode(), output)


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]])

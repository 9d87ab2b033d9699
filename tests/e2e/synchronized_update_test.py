"""The start-up question about synchronized update, against terminals that
answer it, that do not know the mode, and that say nothing at all: the
game starts either way, keys typed before the answer count, and only a
terminal that knows the mode gets frames wrapped in it. The terminal here
is a pseudo-terminal this test plays itself, so it can answer as each
kind of terminal would (tmux 3.3 answers only the DA1 question)."""

import fcntl
import os
import select
import signal
import struct
import subprocess
import sys
import termios
import time
import unittest

BINARY = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/ancient-evil")
ASSETS = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else "assets")
QUESTIONS = b"\x1b[?2026$p\x1b[c"
KNOWS_THE_MODE = b"\x1b[?2026;2$y\x1b[?62;22c"
DOES_NOT_KNOW_IT = b"\x1b[?1;2c"
BEGIN_UPDATE = b"\x1b[?2026h"
END_UPDATE = b"\x1b[?2026l"
TITLE = "Нажмите любую клавишу".encode()
STORY = "1 - Далее".encode()
TIMEOUT = 30.0


class FakeTerminal:
    def __init__(self):
        self.master, slave = os.openpty()
        fcntl.ioctl(slave, termios.TIOCSWINSZ, struct.pack("HHHH", 50, 80, 0, 0))
        env = {"TERM": "xterm-256color", "LANG": "C.UTF-8", "PATH": "/usr/bin:/bin"}
        self.game = subprocess.Popen([BINARY], cwd=ASSETS, stdin=slave, stdout=slave,
                                     stderr=slave, env=env, start_new_session=True)
        os.close(slave)
        self.output = b""

    def close(self):
        if self.game.poll() is None:
            self.game.send_signal(signal.SIGTERM)
            try:
                self.game.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.game.kill()
                self.game.wait()
        os.close(self.master)

    def read_until(self, wanted, timeout=TIMEOUT):
        """Reads the game's output until what comes after the output read so
        far holds `wanted`; returns the time that took."""
        seen = len(self.output)
        return self.read_while(lambda: wanted not in self.output[seen:], repr(wanted), timeout)

    def read_while(self, waiting, what, timeout=TIMEOUT):
        start = time.time()
        while waiting():
            left = start + timeout - time.time()
            if left <= 0:
                raise AssertionError("timed out waiting for %s; got %r" %
                                     (what, self.output[-300:]))
            ready, _, _ = select.select([self.master], [], [], left)
            if ready:
                try:
                    self.output += os.read(self.master, 65536)
                except OSError:
                    raise AssertionError("the game ended waiting for %s" % what)
        return time.time() - start

    def type(self, data):
        os.write(self.master, data)


class SynchronizedUpdateAtStartUp(unittest.TestCase):
    def start(self):
        terminal = FakeTerminal()
        self.addCleanup(terminal.close)
        terminal.read_until(QUESTIONS)
        return terminal

    def test_a_terminal_that_knows_the_mode_gets_new_screens_in_one_update(self):
        terminal = self.start()
        terminal.type(b"x")  # a key before the answer: it leaves the title
        terminal.type(KNOWS_THE_MODE)
        terminal.read_until(STORY)
        terminal.read_while(lambda: terminal.output.count(END_UPDATE) < 2, "the story's end")
        frames = terminal.output.split(QUESTIONS, 1)[1]
        self.assertIn(TITLE, frames)
        self.assertEqual(frames.count(BEGIN_UPDATE), 2)  # the title and the story
        self.assertEqual(frames.count(END_UPDATE), 2)
        self.assertTrue(frames.startswith(BEGIN_UPDATE))
        self.assertNotIn(b"2026;", frames)  # nothing of the answer echoed

    def test_a_terminal_that_does_not_know_it_gets_no_updates_and_no_wait(self):
        terminal = self.start()
        terminal.type(DOES_NOT_KNOW_IT)
        waited = terminal.read_until(TITLE)
        self.assertLess(waited, 5.0)
        terminal.type(b" ")
        terminal.read_until(STORY)
        self.assertNotIn(BEGIN_UPDATE, terminal.output)

    def test_a_silent_terminal_costs_a_short_wait_and_keys_typed_in_it_count(self):
        terminal = self.start()
        terminal.type(b"x")
        terminal.read_until(STORY)
        self.assertNotIn(BEGIN_UPDATE, terminal.output)
        # A late answer is swallowed as a key sequence, not shown or taken.
        terminal.type(KNOWS_THE_MODE + b"\r")
        terminal.read_until("Похоже, его мечта сбылась".encode())
        self.assertNotIn(b"2026;", terminal.output.split(QUESTIONS, 1)[1])


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]], verbosity=2)

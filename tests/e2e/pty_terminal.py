"""A terminal played by the test itself on a pseudo-terminal: the game runs
with the pseudo-terminal as its controlling terminal, every byte it sends
is kept, and the test decides how the terminal answers. It answers the
start-up questions as a terminal without synchronized update would, and it
honours or ignores the request to resize the window (CSI 8 ; rows ;
columns t), as xterm with window operations allowed, or tmux, would."""

import fcntl
import os
import re
import resource
import select
import struct
import subprocess
import termios
import time

TIMEOUT = 30.0
QUESTIONS = b"\x1b[?2026$p\x1b[c"
DA1_REPLY = b"\x1b[?1;2c"
RESIZE_REQUEST = re.compile(rb"\x1b\[8;(\d+);(\d+)t")


def window_size(fd):
    rows, columns, _, _ = struct.unpack("HHHH", fcntl.ioctl(fd, termios.TIOCGWINSZ, b"\0" * 8))
    return columns, rows


def set_window_size(fd, columns, rows):
    fcntl.ioctl(fd, termios.TIOCSWINSZ, struct.pack("HHHH", rows, columns, 0, 0))


def _set_up_the_game():
    """In the game's process, after setsid(): the pseudo-terminal on its
    standard input becomes its controlling terminal, as a terminal
    emulator's shell would have it, so it gets SIGWINCH on a resize. A
    crash the test causes leaves no core file in the data folder."""
    fcntl.ioctl(0, termios.TIOCSCTTY, 0)
    resource.setrlimit(resource.RLIMIT_CORE, (0, 0))


class PtyTerminal:
    def __init__(self, binary, assets, columns=80, rows=50, honours_resize=True, arguments=()):
        self.master, slave = os.openpty()
        set_window_size(slave, columns, rows)
        self.honours_resize = honours_resize
        # The sizes asked for, in order, as (columns, rows).
        self.resize_requests = []
        self.output = b""
        self._scanned = 0
        env = {"TERM": "xterm-256color", "LANG": "C.UTF-8", "PATH": "/usr/bin:/bin"}
        self.game = subprocess.Popen([binary, *arguments], cwd=assets, stdin=slave,
                                     stdout=slave, stderr=slave,
                                     env=env, start_new_session=True,
                                     preexec_fn=_set_up_the_game)
        os.close(slave)

    def close(self):
        if self.game.poll() is None:
            self.game.kill()
            self.game.wait()
        os.close(self.master)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def size(self):
        return window_size(self.master)

    def type(self, data):
        os.write(self.master, data)

    def _read(self, timeout):
        ready, _, _ = select.select([self.master], [], [], timeout)
        if not ready:
            return False
        try:
            data = os.read(self.master, 65536)
        except OSError:  # EIO: the game has closed its side
            data = b""
        if not data:
            return None
        self.output += data
        self._answer()
        return True

    def _answer(self):
        """Acts on what the game sent since the last look, as the
        terminal would: a reply to the start-up questions, and a resize
        where asked for and honoured."""
        while True:
            question = self.output.find(QUESTIONS, self._scanned)
            request = RESIZE_REQUEST.search(self.output, self._scanned)
            if request and (question < 0 or request.start() < question):
                columns, rows = int(request.group(2)), int(request.group(1))
                self.resize_requests.append((columns, rows))
                if self.honours_resize:
                    set_window_size(self.master, columns, rows)
                self._scanned = request.end()
            elif question >= 0:
                self.type(DA1_REPLY)
                self._scanned = question + len(QUESTIONS)
            else:
                # Keep the tail that may begin a sequence cut in two.
                self._scanned = max(self._scanned, len(self.output) - 16)
                return

    def read_until(self, wanted, timeout=TIMEOUT):
        """Reads until the output after what was read so far holds
        `wanted`; returns that new output."""
        start = len(self.output)
        deadline = time.time() + timeout
        while wanted not in self.output[start:]:
            left = deadline - time.time()
            if left <= 0 or self._read(left) is None:
                raise AssertionError("no %r from the game; its last output: %r"
                                     % (wanted, self.output[-300:]))
        return self.output[start:]

    def read_more(self, timeout=TIMEOUT):
        """Waits for the game's next output and keeps it."""
        if not self._read(timeout):
            raise AssertionError("the game said nothing more; its last output: %r"
                                 % self.output[-300:])

    def read_to_the_end(self, timeout=TIMEOUT):
        """Reads until the game has ended and closed the terminal; returns
        its exit status."""
        deadline = time.time() + timeout
        while True:
            left = deadline - time.time()
            if left <= 0:
                raise AssertionError("the game did not end; its last output: %r"
                                     % self.output[-300:])
            if self._read(min(left, 0.2)) is None:
                break
            if self.game.poll() is not None and self._read(0) is False:
                break
        return self.game.wait(timeout=max(deadline - time.time(), 1))

    def send_signal(self, sig):
        self.game.send_signal(sig)


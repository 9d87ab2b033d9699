"""A real terminal for end-to-end tests: a private tmux server with one
80x50 window running a shell, driven with send-keys and read with
capture-pane. Every wait polls for what it expects, with a generous limit,
so the tests hold on a loaded machine too."""

import os
import re
import shlex
import subprocess
import time

TIMEOUT = 30.0
ANSI = re.compile(r"\x1b\[[0-9;?]*[A-Za-z]")


class TmuxSession:
    def __init__(self, width=80, height=50):
        self.socket = "ae-e2e-%d-%d" % (os.getpid(), int(time.time() * 1000) % 100000)
        self.tmux("new-session", "-d", "-x", str(width), "-y", str(height),
                  "env -i TERM=xterm-256color PATH=/usr/bin:/bin LANG=C.UTF-8 "
                  "HOME=/tmp PS1='$ ' bash --norc --noprofile")
        self.tmux("set-option", "-g", "status", "off")
        self.wait_for(lambda screen: "$" in screen, "the shell prompt")

    def tmux(self, *args, check=True):
        result = subprocess.run(["tmux", "-L", self.socket, "-f", "/dev/null", *args],
                                capture_output=True, text=True)
        if check and result.returncode != 0:
            raise RuntimeError("tmux %s failed: %s" % (args[0], result.stderr))
        return result.stdout

    def close(self):
        self.tmux("kill-server", check=False)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def run_game(self, binary, assets, command_prefix=""):
        self.type_line("cd %s && %s%s; echo EXIT=$?" % (shlex.quote(assets), command_prefix,
                                                         shlex.quote(binary)))

    def type_line(self, text):
        self.tmux("send-keys", "-l", text)
        self.tmux("send-keys", "Enter")

    def keys(self, *names):
        self.tmux("send-keys", *names)

    def screen(self):
        return self.tmux("capture-pane", "-p")

    def lines(self):
        return self.screen().split("\n")

    def coloured_screen(self):
        return self.tmux("capture-pane", "-p", "-e")

    def cursor_visible(self):
        return self.tmux("display-message", "-p", "#{cursor_flag}").strip() == "1"

    def pane_pid(self):
        return int(self.tmux("display-message", "-p", "#{pane_pid}").strip())

    def shell_child(self):
        """The one process the pane's shell runs: the game."""
        children = subprocess.run(["ps", "-o", "pid=", "--ppid", str(self.pane_pid())],
                                  capture_output=True, text=True).stdout.split()
        if len(children) != 1:
            raise AssertionError("expected one child of the shell, found %s" % children)
        return int(children[0])

    def wait_for(self, predicate, what, timeout=TIMEOUT):
        deadline = time.time() + timeout
        screen = ""
        while time.time() < deadline:
            screen = self.screen()
            if predicate(screen):
                return screen
            time.sleep(0.05)
        raise AssertionError("timed out waiting for %s; the screen was:\n%s" % (what, screen))

    def wait_for_text(self, text, timeout=TIMEOUT):
        return self.wait_for(lambda screen: text in screen, repr(text), timeout)

    def wait_for_text_at(self, column, row, text, timeout=TIMEOUT):
        def there(screen):
            lines = screen.split("\n")
            return row < len(lines) and lines[row][column:column + len(text)] == text
        return self.wait_for(there, "%r at column %d, row %d" % (text, column, row), timeout)

    def stty(self):
        """The terminal's settings as the shell sees them after the game."""
        self.type_line("stty -a | tr ';' '\\n' | grep -E -o -- '(^| )-?(echo|icanon)( |$)' | tr -d ' ' | tr '\\n' ','; echo")
        screen = self.wait_for(lambda s: re.search(r"-?echo,-?icanon,|-?icanon,-?echo,", s), "stty output")
        return screen


def strip_ansi(text):
    return ANSI.sub("", text)

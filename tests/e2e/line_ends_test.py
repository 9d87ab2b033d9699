"""The terminal receives exactly the bytes the game writes: while the game
holds it, the terminal adds no CR before a line feed (the game's line ends
are CR LF already), so the byte counts of the rendering benchmark are what
goes down the line. Afterwards the shell's own setting is back."""

import os
import subprocess
import sys
import termios
import unittest

from pty_terminal import QUESTIONS, PtyTerminal

BINARY = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/ancient-evil")
ASSETS = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else "assets")
TITLE = "Нажмите любую клавишу".encode()
HIDE_CURSOR = b"\x1b[?25l"
GIVE_BACK = b"\x1b[?2026l"


def title_frame(output):
    """The title frame: what comes between hiding the cursor at start-up
    and giving the terminal back at the end."""
    start = output.index(HIDE_CURSOR) + len(HIDE_CURSOR)
    return output[start:output.index(GIVE_BACK, start)]


class LineEnds(unittest.TestCase):
    def test_a_frame_reaches_the_terminal_byte_for_byte(self):
        # Written into a pipe, the game's bytes go out untouched.
        written = subprocess.run([BINARY], cwd=ASSETS, stdin=subprocess.DEVNULL,
                                 capture_output=True, timeout=30).stdout
        with PtyTerminal(BINARY, ASSETS) as term:
            term.read_until(TITLE)
            term.type(b"\x03")
            self.assertEqual(term.read_to_the_end(), 0)
            received = term.output.replace(QUESTIONS, b"", 1)
            shell_modes = termios.tcgetattr(term.master)
        frame = title_frame(written)
        self.assertGreater(frame.count(b"\r\n"), 10)  # line ends a terminal could double
        self.assertEqual(len(title_frame(received)), len(frame))
        self.assertEqual(received, written)
        self.assertTrue(shell_modes[1] & termios.ONLCR, "the shell's ONLCR was not given back")


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]], verbosity=2)

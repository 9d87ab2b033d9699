"""A window too small for the frame, in a terminal that grows when asked
and in one that ignores the request: the one that grows shows the frame
whole at 80x49 and gets its own size back however the game ends; the one
that ignores it shows the small-window notice and is sent nothing more.
The terminal is a pseudo-terminal the test plays itself."""

import os
import signal
import sys
import unittest

from pty_terminal import PtyTerminal

BINARY = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/ancient-evil")
ASSETS = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else "assets")
TITLE = "Нажмите любую клавишу".encode()
STORY_MENU = "1 - Далее".encode()
NOTICE = "Окно терминала слишком мало для игры".encode()
FRAME_TOP = b"." + b"-" * 78 + b"."
FRAME_BOTTOM = b"'" + b"-" * 78 + b"'"
BELOW_FRAME = b"\x1b[49;1H\r\n"
CTRL_C = b"\x03"


class GrowingTerminal(unittest.TestCase):
    def start_in_the_story(self, columns=80, rows=24):
        term = PtyTerminal(BINARY, ASSETS, columns, rows, honours_resize=True)
        self.addCleanup(term.close)
        term.read_until(TITLE)
        self.assertEqual(term.resize_requests, [(80, 49)])
        self.assertEqual(term.size(), (80, 49))
        term.type(b" ")
        story = term.read_until(FRAME_BOTTOM)
        self.assertIn(FRAME_TOP, story)
        self.assertIn(STORY_MENU, story)
        self.assertNotIn(NOTICE, term.output)
        return term

    def assert_size_given_back(self, term, columns=80, rows=24):
        self.assertEqual(term.resize_requests, [(80, 49), (columns, rows)])
        self.assertEqual(term.size(), (columns, rows))
        # Given back after the cursor went below the frame, so that the
        # frame's last rows and the prompt stay on view in the small window.
        self.assertLess(term.output.rindex(BELOW_FRAME),
                        term.output.rindex(b"\x1b[8;%d;%dt" % (rows, columns)))

    def test_the_frame_whole_at_80x49_then_80x24_again_after_ctrl_c(self):
        term = self.start_in_the_story()
        term.type(CTRL_C)
        self.assertEqual(term.read_to_the_end(), 0)
        self.assert_size_given_back(term)

    def test_the_size_comes_back_when_a_signal_or_a_crash_ends_the_game(self):
        for sig in (signal.SIGTERM, signal.SIGHUP, signal.SIGSEGV):
            with self.subTest(signal=sig.name):
                term = self.start_in_the_story()
                term.send_signal(sig)
                self.assertEqual(term.read_to_the_end(), -sig)
                self.assert_size_given_back(term)

    def test_a_wide_window_keeps_its_width(self):
        term = PtyTerminal(BINARY, ASSETS, 132, 30, honours_resize=True)
        self.addCleanup(term.close)
        term.read_until(TITLE)
        self.assertEqual(term.resize_requests, [(132, 49)])
        term.type(CTRL_C)
        self.assertEqual(term.read_to_the_end(), 0)
        self.assertEqual(term.resize_requests, [(132, 49), (132, 30)])


class IgnoringTerminal(unittest.TestCase):
    def test_the_notice_as_before_and_nothing_given_back(self):
        term = PtyTerminal(BINARY, ASSETS, 80, 24, honours_resize=False)
        self.addCleanup(term.close)
        term.read_until("80×24".encode())
        self.assertIn(NOTICE, term.output)
        self.assertNotIn(TITLE, term.output)
        term.type(CTRL_C)
        self.assertEqual(term.read_to_the_end(), 0)
        self.assertEqual(term.resize_requests, [(80, 49)])
        self.assertEqual(term.size(), (80, 24))


class LargeEnoughTerminal(unittest.TestCase):
    def test_nothing_is_asked(self):
        term = PtyTerminal(BINARY, ASSETS, 80, 50)
        self.addCleanup(term.close)
        term.read_until(TITLE)
        term.type(CTRL_C)
        self.assertEqual(term.read_to_the_end(), 0)
        self.assertEqual(term.resize_requests, [])


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]], verbosity=2)

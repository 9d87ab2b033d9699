#!/usr/bin/env python3
"""The web build shows the player the same game as the native one: every
frame of the careful automatic player's seeded games, text and colours,
is the same when the game's code is built for the browser by
Emscripten's clang and run under node.

usage: same_game_test.py NODE WEB_AE_PLAYTHROUGH_JS NATIVE_AE_PLAYTHROUGH ASSETS"""

import os
import subprocess
import sys
import unittest

NODE, WEB, NATIVE, ASSETS = sys.argv[1:5]
del sys.argv[1:5]
# Three different games, each to its ending.
SEEDS = [1, 2, 3]


def play(command, seed):
    return subprocess.run(command + ["--seed", str(seed), "--data", ASSETS], check=True,
                          capture_output=True, timeout=900).stdout.decode("utf-8")


class TheSameGame(unittest.TestCase):
    def test_every_frame_of_seeded_games_is_the_same(self):
        if not os.path.exists(NATIVE):
            self.fail("%s is missing: build the native game first (make build)" % NATIVE)
        for seed in SEEDS:
            with self.subTest(seed=seed):
                native = play([NATIVE], seed)
                web = play([NODE, WEB], seed)
                self.assertRegex(native.split("\n")[1], r"^outcome (victory|death)$")
                self.assertGreater(native.count("\nframe "), 100)
                self.assertIn("Джек Белибье", native)
                if web != native:
                    self.fail(first_difference(web, native))


def first_difference(web, native):
    web_lines, native_lines = web.split("\n"), native.split("\n")
    for number, (ours, theirs) in enumerate(zip(web_lines, native_lines)):
        if ours != theirs:
            frame = next((line for line in reversed(native_lines[:number])
                          if line.startswith("frame ")), "the header")
            return "first difference at line %d, in %s:\n  web    %s\n  native %s" % (
                number + 1, frame, ours, theirs)
    return "the web build printed %d lines, the native one %d" % (len(web_lines),
                                                                 len(native_lines))


if __name__ == "__main__":
    unittest.main(verbosity=2)

#!/usr/bin/python3
"""The page's module as its tests build it (ancient-evil-checked: Asyncify's
assertions on, Title.txt not built in) plays whole seeded games under node
through the page's interface, and shows and tells every frame as the native
build does with the same file missing. A key wait that unwinds through a function left
off cmake/web.cmake's AE_KEY_WAIT_PATH traps, naming it; the missing file is
reported in the game's own words.

usage: checked_module_test.py NODE CHECKED_MODULE_JS NATIVE_AE_PLAYTHROUGH ASSETS
Run with /usr/bin/python3, which has Debian's python3-selenium."""

import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

from page_case import Playthrough

NODE, MODULE, NATIVE, ASSETS = sys.argv[1:5]
del sys.argv[1:5]
PLAY_MODULE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "play_module.js")


def trap(stderr):
    """Why node stopped: the error and the wasm functions on the stack, the
    first of them the one that trapped."""
    lines = [line for line in stderr.split("\n")
             if re.match(r"\w*Error: |\s+at .*wasm-function", line)]
    return "\n".join(lines) or stderr[-2000:]


class TheCheckedModule(unittest.TestCase):
    def test_whole_games_without_title_txt_are_the_native_builds(self):
        with tempfile.TemporaryDirectory() as data:
            for name in os.listdir(ASSETS):
                if name != "Title.txt":
                    shutil.copy(os.path.join(ASSETS, name), data)
            for seed in (1, 2):
                with self.subTest(seed=seed):
                    native = Playthrough(NATIVE, data, seed)
                    keys = json.dumps([key for key, _ in native.page_keys()])
                    played = subprocess.run([NODE, PLAY_MODULE, MODULE, str(seed)], input=keys.encode(),
                                            capture_output=True, timeout=600)
                    self.assertEqual(played.returncode, 0, trap(played.stderr.decode()))
                    frames = json.loads(played.stdout)
                    self.assertIn("File Title.txt not found", frames[0][0][0])
                    self.assertEqual(len(frames), len(native.frames))
                    for index, ((text, colours, said), expected) in enumerate(
                            zip(frames, native.frames)):
                        self.assertEqual((text, colours), expected, "frame %d" % index)
                        self.assertEqual(said, native.said[index], "frame %d" % index)


if __name__ == "__main__":
    unittest.main(verbosity=2)

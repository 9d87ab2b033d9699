"""The game as `make install` lays it out: installed from the build tree
into a fresh prefix, it has its files in place, answers its command line,
and plays from / (a folder with no data) with the data it installed, while
a data file of the player's own in the working directory still wins."""

import filecmp
import gzip
import os
import subprocess
import sys
import tempfile
import unittest

import installed_game
from tmux_session import TmuxSession

BINARY = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/ancient-evil")
ASSETS = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else "assets")
BUILD_DIR = os.path.dirname(BINARY)


class InstalledGame(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.prefix_dir = tempfile.TemporaryDirectory(prefix="ae-prefix-")
        cls.prefix = cls.prefix_dir.name
        # The component keeps install_manifest.txt, which `make uninstall`
        # reads, as the player's own `make install` left it.
        subprocess.run(["cmake", "--install", BUILD_DIR, "--prefix", cls.prefix,
                        "--component", "game"], check=True, capture_output=True)
        cls.binary = os.path.join(cls.prefix, "bin", "ancient-evil")

    @classmethod
    def tearDownClass(cls):
        cls.prefix_dir.cleanup()

    def path(self, *parts):
        return os.path.join(self.prefix, *parts)

    def test_files_in_place(self):
        self.assertTrue(os.access(self.binary, os.X_OK))
        for name in installed_game.DATA_FILES:
            installed = self.path("share", "ancient-evil", name)
            self.assertTrue(filecmp.cmp(installed, os.path.join(ASSETS, name), shallow=False), name)
        with gzip.open(self.path("share", "man", "man6", "ancient-evil.6.gz"), "rt") as page:
            text = page.read()
        self.assertTrue(text.startswith(".TH ANCIENT-EVIL 6 "))
        self.assertIn(".SH \"EXIT STATUS\"", text)
        self.assertNotIn("@PROJECT_VERSION@", text)
        with open(self.path("share", "applications", "ancient-evil.desktop"), encoding="utf-8") as f:
            entry = f.read().splitlines()
        self.assertIn("Terminal=true", entry)
        self.assertIn("Exec=ancient-evil", entry)
        self.assertIn("Categories=Game;RolePlaying;", entry)
        self.assertTrue(os.path.isfile(self.path("share", "doc", "ancient-evil", "copyright")))

    def test_command_line(self):
        installed_game.check_command_line(self, self.binary)
        installed_game.check_terminal_untouched(self, self.binary)

    def test_plays_from_the_root_folder(self):
        installed_game.play_opening(self, self.binary, "/")

    def test_a_title_in_the_working_directory_wins(self):
        with tempfile.TemporaryDirectory(prefix="ae-mod-") as mod:
            with open(os.path.join(mod, "Title.txt"), "wb") as title:
                title.write("Мой титул\n".encode("cp1251"))
            with TmuxSession() as term:
                term.run_game(self.binary, mod)
                screen = term.wait_for_text("Мой титул")
                self.assertNotIn("Нажмите любую клавишу", screen)
                term.keys("Enter")
                term.wait_for_text_at(31, 32, installed_game.FIRST_LINE)
                term.keys("C-c")
                term.wait_for(lambda s: s.rstrip().endswith("$"), "the prompt after Ctrl-C")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])

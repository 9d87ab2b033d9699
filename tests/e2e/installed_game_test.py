"""The game as `make install` lays it out: installed from the build tree
into a fresh prefix, it has its files in place, answers its command line,
and plays from / (a folder with no data) with the data it installed, while
a data file of the player's own in the working directory still wins; `make
uninstall` takes back a DESTDIR install, paths with spaces and Cyrillic
included, and an install that failed part way; `make install` leaves this
tree."""

import filecmp
import gzip
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

import installed_game
from tmux_session import TmuxSession

BINARY = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/ancient-evil")
ASSETS = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else "assets")
BUILD_DIR = os.path.dirname(BINARY)
ROOT = os.path.dirname(ASSETS)


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


def make(*arguments):
    env = {k: v for k, v in os.environ.items() if k not in ("MAKEFLAGS", "MFLAGS", "MAKELEVEL")}
    return subprocess.run(["make", "-s", "-C", ROOT, *arguments], capture_output=True, text=True, env=env)


class StagedInstall(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.mkdtemp(prefix="ae-stage-")
        self.addCleanup(shutil.rmtree, self.scratch)

    def install(self, prefix, destdir=""):
        """make install's last step, as the tests' tree's own component,
        recorded in the scratch folder; its status."""
        return subprocess.run(["cmake", "-DBUILD_DIR=" + BUILD_DIR, "-DPREFIX=" + prefix,
                               "-DDESTDIR=" + destdir, "-DCOMPONENT=game",
                               "-DRECORD=%s/installed_files.txt" % self.scratch,
                               "-P", ROOT + "/cmake/install_recorded.cmake"], capture_output=True).returncode

    def test_make_uninstall_takes_back_an_install_into_a_destdir(self):
        stage = self.scratch + "/этап два"  # read back from the record whole
        self.assertEqual(self.install("/usr/local", stage), 0)
        uninstall = ("uninstall", "INSTALL_BUILD_DIR=" + self.scratch)
        self.assertNotEqual(make(*uninstall, "DESTDIR=" + self.scratch).returncode, 0)
        self.assertTrue(os.path.isfile(stage + "/usr/local/bin/ancient-evil"), "a wrong DESTDIR")
        self.assertEqual(make(*uninstall, "DESTDIR=" + stage).returncode, 0)
        self.assertEqual([files for _, _, files in os.walk(stage) if files], [])
        self.assertRegex(make(*uninstall).stderr, r"^make uninstall: nothing to remove.*\nmake: \*\*\*[^\n]*\n$")

    def test_an_install_that_fails_part_way_is_undone_by_make_uninstall(self):
        prefix = self.scratch + "/prefix"
        os.makedirs(prefix + "/bin")
        open(prefix + "/share", "w").close()  # a file: not even root can make share/ancient-evil
        self.assertNotEqual(self.install(prefix), 0)
        self.assertEqual(os.listdir(prefix + "/bin"), ["ancient-evil"])
        self.assertEqual(make("uninstall", "INSTALL_BUILD_DIR=" + self.scratch).returncode, 0)
        self.assertEqual(os.listdir(prefix + "/bin"), [])

    def test_make_install_refuses_at_once_what_its_record_cannot_hold(self):
        refused = make("install", "PREFIX=%s/[games]" % self.scratch)
        self.assertRegex(refused.stderr, r"^make install: PREFIX and DESTDIR cannot hold .*\nmake: \*")

    def test_make_install_never_sets_up_the_tests_tree(self):
        planned = make("-n", "install", "BUILD_DIR=" + BUILD_DIR, "BINDIR=games", "DESTDIR=/stage")
        self.assertEqual(planned.returncode, 0, planned.stderr)
        self.assertNotRegex(planned.stdout, re.escape(BUILD_DIR) + r"(?![\w.-])")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])

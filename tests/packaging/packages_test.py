"""The packages as a user gets them, after `make package`: lintian finds no
error and no warning in the .deb; the .deb holds the program, its data, the
manual page, the desktop entry, the README, the licence, a machine-readable
copyright and the changelog, with dependencies worked out by
dpkg-shlibdeps; the archive has the README, the licence and the changelog
at its top; the README's pictures are where its links look for them; a
second `make package` gives the same bytes, with every date that of the
last commit; the game plays from the unpacked .deb, from the unpacked
.tar.gz and from a stripped `make install`, each started from another
folder, `make install` and `make uninstall` taking paths with spaces and
Cyrillic; and the manual page's example works as typed. Needs
lintian, dpkg-dev, man-db and tmux; CI runs it through `make test-package`.

    python3 tests/packaging/packages_test.py DIST_DIR BUILD_DIR [SECOND_DIST_DIR]
"""

import glob
import gzip
import io
import os
import re
import shutil
import subprocess
import sys
import tarfile
import tempfile
import unittest

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
import installed_game  # noqa: E402
from tmux_session import TmuxSession  # noqa: E402

DIST = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "dist")
BUILD_DIR = sys.argv[2] if len(sys.argv) > 2 else "build"
# The packages of a second `make package`, made from scratch elsewhere.
SECOND_DIST = os.path.abspath(sys.argv[3]) if len(sys.argv) > 3 else None
DOC = "./usr/share/doc/ancient-evil/"


def only(pattern):
    found = glob.glob(os.path.join(DIST, pattern))
    if len(found) != 1:
        raise AssertionError("expected one %s in %s, found %s" % (pattern, DIST, found))
    return found[0]


def output(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def unpacked_deb(test, deb):
    root = tempfile.mkdtemp(prefix="ae-deb-root-")
    test.addCleanup(shutil.rmtree, root, True)
    subprocess.run(["dpkg-deb", "-x", deb, root], check=True)
    return root


def deb_members(deb):
    """The .deb's data as a tar file read from memory."""
    data = subprocess.run(["dpkg-deb", "--fsys-tarfile", deb], check=True,
                          capture_output=True).stdout
    return tarfile.open(fileobj=io.BytesIO(data))


def licence_text():
    """The permission and the disclaimer of LICENSE, as lines of words."""
    with open(os.path.join(ROOT, "LICENSE")) as f:
        text = f.read()
    return text[text.index("Permission is hereby granted"):].strip().splitlines()


def readme_pictures():
    """The pictures the README shows, as paths relative to it."""
    with open(os.path.join(ROOT, "README.md"), encoding="utf-8") as f:
        found = re.findall(r'<img src="([^":]+)"|!\[[^\]]*\]\(([^):\s]+)', f.read())
    return {html + markdown for html, markdown in found}


def last_commit_time():
    result = subprocess.run(["git", "-C", ROOT, "log", "-1", "--format=%ct"],
                            capture_output=True, text=True)
    return int(result.stdout) if result.returncode == 0 and result.stdout.strip() else None


class DebianPackage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.deb = only("ancient-evil_*_amd64.deb")
        cls.version = output("dpkg-deb", "-f", cls.deb, "Version").strip()

    def test_named_after_its_version(self):
        self.assertEqual(os.path.basename(self.deb), "ancient-evil_%s_amd64.deb" % self.version)

    def test_lintian_finds_no_error_and_no_warning(self):
        result = subprocess.run(["lintian", "--fail-on", "error,warning", "--display-info", self.deb],
                                capture_output=True, text=True)
        print("\nlintian:\n" + (result.stdout or "(nothing to report)\n"), file=sys.stderr)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)

    def test_contents_and_dependencies(self):
        listing = output("dpkg-deb", "-c", self.deb)
        paths = {line.split()[-1] for line in listing.splitlines()}
        expected = {"./usr/games/ancient-evil", "./usr/share/man/man6/ancient-evil.6.gz",
                    "./usr/share/applications/ancient-evil.desktop",
                    DOC + "copyright", DOC + "changelog.gz", DOC + "README.md.gz", DOC + "LICENSE"}
        expected |= {"./usr/share/ancient-evil/" + name for name in installed_game.DATA_FILES}
        self.assertEqual(expected - paths, set())
        depends = output("dpkg-deb", "-f", self.deb, "Depends")
        self.assertIn("libc6 (>=", depends)
        self.assertIn("libstdc++6", depends)
        self.assertEqual(output("dpkg-deb", "-f", self.deb, "Section").strip(), "games")

    def test_copyright_is_machine_readable_and_says_what_license_says(self):
        with deb_members(self.deb) as tar:
            copyright_file = tar.extractfile(DOC + "copyright").read().decode()
        paragraphs = [p for p in copyright_file.split("\n\n") if p.strip()]
        header = paragraphs[0]
        self.assertRegex(header, r"^Format: https://www\.debian\.org/doc/packaging-manuals/"
                                 r"copyright-format/1\.0/\n")
        files = next(p for p in paragraphs if p.startswith("Files: *\n"))
        self.assertIn("\nLicense: Expat\n", files + "\n")
        self.assertIn("\nCopyright: 2026 The Ancient Evil developers\n", files)
        licence = next(p for p in paragraphs if p.startswith("License: Expat\n"))
        # The text, unfolded: one leading space off each line, "." for a blank one.
        text = [line[1:] if line != " ." else "" for line in licence.splitlines()[1:]]
        self.assertEqual(text, licence_text())

    def test_every_file_dated_by_the_last_commit(self):
        commit_time = last_commit_time()
        if commit_time is None:
            self.skipTest("not a git checkout")
        with deb_members(self.deb) as tar:
            dates = {member.name: member.mtime for member in tar.getmembers()}
        self.assertEqual({name for name, mtime in dates.items() if mtime != commit_time}, set())

    def test_desktop_entry_is_valid(self):
        if shutil.which("desktop-file-validate") is None:
            self.skipTest("desktop-file-validate is not installed")
        with tempfile.TemporaryDirectory() as root:
            subprocess.run(["dpkg-deb", "-x", self.deb, root], check=True)
            entry = os.path.join(root, "usr/share/applications/ancient-evil.desktop")
            result = subprocess.run(["desktop-file-validate", entry], capture_output=True, text=True)
            self.assertEqual(result.returncode, 0, result.stdout + result.stderr)

    def test_documents_are_the_sources(self):
        with deb_members(self.deb) as tar:
            readme = gzip.decompress(tar.extractfile(DOC + "README.md.gz").read())
            changelog = gzip.decompress(tar.extractfile(DOC + "changelog.gz").read())
            licence = tar.extractfile(DOC + "LICENSE").read()
            for picture in readme_pictures():  # where the README's links find them
                with open(os.path.join(ROOT, picture), "rb") as f:
                    self.assertEqual(tar.extractfile(DOC + picture).read(), f.read(), picture)
        for name, shipped in (("README.md", readme), ("packaging/changelog", changelog),
                              ("LICENSE", licence)):
            with open(os.path.join(ROOT, name), "rb") as f:
                self.assertEqual(shipped, f.read(), name)

    def test_unpacked_game_plays_from_another_folder(self):
        root = unpacked_deb(self, self.deb)
        with tempfile.TemporaryDirectory(prefix="ae-elsewhere-") as elsewhere:
            binary = os.path.join(root, "usr", "games", "ancient-evil")
            installed_game.check_command_line(self, binary, self.version)
            installed_game.play_opening(self, binary, elsewhere)

    def test_the_manual_pages_example_works_as_typed(self):
        """Its commands, as man shows them, typed into a shell in an empty
        folder with the unpacked game on the PATH: the game shows the new
        title and finds its other files."""
        root = unpacked_deb(self, self.deb)
        page = subprocess.run(["man", "-l", os.path.join(root, "usr/share/man/man6/ancient-evil.6.gz")],
                              check=True, capture_output=True, text=True,
                              env={"PATH": os.environ["PATH"], "LANG": "C.UTF-8",
                                   "MANWIDTH": "100"}).stdout
        examples = page[page.index("\nEXAMPLES\n"):]
        commands = [line.strip() for line in examples.splitlines() if line.startswith(" " * 14)]
        self.assertEqual(commands[-1], "ancient-evil")
        folder = tempfile.mkdtemp(prefix="ae-example-")
        self.addCleanup(shutil.rmtree, folder, True)
        with TmuxSession() as term:
            term.type_line("export PATH=%s:$PATH; cd %s" % (os.path.join(root, "usr/games"), folder))
            for command in commands:
                term.type_line(command)
            # The picture from the top left corner (the typed commands
            # hold its words too, further down).
            screen = term.wait_for_text_at(0, 1, "  Моё Древнее Зло")
            self.assertEqual(screen.split("\n")[3], "  Нажмите любую клавишу", screen)
            self.assertNotIn("not found", screen)
            term.keys("Enter")
            term.wait_for_text_at(31, 32, installed_game.FIRST_LINE)  # the rest is the game's own
            term.keys("C-c")
            term.wait_for(lambda s: s.rstrip().endswith("$"), "the prompt after Ctrl-C")
        self.assertTrue(os.path.isfile(os.path.join(folder, "mymod", "Title.txt")))


class Archive(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.archive = only("ancient-evil-*-linux-*.tar.gz")
        cls.top = os.path.basename(cls.archive)[:-len(".tar.gz")]

    def test_readme_licence_and_changelog_at_the_top(self):
        with tarfile.open(self.archive) as tar:
            for shipped, source in (("README.md", "README.md"), ("LICENSE", "LICENSE"),
                                    ("changelog", "packaging/changelog")):
                with open(os.path.join(ROOT, source), "rb") as f:
                    self.assertEqual(tar.extractfile(self.top + "/" + shipped).read(), f.read())
            for picture in readme_pictures():
                self.assertTrue(tar.getmember(self.top + "/" + picture).isfile(), picture)

    def test_unpacked_archive_plays_from_the_root_folder(self):
        with tempfile.TemporaryDirectory(prefix="ae-tgz-") as where:
            with tarfile.open(self.archive) as tar:
                if hasattr(tarfile, "data_filter"):
                    tar.extractall(where, filter="data")
                else:
                    tar.extractall(where)
            binary = os.path.join(where, self.top, "bin", "ancient-evil")
            for name in installed_game.DATA_FILES:
                self.assertTrue(os.path.isfile(os.path.join(where, self.top, "share", "ancient-evil", name)))
            installed_game.check_command_line(self, binary)
            installed_game.play_opening(self, binary, "/")


class Reproducible(unittest.TestCase):
    """A second `make package`, from scratch in other folders, gives the
    same bytes."""

    def test_a_second_build_gives_identical_packages(self):
        if SECOND_DIST is None:
            self.skipTest("no second build's packages given")
        for pattern in ("ancient-evil_*_amd64.deb", "ancient-evil-*-linux-*.tar.gz"):
            first = only(pattern)
            second = os.path.join(SECOND_DIST, os.path.basename(first))
            with open(first, "rb") as a, open(second, "rb") as b:
                if a.read() != b.read():
                    self.fail("%s differs between the two builds:\n%s"
                              % (os.path.basename(first), differences(first, second)))


def differences(first, second):
    """Which members of two packages differ, and how, for the message."""
    def members(path):
        data = (subprocess.run(["dpkg-deb", "--fsys-tarfile", path], check=True,
                               capture_output=True).stdout if path.endswith(".deb") else None)
        with (tarfile.open(fileobj=io.BytesIO(data)) if data else tarfile.open(path)) as tar:
            return {m.name: (m.mtime, m.uid, m.gid, m.mode,
                             tar.extractfile(m).read() if m.isfile() else b"")
                    for m in tar.getmembers()}
    a, b = members(first), members(second)
    lines = ["  only in one: %s" % name for name in sorted(set(a) ^ set(b))]
    for name in sorted(set(a) & set(b)):
        if a[name] != b[name]:
            fields = [field for field, x, y in zip(("mtime", "uid", "gid", "mode", "content"),
                                                     a[name], b[name]) if x != y]
            lines.append("  %s: %s" % (name, ", ".join(fields)))
    return "\n".join(lines) or "  the same members: the difference is in the wrapping"


class MakeInstall(unittest.TestCase):
    """`make install PREFIX=...` and `make uninstall`, as a user types them."""

    def make(self, *arguments):
        env = {k: v for k, v in os.environ.items() if k not in ("MAKEFLAGS", "MFLAGS", "MAKELEVEL")}
        subprocess.run(["make", "-s", "-C", ROOT, "BUILD_DIR=" + BUILD_DIR, *arguments],
                       check=True, stdout=subprocess.DEVNULL, env=env)

    def test_install_play_from_the_root_folder_and_uninstall(self):
        manifest = os.path.join(ROOT, "build-install", "installed_files.txt")
        kept = None
        if os.path.exists(manifest):  # a developer's own install stays uninstallable
            with open(manifest) as f:
                kept = f.read()
        try:
            with tempfile.TemporaryDirectory(prefix="ae-make-install-") as scratch:
                prefix = os.path.join(scratch, "мои игры")  # as typed, space and all
                self.make("install", "PREFIX=" + prefix)
                binary = os.path.join(prefix, "bin", "ancient-evil")
                sections = output("readelf", "--sections", "--wide", binary)
                self.assertNotRegex(sections, r"\.debug_|\.symtab", "the program is not stripped")
                for name in ("copyright", "LICENSE", "README.md.gz", "changelog.gz",
                             *readme_pictures()):
                    self.assertTrue(os.path.isfile(os.path.join(prefix, "share/doc/ancient-evil", name)))
                installed_game.check_command_line(self, binary)
                installed_game.play_opening(self, binary, "/")
                self.make("uninstall")
                left = [os.path.join(d, f) for d, _, files in os.walk(prefix) for f in files]
                self.assertEqual(left, [])
                for folder in ("share/ancient-evil", "share/doc/ancient-evil"):
                    self.assertFalse(os.path.exists(os.path.join(prefix, folder)), folder)
                stage = os.path.join(scratch, "stage two")
                self.make("install", "DESTDIR=" + stage)
                self.assertTrue(os.path.isfile(stage + "/usr/local/bin/ancient-evil"))
                self.make("uninstall", "DESTDIR=" + stage)
                self.assertEqual([files for _, _, files in os.walk(scratch) if files], [])
        finally:
            if kept is not None:
                with open(manifest, "w") as f:
                    f.write(kept)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)

"""What the page's tests share. Their command line: the site folder, the
test's own arguments, then the engine (chromium, webkit or firefox;
chromium if none is named), the rest being unittest's. PageTest: one
browser of that engine for all the tests of a class, the page's clock
pinned for the seeded game where the class plays it, and the folder the
engine opens the page from. The page driver itself is in tools/web,
shared with the benchmark and the screenshots; run with /usr/bin/python3,
which has Debian's python3-selenium."""

import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "tools", "web"))
from page_browser import COLUMNS, ROWS  # noqa: E402
from page_driver import ENGINES, open_browser  # noqa: E402
from page_site import StaticServer, page_copy, site_url  # noqa: E402
from playthrough import CLOCK_FOR_SEED_1, Playthrough, same_screen  # noqa: E402

__all__ = ["COLUMNS", "ROWS", "PageTest", "Playthrough", "StaticServer", "arguments",
           "page_copy", "same_screen", "site_url"]


def arguments(*names):
    """The test's arguments, named as its usage names them (the site folder
    first), taken off the command line with the engine after them."""
    if len(sys.argv) <= len(names):
        sys.exit("usage: %s %s [chromium|webkit|firefox]"
                 % (os.path.basename(sys.argv[0]), " ".join(names)))
    values = sys.argv[1:1 + len(names)]
    del sys.argv[1:1 + len(names)]
    if sys.argv[1:2] and sys.argv[1] in ENGINES:
        PageTest.engine = sys.argv.pop(1)
    PageTest.site = values[0]
    return values


class PageTest(unittest.TestCase):
    """One browser for all of a class's tests (self.browser), and the page
    as it opens it: self.site, its folder (a copy in an engine that cannot
    run a script before every page by itself), and self.url. A class that
    plays the native build's seeded game names it in playthrough (the
    ae-playthrough program and the assets): self.game is then that game,
    and the page's clock is pinned so that the page plays it too."""

    engine = "chromium"
    site = None
    playthrough = None

    @classmethod
    def setUpClass(cls):
        cls.game = Playthrough(*cls.playthrough) if cls.playthrough else None
        cls.browser = open_browser(cls.engine)
        if cls.game:
            cls.browser.fix_clock(CLOCK_FOR_SEED_1)
        cls.site = cls.browser.page_folder(cls.site)
        cls.url = site_url(cls.site)

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()

    def open(self, keys=()):
        """The page opened afresh, once the game waits for a key; then the
        keys typed, each once the game waits."""
        self.browser.open(self.url)
        self.browser.wait_for_key_wait()
        keys = list(keys)
        if keys:
            self.browser.play(keys)

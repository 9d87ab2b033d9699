#!/usr/bin/python3
"""The page served as sites serve it, in a browser of each engine: in a
frame sandboxed without allow-same-origin it plays, without offline play.

usage: page_hosting_test.py SITE_FOLDER [ENGINE]
ENGINE is chromium (the default), webkit or firefox. Run with
/usr/bin/python3, which has Debian's python3-selenium."""

import os
import shutil
import sys
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "tools", "web"))
from page_driver import ENGINES, StaticServer, open_browser  # noqa: E402

SITE = sys.argv.pop(1)
ENGINE = sys.argv.pop(1) if sys.argv[1:2] and sys.argv[1] in ENGINES else "chromium"
STORY = "Джек Белибье уволился"


class AsSitesServeIt(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.browser = open_browser(ENGINE)

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()

    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="ae-hosting-")
        self.addCleanup(shutil.rmtree, self.folder, True)

    def serve(self, folder, **options):
        server = StaticServer(folder, **options)
        self.addCleanup(server.close)
        return server

    def plays(self):
        self.browser.wait_for_key_wait()
        self.browser.play(["Enter"])
        self.assertIn(STORY, "".join(text for text, _ in self.browser.screen()))

    def test_in_a_sandboxed_frame(self):
        site = self.serve(SITE)
        with open(os.path.join(self.folder, "portal.html"), "w") as portal:
            portal.write('<iframe sandbox="allow-scripts" src="%sindex.html" width="900" '
                         'height="800"></iframe>' % site.url)
        self.browser.open(self.serve(self.folder).url + "portal.html")
        firefox = ENGINE == "firefox"  # driven by its own client, which has no frame switch
        if firefox:
            top = self.browser.context
            self.browser.context = self.browser.wait_for(lambda d: self.browser.command(
                "browsingContext.getTree", {"root": top})["contexts"][0]["children"],
                "the frame")[0]["context"]
        else:
            self.browser.driver.switch_to.frame(0)
        try:
            self.plays()
        finally:
            if firefox:
                self.browser.context = top
            else:
                self.browser.driver.switch_to.default_content()


if __name__ == "__main__":
    unittest.main(verbosity=2)

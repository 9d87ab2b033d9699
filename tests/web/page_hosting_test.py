#!/usr/bin/python3
"""The page served as sites serve it, in a browser of each engine: in a
frame sandboxed without allow-same-origin it plays, without offline play;
behind a server that lets the browser cache its files, a new build replaces
the one kept offline whole, by the first reload after its worker has come;
and two copies in two folders of one site each keep their own offline.

usage: page_hosting_test.py SITE_FOLDER [ENGINE]
ENGINE is chromium (the default), webkit or firefox. Run with
/usr/bin/python3, which has Debian's python3-selenium."""

import os
import shutil
import tempfile
import unittest

from page_case import PageTest, StaticServer, arguments

[SITE] = arguments("SITE_FOLDER")
STORY = "Джек Белибье уволился"


def another_build(folder):
    """The site as a later build would be, in folder: its page and script
    marked "B", its worker's cache named anew."""
    shutil.copytree(SITE, folder)
    for name, old, new in [("index.html", '<html lang="ru">', '<html lang="ru" data-build="B">'),
                           ("game.js", "\n", '\nwindow.ancientEvilBuild = "B";\n'),
                           ("service-worker.js", '"ancient-evil-', '"ancient-evil-b')]:
        with open(os.path.join(folder, name), encoding="utf-8") as file:
            text = file.read().replace(old, new, 1)
        with open(os.path.join(folder, name), "w", encoding="utf-8") as file:
            file.write(text)


class AsSitesServeIt(PageTest):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="ae-hosting-")
        self.addCleanup(shutil.rmtree, self.folder, True)

    def serve(self, folder, **options):
        server = StaticServer(folder, **options)
        self.addCleanup(server.close)
        return server

    def kept_offline(self, url):
        self.browser.open(url)
        self.browser.wait_for(lambda: self.browser.run(
            "return navigator.serviceWorker.controller !== null"), "the page kept offline")

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
        self.browser.enter_frame()
        try:
            self.plays()
        finally:
            self.browser.leave_frame()

    def test_a_new_build_behind_a_caching_server_arrives_whole(self):
        served = os.path.join(self.folder, "site")
        shutil.copytree(SITE, served)
        url = self.serve(served, headers={"Cache-Control": "max-age=600"}).url + "index.html"
        self.kept_offline(url)
        shutil.rmtree(served)
        another_build(served)
        self.browser.open(url)  # the old build's page; the new worker comes
        self.browser.run("navigator.serviceWorker.getRegistration().then((r) => r.update())")
        self.browser.wait_for(lambda: self.browser.run_async("""const done = arguments[0];
            caches.keys().then((names) => done(names.length === 1 &&
                                               names[0].startsWith("ancient-evil-b")));"""),
                              "the new build's worker")
        self.browser.open(url)
        self.assertEqual(self.browser.run(
            "return [document.documentElement.dataset.build, window.ancientEvilBuild]"),
            ["B", "B"])
        self.plays()

    def test_two_copies_on_one_site_each_keep_their_own(self):
        shutil.copytree(SITE, os.path.join(self.folder, "a"))
        another_build(os.path.join(self.folder, "b"))
        server = StaticServer(self.folder, uncached=True)
        try:
            for copy in ("a", "b"):
                self.kept_offline(server.url + copy + "/index.html")
        finally:
            server.close()
        self.browser.go_offline()
        try:
            self.browser.open(server.url + "a/index.html")
            self.plays()
        finally:
            self.browser.go_offline(False)


if __name__ == "__main__":
    unittest.main(verbosity=2)

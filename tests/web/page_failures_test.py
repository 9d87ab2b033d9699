#!/usr/bin/python3
"""The game's page where it cannot play, in a browser of each engine: its
files missing, damaged or refused by a server, a fault in the page's own
drawing, and in Chromium, which can switch it off, JavaScript. Each time
the player reads, in Russian and over the grid, what to do, and no English
internals. A browser without WebAssembly is old_engine_test.py's.

usage: page_failures_test.py SITE_FOLDER [ENGINE]
ENGINE is chromium (the default), webkit or firefox. Run with
/usr/bin/python3, which has Debian's python3-selenium."""

import os
import shutil
import tempfile
import unittest

from page_case import PageTest, StaticServer, arguments, site_url

[SITE] = arguments("SITE_FOLDER")


def spoil(site, name, change):
    """Changes a file of a copy of the site; None removes it."""
    path = os.path.join(site, name)
    with open(path, encoding="utf-8") as text:
        changed = change(text.read())
    os.remove(path)
    if changed is not None:
        with open(path, "w", encoding="utf-8") as text:
            text.write(changed)


class TheFailures(PageTest):
    def assert_told(self, words):
        """The page has stopped and says so, over the grid, in words."""
        self.browser.wait_for(lambda: self.browser.state()[0] == "failed", "the failure")
        told = self.browser.run("""
            const shown = (id) => document.getElementById(id).getBoundingClientRect();
            const [note, grid] = [shown("problem"), shown("console")];
            const middle = (box) => [box.left + box.width / 2, box.top + box.height / 2];
            return [document.body.innerText, middle(note), middle(grid),
                    document.querySelectorAll("button:not([hidden])").length];""")
        text, note, grid, buttons = told
        self.assertIn(words, text)
        for internal in ("ASSERTIONS", "RuntimeError", "Aborted", "wasm"):
            self.assertNotIn(internal, text)
        for at_note, at_grid in zip(note, grid):
            self.assertAlmostEqual(at_note, at_grid, delta=2)
        self.assertEqual(buttons, 0)

    def test_files_missing_or_damaged(self):
        for name, change, words in [
                ("ancient-evil.js", lambda text: None, "Распакуйте архив игры целиком"),
                ("ancient-evil.js", lambda text: text.replace("\0asm\x01", "\0asm\x02", 1),
                 "Файлы игры повреждены")]:  # the WebAssembly's version
            with self.subTest(words), tempfile.TemporaryDirectory() as folder:
                site = os.path.join(folder, "site")
                shutil.copytree(SITE, site)
                spoil(site, name, change)
                self.browser.open(site_url(site))
                self.assert_told(words)

    def test_a_fault_in_the_pages_drawing(self):
        self.open()
        self.browser.run("""
            Object.defineProperty(CharacterData.prototype, "data", {set() { throw Error(); }});
            document.dispatchEvent(new KeyboardEvent("keydown", {key: "Enter"}));""")
        self.assert_told("Страница игры дала сбой, рисуя экран")

    def test_scripts_refused_by_the_server(self):
        for refused, words in [({"ancient-evil.js"}, "отдавать файлы .js как JavaScript"),
                               ({"ancient-evil.js", "game.js"}, "не выполнил её скрипты")]:
            server = StaticServer(SITE, refused=refused)
            try:
                self.browser.open(server.url + "index.html")
                self.browser.wait_for(lambda: words in self.browser.run(
                    "return document.body.innerText"), "the note: " + words)
            finally:
                server.close()

    def test_without_javascript_only_the_note_that_it_is_needed(self):
        self.browser.disable_scripts()
        try:
            self.browser.open(self.url)
            shown = [element.text for element in
                     self.browser.driver.find_elements("css selector", "p, button")
                     if element.is_displayed()]
        finally:
            self.browser.disable_scripts(False)
        self.assertEqual(shown, ["Для игры нужен JavaScript: разрешите его для этой страницы."])


if __name__ == "__main__":
    unittest.main(verbosity=2)

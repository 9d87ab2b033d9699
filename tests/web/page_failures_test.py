#!/usr/bin/python3
"""The game's page where it cannot play, in a browser of each engine: its
files missing, damaged or refused by a server, a site's policy that forbids
WebAssembly, a fault in the page's own start or drawing, and in Chromium,
which can switch it off, JavaScript. Each time
the player reads, in Russian and over the grid, what to do, and no English
internals. A browser without WebAssembly is old_engine_test.py's.

usage: page_failures_test.py SITE_FOLDER [ENGINE]
ENGINE is chromium (the default), webkit or firefox. Run with
/usr/bin/python3, which has Debian's python3-selenium."""

import os
import re
import shutil
import tempfile
import unittest

from page_case import PageTest, StaticServer, arguments, page_copy, site_url

[SITE] = arguments("SITE_FOLDER")
README = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "README.md")


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
                    Array.from(document.querySelectorAll("button")).filter((button) =>
                      button.getClientRects().length > 0 &&
                      getComputedStyle(button).visibility !== "hidden").length];""")
        text, note, grid, buttons = told
        self.assertIn(words, text)
        self.assertNotRegex(text, r"ASSERTIONS|RuntimeError|Aborted|wasm(?!-unsafe-eval)")
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

    def test_a_policy_that_forbids_webassembly_and_the_one_the_readme_names(self):
        with open(README, encoding="utf-8") as readme:
            named = re.search(r"Content-Security-Policy: (.+)", readme.read()).group(1)
        for policy in ("default-src 'self'", named):
            server = StaticServer(SITE, headers={"Content-Security-Policy": policy})
            try:
                self.browser.open(server.url + "index.html")
                if policy == named:
                    self.browser.wait_for_key_wait()
                else:
                    self.assert_told("источник 'wasm-unsafe-eval'")
            finally:
                server.close()

    def test_a_fault_as_the_page_starts(self):
        copy = page_copy(SITE, "HTMLElement.prototype.focus = () => { throw Error(); };")
        try:
            self.browser.open(site_url(copy))
            self.assert_told("Страница игры дала сбой при запуске")
        finally:
            shutil.rmtree(os.path.dirname(copy))

    def test_a_fault_in_the_pages_drawing(self):
        self.open()
        self.browser.run("""
            Object.defineProperty(CharacterData.prototype, "data", {set() { throw Error(); }});
            document.dispatchEvent(new KeyboardEvent("keydown", {key: "Enter"}));""")
        self.assert_told("Страница игры дала сбой при отрисовке экрана")

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

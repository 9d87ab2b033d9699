#!/usr/bin/python3
"""The page in a browser lacking what older engines lack: it plays on where
the page fills the gap in, and otherwise says in Russian which browsers
play the game, with no grid that looks as if the game were loading. Each
case takes the feature away in a copy of the page, before its scripts.

usage: old_engine_test.py SITE_FOLDER [ENGINE]"""

import os
import shutil
import unittest

from page_case import PageTest, arguments, page_copy, site_url

[SITE] = arguments("SITE_FOLDER")

# What is taken away, and the reason the page gives (None: it plays).
CASES = [
    ("delete Element.prototype.replaceChildren;", None),  # as in Safari 13
    ("delete window.WebAssembly;", "WebAssembly"),
    ("delete Document.prototype.fonts;", "слишком старый"),
    # Anything else the game's module trips over as it loads.
    ("Object.defineProperty(window, 'createAncientEvil', "
     "{set() { throw new TypeError('too new'); }, configurable: true});", "слишком старый"),
]

# innerText leaves out what is not visible: the page's own note that its
# scripts did not run shows only after a while.
SHOWN = """
const shown = (element) => !element.hidden && element.getClientRects().length > 0;
const screen = document.getElementById("console");
const note = document.getElementById("problem").getBoundingClientRect();
const view = document.documentElement;
return [screen.dataset.state, screen.children.length, document.body.innerText,
        Array.from(document.querySelectorAll("#panel button")).some(shown),
        [note.left + note.right - view.clientWidth, note.top + note.bottom - view.clientHeight],
        note.left >= 0 && note.right <= view.clientWidth];"""


class AnOlderEngine(PageTest):
    def test_plays_with_the_page_s_fallback_or_is_told_in_words(self):
        browser = self.browser
        for prelude, reason in CASES:
            with self.subTest(prelude):
                copy = page_copy(SITE, prelude)
                try:
                    browser.open(site_url(copy))
                    if reason is None:
                        browser.wait_for_key_wait()
                        browser.send_keys("Enter")
                        browser.wait_for(lambda: "Джек Белибье уволился" in "".join(
                            text for text, _ in browser.screen()), "the story")
                        continue
                    browser.wait_for(lambda: browser.state()[0] == "failed", "the refusal")
                    state, rows, text, buttons, off_middle, inside = browser.run(SHOWN)
                    self.assertEqual((rows, buttons), (0, False), "no grid, no buttons")
                    # In the middle of the window, where the grid would be.
                    self.assertLessEqual(max(map(abs, off_middle)), 4, off_middle)
                    self.assertTrue(inside)
                    self.assertIn("не может запустить игру: ", text)
                    self.assertIn(reason, text)
                    self.assertIn("Chrome 75, Edge 79, Firefox 65, Safari 12", text)
                    self.assertNotRegex(text, "RuntimeError|Aborted|ASSERTIONS|TypeError")
                finally:
                    shutil.rmtree(os.path.dirname(copy))


if __name__ == "__main__":
    unittest.main(verbosity=2)

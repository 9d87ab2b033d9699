#!/usr/bin/python3
"""The game's page in a browser of each engine (Chromium, WebKitGTK,
Firefox), as a player meets it: opened from
its folder (file://) or from a static server on 127.0.0.1, typed at with
the keyboard, and read back from #console as text
and colours. A whole seeded game is checked frame for frame, and its live
region sentence for sentence, against the native build's. Served, the page installs (as Chromium says) and then
plays offline.

usage: page_test.py SITE_FOLDER NATIVE_AE_PLAYTHROUGH ASSETS (folder|server) [ENGINE]
ENGINE is chromium (the default), webkit or firefox. Run with
/usr/bin/python3, which has Debian's python3-selenium."""

import unittest

from page_case import COLUMNS, ROWS, PageTest, StaticServer, arguments, same_screen

SITE, PLAYTHROUGH, ASSETS, MODE = arguments("SITE_FOLDER", "NATIVE_AE_PLAYTHROUGH", "ASSETS",
                                            "(folder|server)")

FIRST_LINE = " Джек Белибье уволился с работы в полиции,"
STRANGER = " Найди его... [кашляет] И уничтожь Древнее "
GREY, GREEN = "7", "2"

# Plays keys one after another, each once the game waits again, and stops
# at the first screen whose digest, or whose live region, is not the one
# expected; returns null or [the key's index, the digest found, what the
# live region said].
PLAY_AND_CHECK = """
const [keys, expected, expectedSaid, done] = arguments;
const screen = document.getElementById("console");
const region = document.getElementById("narration");
function digest() {
  let text = "", colours = "";
  for (const row of screen.children) {
    for (const run of row.children) {
      const colour = parseInt(run.className.slice(1), 10).toString(16);
      for (const ch of run.textContent) {
        text += ch;
        colours += ch === " " ? "." : colour;
      }
    }
  }
  let hash = 0x811c9dc5;
  const all = text + colours;
  for (let i = 0; i < all.length; i++) {
    hash = Math.imul(hash ^ all.charCodeAt(i), 16777619) >>> 0;
  }
  return hash;
}
let next = 0;
let framesBefore = 0;
const watcher = new MutationObserver(settle);
function settled() {
  const waiting = screen.getAttribute("aria-busy") === "false" || screen.dataset.state === "over";
  return waiting && Number(screen.dataset.frames) > framesBefore;
}
let checking = false;
function settle() {
  if (!settled() || checking) return;
  checking = true;
  const found = digest();
  // The words come once the frame is drawn: after this turn of the page's.
  setTimeout(() => {
    checking = false;
    const said = region.textContent.replace(/\u00a0$/, "");
    if (found !== expected[next - 1] || !said.startsWith(expectedSaid[next - 1])) {
      watcher.disconnect();
      done([next - 1, found, said]);
      return;
    }
    press();
  }, 0);
}
function press() {
  if (next === keys.length) {
    watcher.disconnect();
    done(null);
    return;
  }
  framesBefore = Number(screen.dataset.frames);
  const key = keys[next++];
  document.dispatchEvent(new KeyboardEvent("keydown", {key, bubbles: true, cancelable: true}));
}
watcher.observe(screen, {attributes: true});
press();
"""


def digest(frame):
    texts, colours = frame
    text = "".join(texts)
    shown = "".join("." if ch == " " else colour
                    for row, colour_row in zip(texts, colours)
                    for ch, colour in zip(row, colour_row))
    hash_ = 0x811c9dc5
    for ch in text + shown:
        hash_ = ((hash_ ^ ord(ch)) * 16777619) & 0xFFFFFFFF
    return hash_


class ThePage(PageTest):
    playthrough = (PLAYTHROUGH, ASSETS)

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.server = StaticServer(cls.site) if MODE == "server" else None
        if cls.server:
            cls.url = cls.server.url + "index.html"

    @classmethod
    def tearDownClass(cls):
        super().tearDownClass()
        if cls.server:
            cls.server.close()

    def text_at(self, column, row, length):
        return self.browser.screen()[row][0][column:column + length]

    def colour_at(self, column, row):
        return self.browser.screen()[row][1][column]

    def assert_frame(self, index):
        differences = same_screen(self.browser.screen(), self.game.frames[index])
        self.assertFalse(differences, "frame %d:\n%s" % (index, "\n".join(differences[:10])))

    def test_title_story_stranger_and_down_moving_the_highlight(self):
        self.open()
        self.assertEqual(self.browser.run("return document.title"), "Древнее Зло")
        self.assert_frame(0)  # the title picture, in its colours
        self.assertIn("Нажмите любую клавишу", "\n".join(row for row, _ in self.browser.screen()))

        self.browser.press(" ")
        self.assertEqual(self.text_at(31, 32, len(FIRST_LINE)), FIRST_LINE)
        self.assertEqual(self.colour_at(32, 36), GREEN)  # "1 - Далее" highlighted
        self.browser.press("Enter", "Enter", "Enter", "Enter")
        self.assertEqual(self.text_at(31, 32, len(STRANGER)), STRANGER)
        self.assertEqual((self.colour_at(32, 36), self.colour_at(32, 38)), (GREEN, GREY))

        # Down redraws the two menu rows whose colours swap, and no other.
        self.browser.run("""
            window.touchedRows = new Set();
            const rows = Array.from(document.getElementById("console").children);
            window.rowWatcher = new MutationObserver((changes) => {
              for (const change of changes) {
                let node = change.target;
                while (node.parentNode && node.parentNode.id !== "console") node = node.parentNode;
                window.touchedRows.add(rows.indexOf(node));
              }
            });
            window.rowWatcher.observe(document.getElementById("console"),
                                      {childList: true, subtree: true, characterData: true,
                                       attributeFilter: ["class"]});""")
        self.browser.press("ArrowDown")
        touched = self.browser.run("window.rowWatcher.disconnect(); "
                                   "return Array.from(window.touchedRows).sort((a, b) => a - b)")
        self.assertEqual(touched, [36, 38])
        self.assertEqual((self.colour_at(32, 36), self.colour_at(32, 38)), (GREY, GREEN))
        self.browser.press("ArrowUp")
        self.assertEqual((self.colour_at(32, 36), self.colour_at(32, 38)), (GREEN, GREY))

    def test_a_whole_game_frame_for_frame_then_play_again(self):
        self.open()
        keys = self.game.page_keys()
        expected = [digest(self.game.frames[frame]) for _, frame in keys]
        # What --screen-reader says after each key is what the page says.
        said = [self.game.said[frame] for _, frame in keys]
        mismatch = self.browser.run_async(PLAY_AND_CHECK, [key for key, _ in keys], expected, said)
        if mismatch is not None:
            index, _, heard = mismatch
            self.assert_frame(keys[index][1])
            self.assertEqual(heard, said[index], "key %d: the live region" % index)
            self.fail("key %d: the page's digest differs but no cell does" % index)
        self.assertIn(self.game.outcome, ("victory", "death"))
        self.assert_frame(len(self.game.frames) - 1)  # the last screen stays on view

        state = self.browser.run("""
            const again = document.getElementById("again");
            return [document.getElementById("console").dataset.state, !again.hidden,
                    again.textContent];""")
        self.assertEqual(state, ["over", True, "Играть снова"])
        self.browser.click("#again")
        self.browser.wait_for(lambda: self.browser.state()[0] == "playing"
                              and self.browser.state()[1] == "false", "a new game")
        self.assert_frame(0)
        self.browser.press("Enter")
        self.assertEqual(self.text_at(31, 32, len(FIRST_LINE)), FIRST_LINE)

    def test_the_grid_lines_up_and_fits_a_desktop_and_a_phone(self):
        self.open()
        self.assertTrue(self.browser.run(
            "return document.fonts.check('16px \"Ancient Evil Mono\"', 'Ж╬☺')"))
        self.assertEqual(self.browser.run(
            "return getComputedStyle(document.getElementById('console')).fontFamily"),
            '"Ancient Evil Mono", monospace')
        self.browser.press("Enter")  # a page with Cyrillic, boxes and the frame
        # Selected and copied, the grid is its 49 lines of 80 characters
        # (WebKit ends the last with a line end).
        copied = self.browser.run("""
            getSelection().selectAllChildren(document.getElementById("console"));
            return getSelection().toString();""")
        copied = copied[:-1].split("\n") if copied.endswith("\n") else copied.split("\n")
        self.assertEqual(copied, [text for text, _ in self.browser.screen()])
        self.assertEqual([len(line) for line in copied], [COLUMNS] * ROWS)
        # A window too small to read the grid in asks for a larger one
        # until the note is closed.
        self.browser.set_window_size(440, 600)
        self.browser.wait_for(lambda: self.grid_box()["note"], "the note")
        self.browser.click("#narrow button")
        self.assertEqual(self.grid_box()["note"], False)
        shape = None
        # The panel of buttons shows on a touch screen or where the rows are
        # too small to aim at, under the grid or beside it.
        for phone, width, height, panel in [(False, 1280, 1024, "off"), (True, 390, 844, "under"),
                                            (True, 844, 390, "beside")]:
            if phone:
                self.browser.emulate_phone(width, height)
            else:
                self.browser.set_window_size(width, height)
            self.browser.wait_for(lambda: self.page_fits() and self.no_room_for_more(),
                                  "the largest grid that fits %dx%d" % (width, height))
            box = self.grid_box()
            self.assertEqual((box["panel"], box["note"]), (panel, False))
            # Every row ends at the same place: each character is one cell.
            ends = self.browser.run("""
                return Array.from(document.getElementById("console").children).map((row) => {
                  const range = document.createRange();
                  range.selectNodeContents(row);
                  const box = range.getBoundingClientRect();
                  return [box.left, box.right];
                });""")
            for left, right in ends:
                self.assertAlmostEqual(left, box["left"], delta=0.5)
                self.assertAlmostEqual(right, box["right"], delta=0.5)
            shape = shape or box["height"] / box["width"]
            self.assertAlmostEqual(box["height"] / box["width"], shape, delta=shape * 0.02,
                                   msg="the grid keeps its shape at %dx%d" % (width, height))
        self.browser.press("ArrowDown")
        self.browser.stop_emulation()
        self.browser.set_window_size(1280, 1024)

    def no_room_for_more(self):
        """A grid a little larger would not fit."""
        return self.browser.run("""
            const screen = document.getElementById("console");
            const size = screen.style.fontSize;
            screen.style.fontSize = parseFloat(size) * 1.03 + "px";
            const view = document.documentElement;
            const over = view.scrollWidth > view.clientWidth || view.scrollHeight > view.clientHeight
                || screen.getBoundingClientRect().left < 4;  // main's padding
            screen.style.fontSize = size;
            return over;""")

    def grid_box(self):
        """The grid's box, whether the note shows, and the panel: off,
        under the grid or beside it."""
        return self.browser.run("""
            const box = document.getElementById("console").getBoundingClientRect();
            const note = document.getElementById("narrow");
            const panel = document.getElementById("panel");
            return {left: box.left, right: box.right, top: box.top, bottom: box.bottom,
                    width: box.width, height: box.height,
                    note: !note.hidden,
                    panel: !panel.classList.contains("on") ? "off" :
                        document.querySelector("main").classList.contains("beside") ? "beside" :
                        "under"};""")

    def page_fits(self):
        """The page fits the window, the grid whole within it."""
        return self.browser.run("""
            const box = document.getElementById("console").getBoundingClientRect();
            const view = document.documentElement;
            return view.scrollWidth <= view.clientWidth && view.scrollHeight <= view.clientHeight
                && box.left >= 4 && box.top >= 0;  // main's padding""")

    def test_arrows_do_not_scroll_and_nothing_comes_from_elsewhere(self):
        self.open()
        self.browser.run("document.body.style.height = '5000px'; window.scrollTo(0, 0);")
        self.browser.press("ArrowDown", "ArrowDown", " ")
        self.assertEqual(self.browser.run("return window.scrollY"), 0)
        self.browser.run("document.body.style.height = '';")
        # What the page loads: its scripts and its style sheet, all beside
        # it (site_test.py checks where the sheet takes the font from), and
        # the font loaded.
        sources = self.browser.run("""
            const found = Array.from(document.scripts, (script) => script.src);
            found.push(...Array.from(document.styleSheets, (sheet) => sheet.href));
            return found.concat(performance.getEntriesByType("resource").map((e) => e.name));""")
        base = self.url.rsplit("/", 1)[0] + "/"
        self.assertGreaterEqual(len(sources), 3)
        for source in sources:
            self.assertTrue(source.startswith(base), source)
        self.assertEqual(self.browser.run(
            "return Array.from(document.fonts, (font) => font.status)"), ["loaded"])
        self.assertEqual(self.browser.errors(), [])

    def test_served_it_plays_offline_and_from_a_folder_needs_no_worker(self):
        if MODE == "folder":
            self.open()
            self.assertIsNone(self.browser.run(
                "return navigator.serviceWorker && navigator.serviceWorker.controller"))
            return
        server = StaticServer(self.site, uncached=True)  # its own, to be shut down
        try:
            self.browser.open(server.url + "index.html")
            self.browser.wait_for(lambda: self.browser.run(
                "return navigator.serviceWorker.controller !== null"), "the page kept offline")
        finally:
            server.close()
        # Nothing answers on the server's address now, and where the engine
        # can, the network is taken away too.
        self.browser.go_offline()
        try:
            self.browser.open(server.url + "index.html")
            self.browser.wait_for_key_wait()
            self.assert_frame(0)
        finally:
            self.browser.go_offline(False)

    def test_served_it_installs_and_from_a_folder_links_no_manifest(self):
        self.open()
        manifest = self.browser.run(
            "const link = document.querySelector('link[rel=manifest]'); return link && link.href")
        if MODE == "folder":
            self.assertIsNone(manifest)
            return
        self.assertEqual(manifest, self.url.rsplit("/", 1)[0] + "/manifest.webmanifest")
        self.browser.wait_for(lambda: self.browser.installability_errors() == [],
                              "the page installable")


if __name__ == "__main__":
    unittest.main(verbosity=2)

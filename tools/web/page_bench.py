#!/usr/bin/python3
"""Measures the game's page in headless Chromium (make bench-web), and,
side by side, another build of it to compare with (--before):

- its weight: every file it loads, on disk, against the budget of 600 KB;
  the WebAssembly inside the game's script, decoded; and every file of the
  zip compressed with brotli at its highest quality, as a server or an
  archive would send it;
- the time from navigation to the title drawn;
- the time from a key to the changed rows drawn (the DOM updated and laid
  out), median and p99 over a whole game of the careful automatic player,
  with how many rows a key redraws;
- beside it, in the same browser and page, the time to draw a whole static
  80x49 grid through the same code.

The times are taken in rounds, the pages in turn, each round in a page
loaded afresh from a local server that isolates it, so that its clock
reads to 5 us rather than 100 us; a first game warms the page up before
the one timed.

usage: page_bench.py [--site DIR] [--before DIR] [--playthrough NATIVE_AE_PLAYTHROUGH]
                     [--assets DIR] [--loads N] [--rounds N]
Run with /usr/bin/python3 (Debian's python3-selenium and python3-brotli)."""

import argparse
import base64
import codecs
import os
import re
import statistics
import sys

import brotli

from page_site import StaticServer, site_url
from playthrough import CLOCK_FOR_SEED_1, Playthrough
from selenium_browsers import Chromium

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BUDGET = 600 * 1024

# Plays the keys one after another, each once the game waits again, and
# times each from the key to its rows drawn and laid out; counts the rows
# each key changed.
PLAY_AND_TIME = """
const [keys, done] = arguments;
const screen = document.getElementById("console");
const times = [];
const rows = [];
let next = 0, framesBefore = 0, started = 0;
const watcher = new MutationObserver(() => {
  const waiting = screen.getAttribute("aria-busy") === "false" || screen.dataset.state === "over";
  if (!waiting || Number(screen.dataset.frames) <= framesBefore) return;
  void screen.offsetHeight;  // lay the rows out: drawn as far as a script can see
  times.push(performance.now() - started);
  rows.push(rowsTouched(rowWatcher.takeRecords()));
  press();
});
// Read only once the key is timed, and so not timed with it.
const rowWatcher = new MutationObserver(() => {});
function rowsTouched(changes) {
  const touched = new Set();
  for (const change of changes) {
    let node = change.target;
    while (node !== null && node.parentNode !== screen) node = node.parentNode;
    if (node !== null) touched.add(node);
  }
  return touched.size;
}
function press() {
  if (next === keys.length) {
    watcher.disconnect();
    rowWatcher.disconnect();
    done([times, rows]);
    return;
  }
  framesBefore = Number(screen.dataset.frames);
  rowWatcher.takeRecords();
  const key = keys[next++];
  started = performance.now();
  document.dispatchEvent(new KeyboardEvent("keydown", {key, bubbles: true, cancelable: true}));
}
watcher.observe(screen, {attributes: true});
rowWatcher.observe(screen, {childList: true, subtree: true, characterData: true,
                            attributeFilter: ["class"]});
press();
"""

# Draws whole 80x49 grids through the page's own drawing, alternating two
# frames so that every row really changes, each laid out, and times each.
DRAW_STATIC = """
const [grids, count] = arguments;
const screen = document.getElementById("console");
const times = [];
for (let i = 0; i < count; i++) {
  const grid = grids[i % grids.length];
  const rows = grid.map((row, index) => ({row: index, text: row[0], colours: row[1]}));
  const started = performance.now();
  window.ancientEvilPage.showFrame(rows, null);
  void screen.offsetHeight;
  times.push(performance.now() - started);
}
return times;
"""


def kib(size):
    return "%.1f KB" % (size / 1024)


def ms(value):
    return "%.3f ms" % value


def percentile(values, share):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(round(share * (len(ordered) - 1))))]


def embedded_wasm(script):
    """The WebAssembly inside the game's script, decoded, and the length of
    its encoding there: base64 in a data URI, or a string of one character
    a byte (tools/web/embed_module.py)."""
    found = re.search(r"data:application/octet-stream;base64,([A-Za-z0-9+/=]+)", script)
    if found:
        return base64.b64decode(found.group(1)), len(found.group(1).encode())
    found = re.search(r'\(createAncientEvil, "((?:[^"\\]|\\.)*)"\);\s*$', script, re.S)
    if found:
        text = codecs.decode(found.group(1).encode("latin-1"), "unicode_escape")
        return text.encode("latin-1"), len(found.group(1).encode())
    return b"", 0


class Page:
    """One build of the page (its site folder) and what was measured of it."""

    def __init__(self, name, site):
        self.name, self.site = name, site
        self.files = {}
        for where, _, names in os.walk(site):
            for name_ in names:
                path = os.path.join(where, name_)
                self.files[os.path.relpath(path, site)] = path
        # Everything but the texts for people (the how-to, the font's licence).
        self.loaded = {name_: os.path.getsize(path) for name_, path in self.files.items()
                       if not name_.endswith(".txt")}
        self.total = sum(self.loaded.values())
        self.brotli = 0
        for path in self.files.values():
            with open(path, "rb") as data:
                self.brotli += len(brotli.compress(data.read(), quality=11))
        with open(self.files["ancient-evil.js"], encoding="utf-8") as script:
            wasm, self.encoded_wasm = embedded_wasm(script.read())
        self.wasm = len(wasm)
        self.title, self.paint, self.keys, self.rows, self.grid = [], [], [], [], []


def row(label, pages, value):
    print("%-44s" % label + "".join("%14s" % value(page) for page in pages))


def report_weight(pages):
    row("", pages, lambda page: page.name)
    row("Page size on disk (everything it loads)", pages, lambda page: kib(page.total))
    for name in sorted(set().union(*(page.loaded for page in pages))):
        row("  " + name, pages, lambda page: kib(page.loaded.get(name, 0)))
    row("  the WebAssembly inside ancient-evil.js", pages, lambda page: kib(page.encoded_wasm))
    row("The WebAssembly, decoded", pages, lambda page: kib(page.wasm))
    row("The zip's files with brotli at quality 11", pages, lambda page: kib(page.brotli))
    after = pages[-1]
    print("Within the budget of %s: %s" % (kib(BUDGET), "yes" if after.total <= BUDGET else
                                          "NO, OVER THE BUDGET"))
    return after.total <= BUDGET


def to_title(browser, page, loads):
    for _ in range(loads):
        browser.driver.get(site_url(page.site))
        browser.wait_for_key_wait()
        mark, paint = browser.run("""
            const mark = performance.getEntriesByName("ancient-evil: first frame")[0];
            const paint = performance.getEntriesByName("first-contentful-paint")[0];
            return [mark.startTime, paint ? paint.startTime : null];""")
        page.title.append(mark)
        if paint is not None:
            page.paint.append(paint)


def time_a_round(browser, page, keys, grids):
    server = StaticServer(page.site, isolated=True)
    try:
        browser.driver.get(server.url + "index.html")
        browser.wait_for_key_wait()
        browser.driver.execute_async_script(PLAY_AND_TIME, keys)  # the warm-up game
        browser.driver.find_element("id", "again").click()
        browser.wait_for(lambda: browser.state()[:2] == ["playing", "false"], "a new game")
        times, rows = browser.driver.execute_async_script(PLAY_AND_TIME, keys)
        page.keys += times
        page.rows += rows
        page.grid += browser.run(DRAW_STATIC, grids, 400)
    finally:
        server.close()


def report_times(pages, loads, rounds, key_count):
    row("Navigation to the title drawn (%d loads)" % loads, pages, lambda page: "")
    row("  median", pages, lambda page: ms(statistics.median(page.title)))
    row("  slowest", pages, lambda page: ms(max(page.title)))
    row("  first contentful paint, median", pages,
        lambda page: ms(statistics.median(page.paint)) if page.paint else "-")
    row("Key to the changed rows drawn (%d x %d keys)" % (rounds, key_count), pages, lambda p: "")
    row("  median", pages, lambda page: ms(statistics.median(page.keys)))
    row("  p99", pages, lambda page: ms(percentile(page.keys, 0.99)))
    row("  rows redrawn per key, mean of 49", pages, lambda page: "%.1f" % statistics.mean(page.rows))
    row("A whole static 80x49 grid drawn, median", pages,
        lambda page: ms(statistics.median(page.grid)))
    ratios = ["median %.2fx, p99 %.2fx" % (statistics.median(page.keys) / statistics.median(page.grid),
                                          percentile(page.keys, 0.99) / statistics.median(page.grid))
              for page in pages]
    print("Key to rows against a static grid: %s%s"
          % (ratios[-1], " (%s: %s)" % (pages[0].name, ratios[0]) if len(pages) > 1 else ""))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--site", default=os.path.join(ROOT, "build-web", "site"))
    parser.add_argument("--before", help="the site of another build, measured beside it")
    parser.add_argument("--playthrough",
                        default=os.path.join(ROOT, "build", "tools", "screenshot", "ae-playthrough"))
    parser.add_argument("--assets", default=os.path.join(ROOT, "assets"))
    parser.add_argument("--loads", type=int, default=5)
    parser.add_argument("--rounds", type=int, default=3)
    options = parser.parse_args()

    pages = ([Page("before", options.before)] if options.before else []) + [
        Page("after" if options.before else "this page", options.site)]
    within = report_weight(pages)
    game = Playthrough(options.playthrough, options.assets)
    keys = [key for key, _ in game.page_keys()]
    grids = []
    for index in (0, len(game.frames) // 2):
        texts, colours = game.frames[index]
        grids.append([[text, [int(c, 16) for c in colour_row]]
                      for text, colour_row in zip(texts, colours)])
    browser = Chromium()
    try:
        browser.fix_clock(CLOCK_FOR_SEED_1)
        for page in pages:
            to_title(browser, page, options.loads)
        for _ in range(options.rounds):
            for page in pages:
                time_a_round(browser, page, keys, grids)
    finally:
        browser.close()
    report_times(pages, options.loads, options.rounds, len(keys))
    return 0 if within else 1


if __name__ == "__main__":
    sys.exit(main())

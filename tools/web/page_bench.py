#!/usr/bin/python3
"""Measures the game's page in headless Chromium (make bench-web):

- its size on disk, every file it loads, with the WebAssembly inside the
  game's script, against the budget of 600 KB;
- the time from navigation to the title drawn;
- the time from a key to the changed rows drawn (the DOM updated and laid
  out), median and p99 over a whole game of the careful automatic player,
  with how many rows a frame redraws;
- beside it, in the same browser and page, the time to draw a whole static
  80x49 grid through the same code.

usage: page_bench.py [--site DIR] [--playthrough NATIVE_AE_PLAYTHROUGH]
                     [--assets DIR] [--loads N]
Run with /usr/bin/python3 (Debian's python3-selenium)."""

import argparse
import base64
import os
import re
import statistics
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from page_driver import CLOCK_FOR_SEED_1, Chromium, Playthrough, site_url  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BUDGET = 600 * 1024

# Plays the keys one after another, each once the game waits again, and
# times each from the key to its rows drawn and laid out.
PLAY_AND_TIME = """
const [keys, done] = arguments;
const screen = document.getElementById("console");
const times = [];
const rows = [];
let next = 0, framesBefore = 0, started = 0, touched = 0;
const rowWatcher = new MutationObserver((changes) => { touched += changes.length; });
const watcher = new MutationObserver(() => {
  const waiting = screen.getAttribute("aria-busy") === "false" || screen.dataset.state === "over";
  if (!waiting || Number(screen.dataset.frames) <= framesBefore) return;
  void screen.offsetHeight;  // lay the rows out: drawn as far as a script can see
  times.push(performance.now() - started);
  rows.push(touched);
  press();
});
function press() {
  if (next === keys.length) {
    watcher.disconnect();
    rowWatcher.disconnect();
    done([times, rows]);
    return;
  }
  framesBefore = Number(screen.dataset.frames);
  touched = 0;
  const key = keys[next++];
  started = performance.now();
  document.dispatchEvent(new KeyboardEvent("keydown", {key, bubbles: true, cancelable: true}));
}
watcher.observe(screen, {attributes: true});
rowWatcher.observe(screen, {childList: true});
for (const row of screen.children) rowWatcher.observe(row, {childList: true});
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
  window.ancientEvilPage.showRows(rows);
  void screen.offsetHeight;
  times.push(performance.now() - started);
}
return times;
"""


def kib(size):
    return "%.1f KB" % (size / 1024)


def percentile(values, share):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(round(share * (len(ordered) - 1))))]


def sizes(site):
    files = {}
    for where, _, names in os.walk(site):
        for name in names:
            path = os.path.join(where, name)
            files[os.path.relpath(path, site)] = os.path.getsize(path)
    # Everything but the texts for people (the how-to, the font's licence).
    loaded = {name: size for name, size in files.items() if not name.endswith(".txt")}
    with open(os.path.join(site, "ancient-evil.js"), encoding="utf-8") as script:
        embedded = re.search(r"data:application/octet-stream;base64,([A-Za-z0-9+/=]+)",
                             script.read())
    wasm = len(base64.b64decode(embedded.group(1))) if embedded else 0
    total = sum(loaded.values())
    print("Page size on disk (everything it loads): %s of %s (%s)"
          % (kib(total), kib(BUDGET), "within" if total <= BUDGET else "OVER THE BUDGET"))
    for name in sorted(loaded):
        print("  %-32s %10s" % (name, kib(loaded[name])))
    print("  %-32s %10s (inside ancient-evil.js as base64: %s)"
          % ("the WebAssembly", kib(wasm), kib(len(embedded.group(1)) if embedded else 0)))
    print("  %-32s %10s" % ("the script without it", kib(loaded["ancient-evil.js"] - (
        len(embedded.group(1)) if embedded else 0))))
    return total <= BUDGET


def to_title(browser, url, loads):
    times, paints = [], []
    for _ in range(loads):
        browser.driver.get(url)
        browser.wait_for_key_wait()
        mark, paint = browser.run("""
            const mark = performance.getEntriesByName("ancient-evil: first frame")[0];
            const paint = performance.getEntriesByName("first-contentful-paint")[0];
            return [mark.startTime, paint ? paint.startTime : null];""")
        times.append(mark)
        if paint is not None:
            paints.append(paint)
    print("Navigation to the title drawn: median %.1f ms, slowest %.1f ms (%d loads)"
          % (statistics.median(times), max(times), loads))
    if paints:
        print("  first contentful paint: median %.1f ms" % statistics.median(paints))


def key_to_rows(browser, game):
    keys = [key for key, _ in game.page_keys()]
    times, rows = browser.driver.execute_async_script(PLAY_AND_TIME, keys)
    state = browser.state()[0]
    print("Key to the changed rows drawn, over a whole game (%d keys, ended: %s):"
          % (len(times), state))
    print("  median %.3f ms, p99 %.3f ms, slowest %.3f ms"
          % (statistics.median(times), percentile(times, 0.99), max(times)))
    print("  rows redrawn per key: mean %.1f of 49, most %d"
          % (statistics.mean(rows), max(rows)))
    return statistics.median(times), percentile(times, 0.99)


def static_grid(browser, game, count=400):
    grids = []
    for index in (0, len(game.frames) // 2):
        texts, colours = game.frames[index]
        grids.append([[text, [int(c, 16) for c in colour_row]]
                      for text, colour_row in zip(texts, colours)])
    times = browser.run(DRAW_STATIC, grids, count)
    print("A whole static 80x49 grid drawn, same page: median %.3f ms, p99 %.3f ms (%d draws)"
          % (statistics.median(times), percentile(times, 0.99), count))
    return statistics.median(times)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--site", default=os.path.join(ROOT, "build-web", "site"))
    parser.add_argument("--playthrough",
                        default=os.path.join(ROOT, "build", "tools", "screenshot", "ae-playthrough"))
    parser.add_argument("--assets", default=os.path.join(ROOT, "assets"))
    parser.add_argument("--loads", type=int, default=5)
    options = parser.parse_args()

    within = sizes(options.site)
    game = Playthrough(options.playthrough, options.assets)
    browser = Chromium()
    try:
        browser.fix_clock(CLOCK_FOR_SEED_1)
        url = site_url(options.site)
        to_title(browser, url, options.loads)
        browser.driver.get(url)
        browser.wait_for_key_wait()
        median, p99 = key_to_rows(browser, game)
        grid = static_grid(browser, game)
        print("Key to rows against a static grid: median %.2fx, p99 %.2fx"
              % (median / grid, p99 / grid))
    finally:
        browser.close()
    return 0 if within else 1


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/python3
"""A PNG screenshot of the game's page in headless Chromium (or another
engine), for the README and for looking at the page: the careful
automatic player's seeded game (seed 1), after as many of its keys as
asked, in a window of the size asked (make web-screenshot).

usage: page_screenshot.py OUTPUT.png [--site DIR] [--playthrough NATIVE_AE_PLAYTHROUGH]
                          [--assets DIR] [--keys N] [--size WIDTHxHEIGHT] [--phone]
                          [--engine chromium|webkit|firefox]
Run with /usr/bin/python3 (Debian's python3-selenium)."""

import argparse
import os
import sys

from page_driver import ENGINES, open_browser
from page_site import site_url
from playthrough import CLOCK_FOR_SEED_1, Playthrough

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("output")
    parser.add_argument("--site", default=os.path.join(ROOT, "build-web", "site"))
    parser.add_argument("--playthrough",
                        default=os.path.join(ROOT, "build", "tools", "screenshot", "ae-playthrough"))
    parser.add_argument("--assets", default=os.path.join(ROOT, "assets"))
    parser.add_argument("--keys", type=int, default=1, help="keys of the game to press first")
    parser.add_argument("--size", default="1000x1000")
    parser.add_argument("--phone", action="store_true",
                        help="a phone's viewport of that size rather than a window")
    parser.add_argument("--engine", choices=sorted(ENGINES), default="chromium")
    options = parser.parse_args()
    width, height = (int(n) for n in options.size.split("x"))

    keys = [key for key, _ in Playthrough(options.playthrough, options.assets).page_keys()]
    browser = open_browser(options.engine, *((800, 900) if options.phone else (width, height)))
    try:
        if options.phone:
            browser.emulate_phone(width, height)
        browser.fix_clock(CLOCK_FOR_SEED_1)
        browser.open(site_url(browser.page_folder(options.site)))
        frames = browser.wait_for_key_wait()
        for key in keys[:options.keys]:
            browser.run("""document.dispatchEvent(new KeyboardEvent("keydown",
                           {key: arguments[0], bubbles: true, cancelable: true}));""", key)
            frames = browser.wait_for_key_wait(frames)
        browser.run("return document.fonts.ready")
        if not browser.screenshot(options.output):
            print("could not write %s" % options.output, file=sys.stderr)
            return 1
    finally:
        browser.close()
    return 0


if __name__ == "__main__":
    sys.exit(main())

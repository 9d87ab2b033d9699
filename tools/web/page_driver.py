"""Opens a browser of each engine players use, for the page's tests, its
benchmark and its screenshots: headless Chromium, WebKitGTK under an X
server of its own, headless Firefox. What every browser does with the
page is page_browser.py's; the engines' own drivers are
selenium_browsers.py (Chromium and WebKitGTK, through Debian's
python3-selenium, so run with /usr/bin/python3) and firefox_bidi.py
(Firefox, which speaks WebDriver BiDi by itself). Where the page is
opened from is page_site.py's, the native game to compare it with
playthrough.py's."""

import shutil

from selenium_browsers import Chromium, WebKit

# Each engine, the programs it needs and the Debian packages they are in.
ENGINES = {"chromium": [("chromium", "chromium"), ("chromedriver", "chromium-driver")],
           "webkit": [("WebKitWebDriver", "webkit2gtk-driver"), ("Xvfb", "xvfb"),
                      (WebKit.MINIBROWSER, "libwebkit2gtk-4.1-0")],
           "firefox": [("firefox-esr", "firefox-esr")]}


def open_browser(engine, width=1280, height=1024):
    """A browser of the named engine (chromium, webkit or firefox), closed
    with close()."""
    for program, package in ENGINES[engine]:
        if not shutil.which(program):
            raise RuntimeError("%s is missing: install Debian's %s" % (program, package))
    if engine == "firefox":
        from firefox_bidi import Firefox  # python3-websocket, needed for Firefox alone
        return Firefox(width, height)
    return {"chromium": Chromium, "webkit": WebKit}[engine](width, height)

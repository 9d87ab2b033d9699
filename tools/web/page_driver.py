"""Driving the game's page in a browser, for the page's tests, its
benchmark and its screenshots: a browser of each engine players use
(open_browser: headless Chromium, WebKitGTK under an X server of its own,
headless Firefox), a static server on 127.0.0.1 for the page, reading
#console back as text and colours, and the careful automatic player's
game from the native build as the keys to type and the frames to expect.
Chromium and WebKitGTK are driven through Debian's python3-selenium, so
run with /usr/bin/python3; Firefox speaks WebDriver BiDi by itself
(firefox_bidi.py)."""

import functools
import http.server
import os
import shutil
import subprocess
import tempfile
import threading
import time
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.webkitgtk.options import Options as WebKitGTKOptions

COLUMNS = 80
ROWS = 49
# Generous: the machine may be busy with builds and other browsers.
TIMEOUT = 120
# A wall clock late in 2025 whose low 32 bits are 1: the page's game then
# plays with seed 1, the careful player's winning game.
CLOCK_FOR_SEED_1 = 411 * 2 ** 32 + 1

# The screen as rows of text and of colours, one hex digit per cell.
READ_SCREEN = """
const rows = Array.from(document.getElementById("console").children);
return rows.map((row) => {
  let colours = "";
  for (const run of row.children) {
    colours += parseInt(run.className.slice(1), 10).toString(16).repeat(run.textContent.length);
  }
  return [row.textContent, colours];
});
"""


# Plays keys one after another, each once the game waits for it, as fast
# as the game takes them, until the last or the game's end.
PLAY = """
const [keys, done] = arguments;
const screen = document.getElementById("console");
let next = 0;
const watcher = new MutationObserver(press);
function press() {
  const playing = screen.dataset.state === "playing";
  if (playing && screen.getAttribute("aria-busy") !== "false") return;
  if (next === keys.length || !playing) {
    watcher.disconnect();
    done();
    return;
  }
  const key = keys[next++];
  document.dispatchEvent(new KeyboardEvent("keydown", {key, bubbles: true}));
  document.dispatchEvent(new KeyboardEvent("keyup", {key, bubbles: true}));
}
watcher.observe(screen, {attributes: true});
press();
"""

# What the page's tests see of errors where the browser's own log cannot
# be read (WebKitGTK's driver, Firefox's BiDi here): every error and
# warning the page writes or throws, kept in the page.
KEEP_ERRORS = """
(() => {
  const errors = [];
  window.pageDriverErrors = errors;
  addEventListener("error", (event) => errors.push(String(event.message)));
  addEventListener("unhandledrejection", (event) => errors.push(String(event.reason)));
  for (const level of ["error", "warn"]) {
    const write = console[level];
    console[level] = (...parts) => {
      errors.push(parts.join(" "));
      write.apply(console, parts);
    };
  }
})();
"""

# The key names the tests use, as WebDriver's key codes: Enter is the main
# keyboard's (WebDriver's Return), not the keypad's.
WEBDRIVER_KEYS = {"Enter": "\ue006", "ArrowUp": "\ue013", "ArrowDown": "\ue015"}


def fixed_clock(milliseconds):
    return "Date.now = () => %d;" % milliseconds


def page_copy(site, prelude):
    """A copy of the site in a new temporary folder whose index.html runs
    prelude (JavaScript) before anything else, by a script that then takes
    itself out of the page; the caller removes the folder."""
    folder = tempfile.mkdtemp(prefix="ae-page-")
    copy = os.path.join(folder, "site")
    shutil.copytree(site, copy)
    index = os.path.join(copy, "index.html")
    with open(index, encoding="utf-8") as page:
        html = page.read()
    with open(index, "w", encoding="utf-8") as page:
        page.write(html.replace(
            "<head>", "<head>\n<script>%s\ndocument.currentScript.remove();</script>" % prelude, 1))
    return copy


class Browser:
    """What every engine does with the page, through run(script, *args)
    (a function body, as WebDriver's execute_script takes it) and
    run_async(script, *args) (whose last argument is the callback)."""

    engine = None
    taps = True  # a touch pointer's tap is a finger's, not a mouse's click
    prelude = ""  # run before the page's own scripts in every page opened
    copies = ()

    def close(self):
        for folder in self.copies:
            shutil.rmtree(os.path.dirname(folder), ignore_errors=True)

    def fix_clock(self, milliseconds):
        """Date.now() gives milliseconds in every page loaded from now on,
        from before any of its scripts runs."""
        self.before_every_page(fixed_clock(milliseconds))

    def before_every_page(self, script):
        raise NotImplementedError

    def page_folder(self, site):
        """The folder to open the site from: the site itself where the
        engine runs the prelude in every page by itself, otherwise a copy
        whose page runs it."""
        return site

    def emulate_phone(self, width, height):
        raise unittest.SkipTest("%s here cannot emulate a phone" % self.engine)

    def stop_emulation(self):
        pass

    def wait_for(self, condition, what, timeout=TIMEOUT):
        """Waits until condition(driver) is true and returns it; fails
        naming what."""
        end = time.monotonic() + timeout
        while True:
            result = condition(self.driver)
            if result:
                return result
            if time.monotonic() > end:
                raise AssertionError("waited %ds for %s" % (timeout, what))
            time.sleep(0.05)

    def screen(self):
        """The screen as (text, colours) per row."""
        return [tuple(row) for row in self.run(READ_SCREEN)]

    def state(self):
        return self.run("""const c = document.getElementById("console");
                           return [c.dataset.state, c.getAttribute("aria-busy"),
                                   Number(c.dataset.frames || 0)];""")

    def wait_for_key_wait(self, after_frames=0):
        """Until the game waits for a key with none left (or has ended),
        having drawn more than after_frames frames; the frame count then."""
        def waiting(driver):
            state, busy, frames = self.state()
            if state == "failed":
                raise AssertionError("the game failed: %s" % self.run(
                    "return document.getElementById('problem').textContent"))
            return frames if frames > after_frames and (busy == "false" or state == "over") \
                else False
        return self.wait_for(waiting, "the game to wait for a key")

    def errors(self):
        """What the page wrote to its console as errors or warnings."""
        return self.run("return window.pageDriverErrors || []")

    def press(self, *names):
        """Real key presses, as the keyboard sends them, one frame each."""
        for name in names:
            frames = self.state()[2]
            self.send_keys(name)
            self.wait_for_key_wait(frames)

    def hold_enter(self, while_held=lambda: None):
        """Enter pressed and held: once the page has taken it, it repeats as
        a held key does, then it is let go."""
        self.key_down("Enter")
        self.wait_for(lambda d: self.state()[1] == "false", "Enter taken")
        while_held()
        self.run("""for (let i = 0; i < 3; i++) document.dispatchEvent(new KeyboardEvent(
                      "keydown", {key: "Enter", code: "Enter", repeat: true}));""")
        self.key_up("Enter")

    def play(self, keys):
        """Key names typed one after another, each once the game waits."""
        self.run_async(PLAY, list(keys))

    def click_cell(self, column, row, touch=False):
        """A click, or a finger's tap, in the middle of a cell of the grid."""
        width, height = self.run("""const box = document.getElementById("console")
                                      .getBoundingClientRect();
                                    return [box.width, box.height];""")
        self.click("#console", touch, (int(width * ((column + 0.5) / COLUMNS - 0.5)),
                                       int(height * ((row + 0.5) / ROWS - 0.5))))

    def said(self):
        """What the page's live region says once the page has had its turn
        to speak."""
        return self.run_async("""const done = arguments[0];
            setTimeout(() => done(document.querySelector("[aria-live]").textContent));""").strip()

    # What only Chromium's DevTools protocol does here; a test that needs
    # one is skipped in the other engines.

    def accessible_texts(self):
        """The texts a screen reader finds on the page: its accessibility
        tree's text nodes."""
        raise unittest.SkipTest("%s here shows no accessibility tree" % self.engine)

    def installability_errors(self):
        """Why the browser would not install the page as an app, if it
        would not."""
        raise unittest.SkipTest("%s here cannot say whether it would install the page"
                                % self.engine)

    def go_offline(self, offline=True):
        """Every request from now on fails as with the network off, in
        Chromium; elsewhere nothing changes, and a test goes offline by
        closing its server."""

    def disable_scripts(self, disabled=True):
        """Pages loaded from now on run no script, as with JavaScript off."""
        raise unittest.SkipTest("%s here cannot switch JavaScript off" % self.engine)


class SeleniumBrowser(Browser):
    """An engine driven through selenium's WebDriver (self.driver)."""

    def open(self, url):
        self.driver.get(url)

    def run(self, script, *args):
        return self.driver.execute_script(script, *args)

    def run_async(self, script, *args):
        return self.driver.execute_async_script(script, *args)

    def send_keys(self, *names):
        """Real key presses, as the keyboard sends them (names as in
        KeyboardEvent.key, or text)."""
        ActionChains(self.driver).send_keys(
            "".join(WEBDRIVER_KEYS.get(name, name) for name in names)).perform()

    def key_down(self, name):
        ActionChains(self.driver).key_down(WEBDRIVER_KEYS.get(name, name)).perform()

    def key_up(self, name):
        ActionChains(self.driver).key_up(WEBDRIVER_KEYS.get(name, name)).perform()

    def click(self, selector, touch=False, at=(0, 0), times=1):
        """A click, or a finger's tap, at a point of the element (at: CSS
        pixels from its middle); twice is a double click. WebKitGTK's
        driver taps as a mouse clicks."""
        element = self.driver.find_element("css selector", selector)
        pointer = PointerInput(interaction.POINTER_TOUCH if touch else interaction.POINTER_MOUSE,
                               "finger" if touch else "mouse")
        actions = ActionBuilder(self.driver, mouse=pointer)
        actions.pointer_action.move_to(element, *at)
        for _ in range(times):
            actions.pointer_action.pointer_down().pointer_up()
        actions.perform()

    def set_window_size(self, width, height):
        self.driver.set_window_size(width, height)

    def screenshot(self, path):
        return self.driver.save_screenshot(path)


class Chromium(SeleniumBrowser):
    """A headless Chromium of its own (fresh profile), closed with close()."""

    engine = "Chromium"

    def __init__(self, width=1280, height=1024):
        self.profile = tempfile.mkdtemp(prefix="ae-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = shutil.which("chromium") or "/usr/bin/chromium"
        for flag in ["--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", "--disable-dev-shm-usage",
                     "--window-size=%d,%d" % (width, height),
                     "--user-data-dir=" + self.profile]:
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        service = Service(executable_path=shutil.which("chromedriver") or "/usr/bin/chromedriver")
        try:
            self.driver = webdriver.Chrome(service=service, options=options)
        except Exception:
            shutil.rmtree(self.profile, ignore_errors=True)
            raise
        self.driver.set_script_timeout(TIMEOUT * 5)

    def close(self):
        try:
            self.driver.quit()
        finally:
            shutil.rmtree(self.profile, ignore_errors=True)

    def emulate_phone(self, width, height):
        """The viewport of a phone of that size (in CSS pixels), touch
        included; a window cannot be made that narrow."""
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 2, "mobile": True})
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})

    def stop_emulation(self):
        self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})

    def before_every_page(self, script):
        self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": script})

    def errors(self):
        return [entry["message"] for entry in self.driver.get_log("browser")
                if entry["level"] in ("SEVERE", "WARNING")]

    def accessible_texts(self):
        tree = self.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        return [node["name"]["value"] for node in tree
                if not node.get("ignored") and node.get("role", {}).get("value") == "StaticText"]

    def installability_errors(self):
        return self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})[
            "installabilityErrors"]

    def go_offline(self, offline=True):
        self.driver.execute_cdp_cmd("Network.enable", {})
        self.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": offline, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})

    def disable_scripts(self, disabled=True):
        self.driver.execute_cdp_cmd("Emulation.setScriptExecutionDisabled", {"value": disabled})


class WebKit(SeleniumBrowser):
    """WebKitGTK's MiniBrowser through WebKitWebDriver (Debian's
    webkit2gtk-driver), in an X server of its own (Xvfb): WebKitGTK has
    no headless mode. Its driver can neither add a script to every page
    nor read the page's console, so the page is opened from a copy of the
    site that runs the prelude (page_folder) and keeps its errors."""

    engine = "WebKitGTK"
    taps = False
    MINIBROWSER = "/usr/lib/%s-linux-gnu/webkit2gtk-4.1/MiniBrowser" % os.uname().machine

    def __init__(self, width=1280, height=1024):
        self.prelude = KEEP_ERRORS
        self.copies = []
        self.display = XServer(width + 200, height + 200)
        options = WebKitGTKOptions()
        options.binary_location = self.MINIBROWSER
        options.add_argument("--automation")
        try:
            self.driver = webdriver.WebKitGTK(
                executable_path=shutil.which("WebKitWebDriver") or "/usr/bin/WebKitWebDriver",
                options=options)
        except Exception:
            self.display.close()
            raise
        self.driver.set_script_timeout(TIMEOUT * 5)
        self.driver.set_window_size(width, height)

    def close(self):
        try:
            self.driver.quit()
        finally:
            self.display.close()
            super().close()

    def before_every_page(self, script):
        self.prelude += script

    def page_folder(self, site):
        self.copies.append(page_copy(site, self.prelude))
        return self.copies[-1]


class XServer:
    """An Xvfb on a display number it picks itself, the DISPLAY of this
    process (and so of the browsers it starts) until close()."""

    def __init__(self, width, height):
        read, write = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "%dx%dx24" % (width, height),
             "-nolisten", "tcp"], pass_fds=[write], stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as pipe:
            number = pipe.readline().strip()
        if not number:
            self.process.kill()
            raise RuntimeError("Xvfb did not start (package xvfb)")
        self.previous = os.environ.get("DISPLAY")
        os.environ["DISPLAY"] = ":" + number

    def close(self):
        self.process.terminate()
        self.process.wait()
        if self.previous is None:
            os.environ.pop("DISPLAY", None)
        else:
            os.environ["DISPLAY"] = self.previous


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
        from firefox_bidi import Firefox
        return Firefox(width, height)
    return {"chromium": Chromium, "webkit": WebKit}[engine](width, height)


class StaticServer:
    """Serves a folder on 127.0.0.1 on a port the system picks as free.
    Isolated, its pages are cross-origin isolated (COOP and COEP), which
    lets their clock (performance.now) read to 5 us rather than 100 us.
    The files named in refused go out as a server without their types
    and with a common hardening header sends them, which browsers refuse
    to run as scripts. Uncached, the browser's own cache keeps none of its
    files, so that only the page's service worker can play it offline.
    headers go out with every file, as a site's own (a Cache-Control, a
    Content-Security-Policy)."""

    def __init__(self, folder, isolated=False, refused=(), uncached=False, headers=None):
        handler = functools.partial(IsolatingHandler if isolated else
                                    UncachedHandler if uncached else QuietHandler,
                                    directory=folder)
        if refused:
            handler = functools.partial(RefusingHandler, refused=refused, directory=folder)
        if headers:
            handler = functools.partial(SiteHeadersHandler, sent=headers, directory=folder)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()
        self.url = "http://127.0.0.1:%d/" % self.server.server_address[1]

    def close(self):
        self.server.shutdown()
        self.server.server_close()
        self.thread.join()


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class IsolatingHandler(QuietHandler):
    def end_headers(self):
        self.send_header("Cross-Origin-Opener-Policy", "same-origin")
        self.send_header("Cross-Origin-Embedder-Policy", "require-corp")
        super().end_headers()


class UncachedHandler(QuietHandler):
    def end_headers(self):
        self.send_header("Cache-Control", "no-store")
        super().end_headers()


class SiteHeadersHandler(QuietHandler):
    def __init__(self, *args, sent, **kwargs):
        self.sent = sent
        super().__init__(*args, **kwargs)

    def end_headers(self):
        for name, value in self.sent.items():
            self.send_header(name, value)
        super().end_headers()


class RefusingHandler(QuietHandler):
    def __init__(self, *args, refused, **kwargs):
        self.refused = refused
        super().__init__(*args, **kwargs)

    def guess_type(self, path):
        refused = os.path.basename(path) in self.refused
        return "application/octet-stream" if refused else super().guess_type(path)

    def end_headers(self):
        self.send_header("X-Content-Type-Options", "nosniff")
        super().end_headers()


class Playthrough:
    """The careful automatic player's game as ae-playthrough prints it:
    frames (rows of text, rows of colour digits), the screen of each, the
    key byte read after each and what each tells a screen reader."""

    def __init__(self, program, assets, seed=1, runner=()):
        output = subprocess.run([*runner, program, "--seed", str(seed), "--data", assets],
                                capture_output=True, check=True).stdout.decode("utf-8")
        lines = output.split("\n")
        self.seed = int(lines[0].split()[1])
        self.outcome = lines[1].split()[1]
        count = int(lines[2].split()[1])
        self.frames, self.screens, self.keys, self.said = [], [], [], []
        at = 3
        for _ in range(count):
            _, _, _, screen, _, key = lines[at].split()
            self.said.append(lines[at + 1][len("said "):])
            rows = [line[:-1] for line in lines[at + 2:at + 2 + 2 * ROWS]]
            self.frames.append((rows[:ROWS], rows[ROWS:]))
            self.screens.append(int(screen))
            self.keys.append(int(key))
            at += 2 + 2 * ROWS

    def page_keys(self):
        """The keys a player types on the page for this game, each with the
        index of the frame on view once the game has read it."""
        keys = []
        i = 0
        while i + 1 < len(self.frames):
            byte = self.keys[i]
            if byte == 224:
                keys.append(({72: "ArrowUp", 80: "ArrowDown"}[self.keys[i + 1]], i + 2))
                i += 2
            else:
                keys.append(("Enter" if byte == 13 else bytes([byte]).decode("cp1251"), i + 1))
                i += 1
        return keys


def same_screen(screen, frame):
    """Where a screen read from the page differs from a frame: the text of
    every cell, and the colour of every cell that shows a character (a
    blank shows no colour, and the page draws it in its neighbour's)."""
    texts, colours = frame
    differences = []
    for row, ((shown_text, shown_colours), text, colour_row) in enumerate(
            zip(screen, texts, colours)):
        if shown_text != text:
            differences.append("row %d text:\n  page  |%s|\n  frame |%s|" % (row, shown_text, text))
            continue
        for column, ch in enumerate(text):
            if ch != " " and shown_colours[column] != colour_row[column]:
                differences.append("row %d column %d: colour %s on the page, %s in the frame"
                                   % (row, column, shown_colours[column], colour_row[column]))
                break
    return differences


def site_url(folder):
    return "file://" + os.path.abspath(os.path.join(folder, "index.html"))

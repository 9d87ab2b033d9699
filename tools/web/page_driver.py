"""Driving the game's page in headless Chromium, for the page's tests and
its benchmark: the browser (Debian's chromium and chromium-driver through
python3-selenium, so run with /usr/bin/python3), a static server on
127.0.0.1 for the page, reading #console back as text and colours, and
the careful automatic player's game from the native build as the keys to
type and the frames to expect."""

import functools
import http.server
import os
import shutil
import subprocess
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

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


class Chromium:
    """A headless Chromium of its own (fresh profile), closed with close()."""

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

    def fix_clock(self, milliseconds):
        """Date.now() gives milliseconds in every page loaded from now on,
        from before any of its scripts runs."""
        self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                    {"source": "Date.now = () => %d;" % milliseconds})

    def wait_for(self, condition, what, timeout=TIMEOUT):
        """Waits until condition(driver) is true; fails naming what."""
        return WebDriverWait(self.driver, timeout, poll_frequency=0.05).until(
            condition, "waited %ds for %s" % (timeout, what))

    def run(self, script, *args):
        return self.driver.execute_script(script, *args)

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

    def press(self, *names):
        """Real key presses, as the keyboard sends them, one frame each."""
        from selenium.webdriver.common.action_chains import ActionChains
        from selenium.webdriver.common.keys import Keys
        named = {"Enter": Keys.ENTER, "ArrowDown": Keys.ARROW_DOWN, "ArrowUp": Keys.ARROW_UP}
        for name in names:
            frames = self.state()[2]
            ActionChains(self.driver).send_keys(named.get(name, name)).perform()
            self.wait_for_key_wait(frames)

    def hold_enter(self, while_held=lambda: None):
        """Enter pressed and held: once the page has taken it, it repeats as
        a held key does, then it is let go."""
        from selenium.webdriver.common.action_chains import ActionChains
        from selenium.webdriver.common.keys import Keys
        ActionChains(self.driver).key_down(Keys.RETURN).perform()
        self.wait_for(lambda d: self.state()[1] == "false", "Enter taken")
        while_held()
        self.run("""for (let i = 0; i < 3; i++) document.dispatchEvent(new KeyboardEvent(
                      "keydown", {key: "Enter", code: "Enter", repeat: true}));""")
        ActionChains(self.driver).key_up(Keys.RETURN).perform()

    def play(self, keys):
        """Key names typed one after another, each once the game waits."""
        self.driver.execute_async_script(PLAY, list(keys))

    def click_cell(self, column, row, touch=False):
        """A click, or a finger's tap, in the middle of a cell of the grid."""
        from selenium.webdriver.common.actions import interaction
        from selenium.webdriver.common.actions.action_builder import ActionBuilder
        from selenium.webdriver.common.actions.pointer_input import PointerInput
        grid = self.driver.find_element("id", "console")
        box = grid.rect
        pointer = PointerInput(interaction.POINTER_TOUCH if touch else interaction.POINTER_MOUSE,
                               "finger" if touch else "mouse")
        actions = ActionBuilder(self.driver, mouse=pointer)
        actions.pointer_action.move_to(grid, int(box["width"] * ((column + 0.5) / COLUMNS - 0.5)),
                                       int(box["height"] * ((row + 0.5) / ROWS - 0.5)))
        actions.pointer_action.pointer_down().pointer_up()
        actions.perform()

    def said(self):
        """What the page's live region says once the page has had its turn
        to speak."""
        return self.driver.execute_async_script("""const done = arguments[0];
            setTimeout(() => done(document.querySelector("[aria-live]").textContent));""").strip()

    # What only Chromium's DevTools protocol can do.

    def accessible_texts(self):
        """The texts a screen reader finds on the page: its accessibility
        tree's text nodes."""
        tree = self.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        return [node["name"]["value"] for node in tree
                if not node.get("ignored") and node.get("role", {}).get("value") == "StaticText"]

    def installability_errors(self):
        """Why Chromium would not install the page as an app, if it would not."""
        return self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})[
            "installabilityErrors"]

    def go_offline(self, offline=True):
        self.driver.execute_cdp_cmd("Network.enable", {})
        self.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": offline, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})

    def disable_scripts(self, disabled=True):
        """Pages loaded from now on run no script, as with JavaScript off."""
        self.driver.execute_cdp_cmd("Emulation.setScriptExecutionDisabled", {"value": disabled})

    def errors(self):
        """What the page wrote to its console as errors or warnings."""
        return [entry["message"] for entry in self.driver.get_log("browser")
                if entry["level"] in ("SEVERE", "WARNING")]


class StaticServer:
    """Serves a folder on 127.0.0.1 on a port the system picks as free.
    Isolated, its pages are cross-origin isolated (COOP and COEP), which
    lets their clock (performance.now) read to 5 us rather than 100 us.
    The files named in refused go out as a server without their types
    and with a common hardening header sends them, which browsers refuse
    to run as scripts."""

    def __init__(self, folder, isolated=False, refused=()):
        handler = functools.partial(IsolatingHandler if isolated else QuietHandler,
                                    directory=folder)
        if refused:
            handler = functools.partial(RefusingHandler, refused=refused, directory=folder)
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
    frames (rows of text, rows of colour digits), the screen of each and
    the key byte read after each."""

    def __init__(self, program, assets, seed=1, runner=()):
        output = subprocess.run([*runner, program, "--seed", str(seed), "--data", assets],
                                capture_output=True, check=True).stdout.decode("utf-8")
        lines = output.split("\n")
        self.seed = int(lines[0].split()[1])
        self.outcome = lines[1].split()[1]
        count = int(lines[2].split()[1])
        self.frames, self.screens, self.keys = [], [], []
        at = 3
        for _ in range(count):
            _, _, _, screen, _, key = lines[at].split()
            rows = [line[:-1] for line in lines[at + 1:at + 1 + 2 * ROWS]]
            self.frames.append((rows[:ROWS], rows[ROWS:]))
            self.screens.append(int(screen))
            self.keys.append(int(key))
            at += 1 + 2 * ROWS

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

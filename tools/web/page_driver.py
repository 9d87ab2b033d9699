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

    def errors(self):
        """What the page wrote to its console as errors or warnings."""
        return [entry["message"] for entry in self.driver.get_log("browser")
                if entry["level"] in ("SEVERE", "WARNING")]


class StaticServer:
    """Serves a folder on 127.0.0.1 on a port the system picks as free.
    Isolated, its pages are cross-origin isolated (COOP and COEP), which
    lets their clock (performance.now) read to 5 us rather than 100 us."""

    def __init__(self, folder, isolated=False):
        handler = functools.partial(IsolatingHandler if isolated else QuietHandler,
                                    directory=folder)
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

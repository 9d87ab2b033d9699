"""What every engine does with the game's page, through the few primitives
each engine's driver gives (run, run_async, open, send_keys, key_down,
key_up, click, set_window_size, screenshot, before_every_page): waiting
for the game, reading #console back as text and colours, pressing keys
and clicking cells, hearing the live region. The drivers are
selenium_browsers.py (Chromium, WebKitGTK) and firefox_bidi.py (Firefox);
page_driver.py opens one."""

import time
import unittest

COLUMNS = 80
ROWS = 49
# Generous: the machine may be busy with builds and other browsers.
TIMEOUT = 120

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



class Browser:
    """What every engine does with the page, through run(script, *args)
    (a function body, as WebDriver's execute_script takes it) and
    run_async(script, *args) (whose last argument is the callback)."""

    engine = None
    taps = True  # a touch pointer's tap is a finger's, not a mouse's click
    prelude = ""  # run before the page's own scripts in every page opened

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

    def enter_frame(self):
        """Scripts and input go to the page's first frame from now on, until
        leave_frame()."""
        raise NotImplementedError

    def leave_frame(self):
        raise NotImplementedError

    def emulate_phone(self, width, height):
        raise unittest.SkipTest("%s here cannot emulate a phone" % self.engine)

    def stop_emulation(self):
        pass

    def wait_for(self, condition, what, timeout=TIMEOUT):
        """Waits until condition() is true and returns it; fails naming
        what."""
        end = time.monotonic() + timeout
        while True:
            result = condition()
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
        def waiting():
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
        self.wait_for(lambda: self.state()[1] == "false", "Enter taken")
        while_held()
        self.run("""for (let i = 0; i < 3; i++) document.dispatchEvent(new KeyboardEvent(
                      "keydown", {key: "Enter", code: "Enter", repeat: true}));""")
        self.key_up("Enter")

    def play(self, keys):
        """Key names typed one after another, each once the game waits."""
        self.run_async(PLAY, list(keys))

    def click_cell(self, column, row, touch=False, below=0, times=1, pause=0):
        """A click, or a finger's tap, in the middle of a cell of the grid,
        or that many CSS pixels below it; times and pause as click's."""
        width, height = self.run("""const box = document.getElementById("console")
                                      .getBoundingClientRect();
                                    return [box.width, box.height];""")
        self.click("#console", touch, (int(width * ((column + 0.5) / COLUMNS - 0.5)),
                                       int(height * ((row + 0.5) / ROWS - 0.5) + below)),
                   times, pause)

    def shown(self):
        """The record of the frame on view, as the game handed it to the
        page."""
        return self.run("return window.ancientEvilPage.shown()")

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

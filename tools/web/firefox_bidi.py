"""Firefox for the page's tests, driven through WebDriver BiDi, which it
speaks by itself over a websocket (--remote-debugging-port): Debian has
no geckodriver. A small client of the protocol, over Debian's
python3-websocket, gives page_browser.py's Browser what it needs:
navigating, running scripts, scripts before every page, key presses and
clicks as the user's, the viewport's size and screenshots."""

import base64
import json
import os
import re
import shutil
import subprocess
import tempfile
import time

import websocket

from page_browser import KEEP_ERRORS, TIMEOUT, WEBDRIVER_KEYS, Browser


class Firefox(Browser):
    """A headless Firefox (firefox-esr) with a fresh profile of its own,
    closed with close()."""

    engine = "Firefox"

    def __init__(self, width=1280, height=1024):
        self.profile = tempfile.mkdtemp(prefix="ae-firefox-")
        self.log = os.path.join(self.profile, "firefox.log")
        with open(self.log, "w") as log:
            self.process = subprocess.Popen(
                [shutil.which("firefox-esr") or shutil.which("firefox") or "firefox-esr",
                 "--headless", "--no-remote", "--profile", self.profile,
                 "--remote-debugging-port=0", "about:blank"],
                stdout=log, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        self.socket = None
        try:
            self.socket = websocket.create_connection(self.address() + "/session",
                                                      timeout=TIMEOUT * 5, suppress_origin=True)
            self.last_id = 0
            self.command("session.new", {"capabilities": {}})
            self.context = self.command("browsingContext.getTree", {})["contexts"][0]["context"]
            self.set_window_size(width, height)
            self.before_every_page(KEEP_ERRORS)
        except Exception:
            self.close()
            raise

    def address(self):
        """The websocket Firefox says it listens on, once it has."""
        end = time.monotonic() + TIMEOUT
        while time.monotonic() < end and self.process.poll() is None:
            with open(self.log, errors="replace") as log:
                found = re.search(r"WebDriver BiDi listening on (ws://\S+)", log.read())
            if found:
                return found.group(1)
            time.sleep(0.1)
        with open(self.log, errors="replace") as log:
            raise RuntimeError("Firefox did not start its WebDriver BiDi:\n" + log.read()[-2000:])

    def close(self):
        try:
            if self.socket is not None:
                self.socket.close()
            self.process.terminate()
            try:
                self.process.wait(timeout=30)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        finally:
            shutil.rmtree(self.profile, ignore_errors=True)

    def command(self, method, params):
        """Sends a command and returns its result; events are not asked for."""
        self.last_id += 1
        self.socket.send(json.dumps({"id": self.last_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") != self.last_id:
                continue
            if message.get("type") == "error":
                raise RuntimeError("%s: %s: %s" % (method, message.get("error"),
                                                   message.get("message")))
            return message["result"]

    def call(self, function, args, wait_for_promise):
        result = self.command("script.callFunction", {
            "functionDeclaration": function, "target": {"context": self.context},
            "arguments": [local_value(arg) for arg in args], "awaitPromise": wait_for_promise,
            "resultOwnership": "none", "userActivation": True})
        if result["type"] == "exception":
            details = result["exceptionDetails"]
            raise RuntimeError("the page's script threw: %s" % details.get("text"))
        return python_value(result["result"])

    def run(self, script, *args):
        return self.call("function () {\n%s\n}" % script, args, False)

    def run_async(self, script, *args):
        return self.call("""function (...args) {
          return new Promise((done) => {
            (function () {\n%s\n}).apply(null, args.concat([done]));
          });
        }""" % script, args, True)

    def before_every_page(self, script):
        self.command("script.addPreloadScript", {"functionDeclaration": "() => {\n%s\n}" % script})

    def open(self, url):
        self.command("browsingContext.navigate",
                     {"context": self.context, "url": url, "wait": "complete"})

    def send_keys(self, *names):
        presses = []
        for name in names:
            for key in [WEBDRIVER_KEYS[name]] if name in WEBDRIVER_KEYS else name:
                presses += [{"type": "keyDown", "value": key}, {"type": "keyUp", "value": key}]
        self.perform({"type": "key", "id": "keyboard", "actions": presses})

    def key_down(self, name):
        self.perform({"type": "key", "id": "keyboard", "actions": [
            {"type": "keyDown", "value": WEBDRIVER_KEYS.get(name, name)}]})

    def key_up(self, name):
        self.perform({"type": "key", "id": "keyboard", "actions": [
            {"type": "keyUp", "value": WEBDRIVER_KEYS.get(name, name)}]})

    def click(self, selector, touch=False, at=(0, 0), times=1, pause=0):
        element = self.call("function (selector) { return document.querySelector(selector); }",
                            [selector], False)
        if not isinstance(element, dict) or "sharedId" not in element:
            raise AssertionError("no element %s to click" % selector)
        pointer = "touch" if touch else "mouse"
        presses = []
        for index in range(times):
            if index > 0 and pause > 0:
                presses.append({"type": "pause", "duration": int(pause * 1000)})
            presses += [{"type": "pointerDown", "button": 0}, {"type": "pointerUp", "button": 0}]
        self.perform({"type": "pointer", "id": pointer, "parameters": {"pointerType": pointer},
                      "actions": [{"type": "pointerMove", "x": at[0], "y": at[1], "origin": {
                          "type": "element", "element": {"sharedId": element["sharedId"]}}}] +
                      presses})

    def enter_frame(self):
        self.top = self.context
        self.context = self.wait_for(lambda: self.command(
            "browsingContext.getTree", {"root": self.top})["contexts"][0]["children"],
            "the frame")[0]["context"]

    def leave_frame(self):
        self.context = self.top

    def perform(self, source):
        self.command("input.performActions", {"context": self.context, "actions": [source]})

    def set_window_size(self, width, height):
        self.command("browsingContext.setViewport",
                     {"context": self.context, "viewport": {"width": width, "height": height}})

    def emulate_phone(self, width, height):
        """A phone's pixel density and viewport, the viewport last so that
        the page sees the density when it is told of the new size; not its
        touch screen."""
        self.set_pixel_ratio(2)
        self.set_window_size(width, height)

    def stop_emulation(self):
        self.set_pixel_ratio(None)

    def set_pixel_ratio(self, ratio):
        self.command("browsingContext.setViewport",
                     {"context": self.context, "devicePixelRatio": ratio})

    def screenshot(self, path):
        data = self.command("browsingContext.captureScreenshot", {"context": self.context})["data"]
        with open(path, "wb") as picture:
            picture.write(base64.b64decode(data))
        return True


def local_value(value):
    """A Python value as BiDi's LocalValue."""
    if value is None:
        return {"type": "null"}
    if isinstance(value, bool):
        return {"type": "boolean", "value": value}
    if isinstance(value, (int, float)):
        return {"type": "number", "value": value}
    if isinstance(value, str):
        return {"type": "string", "value": value}
    if isinstance(value, (list, tuple)):
        return {"type": "array", "value": [local_value(item) for item in value]}
    if isinstance(value, dict):
        return {"type": "object", "value": [[key, local_value(item)]
                                            for key, item in value.items()]}
    raise TypeError("cannot pass %r to the page" % (value,))


def python_value(remote):
    """A BiDi RemoteValue as Python: a node as its reference (sharedId)."""
    kind, value = remote["type"], remote.get("value")
    if kind in ("undefined", "null"):
        return None
    if kind in ("array", "set"):
        return [python_value(item) for item in value]
    if kind in ("object", "map"):
        return {key if isinstance(key, str) else str(python_value(key)): python_value(item)
                for key, item in value}
    if kind == "node":
        return {"sharedId": remote.get("sharedId")}
    if kind == "number" and isinstance(value, str):
        return float(value.replace("Infinity", "inf"))  # NaN, -0, Infinity
    return value

"""Chromium and WebKitGTK for the page's tests, driven through Debian's
python3-selenium (so run with /usr/bin/python3): headless Chromium
through chromedriver, and WebKitGTK's MiniBrowser through
WebKitWebDriver in an X server of its own."""

import os
import shutil
import subprocess
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.webkitgtk.options import Options as WebKitGTKOptions

from page_browser import KEEP_ERRORS, TIMEOUT, WEBDRIVER_KEYS, Browser
from page_site import page_copy


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

    def click(self, selector, touch=False, at=(0, 0), times=1, pause=0):
        """A click, or a finger's tap, at a point of the element (at: CSS
        pixels from its middle); twice is a double click, or taps that many
        seconds apart. WebKitGTK's driver taps as a mouse clicks."""
        element = self.driver.find_element("css selector", selector)
        pointer = PointerInput(interaction.POINTER_TOUCH if touch else interaction.POINTER_MOUSE,
                               "finger" if touch else "mouse")
        actions = ActionBuilder(self.driver, mouse=pointer)
        actions.pointer_action.move_to(element, *at)
        for index in range(times):
            if index > 0 and pause > 0:
                actions.pointer_action.pause(pause)
            actions.pointer_action.pointer_down().pointer_up()
        actions.perform()

    def enter_frame(self):
        self.driver.switch_to.frame(0)

    def leave_frame(self):
        self.driver.switch_to.default_content()

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
            for copy in self.copies:
                shutil.rmtree(os.path.dirname(copy), ignore_errors=True)

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

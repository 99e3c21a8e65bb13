"""A tiny WebDriver client over urllib: chromedriver and one headless Chromium.

    with Browser(tmp_folder) as browser:
        browser.open("http://127.0.0.1:8080/")
        browser.click("#paper-out")
        browser.run_script("return document.title")
        browser.screenshot("page.png")

Only what the page tests use: a session, navigation, elements found by CSS
selector, clicks, typed text, element text, scripts and screenshots.
Leaving the block (or close()) deletes the session and ends chromedriver and
the browser it started, whatever happened before.
"""

import base64
import json
import os
import signal
import socket
import subprocess
import time
import urllib.error
import urllib.request

CHROMEDRIVER = os.environ.get("MDX_CHROMEDRIVER", "/usr/bin/chromedriver")
CHROMIUM = os.environ.get("MDX_CHROMIUM", "/usr/bin/chromium")

# The key WebDriver returns an element reference under.
_ELEMENT = "element-6066-11e4-a52e-4f735466cecf"


class WebDriverError(Exception):
    """A command chromedriver answered with an error, or could not answer."""

    def __init__(self, error, message):
        super().__init__("%s: %s" % (error, message))
        self.error = error


def free_port():
    """A loopback port no one listens on now."""
    with socket.socket(socket.AF_INET, socket.SOCK_STREAM) as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


class Browser:
    """chromedriver on a loopback port with one headless Chromium session."""

    def __init__(self, folder, width=1280, height=1800, start_timeout=60):
        self._driver = None
        self._session = None
        self._log = open(os.path.join(folder, "chromedriver.log"), "wb")
        try:
            self._start(folder, width, height, start_timeout)
        except BaseException:
            self.close()
            raise

    def _start(self, folder, width, height, start_timeout):
        port = free_port()
        # A process group of its own, so that the browser it starts can be
        # ended with it should the session not close.
        self._driver = subprocess.Popen([CHROMEDRIVER, "--port=%d" % port], stdin=subprocess.DEVNULL,
                                        stdout=self._log, stderr=subprocess.STDOUT, start_new_session=True)
        self._base = "http://127.0.0.1:%d" % port
        deadline = time.monotonic() + start_timeout
        while not self._ready():
            if self._driver.poll() is not None:
                raise WebDriverError("start", "chromedriver ended with status %d" % self._driver.returncode)
            if time.monotonic() > deadline:
                raise WebDriverError("start", "chromedriver did not answer within %d s" % start_timeout)
            time.sleep(0.1)
        options = {
            "binary": CHROMIUM,
            "args": ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     "--no-first-run", "--window-size=%d,%d" % (width, height),
                     "--user-data-dir=" + os.path.join(folder, "chromium-profile")],
        }
        reply = self._command("POST", "/session", {
            "capabilities": {"alwaysMatch": {"browserName": "chrome", "goog:chromeOptions": options}}})
        self._session = reply["sessionId"]

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def _ready(self):
        try:
            return bool(self._command("GET", "/status", timeout=2).get("ready"))
        except (OSError, WebDriverError):
            return False

    def _command(self, method, path, body=None, timeout=120):
        data = None if body is None else json.dumps(body).encode("utf-8")
        request = urllib.request.Request(self._base + path, data=data, method=method,
                                         headers={"Content-Type": "application/json; charset=utf-8"})
        try:
            with urllib.request.urlopen(request, timeout=timeout) as response:
                answer = json.loads(response.read().decode("utf-8"))
        except urllib.error.HTTPError as error:
            answer = json.loads(error.read().decode("utf-8") or "{}")
        value = answer.get("value")
        if isinstance(value, dict) and "error" in value:
            raise WebDriverError(value["error"], value.get("message", ""))
        return value

    def _in_session(self, method, path, body=None):
        return self._command(method, "/session/%s%s" % (self._session, path), body)

    def open(self, url):
        self._in_session("POST", "/url", {"url": url})

    def find(self, selector):
        """The first element `selector` matches; WebDriverError "no such element" if none."""
        found = self._in_session("POST", "/element", {"using": "css selector", "value": selector})
        return found[_ELEMENT]

    def click(self, selector):
        self._in_session("POST", "/element/%s/click" % self.find(selector), {})

    def type_text(self, selector, text):
        """Empties the field `selector` and types `text` into it."""
        element = self.find(selector)
        self._in_session("POST", "/element/%s/clear" % element, {})
        self._in_session("POST", "/element/%s/value" % element, {"text": text})

    def text(self, selector):
        """The rendered text of the first element `selector` matches."""
        return self._in_session("GET", "/element/%s/text" % self.find(selector))

    def run_script(self, script, *args):
        """Runs `script` as a function body in the page; returns its value."""
        return self._in_session("POST", "/execute/sync", {"script": script, "args": list(args)})

    def screenshot(self, path):
        """Saves what the window shows as a PNG at `path`."""
        picture = base64.b64decode(self._in_session("GET", "/screenshot"))
        with open(path, "wb") as file:
            file.write(picture)

    def close(self):
        if self._session is not None:
            try:
                self._command("DELETE", "/session/" + self._session, timeout=30)
            except (OSError, WebDriverError):
                pass  # chromedriver's end below takes the browser along
            self._session = None
        if self._driver is not None:
            _end_group(self._driver)
            self._driver = None
        self._log.close()


def _end_group(process, grace=10):
    """Ends `process` and whatever it started in its process group."""
    if process.poll() is None:
        try:
            os.killpg(process.pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
        try:
            process.wait(grace)
        except subprocess.TimeoutExpired:
            pass
    # The browser may outlive chromedriver in the group: end the rest.
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    process.wait()

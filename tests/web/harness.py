"""Serves a built site and drives the page in headless Chromium.

The site folder is served by a quiet HTTP server on a free port of 127.0.0.1;
one Chromium (Debian's chromium and chromium-driver, through Selenium) loads
it as often as the tests ask. window.print is replaced before the page's
script runs by one that records the call: a real print leaves headless
Chromium printing for good. Run with Debian's /usr/bin/python3.
"""

import functools
import http.server
import json
import os
import re
import shutil
import subprocess
import tempfile
import threading
import time
from pathlib import Path

from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.mouse_button import MouseButton

SOURCE = Path(__file__).resolve().parents[2]
LAYOUT = json.loads((SOURCE / "tests/support/pagelayout.json").read_text("utf-8"))
PAGE_SIZE = (327, 440)
PAGE_ID = "frmVelmoNewsPaper"
TIMEOUT = 10  # seconds; only keeps a broken page from hanging the suite

# Records every print; the page's frame tells whether the border was off.
RECORD_PRINTS = """
window.velmoPrints = [];
window.print = () => window.velmoPrints.push({
    framed: document.getElementById('frmVelmoNewsPaper').classList.contains('framed')});
"""


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *arguments):
        pass


class Site:
    """A folder served over HTTP until close()."""

    def __init__(self, folder):
        self.folder = Path(folder)
        handler = functools.partial(QuietHandler, directory=str(self.folder))
        self._server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = f"http://127.0.0.1:{self._server.server_address[1]}/"
        threading.Thread(target=self._server.serve_forever, daemon=True).start()

    def close(self):
        self._server.shutdown()
        self._server.server_close()


class DamagedSite(Site):
    """A copy of a site in which files are replaced or taken away."""

    def __init__(self, folder, changes):
        self._copy = Path(tempfile.mkdtemp(prefix="velmo-site-"))
        shutil.copytree(folder, self._copy, dirs_exist_ok=True)
        for name, content in changes.items():
            if content is None:
                (self._copy / name).unlink()
            else:
                (self._copy / name).write_bytes(content)
        super().__init__(self._copy)

    def close(self):
        super().close()
        shutil.rmtree(self._copy, ignore_errors=True)


class Browser:
    """One headless Chromium for the whole run."""

    def __init__(self, language="ja_JP.UTF-8", width=900, height=700):
        self._profile = tempfile.mkdtemp(prefix="velmo-chromium-")
        options = webdriver.ChromeOptions()
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                         "--disable-background-networking", "--disable-component-update", "--disable-sync",
                         "--hide-scrollbars", f"--user-data-dir={self._profile}",
                         f"--lang={language.split('.')[0].replace('_', '-')}"):
            options.add_argument(argument)
        environment = {"LANG": language, "LC_ALL": language}
        service = Service("/usr/bin/chromedriver", env=dict(os.environ, **environment))
        self.driver = webdriver.Chrome(service=service, options=options)
        self.driver.set_script_timeout(TIMEOUT)
        self.set_viewport(width, height)
        self.cdp("Page.addScriptToEvaluateOnNewDocument", source=RECORD_PRINTS)

    def close(self):
        try:
            self.driver.quit()
        finally:
            shutil.rmtree(self._profile, ignore_errors=True)

    def cdp(self, command, **parameters):
        return self.driver.execute_cdp_cmd(command, parameters)

    def set_viewport(self, width, height, scale=1):
        self.cdp("Emulation.setDeviceMetricsOverride", width=width, height=height, deviceScaleFactor=scale,
                 mobile=False)

    def js(self, script, *arguments):
        return self.driver.execute_script(script, *arguments)

    # -- the page --------------------------------------------------------

    def load(self, url, wait_for_page=True):
        """Loads the page and waits until it is shown, or, without
        wait_for_page, until it is shown or a box is up."""
        self.driver.get(url)
        ready = ("const page = document.getElementById('frmVelmoNewsPaper');"
                 "return page && page.getAttribute('aria-busy') === 'false'")
        if not wait_for_page:
            ready += " || !!document.querySelector('dialog[open]')"
        if not poll(lambda: self.js(ready)):
            raise AssertionError(f"the page at {url} did not appear")

    def page_origin(self):
        box = self.js(f"return document.getElementById('{PAGE_ID}').getBoundingClientRect().toJSON()")
        return box["x"], box["y"]

    def rect(self, element_id):
        """The element's rectangle relative to the page's top-left corner."""
        box = self.js("return document.getElementById(arguments[0]).getBoundingClientRect().toJSON()", element_id)
        x, y = self.page_origin()
        return [box["x"] - x, box["y"] - y, box["width"], box["height"]]

    def text(self, element_id):
        return self.js("return document.getElementById(arguments[0]).textContent", element_id)

    def lines(self, element_id):
        return self.text(element_id).split("\n")

    def click_at(self, x, y, button=MouseButton.LEFT):
        """Presses and releases a button at (x, y) of the page."""
        left, top = self.page_origin()
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(int(left + x), int(top + y))
        actions.pointer_action.pointer_down(button).pointer_up(button)
        actions.perform()

    def click(self, element_id, button=MouseButton.LEFT):
        x, y, width, height = LAYOUT[element_id]
        self.click_at(x + width // 2, y + height // 2, button)

    def click_on(self, selector):
        """A left click in the middle of the element that selector finds."""
        element = self.driver.find_element("css selector", selector)
        ActionChains(self.driver).move_to_element(element).click().perform()

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def chord(self, modifier, key):
        ActionChains(self.driver).key_down(modifier).send_keys(key).key_up(modifier).perform()

    def focused_id(self):
        return self.js("const e = document.activeElement; const box = e && e.closest('[data-element]');"
                       "return box ? box.id : (e ? e.tagName : null)")

    # -- menu and boxes --------------------------------------------------

    def menu(self):
        """The open menu: its items' texts and shortcuts, the separators, its
        place in the window and the active item; None when it is closed."""
        return self.js("""
            const menu = document.querySelector('[role=menu]');
            if (!menu || !menu.classList.contains('open')) return null;
            const box = menu.getBoundingClientRect();
            return {name: menu.getAttribute('aria-label'), x: box.x, y: box.y,
                    items: [...menu.children].map(e => e.getAttribute('role') === 'separator' ? '-' :
                        e.firstChild.textContent + '\\t' + e.lastChild.textContent),
                    underlined: [...menu.querySelectorAll('u')].map(u => u.textContent),
                    active: document.activeElement.getAttribute('role') === 'menuitem'
                        ? document.activeElement.firstChild.textContent : null};""")

    def wait_menu(self, open_=True):
        return poll(lambda: (self.menu() is not None) == open_, TIMEOUT)

    def boxes(self):
        """The open message boxes: title, prompt, buttons, icon, focused button."""
        return self.js("""
            return [...document.querySelectorAll('dialog[open]')].map(d => ({
                role: d.getAttribute('role'),
                title: document.getElementById(d.getAttribute('aria-labelledby')).textContent,
                prompt: document.getElementById(d.getAttribute('aria-describedby')).textContent,
                buttons: [...d.querySelectorAll('.buttons button')].map(b => b.textContent),
                icon: d.querySelector('.icon svg') ? d.querySelector('.icon svg').innerHTML.length : 0,
                focused: document.activeElement.closest('dialog') === d ? document.activeElement.textContent : null}));""")

    def wait_box(self):
        """The one open box, once it is there."""
        found = poll(lambda: self.boxes(), TIMEOUT)
        if not found or len(found) != 1:
            raise AssertionError(f"expected one message box, found {found}")
        return found[0]

    def wait_no_box(self):
        return poll(lambda: not self.boxes(), TIMEOUT)

    def prints(self):
        return self.js("return window.velmoPrints")

    def page_gone(self):
        return self.js(f"return !document.getElementById('{PAGE_ID}')")


def poll(condition, timeout=TIMEOUT, interval=0.02):
    """condition's first true result, or its last one when time is up."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            result = condition()
        except WebDriverException:
            result = None
        if result or time.monotonic() > deadline:
            return result
        time.sleep(interval)


def pixels(image):
    """The RGB bytes, width and height of an image file, through ImageMagick."""
    ppm = subprocess.run(["convert", str(image), "-depth", "8", "ppm:-"], capture_output=True, check=True).stdout
    header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", ppm)
    return ppm[header.end():], int(header.group(1)), int(header.group(2))

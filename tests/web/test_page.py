"""The browser page in headless Chromium: layout, menu, printing, pictures
that cannot be shown, the keyboard, scaling, and the fixed page's lines
beside the Qt page's. Run by tests/web/run."""

import base64
import os
import subprocess
import tempfile
import unittest
from pathlib import Path

from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.mouse_button import MouseButton
from selenium.webdriver.common.keys import Keys

from harness import LAYOUT, PAGE_ID, PAGE_SIZE, Browser, DamagedSite, Site, pixels, poll

SITE = None      # set by run
QT_BUILD = None  # a Qt build with velmo-page-screenshot, or None
browser = None
site = None

LABELS = ["見出し大", "記事1", "説明", "見出し小", "記事2", "広告欄Tel"]
BOXES = {"写真": (range(1, 11), "話題の人"), "広告0": (range(1, 5), "広告"), "広告1": (range(5, 9), "広告"),
         "広告2": (range(9, 13), "広告")}
# Font sizes of the labels, in page pixels: lines are one em apart.
EMS = {"見出し大": 64, "記事1": 15, "説明": 19, "見出し小": 16, "記事2": 12, "広告欄Tel": 12}
MENU = ["印刷設定(O)\tCtrl+O", "印刷(P)\tCtrl+P", "-", "終了(Q)\tCtrl+Q"]
CONFIRM = ("印刷", "印刷を開始します。いいですか？")


def setUpModule():
    global browser, site
    site = Site(SITE)
    browser = Browser()


def tearDownModule():
    browser.close()
    site.close()


def fixed_url():
    return site.url + "?fixed"


class Layout(unittest.TestCase):

    def test_elements_and_texts_over_several_loads(self):
        pages = set()
        for _ in range(4):
            browser.load(site.url)
            self.assertEqual(browser.js("return document.title"), "Velmo NewsPaper")
            # What screen readers see: a region named and described as the
            # program is, and each picture named by its file.
            region = browser.js(f"const p = document.getElementById('{PAGE_ID}'); return [p.getAttribute('role'),"
                                "p.getAttribute('aria-label'), p.getAttribute('aria-description'), p.offsetWidth, p.offsetHeight]")
            self.assertEqual(region, ["region", "Velmo NewsPaper", "偽新聞を表示するソフトです。", *PAGE_SIZE])
            for name, rect in LAYOUT.items():
                self.assertEqual(browser.rect(name), rect, name)
            # Where the lines break is the core's decision from the browser's
            # measure, which the fixed page's lines set beside the Qt page's
            # (below); here the breaks must reach the page as line feeds.
            self.assertNotIn("\r", "".join(browser.text(name) for name in LABELS))
            for name in LABELS:
                # The first line's box is one em high at the label's top: the
                # page's own font, not a fallback's, sets the baseline.
                first = browser.js("""
                    const label = document.getElementById(arguments[0]); const range = document.createRange();
                    range.setStart(label.firstChild, 0); range.setEnd(label.firstChild, 1);
                    return [range.getBoundingClientRect().top - label.getBoundingClientRect().top,
                            range.getBoundingClientRect().height];""", name)
                self.assertAlmostEqual(first[0], 0, delta=0.5, msg=name)
                self.assertAlmostEqual(first[1], EMS[name], delta=0.5, msg=name)
            alts = []
            for box, (numbers, stem) in BOXES.items():
                picture = browser.js("const i = document.querySelector('#' + CSS.escape(arguments[0]) + ' img');"
                                     "const r = i.getBoundingClientRect();"
                                     "return [i.alt, i.naturalWidth, r.width, r.height]", box)
                self.assertIn(picture[0], [f"{stem}{n}" for n in numbers], box)
                # An image not loaded has no natural width.
                self.assertEqual(picture[1], picture[2], "drawn at its natural size")
                alts.append(picture[0])
            pages.add((browser.text("見出し大"), browser.text("記事1"), browser.text("記事2"), *alts))
        self.assertGreater(len(pages), 1, "every load showed the same page")

    def test_scaled_down_whole_on_a_narrow_screen(self):
        try:
            browser.set_viewport(240, 700, scale=2)
            browser.load(fixed_url())
            narrow = {name: browser.lines(name) for name in LABELS}
            width = browser.js("return document.getElementById('frmVelmoNewsPaper').getBoundingClientRect().width")
            self.assertAlmostEqual(width, 240 - 16, delta=1)
            scale = width / PAGE_SIZE[0]
            for name, rect in LAYOUT.items():
                for measured, designed in zip(browser.rect(name), rect):
                    self.assertAlmostEqual(measured, designed * scale, delta=1, msg=name)
        finally:
            browser.set_viewport(900, 700)
        browser.load(fixed_url())
        self.assertEqual(narrow, {name: browser.lines(name) for name in LABELS}, "never reflowed")


class Menu(unittest.TestCase):

    def open_menu(self, element, button=MouseButton.LEFT):
        browser.click(element, button)
        self.assertTrue(browser.wait_menu(), f"{element} opened no menu")
        return browser.menu()

    def test_every_element_opens_the_menu_and_escape_closes_it(self):
        browser.load(fixed_url())
        left, top = browser.page_origin()
        for element, (x, y, width, height) in LAYOUT.items():
            menu = self.open_menu(element)
            self.assertEqual(menu["items"], MENU, element)
            self.assertEqual(menu["underlined"], ["O", "P", "Q"])
            self.assertEqual(menu["name"], "Menu")
            self.assertAlmostEqual(menu["x"], int(left + x + width // 2), delta=1)
            self.assertAlmostEqual(menu["y"], int(top + y + height // 2), delta=1)
            browser.keys(Keys.ESCAPE)
            self.assertTrue(browser.wait_menu(open_=False), f"Escape left the menu of {element} open")

    def test_right_button_opens_it_without_the_browsers_menu(self):
        browser.load(fixed_url())
        browser.js("document.addEventListener('contextmenu', e => window.velmoContextPrevented = e.defaultPrevented)")
        self.open_menu("写真", MouseButton.RIGHT)
        self.assertIs(browser.js("return window.velmoContextPrevented"), True)
        # A press outside the menu closes it, and is no click on the page.
        browser.click_at(315, 40)
        self.assertTrue(browser.wait_menu(open_=False))
        browser.click_at(315, 40)  # the page's bare background
        browser.click("記事1", MouseButton.MIDDLE)
        # Pressed on one element and released over another: no click.
        left, top = browser.page_origin()
        actions = ActionBuilder(browser.driver)
        actions.pointer_action.move_to_location(int(left + 50), int(top + 120)).pointer_down()
        actions.pointer_action.move_to_location(int(left + 200), int(top + 120)).pointer_up()
        actions.perform()
        self.assertIsNone(poll(browser.menu, 0.3))


class Printing(unittest.TestCase):

    def test_cancel_prints_nothing_and_ok_prints_the_page_centred(self):
        browser.load(fixed_url())
        browser.click("記事2")
        browser.wait_menu()
        browser.click_on("#velmo-menu-Print")
        box = browser.wait_box()
        self.assertEqual((box["title"], box["prompt"], box["buttons"], box["role"]),
                         (*CONFIRM, ["OK", "キャンセル"], "alertdialog"))
        self.assertGreater(box["icon"], 0)
        browser.click_on("dialog[open] .buttons button:last-child")  # キャンセル
        self.assertTrue(browser.wait_no_box())
        self.assertEqual(browser.prints(), [])

        browser.chord(Keys.CONTROL, "p")
        self.assertEqual(browser.wait_box()["prompt"], CONFIRM[1])
        browser.keys(Keys.ENTER)
        self.assertTrue(browser.wait_no_box())
        self.assertEqual(browser.prints(), [{"framed": False}], "one print, with the frame off")
        self.assertTrue(browser.js("return document.getElementById('frmVelmoNewsPaper').classList.contains('framed')"))

        pdf = browser.cdp("Page.printToPDF", preferCSSPageSize=True, printBackground=False,
                          paperWidth=8.27, paperHeight=11.69)
        with tempfile.TemporaryDirectory() as scratch:
            path = Path(scratch) / "page.pdf"
            path.write_bytes(base64.b64decode(pdf["data"]))
            info = subprocess.run(["pdfinfo", str(path)], capture_output=True, text=True, check=True).stdout
            self.assertRegex(info, r"Pages:\s+1\n")
            subprocess.run(["pdftoppm", "-r", "50", "-png", "-singlefile", str(path), str(Path(scratch) / "page")],
                           check=True)
            data, width, height = pixels(Path(scratch) / "page.png")
        grey = [(i // 3 % width, i // 3 // width) for i in range(0, len(data), 3)
                if abs(data[i] - 0xE0) < 6 and abs(data[i + 1] - 0xE0) < 6 and abs(data[i + 2] - 0xE0) < 6]
        left, right = min(x for x, _ in grey), max(x for x, _ in grey)
        top, bottom = min(y for _, y in grey), max(y for _, y in grey)
        # Centred on the paper; 10 mm margins at 50 dpi are 20 pixels.
        self.assertAlmostEqual(left, width - 1 - right, delta=2)
        self.assertAlmostEqual(top, height - 1 - bottom, delta=2)
        self.assertAlmostEqual(right - left + 1, width - 2 * 20, delta=3, msg="fitted to the paper's width")


class BrokenPictures(unittest.TestCase):

    def test_missing_and_cut_short_pictures_end_the_page(self):
        # Cut short, the browser would decode the bitmap with its last rows
        # empty: the core's check must see the bytes first.
        bitmap = (Path(SITE) / "広告11.bmp").read_bytes()
        for file_name, content, cause in (("話題の人3.bmp", None, "画像ファイルが見つかりません。"),
                                          ("広告11.bmp", bitmap[:len(bitmap) // 2], "途中で切れています")):
            damaged = DamagedSite(SITE, {file_name: content})
            try:
                browser.load(damaged.url + "?fixed", wait_for_page=False)
                box = browser.wait_box()
                self.assertEqual(box["title"], "Velmo NewsPaper")
                self.assertIn(cause, box["prompt"])
                self.assertIn(damaged.url + file_name, box["prompt"], "names the file")
                self.assertEqual(browser.js(f"return document.getElementById('{PAGE_ID}').getAttribute('aria-busy')"),
                                 "true", "the page is never shown")
                browser.keys(Keys.ENTER)
                self.assertTrue(poll(browser.page_gone), "the page did not end")
            finally:
                damaged.close()


class Keyboard(unittest.TestCase):

    def test_menu_by_arrows_and_access_letters(self):
        browser.load(fixed_url())
        browser.click("説明")
        browser.wait_menu()
        self.assertIsNone(browser.menu()["active"])
        browser.keys(Keys.ARROW_DOWN)
        self.assertEqual(browser.menu()["active"], "印刷設定(O)")
        browser.keys(Keys.ARROW_UP)
        self.assertEqual(browser.menu()["active"], "終了(Q)", "the separator is skipped and the ends wrap")
        browser.keys(Keys.ARROW_UP, Keys.ENTER)
        box = browser.wait_box()
        self.assertEqual((box["prompt"], box["focused"]), (CONFIRM[1], "OK"))
        browser.keys(Keys.TAB)
        self.assertEqual(browser.wait_box()["focused"], "キャンセル")
        browser.keys(Keys.ENTER)
        self.assertTrue(browser.wait_no_box())
        self.assertEqual(browser.prints(), [])

        browser.click("写真")
        browser.wait_menu()
        browser.keys("o")
        self.assertEqual(browser.wait_box()["title"], "印刷設定")
        browser.keys(Keys.ESCAPE)
        self.assertTrue(browser.wait_no_box())
        browser.chord(Keys.CONTROL, "o")
        self.assertEqual(browser.wait_box()["title"], "印刷設定")
        browser.keys(Keys.ENTER)
        self.assertTrue(browser.wait_no_box())
        self.assertEqual(browser.prints(), [])

    def test_tab_order_context_menu_key_and_quit(self):
        browser.load(fixed_url())
        order = []
        for _ in range(4):
            browser.keys(Keys.TAB)
            order.append(browser.focused_id())
        self.assertEqual(order, ["写真", "広告0", "広告1", "広告2"])
        browser.chord(Keys.SHIFT, Keys.F10)
        self.assertTrue(browser.wait_menu())
        self.assertEqual(browser.focused_id(), "DIV", "the menu has the focus")
        browser.keys(Keys.ESCAPE)
        browser.wait_menu(open_=False)
        self.assertEqual(browser.focused_id(), "広告2", "the focus went back")
        browser.chord(Keys.CONTROL, "q")
        self.assertTrue(poll(browser.page_gone))
        browser.chord(Keys.CONTROL, "p")
        self.assertEqual(browser.boxes(), [])


def qt_fixed_lines():
    """The Qt front end's fixed page's lines, or None without a
    velmo-page-screenshot that writes them."""
    tool = QT_BUILD and Path(QT_BUILD) / "bin/velmo-page-screenshot"
    if not tool or not tool.exists():
        return None
    with tempfile.TemporaryDirectory() as scratch:
        lines = Path(scratch) / "qt-lines.txt"
        done = subprocess.run([str(tool), str(Path(scratch) / "qt.png"), "--lines", str(lines)], capture_output=True,
                              timeout=60, cwd=tool.parent, env=dict(os.environ, QT_QPA_PLATFORM="offscreen", LANG="C.UTF-8"))
        return lines.read_text("utf-8").splitlines() if done.returncode == 0 and lines.exists() else None


def web_lines(page_browser):
    return [f"{name}\t" + " | ".join(page_browser.lines(name)) for name in LABELS]


class FixedPage(unittest.TestCase):

    def test_same_lines_in_every_locale_and_beside_the_qt_page(self):
        browser.load(fixed_url())
        japanese = web_lines(browser)
        other = Browser(language="C.UTF-8")
        try:
            other.load(fixed_url())
            self.assertEqual(web_lines(other), japanese, "C.UTF-8 against ja_JP.UTF-8")
        finally:
            other.close()
        qt_lines = qt_fixed_lines()
        if qt_lines is None:
            self.skipTest("no Qt build with velmo-page-screenshot --lines (--qt-build)")
        self.assertEqual(japanese, qt_lines)

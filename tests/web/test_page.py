"""The browser page in headless Chromium: layout, menu, greeting, printing,
pictures that cannot be shown, the keyboard, accessibility, scaling, and the
fixed page beside the Qt page. Run by tests/web/run."""

import base64
import os
import subprocess
import tempfile
import unittest
from pathlib import Path

from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.mouse_button import MouseButton
from selenium.webdriver.common.keys import Keys

from harness import LAYOUT, PAGE_SIZE, SOURCE, Browser, DamagedSite, Site, pixels, poll

SITE = None      # set by run
QT_BUILD = None  # a Qt build with velmo-page-screenshot, or None
browser = None
site = None

LABELS = ["見出し大", "記事1", "説明", "見出し小", "記事2", "広告欄Tel"]
BOXES = {"写真": (range(1, 11), "話題の人"), "広告0": (range(1, 5), "広告"), "広告1": (range(5, 9), "広告"),
         "広告2": (range(9, 13), "広告")}
# Font sizes of the labels, in page pixels: lines are one em apart.
EMS = {"見出し大": 64, "記事1": 15, "説明": 19, "見出し小": 16, "記事2": 12, "広告欄Tel": 12}
FIXED_CAPTIONS = {
    "説明": ["↑話題の人", "(ﾌﾟﾗｲﾊﾞｼー有)"],
    "見出し小": list("世論を見て"),
    "広告欄Tel": ["広", "告", "欄", "℡", "０ ", "１ ", "２ ", "３ ", "４ ", "５"],
}
MENU = ["印刷設定(O)\tCtrl+O", "印刷(P)\tCtrl+P", "-", "終了(Q)\tCtrl+Q"]
GREETING = ["おお！すごいすごい！よくここがわかったねぇ。", "いちおう裏技なんだ。コレ。",
            "ま、これからもこのソフトを愛用してね。", "by.Pellam(Velmo)より"]
CONFIRM = ("印刷", "印刷を開始します。いいですか？")
# The fixed page's pictures (tools/fixedrandomsource.h).
FIXED_PICTURES = {"写真": "話題の人3", "広告0": "広告2", "広告1": "広告7", "広告2": "広告11"}


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
            region = browser.js("const p = document.getElementById('frmVelmoNewsPaper');"
                                "return [p.getAttribute('role'), p.getAttribute('aria-label'), p.offsetWidth, p.offsetHeight]")
            self.assertEqual(region, ["region", "Velmo NewsPaper", *PAGE_SIZE])
            for name, rect in LAYOUT.items():
                self.assertEqual(browser.rect(name), rect, name)
            for name, lines in FIXED_CAPTIONS.items():
                self.assertEqual(browser.lines(name), lines, name)
            self.assertNotIn("\r", "".join(browser.text(name) for name in LABELS))
            self.assertEqual(len(browser.lines("見出し大")), 1)
            self.assertEqual(len(browser.lines("記事2")[0]), len(browser.lines("記事2")[0].rstrip("…")) + 1,
                             "the topic column's title ends its first line")
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
                # Whole lines only, each within the label's width as drawn.
                widths = browser.js("""
                    const label = document.getElementById(arguments[0]); const text = label.firstChild;
                    const range = document.createRange(); let at = 0; const widths = [];
                    for (const line of text.textContent.split('\\n')) {
                        range.setStart(text, at); range.setEnd(text, at + line.trimEnd().length);
                        widths.push(range.getBoundingClientRect().width); at += line.length + 1; }
                    return widths;""", name)
                self.assertLessEqual(len(widths) * EMS[name], LAYOUT[name][3], name)
                for width in widths:
                    self.assertLessEqual(width, LAYOUT[name][2] + 0.5, name)
            alts = []
            for box, (numbers, stem) in BOXES.items():
                picture = browser.js("const i = document.querySelector('#' + CSS.escape(arguments[0]) + ' img');"
                                     "const r = i.getBoundingClientRect();"
                                     "return [i.alt, i.naturalWidth, r.width, r.height, i.complete]", box)
                self.assertIn(picture[0], [f"{stem}{n}" for n in numbers], box)
                self.assertEqual(picture[1], picture[2], "drawn at its natural size")
                self.assertTrue(picture[4])
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


class Greeting(unittest.TestCase):

    def clicks(self, count):
        for _ in range(count):
            browser.click("見出し大")
            self.assertTrue(browser.wait_menu())
            browser.keys(Keys.ESCAPE)
            self.assertTrue(browser.wait_menu(open_=False))

    def read_greeting(self):
        shown = []
        for _ in GREETING:
            box = browser.wait_box()
            shown.append((box["title"], box["prompt"], box["buttons"]))
            browser.keys(Keys.ENTER)
            poll(lambda: browser.boxes() != [box])
        return shown

    def test_after_seven_clicks_and_not_after_six_or_eight(self):
        browser.load(fixed_url())
        self.clicks(6)
        browser.click("見出し小")
        self.assertTrue(browser.wait_menu(), "six clicks showed no menu")
        browser.keys(Keys.ESCAPE)
        self.clicks(1)
        browser.click("見出し小")
        self.assertEqual(self.read_greeting(), [("秘密…", text, ["OK"]) for text in GREETING])
        self.assertTrue(browser.wait_no_box())
        self.assertIsNone(browser.menu())
        self.clicks(1)
        browser.click("見出し小")
        self.assertTrue(browser.wait_menu(), "eight clicks showed no menu")
        self.assertEqual(browser.boxes(), [])


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

    def assert_error_box(self, changes, file_name, cause):
        damaged = DamagedSite(SITE, changes)
        try:
            browser.load(damaged.url + "?fixed", wait_for_page=False)
            box = browser.wait_box()
            self.assertEqual(box["title"], "Velmo NewsPaper")
            self.assertIn(cause, box["prompt"])
            self.assertIn(damaged.url + file_name, box["prompt"], "names the file")
            self.assertEqual(browser.js("return document.getElementById('frmVelmoNewsPaper').getAttribute('aria-busy')"),
                             "true", "the page is never shown")
            browser.keys(Keys.ENTER)
            self.assertTrue(poll(browser.page_gone), "the page did not end")
        finally:
            damaged.close()

    def test_missing_picture(self):
        self.assert_error_box({"話題の人3.bmp": None}, "話題の人3.bmp", "画像ファイルが見つかりません。")

    def test_picture_that_is_no_bitmap(self):
        png = (SOURCE / "assets/icons/velmo-newspaper-32.png").read_bytes()
        self.assert_error_box({"広告7.bmp": png}, "広告7.bmp", "")
        # Cut short, the browser would decode it with its last rows empty;
        # the core's check refuses it first.
        bitmap = (Path(SITE) / "広告11.bmp").read_bytes()
        self.assert_error_box({"広告11.bmp": bitmap[:len(bitmap) // 2]}, "広告11.bmp", "")


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


class Accessibility(unittest.TestCase):

    def nodes(self):
        tree = browser.cdp("Accessibility.getFullAXTree")["nodes"]
        found = []
        for node in tree:
            if node.get("ignored"):
                continue
            role = node.get("role", {}).get("value")
            name = node.get("name", {}).get("value")
            description = node.get("description", {}).get("value")
            found.append((role, name, description))
        return found

    def test_region_texts_pictures_menu_and_boxes(self):
        browser.load(fixed_url())
        nodes = self.nodes()
        self.assertIn(("region", "Velmo NewsPaper", "偽新聞を表示するソフトです。"), nodes)
        texts = [name for role, name, _ in nodes if role == "StaticText"]
        self.assertIn("世\n論\nを\n見\nて", texts, "one text with line feeds")
        self.assertIn("\n".join(FIXED_CAPTIONS["説明"]), texts)
        images = [name for role, name, _ in nodes if role == "image"]
        self.assertEqual(images, list(FIXED_PICTURES.values()))
        browser.click("見出し大")
        browser.wait_menu()
        nodes = self.nodes()
        self.assertIn(("menu", "Menu", None), nodes)
        self.assertEqual([name for role, name, _ in nodes if role == "menuitem"], ["印刷設定(O)", "印刷(P)", "終了(Q)"])
        browser.keys("p")
        browser.wait_box()
        self.assertIn(("alertdialog", *CONFIRM), self.nodes())
        browser.keys(Keys.ESCAPE)


def qt_fixed_page(scratch):
    """(lines, PNG) of the Qt front end's fixed page, or None without a
    velmo-page-screenshot that writes its lines."""
    tool = QT_BUILD and Path(QT_BUILD) / "bin/velmo-page-screenshot"
    if not tool or not tool.exists():
        return None
    png, lines = Path(scratch) / "qt.png", Path(scratch) / "qt-lines.txt"
    done = subprocess.run([str(tool), str(png), "--lines", str(lines)], capture_output=True, timeout=60,
                          cwd=tool.parent, env=dict(os.environ, QT_QPA_PLATFORM="offscreen", LANG="C.UTF-8"))
    if done.returncode != 0 or not lines.exists():
        return None
    return lines.read_text("utf-8").splitlines(), png


def web_lines(page_browser):
    return [f"{name}\t" + " | ".join(page_browser.lines(name)) for name in
            ["見出し大", "記事1", "説明", "見出し小", "記事2", "広告欄Tel"]]


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
        with tempfile.TemporaryDirectory() as scratch:
            qt = qt_fixed_page(scratch)
            if qt is None:
                self.skipTest("no Qt build with velmo-page-screenshot --lines (--qt-build)")
            qt_lines, qt_png = qt
            self.assertEqual(japanese, qt_lines)
            web_png = Path(scratch) / "web.png"
            browser.screenshot(web_png)
            print_pixel_differences(web_png, qt_png)


def print_pixel_differences(web_png, qt_png):
    """Per element, the share of pixels that differ by more than 32 (of 255)
    in some channel, and the mean absolute difference: figures, not checks."""
    web, width, _ = pixels(web_png)
    qt, qt_width, _ = pixels(qt_png)
    assert width == qt_width == PAGE_SIZE[0]
    print("\n  element       differing pixels   mean difference")
    for name, (x, y, w, h) in LAYOUT.items():
        count = differing = total = 0
        for row in range(y, min(y + h, PAGE_SIZE[1])):
            for column in range(x, x + w):
                at = (row * width + column) * 3
                deltas = [abs(web[at + c] - qt[at + c]) for c in range(3)]
                count += 1
                differing += max(deltas) > 32
                total += sum(deltas)
        print(f"  {name:<10} {100 * differing / count:10.1f} %   {total / count / 3:10.2f}")

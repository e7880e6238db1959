"""Click routing: every element of the page opens the pop-up menu at the
pointer, the bare page opens nothing, Esc or a click elsewhere closes it."""

import unittest

import harness
from harness import ELEMENTS

session = None


def setUpModule():
    global session
    session = harness.Session()


def tearDownModule():
    session.close()


class ClickRoutingTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        folder = session.folder(harness.encoded(harness.pattern_pictures()))
        cls.program = harness.Program(session, folder)
        cls.program.start()
        try:
            cls.page = cls.program.page()
        except Exception:
            cls.program.stop()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.program.stop()

    def setUp(self):
        self.assertTrue(self.program.running, "the program ended before the test")
        # A menu left open by a failed test would swallow the next clicks.
        for window in self.program.windows():
            if window.is_popup:
                self.program.dismiss(window)

    def tearDown(self):
        self.assertTrue(self.program.running, "the program ended during the test")

    def test_every_element_opens_the_menu_at_the_pointer(self):
        sizes = set()
        for element in ELEMENTS:
            with self.subTest(element=element):
                x, y = harness.click_point(element)
                menu = self.program.open_menu(self.page, element)
                self.assertAlmostEqual(menu.x, self.page.x + x, delta=2)
                self.assertAlmostEqual(menu.y, self.page.y + y, delta=2)
                sizes.add(menu.size)
                # Exactly one menu per click.
                self.assertEqual(sum(1 for w in self.program.windows() if w.is_popup), 1)
                self.program.dismiss(menu, "Escape")
        self.assertEqual(len(sizes), 1, f"every element opens the same menu, got sizes {sizes}")

    def test_bare_page_opens_nothing(self):
        for point in harness.BACKGROUND_POINTS:
            with self.subTest(point=point):
                self.assertFalse(any(harness.inside(point, rect) for rect in ELEMENTS.values()))
                self.program.click(self.page, point)
                self.program.assert_none_appears(lambda w: not w.is_page, "window after a click on the bare page")

    def test_click_elsewhere_closes_the_menu_without_opening_another(self):
        menu = self.program.open_menu(self.page, "記事2")
        self.program.click(self.page, harness.BACKGROUND_POINTS[0])
        self.program.wait_gone(menu, "pop-up menu")
        self.program.assert_none_appears(lambda w: not w.is_page, "window after closing the menu")

    def test_menu_opens_again_after_being_dismissed(self):
        for _ in range(3):
            menu = self.program.open_menu(self.page, "広告(1)")
            self.program.dismiss(menu, "Escape")


if __name__ == "__main__":
    harness.main()

"""Click routing: every element of the page opens the pop-up menu at the
pointer, the bare page opens nothing, Esc closes the menu."""

import unittest

import harness
from harness import ELEMENTS


class ClickRoutingTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.program, cls.page = harness.launch(cls)

    def setUp(self):
        # A menu left open by a failed test would swallow the next clicks.
        for window in self.program.windows():
            if window.is_popup:
                self.program.answer(window, "Escape")

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
                self.assertEqual(sum(w.is_popup for w in self.program.windows()), 1, "one menu per click")
                sizes.add(menu.size)
                self.program.answer(menu, "Escape")
        self.assertEqual(len(sizes), 1, f"every element opens the same menu, got sizes {sizes}")

    def test_bare_page_opens_nothing(self):
        for point in harness.BACKGROUND_POINTS:
            self.program.click(self.page, point)
            self.program.assert_none_appears(lambda w: not w.is_page, f"window after a click at {point}")


if __name__ == "__main__":
    harness.main()

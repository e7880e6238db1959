"""Click routing: every element of the page opens the pop-up menu at the
pointer, the bare page opens nothing, Esc closes the menu; the Menu key and
Shift+F10 open it at the focused picture box."""

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

    def test_keyboard_opens_the_menu_at_the_focused_box(self):
        program, page = harness.launch(self)
        harness.session.focus(page)

        def menu_at(box, *keys):
            harness.session.key(*keys)
            menu = program.wait_window(lambda w: w.is_popup, f"pop-up menu after {keys[-1]}")
            x, y = harness.click_point(box)
            self.assertAlmostEqual(menu.x, page.x + x, delta=2, msg=f"{keys[-1]} opens the menu at {box}")
            self.assertAlmostEqual(menu.y, page.y + y, delta=2, msg=f"{keys[-1]} opens the menu at {box}")
            return menu

        # The portrait has the focus from the start; Tab moves it to 広告(0).
        program.answer(menu_at("写真", "Menu"), "Escape")
        menu_at("広告(0)", "Tab", "shift+F10")
        # The menu's access keys work as after a click.
        harness.session.key("q")
        self.assertEqual(program.exit_status(), 0)

if __name__ == "__main__":
    harness.main()

"""The hidden greeting: exactly seven clicks on the big headline, then a click
on the small headline shows four boxes titled "秘密…" one after the other."""

import unittest

import harness

session = None

SECRET_TITLE = "秘密…"
GREETING_BOXES = 4


def setUpModule():
    global session
    session = harness.Session()


def tearDownModule():
    session.close()


class HiddenGreetingTest(unittest.TestCase):
    def setUp(self):
        folder = session.folder(harness.encoded(harness.pattern_pictures()))
        self.program = harness.Program(session, folder)
        self.program.start()
        self.addCleanup(self.program.stop)
        self.page = self.program.page()

    def click_big_headline(self):
        """Every click on the big headline opens the menu; Esc closes it."""
        menu = self.program.open_menu(self.page, "見出し大")
        self.program.dismiss(menu)

    def assertSmallHeadlineOpensMenu(self):
        menu = self.program.open_menu(self.page, "見出し小")
        self.assertFalse(any(w.title == SECRET_TITLE for w in self.program.windows()))
        self.program.dismiss(menu)

    def assertSmallHeadlineShowsGreeting(self):
        self.program.click(self.page, "見出し小")
        shown = []
        for number in range(1, GREETING_BOXES + 1):
            box = self.program.dialog(SECRET_TITLE)
            self.assertNotIn(box.id, shown, f"box {number} is a new box")
            others = [w for w in self.program.windows() if w.id not in (box.id, self.page.id)]
            self.assertEqual(others, [], f"box {number} is shown alone")
            shown.append(box.id)
            self.program.answer(box, "Return")
        self.program.assert_none_appears(lambda w: not w.is_page, "window after the fourth box")

    def test_seven_clicks_then_small_headline(self):
        for _ in range(6):
            self.click_big_headline()
        # Six clicks are not enough.
        self.assertSmallHeadlineOpensMenu()
        self.click_big_headline()
        self.assertSmallHeadlineShowsGreeting()
        # The count stays at seven: the greeting comes again.
        self.assertSmallHeadlineShowsGreeting()
        # An eighth click puts it out of reach for the rest of the run.
        self.click_big_headline()
        self.assertSmallHeadlineOpensMenu()
        self.click_big_headline()
        self.assertSmallHeadlineOpensMenu()
        self.assertTrue(self.program.running)

    def test_clicks_elsewhere_do_not_count(self):
        for element in ("写真", "記事1", "説明", "記事2", "広告(0)", "広告欄Tel", "見出し小"):
            menu = self.program.open_menu(self.page, element)
            self.program.dismiss(menu)
        self.assertSmallHeadlineOpensMenu()


if __name__ == "__main__":
    harness.main()

"""Every way of ending the program ends it cleanly, with exit status 0."""

import unittest

import harness

session = None


def setUpModule():
    global session
    session = harness.Session()


def tearDownModule():
    session.close()


class QuitTest(unittest.TestCase):
    def setUp(self):
        folder = session.folder(harness.encoded(harness.pattern_pictures()))
        self.program = harness.Program(session, folder)
        self.program.start()
        self.addCleanup(self.program.stop)
        self.page = self.program.page()

    def assertEndedCleanly(self):
        self.assertEqual(self.program.exit_status(), 0)
        self.assertNotIn("velmo-newspaper:", self.program.stderr(), "no error was reported")

    def test_quit_item_chosen_with_its_access_key(self):
        self.program.open_menu(self.page, "記事1")
        self.program.session.key("q")
        self.assertEndedCleanly()

    def test_quit_item_clicked(self):
        menu = self.program.open_menu(self.page, "広告欄Tel")
        # 終了(&Q) is the last item, at the bottom of the menu.
        session.click(menu.x + menu.width // 2, menu.y + menu.height - 10)
        self.assertEndedCleanly()

    def test_ctrl_q_with_the_menu_closed(self):
        session.focus(self.page)
        session.key("ctrl+q")
        self.assertEndedCleanly()

    def test_close_request_from_the_desktop(self):
        # What a window manager sends when the title bar's close button is
        # clicked.
        session.request_close(self.page)
        self.assertEndedCleanly()

    def test_close_request_after_the_menu_was_used(self):
        menu = self.program.open_menu(self.page, "見出し大")
        self.program.dismiss(menu)
        session.request_close(self.page)
        self.assertEndedCleanly()


if __name__ == "__main__":
    harness.main()

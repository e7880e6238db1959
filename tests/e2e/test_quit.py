"""Each way of ending the program ends it at once, with exit status 0 and no
error reported."""

import unittest

import harness


def quit_item_clicked(program, page):
    menu = program.open_menu(page, "広告欄Tel")
    # 終了(&Q) is the last item, at the bottom of the menu.
    harness.session.click(menu.x + menu.size[0] // 2, menu.y + menu.size[1] - 10)


WAYS = {
    "終了(&Q) clicked": quit_item_clicked,
    "Ctrl+Q": lambda program, page: (harness.session.focus(page), harness.session.key("ctrl+q")),
    # What a window manager sends when the title bar's close button is clicked.
    "close request": lambda program, page: program.x11.request_close(page.id),
}


class QuitTest(unittest.TestCase):
    def test_each_way_ends_the_program_cleanly(self):
        for name, way in WAYS.items():
            with self.subTest(name):
                program, page = harness.launch(self)
                way(program, page)
                self.assertEqual(program.exit_status(), 0)
                self.assertNotIn("velmo-newspaper:", program.stderr(), "no error was reported")


if __name__ == "__main__":
    harness.main()

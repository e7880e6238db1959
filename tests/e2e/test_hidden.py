"""The hidden greeting: exactly seven clicks on the big headline, then a click
on the small headline shows four boxes titled "秘密…" one after the other."""

import unittest

import harness

SECRET_TITLE = "秘密…"


class HiddenGreetingTest(unittest.TestCase):
    def test_seven_clicks_then_small_headline(self):
        program, page = harness.launch(self)

        def click_big_headline():
            program.answer(program.open_menu(page, "見出し大"), "Escape")

        def small_headline_opens_menu():
            menu = program.open_menu(page, "見出し小")
            self.assertFalse(any(w.title == SECRET_TITLE for w in program.windows()))
            program.answer(menu, "Escape")

        def small_headline_shows_greeting():
            program.click(page, "見出し小")
            shown = []
            for number in range(1, 5):
                box = program.dialog(SECRET_TITLE)
                self.assertNotIn(box.id, shown, f"box {number} is a new box")
                self.assertEqual([w.id for w in program.windows() if w.id != page.id], [box.id],
                                 f"box {number} is shown alone")
                shown.append(box.id)
                program.answer(box, "Return")
            program.assert_none_appears(lambda w: not w.is_page, "window after the fourth box")

        for _ in range(6):
            click_big_headline()
        small_headline_opens_menu()
        click_big_headline()
        small_headline_shows_greeting()
        # The count stays at seven: the greeting comes again.
        small_headline_shows_greeting()
        # An eighth click puts it out of reach for the rest of the run.
        for _ in range(2):
            click_big_headline()
            small_headline_opens_menu()
        self.assertTrue(program.running)


if __name__ == "__main__":
    harness.main()

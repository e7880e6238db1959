"""The real program on a real X server: the page as the desktop sees it, its
place with and without a window manager, the pop-up menu, quitting, a picture
that cannot be loaded and a desktop without Japanese fonts.

The page runs from a folder whose name holds blanks, Japanese and a backslash
(an ordinary character in a POSIX file name), started from another working
directory: it finds its pictures beside itself."""

import unittest

import harness
from harness import PICTURE_SLOTS, SCREEN_SIZE, TITLE


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        folder = harness.session.folder(harness.shipped_pictures(), name="C:\\Velmo 新聞 の フォルダ")
        cls.program, cls.page = harness.launch(cls, folder)

    def test_menu_at_the_pointer_and_its_access_keys(self):
        for element in ("記事1", "広告2"):
            x, y = harness.click_point(element)
            menu = self.program.open_menu(self.page, element)
            self.assertAlmostEqual(menu.x, self.page.x + x, delta=2, msg=f"the menu opens at {element}")
            self.assertAlmostEqual(menu.y, self.page.y + y, delta=2, msg=f"the menu opens at {element}")
            if element == "記事1":
                self.program.answer(menu, "Escape")
        # Q, the access key of 終了(&Q), quits.
        harness.session.key("q")
        self.assertEqual(self.program.exit_status(), 0)


class FailureTest(unittest.TestCase):
    def test_missing_picture_is_reported_and_ends_the_program(self):
        pictures = harness.shipped_pictures()
        pictures.update({name: None for name in PICTURE_SLOTS["写真"]})
        folder = harness.session.folder(pictures)
        before = sorted(folder.rglob("*"))
        with harness.Program(folder) as program:
            box = program.wait_window(lambda w: w.is_page or w.is_dialog, "error box", harness.START_TIMEOUT)
            self.assertEqual((box.title, box.is_dialog), (TITLE, True))
            self.assertEqual(program.windows(), [box], "the error box is the only window")
            program.answer(box, "Return")
            self.assertGreater(program.exit_status(), 0, "a non-zero exit status, not a signal")
            named = [name for name in PICTURE_SLOTS["写真"] if str(folder / name) in program.stderr()]
            self.assertEqual(len(named), 1, f"stderr names the missing file: {program.stderr()!r}")
        self.assertEqual(sorted(folder.rglob("*")), before, "nothing is written in the program's folder")

    def test_offscreen_platform_has_no_x_connection_to_ask(self):
        program = harness.Program(harness.session.folder(harness.shipped_pictures()),
                                  env={"QT_QPA_PLATFORM": "offscreen"})
        with program:
            self.assertFalse(harness.poll(lambda: not program.running, 2), program.stderr())

    def test_without_a_japanese_font_one_line_names_the_package(self):
        latin_only = harness.session.scratch / "latin-fonts.conf"
        latin_only.write_text(f"<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir>"
                              f"<cachedir>{harness.session.scratch / 'fontconfig'}</cachedir></fontconfig>")
        program, _ = harness.launch(self, env={"FONTCONFIG_FILE": str(latin_only)})
        self.assertRegex(program.stderr(), r"\A[^\n]*install the package fonts-ipafont-gothic\n\Z")


class FramedPageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        harness.session.start_window_manager()
        cls.addClassCleanup(harness.session.stop_window_manager)

    def test_frame_centred_and_closed_by_the_window_manager(self):
        # Where a frame larger than the screen goes is the core's placement;
        # here the frame's own extents must be part of the centring.
        program, page = harness.launch(self)
        left, right, top, bottom = harness.session.frame_extents(page)
        self.assertGreater(top, left, "openbox draws a title bar")
        self.assertAlmostEqual(page.x - left, (SCREEN_SIZE[0] - page.size[0] - left - right) / 2, delta=1)
        self.assertAlmostEqual(page.y - top, (SCREEN_SIZE[1] - page.size[1] - top - bottom) / 2, delta=1)
        # The manager's close command ends the program cleanly.
        harness.session.focus(page)
        harness.session.key("alt+F4")
        self.assertEqual(program.exit_status(), 0)
        self.assertEqual(program.stderr(), "")


if __name__ == "__main__":
    harness.main()

"""The page window as the desktop sees it: title, size, size limits, place on
the screen (also framed by a window manager), the light grey page and the
four pictures in their boxes.

The program runs from a folder whose name holds blanks, Japanese and a
backslash (an ordinary character in a POSIX file name), in a working
directory that holds other pictures under the same names: what it shows must
come from its own folder."""

import re
import unittest

import bitmaps
import harness
from harness import ELEMENTS, PAGE_COLOUR, PAGE_SIZE, PICTURE_SLOTS, SCREEN_SIZE, TITLE


class PageWindowTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pictures = harness.pattern_pictures()
        decoys = {name: bitmaps.pattern(image.width, image.height, 200 + tag)
                  for tag, (name, image) in enumerate(cls.pictures.items())}
        folder = harness.session.folder(harness.encoded(cls.pictures), name="C:\\Velmo 新聞 の フォルダ")
        cwd = harness.session.folder(harness.encoded(decoys), name="decoys")
        cls.program, cls.page = harness.launch(cls, folder, cwd=cwd)
        cls.shot = harness.session.settled_screenshot(cls.page)

    def test_title_and_fixed_client_size(self):
        self.assertEqual((self.page.title, self.page.size), (TITLE, PAGE_SIZE))
        hints = harness.run_tool(["xprop", "-id", str(self.page.id), "WM_NORMAL_HINTS"],
                                 harness.session.tool_env).stdout.decode()
        for limit in ("minimum", "maximum"):
            self.assertRegex(hints, rf"{limit} size: {PAGE_SIZE[0]} by {PAGE_SIZE[1]}\n")

    def test_centred_on_the_screen(self):
        # Without a window manager the client area itself is centred.
        self.assertAlmostEqual(self.page.x, (SCREEN_SIZE[0] - PAGE_SIZE[0]) / 2, delta=2)
        self.assertAlmostEqual(self.page.y, (SCREEN_SIZE[1] - PAGE_SIZE[1]) / 2, delta=2)

    def test_page_window_is_the_only_window_shown(self):
        self.assertEqual(self.program.stderr(), "", "nothing to say with the fonts installed")
        self.assertEqual(self.program.x11.mapped_windows(), [self.page.id])
        self.assertEqual([w.id for w in self.program.windows()], [self.page.id])

    def test_page_is_light_grey(self):
        for point in harness.BACKGROUND_POINTS:
            self.assertTrue(harness.on_bare_page(point), point)
            self.assertEqual(self.shot.row(point[1], point[0], 1), bytes(PAGE_COLOUR), point)
        grey = sum(self.shot.data[i:i + 3] == bytes(PAGE_COLOUR) for i in range(0, len(self.shot.data), 3))
        self.assertGreater(grey, 0.3 * PAGE_SIZE[0] * PAGE_SIZE[1], "the page is mostly light grey")

    def test_each_picture_is_drawn_uncut_in_its_box(self):
        for box, names in PICTURE_SLOTS.items():
            self.assertIn(harness.find_picture(self.shot, ELEMENTS[box], self.pictures), names, box)


class FramedPageWindowTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        harness.session.start_window_manager()
        cls.addClassCleanup(harness.session.stop_window_manager)

    def test_frame_centred_and_title_bar_on_the_screen(self):
        # At twice the size the framed window is taller than the screen.
        for scale in (1, 2):
            with self.subTest(scale=scale):
                program, page = harness.launch(self, env={"QT_SCALE_FACTOR": str(scale)})
                left, right, top, bottom = harness.session.frame_extents(page)
                self.assertGreater(top, left, "openbox draws a title bar")
                width, height = page.size[0] + left + right, page.size[1] + top + bottom
                self.assertAlmostEqual(page.x - left, (SCREEN_SIZE[0] - width) / 2, delta=1)
                if scale == 1:
                    self.assertAlmostEqual(page.y - top, (SCREEN_SIZE[1] - height) / 2, delta=1)
                else:
                    self.assertEqual(page.y - top, 0)
                program.stop()


class MissingFontTest(unittest.TestCase):
    def test_without_a_japanese_font_one_line_names_the_package(self):
        latin_only = harness.session.scratch / "latin-fonts.conf"
        latin_only.write_text(f"<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir>"
                              f"<cachedir>{harness.session.scratch / 'fontconfig'}</cachedir></fontconfig>")
        program, _ = harness.launch(self, env={"FONTCONFIG_FILE": str(latin_only)})
        self.assertRegex(program.stderr(), r"\A[^\n]*install the package fonts-ipafont-gothic\n\Z")


if __name__ == "__main__":
    harness.main()

"""The page window as the desktop sees it: title, size, size limits, place on
the screen, the light grey page and the four pictures in their boxes."""

import re
import unittest

import harness
from harness import ELEMENTS, PAGE_COLOUR, PAGE_SIZE, PICTURE_SLOTS, SCREEN_SIZE, TITLE

session = None


def setUpModule():
    global session
    session = harness.Session()


def tearDownModule():
    session.close()


class PageWindowTest(unittest.TestCase):
    """One run of the program with 22 distinct patterned pictures."""

    @classmethod
    def setUpClass(cls):
        cls.pictures = harness.pattern_pictures()
        folder = session.folder(harness.encoded(cls.pictures))
        cls.program = harness.Program(session, folder)
        cls.program.start()
        try:
            cls.page = cls.program.page()
            cls.shot = session.settled_screenshot(cls.page)
        except Exception:
            cls.program.stop()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.program.stop()

    def test_title_and_client_size(self):
        self.assertEqual(self.page.title, TITLE)
        self.assertEqual(self.page.size, PAGE_SIZE)
        self.assertFalse(self.page.override_redirect)
        self.assertNotIn("_NET_WM_WINDOW_TYPE_DIALOG", self.page.types)

    def test_size_is_fixed(self):
        hints = harness.run_tool(["xprop", "-id", str(self.page.id), "WM_NORMAL_HINTS"], session.tool_env).stdout.decode()
        minimum = re.search(r"minimum size: (\d+) by (\d+)", hints)
        maximum = re.search(r"maximum size: (\d+) by (\d+)", hints)
        self.assertIsNotNone(minimum, hints)
        self.assertIsNotNone(maximum, hints)
        self.assertEqual((int(minimum.group(1)), int(minimum.group(2))), PAGE_SIZE)
        self.assertEqual((int(maximum.group(1)), int(maximum.group(2))), PAGE_SIZE)

    def test_centred_on_the_screen(self):
        # Without a window manager there is no frame: the client area itself
        # is centred.
        self.assertAlmostEqual(self.page.x, (SCREEN_SIZE[0] - PAGE_SIZE[0]) / 2, delta=2)
        self.assertAlmostEqual(self.page.y, (SCREEN_SIZE[1] - PAGE_SIZE[1]) / 2, delta=2)

    def test_page_window_is_the_only_window_shown(self):
        mapped = self.program.monitor.mapped_windows()
        self.assertEqual([window for window, _ in mapped], [self.page.id])
        self.assertEqual([w.id for w in self.program.windows()], [self.page.id])

    def test_page_is_light_grey(self):
        for point in harness.BACKGROUND_POINTS:
            with self.subTest(point=point):
                # The point must lie on the bare page for the check to mean
                # anything.
                self.assertFalse(any(harness.inside(point, rect) for rect in ELEMENTS.values()))
                self.assertEqual(self.shot.pixel(*point), PAGE_COLOUR)
        grey = self.shot.count_colour(PAGE_COLOUR)
        self.assertGreater(grey, 0.3 * PAGE_SIZE[0] * PAGE_SIZE[1], "the page is mostly light grey")

    def test_each_picture_is_drawn_uncut_in_its_box(self):
        frames = set()
        for box, names in PICTURE_SLOTS.items():
            with self.subTest(box=box):
                found = harness.find_picture(self.shot, ELEMENTS[box], self.pictures)
                self.assertIsNotNone(found, f"no picture of the folder is drawn in {box}")
                name, frame = found
                self.assertIn(name, names, f"{box} shows {name}, which belongs to another box")
                frames.add(frame)
        self.assertEqual(len(frames), 1, "all four boxes have the same frame")


if __name__ == "__main__":
    harness.main()

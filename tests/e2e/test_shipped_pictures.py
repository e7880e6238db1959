"""The 22 pictures that the build puts beside the executable are all there and
each is drawn, as ImageMagick decodes it, in its box.

A page shows four pictures drawn at random, so each run gives every file of
a box the same picture: run k shows portrait k and advertisement k of every
slot (the slots counted modulo four). Ten runs show all 22."""

import shutil
import unittest

import bitmaps
import harness
from harness import ADVERTISEMENTS, ALL_PICTURES, ELEMENTS, PICTURE_SLOTS, PORTRAITS

session = None


def setUpModule():
    global session
    session = harness.Session()


def tearDownModule():
    session.close()


def decode(path):
    """The picture as ImageMagick reads it, 8 bits a channel."""
    completed = harness.run_tool(["convert", str(path), "-depth", "8", "ppm:-"], session.tool_env)
    return bitmaps.read_ppm(completed.stdout)


class ShippedPicturesTest(unittest.TestCase):
    def test_all_pictures_are_beside_the_executable(self):
        missing = [name for name in ALL_PICTURES if not (harness.BIN_DIR / name).is_file()]
        self.assertEqual(missing, [], f"pictures missing in {harness.BIN_DIR}")

    def test_every_picture_is_drawn_in_its_box(self):
        missing = [name for name in ALL_PICTURES if not (harness.BIN_DIR / name).is_file()]
        if missing:
            self.fail(f"pictures missing in {harness.BIN_DIR}: {', '.join(missing)}")
        if shutil.which("convert") is None:
            self.fail("ImageMagick's convert is not installed")
        decoded = {name: decode(harness.BIN_DIR / name) for name in ALL_PICTURES}
        shown = set()
        for run in range(len(PORTRAITS)):
            chosen = {
                "写真": PORTRAITS[run],
                "広告(0)": ADVERTISEMENTS[run % 4],
                "広告(1)": ADVERTISEMENTS[4 + run % 4],
                "広告(2)": ADVERTISEMENTS[8 + run % 4],
            }
            pictures = {}
            for box, names in PICTURE_SLOTS.items():
                for name in names:
                    pictures[name] = harness.BIN_DIR / chosen[box]
            folder = session.folder(pictures)
            with self.subTest(run=run), harness.Program(session, folder) as program:
                page = program.page()
                shot = session.settled_screenshot(page)
                for box, name in chosen.items():
                    found = harness.find_picture(shot, ELEMENTS[box], {name: decoded[name]})
                    self.assertIsNotNone(found, f"{name} is drawn in {box}")
                    shown.add(name)
                session.focus(page)
                session.key("ctrl+q")
                self.assertEqual(program.exit_status(), 0)
        self.assertEqual(shown, set(ALL_PICTURES))


if __name__ == "__main__":
    harness.main()

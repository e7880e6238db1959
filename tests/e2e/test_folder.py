"""Where the program finds its pictures: in its own folder, whatever the
working directory holds and whatever characters the folder's name has."""

import unittest

import bitmaps
import harness
from harness import ELEMENTS, PICTURE_SLOTS

session = None


def setUpModule():
    global session
    session = harness.Session()


def tearDownModule():
    session.close()


class PictureFolderTest(unittest.TestCase):
    def assertPageShows(self, folder, pictures, cwd=None):
        with harness.Program(session, folder, cwd=cwd) as program:
            page = program.page()
            shot = session.settled_screenshot(page)
            for box, names in PICTURE_SLOTS.items():
                found = harness.find_picture(shot, ELEMENTS[box], pictures)
                self.assertIsNotNone(found, f"a picture of the program's folder is drawn in {box}")
                self.assertIn(found[0], names)
            session.focus(page)
            session.key("ctrl+q")
            self.assertEqual(program.exit_status(), 0)

    def test_working_directory_plays_no_part(self):
        pictures = harness.pattern_pictures()
        folder = session.folder(harness.encoded(pictures))
        # A working directory with pictures of its own under the same names,
        # which must not be shown.
        decoys = {name: bitmaps.pattern(image.width, image.height, 200 + index)
                  for index, (name, image) in enumerate(pictures.items())}
        working_dir = session.folder(harness.encoded(decoys), name="decoys")
        self.assertPageShows(folder, pictures, cwd=working_dir)

    def test_folder_name_with_spaces_and_japanese(self):
        pictures = harness.pattern_pictures()
        folder = session.folder(harness.encoded(pictures), name="新聞 の フォルダ")
        self.assertPageShows(folder, pictures)

    def test_folder_name_with_backslash(self):
        """A backslash is an ordinary character in a POSIX file name; only
        the separator before the picture's own name is the program's."""
        pictures = harness.pattern_pictures()
        folder = session.folder(harness.encoded(pictures), name="C:\\Velmo 新聞")
        self.assertPageShows(folder, pictures)


if __name__ == "__main__":
    harness.main()

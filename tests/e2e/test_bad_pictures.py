"""Bad pictures: every file of one box is spoilt alike. A refused picture
ends the program through one error box; a file the decoder may accept may
be shown instead, with the page whole and a normal exit."""

import random
import unittest

import bitmaps
import harness
from harness import ELEMENTS, PICTURE_SLOTS, TITLE

figures = []

# A whole page needs under 50 MiB; decoding what a bad header claims, gigabytes.
PEAK_MEMORY_LIMIT_KIB = 100 * 1024


def folder_with_picture(tag):
    folder = harness.session.scratch / f"folder-{tag}"
    folder.mkdir()
    (folder / "inside.bmp").write_bytes(bitmaps.bmp(bitmaps.pattern(93, 109, tag)))
    return folder


def truncated_bitmap(tag):
    whole = bitmaps.bmp(bitmaps.pattern(93, 109, tag))
    return whole[:54 + (len(whole) - 54) // 2]


# Name, the box whose files are spoilt, whether the program may show the file,
# and a function of a tag giving the file's content (bytes, a Path or None for
# no file) and the picture it holds if the decoder takes it.
CASES = [
    ("missing", "広告(2)", False, lambda tag: (None, None)),
    ("missing, in the first box loaded", "写真", False, lambda tag: (None, None)),
    ("empty file", "広告(2)", False, lambda tag: (b"", None)),
    ("4 KiB of random bytes", "広告(2)", False, lambda tag: (random.Random(tag).randbytes(4096), None)),
    ("a folder in its place", "広告(2)", False, lambda tag: (folder_with_picture(tag), None)),
    ("a header claiming 100000 x 100000 pixels", "広告(2)", False,
     lambda tag: (bitmaps.bmp_header(100000, 100000, 0) + bytes(4096), None)),
    ("a bitmap cut off in its pixels", "広告(2)", True, lambda tag: (truncated_bitmap(tag), None)),
    ("a PNG under the .bmp name", "広告(2)", True,
     lambda tag: (bitmaps.png(picture := bitmaps.pattern(93, 109, tag)), picture)),
    ("a valid 3000 x 3000 bitmap", "広告(2)", True,
     lambda tag: (bitmaps.bmp(picture := bitmaps.pattern(3000, 3000, tag, patterned=150)), picture)),
]


def tearDownModule():
    print("\nBad pictures tried:\n  " + "\n  ".join(figures))


def snapshot(folder):
    return {str(p.relative_to(folder)): (p.is_dir(), p.lstat().st_size, p.lstat().st_mtime_ns)
            for p in folder.rglob("*")}


class BadPictureTest(unittest.TestCase):
    def test_bad_pictures(self):
        for tag, (description, slot, may_show, make) in enumerate(CASES, start=100):
            with self.subTest(description):
                self.run_case(description, slot, may_show, *make(tag))

    def run_case(self, description, slot, may_show, bad, accepted_picture):
        good = harness.pattern_pictures()
        pictures = harness.encoded(good)
        pictures.update({name: bad for name in PICTURE_SLOTS[slot]})
        folder = harness.session.folder(pictures)
        before = snapshot(folder)

        with harness.Program(folder) as program:
            first = program.wait_window(lambda w: w.is_page or (w.is_dialog and w.title == TITLE),
                                        "page window or error box", harness.START_TIMEOUT)
            peak = program.peak_memory_kib()
            if first.is_page:
                self.assertTrue(may_show, f"{description} was shown; it must be refused")
                shot = harness.session.settled_screenshot(first)
                if accepted_picture is not None:
                    self.assertEqual(harness.find_picture(shot, ELEMENTS[slot], {"bad": accepted_picture}), "bad",
                                     f"{description} is drawn in {slot}, cut at the box")
                for box, names in PICTURE_SLOTS.items():
                    if box != slot:
                        self.assertIn(harness.find_picture(shot, ELEMENTS[box], good), names, box)
                self.assertEqual(program.quit(first), 0)
                figures.append(f"{description} ({slot}): shown, exit status 0, VmHWM {peak / 1024:.1f} MiB")
            else:
                self.assertEqual([w.id for w in program.windows()], [first.id], "the error box is the only window")
                program.answer(first, "Return")
                status = program.exit_status()
                self.assertGreater(status, 0, "a non-zero exit status, not a signal")
                self.assertEqual(set(program.x11.mapped_windows()), {first.id}, "no page window was ever mapped")
                named = [name for name in PICTURE_SLOTS[slot] if str(folder / name) in program.stderr()]
                self.assertEqual(len(named), 1, f"stderr names the bad file: {program.stderr()!r}")
                self.assertLess(peak, PEAK_MEMORY_LIMIT_KIB, "peak memory while the error box is up")
                figures.append(f"{description} ({slot}): refused, exit status {status}, "
                               f"VmHWM {peak / 1024:.1f} MiB, {named[0]}")
        self.assertEqual(snapshot(folder), before, "nothing is written in the program's folder")


if __name__ == "__main__":
    harness.main()

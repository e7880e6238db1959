"""Pictures that cannot be shown. Every file of one box is spoilt in the same
way, so that whichever number the page draws, the program meets a bad file.

A refused picture must end the program through the error box: a message box
titled "Velmo NewsPaper", the file named on stderr, a non-zero exit status
that is not a signal, no page window ever mapped, bounded memory and nothing
written in the folder. Where the decoder may accept the file (a truncated
bitmap, a PNG under the .bmp name, a very large bitmap) it may show it
instead, as long as the page is whole and the program ends normally."""

import random
import unittest
from dataclasses import dataclass

import bitmaps
import harness
from harness import ELEMENTS, PICTURE_SLOTS, TITLE

session = None
figures = []

# The most resident memory a run refusing a picture may have used while its
# error box is up. A whole page needs under 50 MiB; decoding a picture of the
# size that a bad header claims would need tens of gigabytes.
PEAK_MEMORY_LIMIT_KIB = 100 * 1024

REFUSED = "refused"
EITHER = "shown or refused"


@dataclass
class Case:
    key: str
    kind: str
    description: str
    outcome: str
    slot: str = "広告(2)"


CASES = [
    Case("missing", "missing", "missing", REFUSED),
    Case("missing_portrait", "missing", "missing, in the first box loaded", REFUSED, slot="写真"),
    Case("empty", "empty", "empty file", REFUSED),
    Case("random_bytes", "random", "4 KiB of random bytes", REFUSED),
    Case("random_portrait", "random", "random bytes, in the first box loaded", REFUSED, slot="写真"),
    Case("folder", "folder", "a folder in its place", REFUSED),
    Case("huge_header", "huge_header", "a bitmap header claiming 100000 x 100000 pixels", REFUSED),
    Case("truncated", "truncated", "a bitmap cut off in the middle of its pixels", EITHER),
    Case("png", "png", "a PNG under the .bmp name", EITHER),
    Case("very_large", "very_large", "a valid 3000 x 3000 bitmap", EITHER),
]


def setUpModule():
    global session
    session = harness.Session()


def tearDownModule():
    session.close()
    print("\nBad pictures tried:")
    for line in figures:
        print("  " + line)


def bad_content(case, size, tag):
    """The spoilt file for a case (bytes, a Path or None) and the picture
    it holds if the decoder accepts it (else None)."""
    width, height = size
    if case.kind == "missing":
        return None, None
    if case.kind == "empty":
        return b"", None
    if case.kind == "random":
        return random.Random(tag).randbytes(4096), None
    if case.kind == "folder":
        folder = session.scratch / f"folder-{tag}"
        folder.mkdir()
        (folder / "inside.bmp").write_bytes(bitmaps.bmp(bitmaps.pattern(width, height, tag)))
        return folder, None
    if case.kind == "huge_header":
        return bitmaps.bmp_header(100000, 100000, 0) + bytes(4096), None
    if case.kind == "truncated":
        whole = bitmaps.bmp(bitmaps.pattern(width, height, tag))
        return whole[:54 + (len(whole) - 54) // 2], None
    if case.kind == "png":
        picture = bitmaps.pattern(width, height, tag)
        return bitmaps.png(picture), picture
    if case.kind == "very_large":
        picture = bitmaps.pattern(3000, 3000, tag, patterned=150)
        return bitmaps.bmp(picture), picture
    raise ValueError(case.kind)


class BadPictureTest(unittest.TestCase):
    def run_case(self, case):
        good = harness.pattern_pictures()
        pictures = harness.encoded(good)
        size = (good[PICTURE_SLOTS[case.slot][0]].width, good[PICTURE_SLOTS[case.slot][0]].height)
        bad, accepted_picture = bad_content(case, size, tag=99)
        for name in PICTURE_SLOTS[case.slot]:
            pictures[name] = bad
        folder = session.folder(pictures)
        before = harness.folder_snapshot(folder)

        with harness.Program(session, folder) as program:
            first = program.wait_window(lambda w: w.is_page or (w.is_dialog and w.title == TITLE),
                                        "page window or error box", harness.START_TIMEOUT)
            if first.is_page:
                self.assertEqual(case.outcome, EITHER, f"{case.description} was shown; it must be refused")
                self.check_shown(program, first, case, accepted_picture)
            else:
                self.check_refused(program, first, case, folder)
        self.assertEqual(harness.folder_snapshot(folder), before, "nothing is written in the program's folder")

    def check_refused(self, program, box, case, folder):
        peak = program.peak_memory_kib()
        visible = program.windows()
        self.assertEqual([w.id for w in visible], [box.id], "the error box is the only window")
        program.answer(box, "Return")
        status = program.exit_status()
        self.assertGreater(status, 0, "a non-zero exit status, not a signal")
        mapped = [window for window, _ in program.monitor.mapped_windows()]
        self.assertEqual(set(mapped), {box.id}, "no page window was ever mapped")
        stderr = program.stderr()
        named = [name for name in PICTURE_SLOTS[case.slot] if str(folder / name) in stderr]
        self.assertEqual(len(named), 1, f"stderr names the bad file: {stderr!r}")
        self.assertLess(peak, PEAK_MEMORY_LIMIT_KIB, "peak memory while the error box is up")
        figures.append(f"{case.description} ({case.slot}): refused, exit status {status}, "
                       f"VmHWM {peak / 1024:.1f} MiB, {named[0]}")

    def check_shown(self, program, page, case, picture):
        shot = session.settled_screenshot(page)
        peak = program.peak_memory_kib()
        if picture is not None:
            found = harness.find_picture(shot, ELEMENTS[case.slot], {"bad": picture})
            self.assertIsNotNone(found, f"{case.description} is drawn in {case.slot}, cut at the box")
        # The other boxes are as on any page.
        good = harness.pattern_pictures()
        for box in PICTURE_SLOTS:
            if box != case.slot:
                self.assertIsNotNone(harness.find_picture(shot, ELEMENTS[box], good), box)
        session.focus(page)
        session.key("ctrl+q")
        self.assertEqual(program.exit_status(), 0)
        figures.append(f"{case.description} ({case.slot}): shown, exit status 0, VmHWM {peak / 1024:.1f} MiB")


def _make_test(case):
    def test(self):
        self.run_case(case)
    test.__doc__ = f"{case.description}: {case.outcome}"
    return test


for _case in CASES:
    setattr(BadPictureTest, f"test_{_case.key}", _make_test(_case))


if __name__ == "__main__":
    harness.main()

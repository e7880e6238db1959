"""The print command against a private CUPS scheduler with a cups-pdf queue:
Cancel prints nothing, OK prints one job of one page holding the page, and
a scheduler that is not there gives the print error box and leaves the
program running, ready to print once the scheduler is back."""

import functools
import subprocess
import time
import unittest

import bitmaps
import harness
import privatecups
from harness import PAGE_COLOUR, PAGE_SIZE

session = None
cups = None
cups_missing = None
figures = []

CONFIRM_TITLE = "印刷"
FAILURE_TITLE = "印刷エラー"
SETUP_TITLE = "印刷設定"
# Rendering the page at the printer's resolution, then ghostscript in the
# cups-pdf backend, take a few seconds.
JOB_TIMEOUT = 60
FAILURE_TIMEOUT = 20


def setUpModule():
    global session, cups, cups_missing
    session = harness.Session()
    cups_missing = privatecups.unavailable_reason()
    if cups_missing is None:
        cups = privatecups.PrivateCups(session.scratch)
        try:
            cups.start()
            cups.add_queue()
        except Exception:
            cups.close()
            session.close()
            raise


def tearDownModule():
    if cups is not None:
        cups.close()
    session.close()
    if figures:
        print("\nPrinting:")
        for line in figures:
            print("  " + line)


def needs_cups(test):
    @functools.wraps(test)
    def wrapper(self):
        if cups is None:
            self.skipTest(cups_missing)
        test(self)
    return wrapper


def rasterise(pdf):
    """The PDF's first page at 100 dpi."""
    stem = pdf.with_suffix("")
    # Poppler's remarks on ghostscript's fonts are of no interest here.
    subprocess.run(["pdftoppm", "-r", "100", "-singlefile", str(pdf), str(stem)], check=True, timeout=60,
                   stderr=subprocess.DEVNULL)
    return bitmaps.read_ppm(stem.with_suffix(".ppm").read_bytes())


def printed_area(image):
    """The bounding box (x, y, width, height) of everything on the paper
    that is not white."""
    top, bottom, left, right = None, None, image.width, -1
    for y in range(image.height):
        row = image.row(y)
        stripped = row.lstrip(b"\xff")
        if not stripped:
            continue
        top = y if top is None else top
        bottom = y
        left = min(left, (len(row) - len(stripped)) // 3)
        right = max(right, (len(row.rstrip(b"\xff")) - 1) // 3)
    if top is None:
        return None
    return left, top, right - left + 1, bottom - top + 1


def block_means(image, box, columns, rows):
    """Mean colour of each cell of a columns x rows grid over the box."""
    x0, y0, width, height = box
    means = []
    for row in range(rows):
        top, bottom = y0 + row * height // rows, y0 + (row + 1) * height // rows
        for column in range(columns):
            left, right = x0 + column * width // columns, x0 + (column + 1) * width // columns
            sums = [0, 0, 0]
            for y in range(top, bottom):
                line = image.row(y, left, right - left)
                for channel in range(3):
                    sums[channel] += sum(line[channel::3])
            count = max((bottom - top) * (right - left), 1)
            means.append(tuple(total / count for total in sums))
    return means


def mean_difference(cells, other_cells):
    """Mean absolute difference of two lists of cell colours, per channel."""
    total = sum(abs(a - b) for cell, other in zip(cells, other_cells) for a, b in zip(cell, other))
    return total / (len(cells) * 3)


def grey_share(image, box, tolerance=8):
    """The share of the box's pixels that are the page's light grey."""
    x0, y0, width, height = box
    grey = 0
    low, high = PAGE_COLOUR[0] - tolerance, PAGE_COLOUR[0] + tolerance
    for y in range(y0, y0 + height):
        line = image.row(y, x0, width)
        grey += sum(1 for r, g, b in zip(line[0::3], line[1::3], line[2::3])
                    if low <= r <= high and low <= g <= high and low <= b <= high)
    return grey / (width * height)


class PrintingTest(unittest.TestCase):
    def start_program(self):
        folder = session.folder(harness.encoded(harness.pattern_pictures()))
        program = harness.Program(session, folder, env=cups.env if cups is not None else None)
        program.start()
        self.addCleanup(program.stop)
        return program, program.page()

    def choose(self, program, page, access_key, title):
        """Opens the menu on the main article, chooses an item by its access
        key and returns the dialog it opens."""
        menu = program.open_menu(page, "記事1")
        session.key(access_key)
        program.wait_gone(menu, "pop-up menu")
        return program.dialog(title)

    def print_page(self, program, page):
        box = self.choose(program, page, "p", CONFIRM_TITLE)
        self.assertEqual([w.id for w in program.windows() if w.is_dialog], [box.id])
        program.answer(box, "Return")

    def wait_for_new_job(self, program, known):
        """Waits until one new job has finished; fails at once if the
        program shows a box instead."""
        def finished_or_box():
            boxes = [w for w in program.windows() if w.is_dialog]
            return boxes or cups.finished_jobs() - known

        result = harness.poll(finished_or_box, JOB_TIMEOUT, interval=0.2)
        self.assertTrue(result, f"no print job finished within {JOB_TIMEOUT} s\n{cups.error_log()}")
        self.assertIsInstance(result, set, f"a box instead of a print job: {', '.join(map(str, result))}")
        # Give a second job, which must not exist, the chance to show up.
        time.sleep(0.5)
        new = cups.all_jobs() - known
        self.assertEqual(len(new), 1, f"exactly one job per print, got {sorted(new)}")
        return new.pop()

    def assertPrintFails(self, program, page):
        self.print_page(program, page)
        box = program.dialog(FAILURE_TITLE, timeout=FAILURE_TIMEOUT)
        program.answer(box, "Return")
        self.assertTrue(program.running, "a failed print does not end the program")
        self.assertEqual([w.id for w in program.windows()], [page.id], "the page stays, with no other window")

    def restart_scheduler(self):
        if not cups.running:
            cups.start()

    def test_cancel_prints_nothing(self):
        known = cups.all_jobs() if cups is not None else set()
        program, page = self.start_program()
        box = self.choose(program, page, "p", CONFIRM_TITLE)
        program.answer(box, "Escape")
        program.assert_none_appears(lambda w: not w.is_page, "window after Cancel", period=1.5)
        self.assertTrue(program.running)
        if cups is not None:
            self.assertEqual(cups.all_jobs() - known, set(), "Cancel makes no print job")
        session.focus(page)
        session.key("ctrl+q")
        self.assertEqual(program.exit_status(), 0)

    @needs_cups
    def test_ok_prints_one_page_with_the_page_on_it(self):
        known = cups.finished_jobs()
        program, page = self.start_program()
        shot = session.settled_screenshot(page)
        self.print_page(program, page)
        job = self.wait_for_new_job(program, known)
        program.assert_none_appears(lambda w: not w.is_page, "message after a successful print")
        self.assertTrue(program.running)

        pdf = cups.pdf_of(job)
        self.assertIsNotNone(pdf, f"cups-pdf wrote a file for job {job}")
        info = subprocess.run(["pdfinfo", str(pdf)], stdout=subprocess.PIPE, check=True).stdout.decode()
        self.assertRegex(info, r"(?m)^Pages:\s+1$")

        paper = rasterise(pdf)
        area = printed_area(paper)
        self.assertIsNotNone(area, "the paper is not blank")
        ratio = area[2] / area[3]
        self.assertAlmostEqual(ratio, PAGE_SIZE[0] / PAGE_SIZE[1], delta=0.02,
                               msg=f"the printed page keeps the window's proportions ({area})")
        self.assertGreater(area[2], paper.width / 2, "the page is printed large, not as a thumbnail")
        printed_grey = grey_share(paper, area)
        screen_grey = grey_share(shot, (0, 0, *PAGE_SIZE))
        self.assertGreater(printed_grey, 0.4, "the printed page is mostly light grey")
        self.assertAlmostEqual(printed_grey, screen_grey, delta=0.1)

        # The printed image is the window's: compare coarse cells, which
        # forgives the finer rendering of the text at the printer's
        # resolution.
        columns, rows = 12, 16
        on_paper = block_means(paper, area, columns, rows)
        on_screen = block_means(shot, (0, 0, *PAGE_SIZE), columns, rows)
        difference = mean_difference(on_paper, on_screen)
        # For scale: the same comparison with the printed page mirrored.
        mirrored = [on_paper[r * columns + (columns - 1 - c)] for r in range(rows) for c in range(columns)]
        mirrored_difference = mean_difference(mirrored, on_screen)
        self.assertLess(difference, 12, "the printed cells match the screen's")
        figures.append(f"job {job}: 1 page, printed area {area[2]}x{area[3]} px at 100 dpi, "
                       f"light grey {printed_grey:.0%} (screen {screen_grey:.0%}), mean cell difference "
                       f"{difference:.1f}/255 (mirrored page: {mirrored_difference:.1f})")

    @needs_cups
    def test_scheduler_stopped_while_running(self):
        self.addCleanup(self.restart_scheduler)
        known = cups.finished_jobs()
        program, page = self.start_program()
        # Cancelling the printer setup keeps the default printer.
        dialog = self.choose(program, page, "o", SETUP_TITLE)
        program.answer(dialog, "Escape")
        program.assert_none_appears(lambda w: not w.is_page, "window after cancelling the printer setup")
        self.print_page(program, page)
        first = self.wait_for_new_job(program, known)

        cups.stop()
        self.assertPrintFails(program, page)

        cups.start()
        self.print_page(program, page)
        second = self.wait_for_new_job(program, known | {first})
        figures.append(f"printer setup cancelled, job {first}, scheduler stopped: failure box, "
                       f"scheduler back: job {second}")

    @needs_cups
    def test_scheduler_stopped_before_the_first_print(self):
        self.addCleanup(self.restart_scheduler)
        known = cups.finished_jobs()
        cups.stop()
        program, page = self.start_program()
        self.assertPrintFails(program, page)

        cups.start()
        self.print_page(program, page)
        job = self.wait_for_new_job(program, known)
        figures.append(f"scheduler stopped before the first print: failure box, then job {job}")


if __name__ == "__main__":
    harness.main()

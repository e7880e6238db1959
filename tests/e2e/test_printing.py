"""The print and printer setup commands against a private CUPS scheduler
with two cups-pdf queues."""

import time
import unittest

import harness
import privatecups

cups = None
cups_missing = privatecups.unavailable_reason()

JOB_TIMEOUT = 60


def setUpModule():
    global cups
    if cups_missing is None:
        cups = privatecups.PrivateCups(harness.session.scratch)
        cups.start()
        cups.add_queues()


def tearDownModule():
    if cups is not None:
        cups.stop()


class CupsPrintingTest(unittest.TestCase):
    def setUp(self):
        if cups is None:
            self.skipTest(cups_missing)

    def choose(self, program, page, access_key, title):
        menu = program.open_menu(page, "記事1")
        harness.session.key(access_key)
        program.wait_gone(menu, "pop-up menu")
        return program.dialog(title)

    def print_page(self, program, page):
        box = self.choose(program, page, "p", "印刷")
        self.assertEqual([w.id for w in program.windows() if w.is_dialog], [box.id])
        program.answer(box, "Return")

    def set_up_printer(self, program, page, entry, copies, answer):
        """Picks an entry of the printer list in the printer setup dialog
        ("Home": the first queue, "End": the PDF file, a queue's name, or None
        to leave it), types the copies into its options, then answers with a key."""
        dialog = self.choose(program, page, "o", "印刷設定")
        harness.session.focus(dialog)
        if entry is not None:
            harness.session.key("alt+o", "alt+n")  # open the options, go to the printer list
            if entry in ("Home", "End"):
                harness.session.key(entry)
            else:
                harness.session.xdotool("type", "--delay", "20", entry)
        if copies is not None:
            # Properties, file browser, tab bar, print range, page set, copies.
            harness.session.key(*["Tab"] * 6, str(copies))
        program.answer(dialog, answer)

    def wait_for_new_job(self, program, known):
        result = harness.poll(lambda: [w for w in program.windows() if w.is_dialog] or cups.jobs("completed") - known,
                              JOB_TIMEOUT, interval=0.2)
        self.assertTrue(result, f"no print job finished within {JOB_TIMEOUT} s\n{cups.error_log()}")
        self.assertIsInstance(result, set, f"a box instead of a print job: {', '.join(map(str, result))}")
        time.sleep(0.5)  # time for a second job, which must not exist, to show
        new = cups.jobs() - known
        self.assertEqual(len(new), 1, f"exactly one job per print, got {sorted(new)}")
        return new.pop()

    def assert_print_fails(self, program, page):
        self.print_page(program, page)
        program.answer(program.dialog("印刷エラー", timeout=20), "Return")
        self.assertTrue(program.running, "a failed print does not end the program")
        self.assertEqual([w.id for w in program.windows()], [page.id], "the page stays, with no other window")

    def test_printer_setup_keeps_the_confirmed_choice(self):
        known = cups.jobs("completed")
        program, page = harness.launch(self, env=cups.env)
        confirmed = (privatecups.QUEUES[1], 2)
        self.set_up_printer(program, page, confirmed[0], confirmed[1], "Return")
        # The other queue with five copies, then the PDF file, both cancelled;
        # then the dialog confirmed as it opens.
        for entry, copies, answer in (("Home", 5, "Escape"), ("End", None, "Escape"), (None, None, "Return")):
            self.set_up_printer(program, page, entry, copies, answer)
            self.print_page(program, page)
            job = self.wait_for_new_job(program, known)
            known.add(job)
            record = harness.poll(lambda: cups.accounting(job), 5)
            self.assertEqual(record, confirmed, f"job {job} after choosing {entry} and pressing {answer}")

    def test_scheduler_stopped_and_back(self):
        self.addCleanup(lambda: cups.running or cups.start())
        known = cups.jobs("completed")
        # Stopped before the program looks for printers for the first time.
        cups.stop()
        program, page = harness.launch(self, env=cups.env)
        self.assert_print_fails(program, page)
        cups.start()
        self.print_page(program, page)
        known.add(self.wait_for_new_job(program, known))

        # Stopped while the program runs.
        cups.stop()
        self.assert_print_fails(program, page)
        cups.start()
        self.print_page(program, page)
        known.add(self.wait_for_new_job(program, known))


if __name__ == "__main__":
    harness.main()

"""The 22 pictures that the build puts beside the executable are all there and
each is drawn, as ImageMagick decodes it, in its box.

A page shows four pictures drawn at random, so each run gives every file of
a box the same picture: run k shows portrait k and advertisement k of every
slot (counted modulo four). Ten runs show all 22."""

import unittest

import harness
from harness import ADVERTISEMENTS, ELEMENTS, PICTURE_SLOTS, PORTRAITS


class ShippedPicturesTest(unittest.TestCase):
    def test_every_picture_is_drawn_in_its_box(self):
        shipped = {name: harness.BIN_DIR / name for name in PORTRAITS + ADVERTISEMENTS}
        missing = [name for name, path in shipped.items() if not path.is_file()]
        self.assertEqual(missing, [], f"pictures missing in {harness.BIN_DIR}")
        decoded = {name: harness.decode(path) for name, path in shipped.items()}
        shown = set()
        for run in range(len(PORTRAITS)):
            chosen = {box: names[run % len(names)] for box, names in PICTURE_SLOTS.items()}
            folder = harness.session.folder({name: shipped[chosen[box]]
                                             for box, names in PICTURE_SLOTS.items() for name in names})
            with self.subTest(run=run), harness.Program(folder) as program:
                page = program.page()
                shot = harness.session.settled_screenshot(page)
                for box, name in chosen.items():
                    self.assertEqual(harness.find_picture(shot, ELEMENTS[box], {name: decoded[name]}), name,
                                     f"{name} is drawn in {box}")
                    shown.add(name)
                self.assertEqual(program.quit(page), 0)
        self.assertEqual(shown, set(shipped))


if __name__ == "__main__":
    harness.main()

"""The dial on screen: the second hand moves every second, and nothing else
on the screen changes with it."""

import time
import unittest

import harness

DIAL_LEFT, DIAL_TOP, DIAL_SIZE = 0, 252, 128  # the dial box in the window
CENTRE = DIAL_SIZE / 2


def dial_pixels(x0, y0, inside):
    """Screen pixels of the dial box that lie inside (or outside) the dial circle,
    with a one-pixel band at the outline left out either way."""
    out = []
    for y in range(DIAL_SIZE):
        for x in range(DIAL_SIZE):
            dx, dy = x + 0.5 - CENTRE, y + 0.5 - CENTRE
            d = (dx * dx + dy * dy) ** 0.5
            if (inside and d < CENTRE - 1) or (not inside and d > CENTRE + 1):
                out.append((x0 + DIAL_LEFT + x, y0 + DIAL_TOP + y))
    return out


class DialOnScreen(unittest.TestCase):
    def test_a_second_later_only_the_dial_has_changed(self):
        with harness.Session() as s:
            # Second 20: no minute picture is due while the shots are taken.
            app = s.launch(faketime="@2026-12-07 10:08:18")
            w = app.wait_window()
            x, y, width, height = s.geometry(w)
            time.sleep(2.0)  # past the start-up pictures
            first = s.screenshot()
            time.sleep(1.05)
            second = s.screenshot()

            inside = dial_pixels(x, y, True)
            changed_inside = sum(1 for p in inside if first.pixel(*p) != second.pixel(*p))
            # The second hand has moved 6 degrees: its line, shadow and disc.
            self.assertGreater(changed_inside, 20)

            # Outside the dial circle: the rest of the dial box, the whole
            # character window and the desktop around it stay as they were.
            for p in dial_pixels(x, y, False):
                self.assertEqual(first.pixel(*p), second.pixel(*p), "dial corner %s" % (p,))
            above = first.region_differs(second, 0, 0, first.width, y + DIAL_TOP)
            below = first.region_differs(second, 0, y + DIAL_TOP + DIAL_SIZE, first.width, first.height)
            left = first.region_differs(second, 0, y + DIAL_TOP, x + DIAL_LEFT, y + DIAL_TOP + DIAL_SIZE)
            right = first.region_differs(second, x + DIAL_LEFT + DIAL_SIZE, y + DIAL_TOP,
                                         first.width, y + DIAL_TOP + DIAL_SIZE)
            self.assertEqual((above, below, left, right), (0, 0, 0, 0))

            s.close_main_stage()
            self.assertEqual(app.wait_exit(5), 0)

    def test_the_dial_shows_the_hands_of_the_time(self):
        with harness.Session() as s:
            # 3:00:05 -- the minute hand points at twelve, the hour hand at three.
            app = s.launch(faketime="@2026-12-07 03:00:05")
            w = app.wait_window()
            x, y, _, _ = s.geometry(w)
            time.sleep(1.5)
            shot = s.screenshot()
            magenta = (0xFF, 0x00, 0xFF)
            at = lambda dx, dy: shot.pixel(x + DIAL_LEFT + dx, y + DIAL_TOP + dy)
            self.assertEqual(at(64, 40), magenta)   # minute hand, towards twelve
            self.assertEqual(at(85, 64), magenta)   # hour hand, towards three
            self.assertNotEqual(at(40, 64), magenta)  # nothing towards nine
            s.close_main_stage()
            self.assertEqual(app.wait_exit(5), 0)


if __name__ == "__main__":
    harness.main()

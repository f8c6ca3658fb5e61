"""The character on the desktop: her window's size, place and outline."""

import time
import unittest

import harness


def window_under_pointer(s, x, y):
    s.xdotool("mousemove", x, y)
    time.sleep(0.1)
    fields = dict(f.split("=", 1) for f in s.xdotool("getmouselocation", "--shell").stdout.split())
    return fields["WINDOW"]


def store_position(s, left, top):
    """The values a load reads before the position, then the position."""
    s.seed({"AnaDigi": ("REG_DWORD", 1), "StayOnTop": ("REG_DWORD", 0),
            "FormLeft": ("REG_DWORD", left), "FormTop": ("REG_DWORD", top)})


class Character(unittest.TestCase):
    def test_without_settings_she_stands_at_40_64_cut_to_her_outline(self):
        with harness.Session() as s:
            app = s.launch()
            w = app.wait_window()
            time.sleep(1)
            self.assertEqual(s.geometry(w), (40, 64, 293, 441))
            # Outside both outlines the desktop is under the pointer: the
            # corners of her box, above the dial, beside her feet.
            for dx, dy in ((1, 1), (291, 1), (5, 250), (1, 439), (291, 439), (10, 400)):
                under = window_under_pointer(s, 40 + dx, 64 + dy)
                self.assertNotEqual(under, w, "her window at %d,%d" % (dx, dy))
            # Her face, her dress and the dial's centre are hers.
            for dx, dy in ((165, 118), (160, 300), (64, 316)):
                self.assertEqual(window_under_pointer(s, 40 + dx, 64 + dy), w,
                                 "not her window at %d,%d" % (dx, dy))
            # Inside her outline: her colours, never the green of the picture's background.
            shot = s.screenshot()
            green = 0
            for y in range(64, 64 + 441):
                for x in range(40, 40 + 293):
                    r, g, b = shot.pixel(x, y)
                    if g > 200 and r < 80 and b < 80:
                        green += 1
            self.assertEqual(green, 0, "green background pixels show")
            r, g, b = shot.pixel(40 + 165, 64 + 150)  # her chin: skin, bright and warm
            self.assertGreater(r, 180)
            self.assertGreater(r, b)
            s.close_main_stage()
            self.assertEqual(app.wait_exit(5), 0)

    def test_a_position_where_none_of_her_shows_opens_at_the_default(self):
        with harness.Session() as s:
            # Off every screen; only her box's empty top-left corner on it.
            for left, top in ((-5000, 64), (1232, 976)):
                store_position(s, left, top)
                app = s.launch()
                w = app.wait_window()
                x, y, _, _ = s.geometry(w)
                self.assertEqual((x, y), (40, 64), "stored at %d,%d" % (left, top))
                self.assertEqual(window_under_pointer(s, x + 160, y + 300), w, "her dress")
                s.close_main_stage()
                self.assertEqual(app.wait_exit(5), 0)

    def test_a_position_on_the_screen_is_kept(self):
        with harness.Session() as s:
            store_position(s, 900, 10)
            app = s.launch()
            w = app.wait_window()
            self.assertEqual(s.geometry(w)[:2], (900, 10))
            s.close_main_stage()
            self.assertEqual(app.wait_exit(5), 0)
            self.assertEqual(s.reg_values()["FormLeft"], ("REG_DWORD", 900))

    def test_on_a_640_by_480_screen_she_starts_whole(self):
        with harness.Session(640, 480) as s:
            app = s.launch()
            w = app.wait_window()
            left, top, width, height = s.geometry(w)
            self.assertEqual((left, top), (40, 39), "moved up just enough")
            self.assertLessEqual(top + height, 480, "her feet are on the screen")
            # Her shoes, near the bottom of the window, answer the pointer.
            self.assertEqual(window_under_pointer(s, left + 152, top + 425), w)
            s.close_main_stage()
            self.assertEqual(app.wait_exit(5), 0)


if __name__ == "__main__":
    harness.main()

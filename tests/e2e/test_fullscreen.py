"""A program in full screen over her monitor: she steps behind it within a
few seconds although she stays on top, the schedule that comes due meanwhile
waits, and when the program closes she is on top again and the balloon comes.

Set VELMIRA_E2E_SHOTS to a folder to keep the pictures taken."""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import test_reminders  # noqa: E402
import test_settings  # noqa: E402

COVER = (0x20, 0x80, 0xC0)  # the full-screen window's colour, found nowhere on her
HER_DRESS = (40 + 160, 64 + 300)  # a point on her at the default place


def shot(s, name):
    folder = os.environ.get("VELMIRA_E2E_SHOTS")
    return s.screenshot(os.path.join(folder, name) if folder else None)


def wait_pixel(s, point, wanted, timeout, name):
    """The screenshot once `point` has (or, wanted=None, lost) the cover's colour."""
    deadline = time.time() + timeout
    while True:
        picture = shot(s, name)
        if (picture.pixel(*point) == COVER) == wanted or time.time() > deadline:
            return picture
        time.sleep(0.2)


class FullScreen(unittest.TestCase):
    def test_she_keeps_out_of_the_way_of_a_full_screen_program(self):
        with harness.Session() as s:
            values = dict(test_settings.DEFAULTS)  # she stays on top
            values.update({"Yotei0": ("REG_DWORD", 0x80000905),  # every day at 9:05, in use
                           "lastYotei": ("REG_DWORD", 0x0C080904)})
            s.seed(values)
            app = s.launch(faketime="@2026-12-08 09:04:20")
            started = time.time()
            main = app.wait_window()
            time.sleep(1)
            self.assertNotEqual(shot(s, "fullscreen-before.png").pixel(*HER_DRESS), COVER)

            cover = s.launch(exe=harness.HELPER, args=["fullscreen", "%02x%02x%02x" % COVER])
            cover.wait_window("^e2e-fullscreen$")
            hidden = wait_pixel(s, HER_DRESS, True, 3, "fullscreen-over-her.png")
            self.assertEqual(hidden.pixel(*HER_DRESS), COVER, "she still shows over it")

            # 9:05 comes and goes: the schedule waits, no balloon shows.
            while time.time() < started + 55:
                self.assertIsNone(test_reminders.balloon(s, app, main),
                                  "a balloon came up over the full-screen program")
                time.sleep(0.5)
            x, y = test_reminders.BALLOON_AT
            self.assertEqual(shot(s, "fullscreen-due.png").pixel(x + 120, y + 60), COVER)

            self.assertEqual(0, s.helper("close", "VelmiraE2EFullScreen").returncode)
            back = wait_pixel(s, HER_DRESS, False, 5, "fullscreen-after.png")
            self.assertNotEqual(back.pixel(*HER_DRESS), COVER, "she is on top again")
            self.assertIsNotNone(test_reminders.wait_balloon(s, app, main, timeout=10),
                                 "the schedule's balloon comes after it")
            shot(s, "fullscreen-balloon.png")
            self.assertTrue(s.close_main_stage())
            self.assertEqual(0, app.wait_exit(10))


if __name__ == "__main__":
    harness.main()

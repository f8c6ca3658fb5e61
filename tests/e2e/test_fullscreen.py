"""A program in full screen over her monitor: she steps behind it within 3 s
although she stays on top, the schedule due meanwhile waits, and after its
close she is on top again and the balloon comes. VELMIRA_E2E_SHOTS keeps the pictures."""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import test_reminders  # noqa: E402
import test_settings  # noqa: E402

COVER = (0x20, 0x80, 0xC0)  # the full-screen window's colour, found nowhere on her
HER_DRESS = (40 + 160, 64 + 300)


def shot_until(s, name, covered, timeout=0):
    """A screenshot, taken again until her dress is (or is not) covered or time is up."""
    folder = os.environ.get("VELMIRA_E2E_SHOTS")
    deadline = time.time() + timeout
    while True:
        picture = s.screenshot(os.path.join(folder, name) if folder else None)
        if (picture.pixel(*HER_DRESS) == COVER) == covered or time.time() > deadline:
            return picture
        time.sleep(0.2)


class FullScreen(unittest.TestCase):
    def test_she_keeps_out_of_the_way_of_a_full_screen_program(self):
        with harness.Session() as s:
            values = dict(test_settings.DEFAULTS)
            values.update({"StayOnTop": ("REG_DWORD", 1),
                           "Yotei0": ("REG_DWORD", 0x80000905),  # every day at 9:05, in use
                           "lastYotei": ("REG_DWORD", 0x0C080904)})
            s.seed(values)
            app = s.launch(faketime="@2026-12-08 09:04:20")
            started = time.time()
            main = app.wait_window()
            shot_until(s, "fullscreen-before.png", False, 5)
            cover = s.launch(exe=harness.HELPER, args=["fullscreen", "%02x%02x%02x" % COVER])
            cover.wait_window("^e2e-fullscreen$")
            picture = shot_until(s, "fullscreen-over-her.png", True, 3)
            self.assertEqual(picture.pixel(*HER_DRESS), COVER, "she still shows over it")
            while time.time() < started + 55:  # 9:05 comes and goes
                self.assertIsNone(test_reminders.balloon(s, app, main), "a balloon over it")
                time.sleep(0.5)
            x, y = test_reminders.BALLOON_AT
            self.assertEqual(shot_until(s, "fullscreen-due.png", True).pixel(x + 120, y + 60), COVER)

            self.assertEqual(0, s.helper("close", "VelmiraE2EFullScreen").returncode)
            picture = shot_until(s, "fullscreen-after.png", False, 5)
            self.assertNotEqual(picture.pixel(*HER_DRESS), COVER, "she is on top again")
            self.assertIsNotNone(test_reminders.wait_balloon(s, app, main), "the balloon comes")
            shot_until(s, "fullscreen-balloon.png", False)
            self.assertTrue(s.close_main_stage())
            self.assertEqual(0, app.wait_exit(10))


if __name__ == "__main__":
    harness.main()

"""A program in full screen over her monitor: she is out of sight within 3 s
and for the whole time it stays, although she stays on top; the schedule due
meanwhile waits, and after its close she is on top again and the balloon
comes. A window 1 px short of the screen does not count. VELMIRA_E2E_SHOTS
keeps the pictures."""

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
    def test_she_keeps_out_of_sight_of_a_full_screen_program_for_its_whole_time(self):
        with harness.Session() as s:
            values = dict(test_settings.DEFAULTS)
            values.update({"StayOnTop": ("REG_DWORD", 1),
                           "Yotei0": ("REG_DWORD", 0x80000905),  # every day at 9:05, in use
                           "lastYotei": ("REG_DWORD", 0x0C080904)})
            s.seed(values)
            app = s.launch(faketime="@2026-12-08 09:04:52")
            main = app.wait_window()
            shot_until(s, "fullscreen-before.png", False, 5)
            cover = s.launch(exe=harness.HELPER, args=["fullscreen", "%02x%02x%02x" % COVER])
            cover.wait_window("^e2e-fullscreen$")
            covered = time.time()
            # 9:05 comes while it covers her: every picture after the first
            # 3 s shows the cover over her dress, and no balloon comes.
            time.sleep(3)
            while time.time() < covered + 13:
                picture = shot_until(s, "fullscreen-over-her.png", True)
                self.assertEqual(picture.pixel(*HER_DRESS), COVER,
                                 "she shows over it %.1f s after it came" % (time.time() - covered))
                self.assertIsNone(test_reminders.balloon(s, app, main), "a balloon over it")
                time.sleep(0.5)

            self.assertEqual(0, s.helper("close", "VelmiraE2EFullScreen").returncode)
            picture = shot_until(s, "fullscreen-after.png", False, 5)
            self.assertNotEqual(picture.pixel(*HER_DRESS), COVER, "she is on top again")
            self.assertIsNotNone(test_reminders.wait_balloon(s, app, main), "the balloon comes")
            shot_until(s, "fullscreen-balloon.png", False)
            self.assertTrue(s.close_main_stage())
            self.assertEqual(0, app.wait_exit(10))

    def test_a_window_one_pixel_short_of_the_screen_leaves_her_on_top(self):
        with harness.Session() as s:
            values = dict(test_settings.DEFAULTS)
            values["StayOnTop"] = ("REG_DWORD", 1)
            s.seed(values)
            app = s.launch()
            app.wait_window()
            shot_until(s, "short-before.png", False, 5)
            cover = s.launch(exe=harness.HELPER,
                             args=["fullscreen", "%02x%02x%02x" % COVER, "1"])
            cover.wait_window("^e2e-fullscreen$")
            # Wine draws a newly shown foreground window over a topmost one
            # until that is restacked, so her own state tells: she is never
            # hidden for it, over longer than the watch's 2 s check.
            deadline = time.time() + 6
            while time.time() < deadline:
                out = s.helper("style", harness.STAGE_CLASS).stdout
                self.assertIn("visible=1", out, "a window 1 px short hid her")
                time.sleep(0.5)
            self.assertTrue(s.close_main_stage())
            self.assertEqual(0, app.wait_exit(10))


if __name__ == "__main__":
    harness.main()

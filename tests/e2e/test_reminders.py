"""A schedule missed this morning comes up shortly after the start: her
balloon beside her mouth with the default text and the slot's time, the
schedule's sound, "閉じる" closes it, and the close stores the minute handled."""

import os
import sys
import time
import unittest
import wave

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import test_menu  # noqa: E402

BALLOON_SIZE = (240, 160)
# Her window at 40,64 on 1280 x 1024: centre in the left half and in the
# second quarter, so the balloon opens to the right and above, the tip of its
# tail on the top-right corner of her mouth (157 + 17, 138).
BALLOON_AT = (40 + 174 - 0, 64 + 138 - 160)
CLOSE_BUTTON = (184 + 23, 107 + 9)


def cue_samples(name):
    path = os.path.join(harness.ROOT, "resources", "sounds", name.lower() + ".wav")
    with wave.open(path, "rb") as w:
        return w.readframes(w.getnframes())


def balloon(s, app, main_window):
    found = [w for w in test_menu.popup_windows(s, app, main_window)
             if (w[3], w[4]) == BALLOON_SIZE]
    return found[0] if found else None


class Reminders(unittest.TestCase):
    def test_a_missed_schedule_is_announced_and_closed(self):
        with harness.Session(capture_sound=True) as s:
            s.seed({"AnaDigi": ("REG_DWORD", 1), "StayOnTop": ("REG_DWORD", 0),
                    "FormLeft": ("REG_DWORD", 40), "FormTop": ("REG_DWORD", 64),
                    "yoSnd0": ("REG_SZ", "Snd_Jikan1"),
                    "Yotei0": ("REG_DWORD", 0x80000705),  # every day at 7:05, in use
                    "lastYotei": ("REG_DWORD", 0)})
            app = s.launch(faketime="@2026-12-08 09:00:30")
            main = app.wait_window()
            shown = None
            deadline = time.time() + 10
            while time.time() < deadline and not shown:
                shown = balloon(s, app, main)
                time.sleep(0.2)
            self.assertIsNotNone(shown, "no balloon came up")
            self.assertEqual(shown[1:3], BALLOON_AT, "the tail's tip on her mouth")
            shot = s.screenshot(os.path.join(os.environ["VELMIRA_E2E_SHOTS"], "balloon.png")
                                if os.environ.get("VELMIRA_E2E_SHOTS") else None)
            x, y = BALLOON_AT
            self.assertEqual(shot.pixel(x + 120, y + 60), (255, 255, 255), "a white body")
            self.assertTrue(cue_samples("Snd_Jikan1") in s.played(), "the schedule's sound")

            s.xdotool("mousemove", x + CLOSE_BUTTON[0], y + CLOSE_BUTTON[1], "click", 1)
            deadline = time.time() + 5
            while time.time() < deadline and balloon(s, app, main):
                time.sleep(0.2)
            self.assertIsNone(balloon(s, app, main), "閉じる closes it")

            self.assertTrue(s.close_main_stage())
            self.assertEqual(0, app.wait_exit(10))
            self.assertEqual(s.reg_values()["lastYotei"], ("REG_DWORD", 0x0C080900),
                             "the minute of the start was handled")


if __name__ == "__main__":
    harness.main()

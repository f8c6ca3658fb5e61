"""A schedule missed this morning comes up shortly after the start: her
balloon beside her mouth with the default text and the slot's time, the
schedule's sound, "閉じる" closes it, and the close stores the minute handled.
A broken sound file leaves her silent and running; Alt+F4 on the balloon
only hides it; schedules still waiting at a close come after the next start;
muted from her menu, a due schedule shows its balloon and plays nothing."""

import os
import shutil
import struct
import sys
import time
import unittest
import wave

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import test_beside  # noqa: E402
import test_dialogs  # noqa: E402
import test_menu  # noqa: E402
import test_settings  # noqa: E402

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
    """The shown balloon's (id, x, y, w, h); None while it is hidden."""
    for w in test_menu.popup_windows(s, app, main_window):
        if (w[3], w[4]) != BALLOON_SIZE:
            continue
        if "IsViewable" in s.run(["xwininfo", "-id", str(w[0])]).stdout:
            return w
    return None


def wait_balloon(s, app, main, shown=True, timeout=10.0):
    """The balloon once it is shown (or None once it is hidden)."""
    deadline = time.time() + timeout
    while bool(balloon(s, app, main)) != shown and time.time() < deadline:
        time.sleep(0.2)
    return balloon(s, app, main)


def label_and_close(test, s, app, stored_last=None):
    """The balloon's time label; then a close, checking the stored lastYotei."""
    label = s.helper("texts", "TMessageBalloon").stdout.splitlines()[-1]
    test.assertTrue(s.close_main_stage())
    test.assertEqual(0, app.wait_exit(10))
    if stored_last is not None:
        test.assertEqual(s.reg_values()["lastYotei"], ("REG_DWORD", stored_last))
    return label


def seed_schedules(s, *words, sound=""):
    values = dict(test_settings.DEFAULTS)  # a value missing would end the load
    values.update({"Yotei%d" % i: ("REG_DWORD", w) for i, w in enumerate(words)})
    values["yoSnd0"] = ("REG_SZ", sound)
    s.seed(values)


class Reminders(unittest.TestCase):
    def test_a_missed_schedule_is_announced_and_closed(self):
        with harness.Session(capture_sound=True) as s:
            values = dict(test_settings.DEFAULTS)  # a value missing would end the load
            values.update({"yoSnd0": ("REG_SZ", "Snd_Jikan1"),
                           "Yotei0": ("REG_DWORD", 0x80000705),  # every day at 7:05, in use
                           "lastYotei": ("REG_DWORD", 0)})
            s.seed(values)
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
            self.assertTrue(s.wait_played(cue_samples("Snd_Jikan1")), "the schedule's sound")

            s.xdotool("mousemove", x + CLOSE_BUTTON[0], y + CLOSE_BUTTON[1], "click", 1)
            deadline = time.time() + 5
            while time.time() < deadline and balloon(s, app, main):
                time.sleep(0.2)
            self.assertIsNone(balloon(s, app, main), "閉じる closes it")

            self.assertTrue(s.close_main_stage())
            self.assertEqual(0, app.wait_exit(10))
            self.assertEqual(s.reg_values()["lastYotei"], ("REG_DWORD", 0x0C080900),
                             "the minute of the start was handled")

    def test_the_balloon_follows_her_and_her_menu_closes_it(self):
        with harness.Session() as s:
            values = dict(test_settings.DEFAULTS)
            values.update({"Yotei0": ("REG_DWORD", 0x80000705), "lastYotei": ("REG_DWORD", 0)})
            s.seed(values)
            app = s.launch(faketime="@2026-12-08 09:00:30")
            main = app.wait_window()
            deadline = time.time() + 10
            while time.time() < deadline and not balloon(s, app, main):
                time.sleep(0.2)
            self.assertIsNotNone(balloon(s, app, main), "no balloon came up")
            # Drag her 300 px to the right by her dress: the balloon comes along.
            s.drag(40 + 160, 64 + 300, 40 + 460, 64 + 300)
            deadline = time.time() + 3
            moved = None
            while time.time() < deadline:
                moved = balloon(s, app, main)
                if moved and moved[1:3] == (BALLOON_AT[0] + 300, BALLOON_AT[1]):
                    break
                time.sleep(0.1)
            self.assertEqual(moved[1:3], (BALLOON_AT[0] + 300, BALLOON_AT[1]))
            # Her menu closes it.
            s.xdotool("mousemove", 340 + 160, 64 + 300, "click", 3)
            deadline = time.time() + 3
            while time.time() < deadline and balloon(s, app, main):
                time.sleep(0.1)
            self.assertIsNone(balloon(s, app, main), "the menu closed the balloon")
            s.xdotool("key", "Escape")
            self.assertTrue(s.close_main_stage())
            self.assertEqual(0, app.wait_exit(10))

    def test_muted_from_her_menu_a_due_schedule_shows_and_plays_nothing(self):
        with harness.Session(capture_sound=True) as s:
            seed_schedules(s, 0x80000901, sound="Snd_Jikan1")  # every day at 9:01
            s.reg_add("lastYotei", "REG_DWORD", 0x0C080900)  # nothing missed before
            m = test_dialogs.launch_at(self, s, "@2026-12-08 09:00:35")
            test_beside.choose(m, "m")  # 音を出さない(&M)
            self.assertEqual(("REG_DWORD", 1), s.reg_values().get("Mute"), "stored at once")
            self.assertIsNone(balloon(s, m.app, m.window), "muted before 9:01")
            self.assertIsNotNone(wait_balloon(s, m.app, m.window, timeout=40), "no balloon came up")
            self.assertFalse(s.wait_played(cue_samples("Snd_Jikan1"), 3), "the schedule's sound")
            self.assertEqual(b"", s.played(), "no sample at all")
            self.assertEqual("[**.**  09:01]", label_and_close(self, s, m.app))


class WhatUsersStore(unittest.TestCase):
    def test_a_broken_sound_file_leaves_her_silent_and_running(self):
        with harness.Session(capture_sound=True) as s:
            folder = os.path.join(s.work, "program")
            os.makedirs(os.path.join(folder, "SOUND_DATA"))
            shutil.copy(harness.EXE, folder)
            # A RIFF/WAVE signature over a format of no channels.
            fmt = struct.pack("<4sIHHIIHH", b"fmt ", 16, 1, 0, 11025, 11025, 1, 8)
            data = b"data" + struct.pack("<I", 2000) + b"\x80" * 2000
            with open(os.path.join(folder, "SOUND_DATA", "broken.wav"), "wb") as f:
                f.write(b"RIFF" + struct.pack("<I", 4 + len(fmt) + len(data)) + b"WAVE" + fmt + data)
            seed_schedules(s, 0x80000705, sound="broken.wav")
            app = s.launch(exe=os.path.join(folder, os.path.basename(harness.EXE)),
                           faketime="@2026-12-08 09:00:30")
            main = app.wait_window()
            self.assertIsNotNone(wait_balloon(s, app, main), "no balloon came up")
            time.sleep(10)
            self.assertTrue(app.running(), "she is still there 10 s later")
            self.assertEqual(b"", s.played(), "the broken file plays nothing")
            label_and_close(self, s, app, stored_last=0x0C080900)

    def test_alt_f4_on_the_balloon_leaves_it_for_the_next_reminder(self):
        with harness.Session() as s:
            seed_schedules(s, 0x80000705, 0x80000901)  # missed at 7:05, due at 9:01
            app = s.launch(faketime="@2026-12-08 09:00:45")
            main = app.wait_window()
            shown = wait_balloon(s, app, main)
            s.xdotool("mousemove", shown[1] + 120, shown[2] + 60, "click", 1)
            s.xdotool("windowfocus", shown[0])
            s.xdotool("key", "alt+F4")
            self.assertIsNone(wait_balloon(s, app, main, shown=False, timeout=5), "Alt+F4 closes it")
            self.assertIsNotNone(wait_balloon(s, app, main, timeout=25), "the 9:01 one comes")
            self.assertEqual("[**.**  09:01]", label_and_close(self, s, app))

    def test_schedules_waiting_at_the_close_come_after_the_next_start(self):
        with harness.Session() as s:
            # 7:05, 7:10 and 7:15 every day, all missed: queued together at the start.
            seed_schedules(s, 0x80000705, 0x8000070A, 0x8000070F)
            app = s.launch(faketime="@2026-12-08 09:00:30")
            self.assertIsNotNone(wait_balloon(s, app, app.wait_window()), "the first one comes")
            # Stored just below the first one still waiting.
            self.assertEqual("[**.**  07:05]", label_and_close(self, s, app, 0x0C080709))
            app = s.launch(faketime="@2026-12-08 09:05:30")
            main = app.wait_window()
            shown = wait_balloon(s, app, main)
            s.xdotool("mousemove", shown[1] + CLOSE_BUTTON[0], shown[2] + CLOSE_BUTTON[1], "click", 1)
            self.assertIsNone(wait_balloon(s, app, main, shown=False, timeout=5))
            self.assertIsNotNone(wait_balloon(s, app, main), "the second one comes too")
            self.assertEqual("[**.**  07:15]", label_and_close(self, s, app))


if __name__ == "__main__":
    harness.main()

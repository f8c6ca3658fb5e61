"""Settings under the registry key: read at start, written at close, and the
reset offered when Shift and Ctrl are held at start."""

import os
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402

# Every stored value, none of them a default. Japanese texts check that texts
# pass through unmangled; the schedule words have their in-use bit 31 set.
SEEDED = {
    "AnaDigi": ("REG_DWORD", 0),
    "StayOnTop": ("REG_DWORD", 1),
    "FormLeft": ("REG_DWORD", 210),
    "FormTop": ("REG_DWORD", 130),
    "kiMes0": ("REG_SZ", "誕生日です"),
    "yoMes0": ("REG_SZ", "会議の時間"),
    "kiSnd0": ("REG_SZ", "Voice1"),
    "yoSnd0": ("REG_SZ", "bell.wav"),
    "KiTuki0": ("REG_DWORD", 0x10C),
    "KiHi0": ("REG_DWORD", 24),
    "Yotei0": ("REG_DWORD", 0x8C180F1E),
    "kiMes1": ("REG_SZ", "記念日"),
    "yoMes1": ("REG_SZ", "Lunch"),
    "kiSnd1": ("REG_SZ", ""),
    "yoSnd1": ("REG_SZ", "Voice3"),
    "KiTuki1": ("REG_DWORD", 0x100),
    "KiHi1": ("REG_DWORD", 31),
    "Yotei1": ("REG_DWORD", 0x80000C00),
    "kiMes2": ("REG_SZ", ""),
    "yoMes2": ("REG_SZ", "おやつ"),
    "kiSnd2": ("REG_SZ", "Voice2"),
    "yoSnd2": ("REG_SZ", ""),
    "KiTuki2": ("REG_DWORD", 0x7),
    "KiHi2": ("REG_DWORD", 15),
    "Yotei2": ("REG_DWORD", 0x00010F00),
    "lastYotei": ("REG_DWORD", 0x0C180F1E),
    "samiLim": ("REG_DWORD", 600),
    "ThreadPrio": ("REG_DWORD", 3),
    "DigiAMPM": ("REG_DWORD", 1),
}

DEFAULTS = {
    "AnaDigi": ("REG_DWORD", 1),
    "StayOnTop": ("REG_DWORD", 0),
    "FormLeft": ("REG_DWORD", 40),
    "FormTop": ("REG_DWORD", 64),
    "lastYotei": ("REG_DWORD", 0),
    "samiLim": ("REG_DWORD", 3600),
    "ThreadPrio": ("REG_DWORD", 0),
    "DigiAMPM": ("REG_DWORD", 0),
}
# The values a key of an older version lacks, at their defaults.
LATER_DEFAULTS = {
    "ClickThrough": ("REG_DWORD", 0),
    "Opacity": ("REG_DWORD", 100),
    "SizePct": ("REG_DWORD", 100),
    "ShowInTaskbar": ("REG_DWORD", 1),
    "Mute": ("REG_DWORD", 0),
}
DEFAULTS.update(LATER_DEFAULTS)
for _i in range(3):
    DEFAULTS.update({
        "kiMes%d" % _i: ("REG_SZ", ""), "yoMes%d" % _i: ("REG_SZ", ""),
        "kiSnd%d" % _i: ("REG_SZ", ""), "yoSnd%d" % _i: ("REG_SZ", ""),
        "KiTuki%d" % _i: ("REG_DWORD", 0), "KiHi%d" % _i: ("REG_DWORD", 1),
        "Yotei%d" % _i: ("REG_DWORD", 0),
    })


def close_and_wait(test, session, app):
    test.assertTrue(session.close_main_stage(), "the main stage was not found")
    test.assertEqual(0, app.wait_exit(20), "the program did not end after the close")


class StoredSettings(unittest.TestCase):
    def test_first_run_writes_the_defaults(self):
        with harness.Session() as s:
            self.assertFalse(s.key_exists())
            app = s.launch()
            app.wait_window()
            self.assertTrue(s.key_exists(), "the load creates the key")
            close_and_wait(self, s, app)
            self.assertEqual(DEFAULTS, s.reg_values())

    def test_seeded_values_come_back_unchanged(self):
        with harness.Session() as s:
            s.seed(SEEDED)
            s.reg_add("NotOurs", "REG_SZ", "left alone")
            self.assertEqual(len(SEEDED) + 1, len(s.reg_values()))
            app = s.launch()
            window = app.wait_window()
            time.sleep(0.5)
            left, top, _, _ = s.geometry(window)
            close_and_wait(self, s, app)
            stored = s.reg_values()
            # The position is written from where the window is at the close.
            self.assertEqual((left, top), (stored["FormLeft"][1], stored["FormTop"][1]))
            expected = dict(SEEDED)
            expected["NotOurs"] = ("REG_SZ", "left alone")
            # A key of an older version: the later values come with their defaults.
            expected.update(LATER_DEFAULTS)
            del expected["FormLeft"], expected["FormTop"], stored["FormLeft"], stored["FormTop"]
            self.assertEqual(expected, stored)
            self.assertEqual((210, 130), (left, top), "the stored position places the window")

    def test_narrow_fields_keep_their_low_bits(self):
        with harness.Session() as s:
            values = dict(SEEDED)
            values["KiHi0"] = ("REG_DWORD", 300)
            values["KiHi1"] = ("REG_DWORD", 0xFFFFFFFE)   # -2 stays -2
            values["KiTuki0"] = ("REG_DWORD", 0x00070105)
            s.seed(values)
            app = s.launch()
            app.wait_window()
            close_and_wait(self, s, app)
            stored = s.reg_values()
            self.assertEqual(("REG_DWORD", 44), stored["KiHi0"])
            self.assertEqual(("REG_DWORD", 0xFFFFFFFE), stored["KiHi1"], "the day is written sign-extended")
            self.assertEqual(("REG_DWORD", 0x105), stored["KiTuki0"])
            self.assertEqual(SEEDED["Yotei0"], stored["Yotei0"], "the rest of the slot still loads")

    def test_a_missing_value_ends_the_load_there(self):
        with harness.Session() as s:
            values = dict(SEEDED)
            del values["FormLeft"]
            s.seed(values)
            app = s.launch()
            app.wait_window()
            close_and_wait(self, s, app)
            stored = s.reg_values()
            # AnaDigi and StayOnTop were read; everything after FormLeft kept its default.
            expected = dict(DEFAULTS)
            expected["AnaDigi"] = SEEDED["AnaDigi"]
            expected["StayOnTop"] = SEEDED["StayOnTop"]
            self.assertEqual(expected, stored)


class ResetAtStart(unittest.TestCase):
    """Start with Shift and Ctrl held; the reset question decides."""

    def start_with_shift_and_ctrl(self, session):
        # Wine sees keys held before a program starts only while one of its
        # windows is under the pointer: show the helper's window first.
        helper = subprocess.Popen([harness.WINE, harness.HELPER, "window"], env=session.env,
                                  stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
        session.apps.append(harness.App(session, helper))
        harness.App(session, helper).wait_window("^e2e-helper$")
        session.xdotool("mousemove", 600, 500)
        time.sleep(0.3)
        session.key_down("shift", "ctrl")
        time.sleep(0.3)
        app = session.launch()
        dialog = app.wait_window(r"^\?$")
        session.key_up("ctrl", "shift")
        helper.kill()
        helper.wait()
        return app, dialog

    def answer(self, session, window, key):
        session.xdotool("windowfocus", window)
        time.sleep(0.3)
        session.xdotool("key", key)

    def wait_for_main_stage(self, session, app):
        # The reset question is gone once the main stage shows.
        deadline = time.time() + 20
        while time.time() < deadline:
            if not session.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(app.pid),
                                "--name", r"^\?$"], check=False).stdout.split():
                break
            time.sleep(0.1)
        return app.wait_window("..")  # any name but the question's "?"

    def test_ok_deletes_the_key_and_cancel_at_close_keeps_it_deleted(self):
        with harness.Session() as s:
            s.seed(SEEDED)
            app, dialog = self.start_with_shift_and_ctrl(s)
            self.assertTrue(s.key_exists(), "nothing is deleted before the answer")
            self.answer(s, dialog, "Return")
            window = self.wait_for_main_stage(s, app)
            self.assertFalse(s.key_exists())
            self.assertFalse(s.key_exists(harness.PARENT_KEY), "the parent was left empty")
            left, top, _, _ = s.geometry(window)
            self.assertEqual((40, 64), (left, top), "the run goes on defaults")

            s.close_main_stage()
            question = app.wait_window(r"^\?$")
            self.answer(s, question, "Escape")
            self.assertEqual(0, app.wait_exit(20), "the close is never refused")
            self.assertFalse(s.key_exists())

    def test_ok_at_close_writes_the_defaults(self):
        with harness.Session() as s:
            s.seed(SEEDED)
            s.reg("add", harness.PARENT_KEY + r"\OtherProduct", "/f")
            app, dialog = self.start_with_shift_and_ctrl(s)
            self.answer(s, dialog, "Return")
            self.wait_for_main_stage(s, app)
            self.assertFalse(s.key_exists())
            self.assertTrue(s.key_exists(harness.PARENT_KEY + r"\OtherProduct"),
                            "a parent with another subkey stays")

            s.close_main_stage()
            question = app.wait_window(r"^\?$")
            self.answer(s, question, "Return")
            self.assertEqual(0, app.wait_exit(20))
            self.assertEqual(DEFAULTS, s.reg_values())

    def test_a_close_while_the_question_is_open_leaves_the_key_as_it_was(self):
        with harness.Session() as s:
            s.seed(SEEDED)
            before = s.reg_values()
            app, dialog = self.start_with_shift_and_ctrl(s)
            # The taskbar's close goes to the main stage, hidden behind the question.
            self.assertTrue(s.close_main_stage())
            self.assertEqual(0, app.wait_exit(20), "the program ends")
            self.assertEqual(before, s.reg_values(), "not one value was written")

    def test_taskkill_while_the_question_is_open_leaves_the_key_as_it_was(self):
        with harness.Session() as s:
            # A key this version wrote: taskkill's close may reach the question
            # before her window, and then the close after the start-up writes
            # the same values again.
            values = dict(SEEDED)
            values.update(LATER_DEFAULTS)
            s.seed(values)
            before = s.reg_values()
            app, dialog = self.start_with_shift_and_ctrl(s)
            # Without /F: a close message to every window of the process.
            s.run([harness.WINE, "taskkill", "/im", os.path.basename(harness.EXE)])
            self.assertEqual(0, app.wait_exit(20), "the program ends")
            self.assertEqual(before, s.reg_values(), "not one value was written")

    def test_cancel_keeps_and_loads_the_settings(self):
        with harness.Session() as s:
            s.seed(SEEDED)
            app, dialog = self.start_with_shift_and_ctrl(s)
            self.answer(s, dialog, "Escape")
            window = self.wait_for_main_stage(s, app)
            self.assertTrue(s.key_exists())
            time.sleep(0.5)
            left, top, _, _ = s.geometry(window)
            # No question at close: the settings are simply written.
            close_and_wait(self, s, app)
            stored = s.reg_values()
            self.assertEqual((left, top), (stored["FormLeft"][1], stored["FormTop"][1]))
            expected = dict(SEEDED)
            expected.update(LATER_DEFAULTS)
            del expected["FormLeft"], expected["FormTop"], stored["FormLeft"], stored["FormTop"]
            self.assertEqual(expected, stored, "the stored settings were loaded")
            self.assertEqual((210, 130), (left, top))


if __name__ == "__main__":
    harness.main()

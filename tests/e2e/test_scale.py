"""At 200 % and 150 % display scale she, her dial, her balloon and her
settings dialog are drawn for the scale: her window is 586 x 882 (440 x 662),
cut to her outline at that size, the hands show the time, a schedule's
balloon is 480 x 320 beside her mouth, and 予定設定's client area is
640 x 480 with every control inside it."""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import test_character  # noqa: E402
import test_menu  # noqa: E402
import test_settings  # noqa: E402

MAGENTA = (0xFF, 0x00, 0xFF)  # the hands' fill


def px(value, dpi):
    """A 96-DPI length at the scale, rounded half away from zero as she does."""
    return (value * dpi + 48) // 96


def shot_path(name):
    folder = os.environ.get("VELMIRA_E2E_SHOTS")
    return os.path.join(folder, name) if folder else None


def wait_popup(s, app, main, size, timeout=10.0):
    """The program's shown window of that size other than her own: (id, x, y, w, h)."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        for w in test_menu.popup_windows(s, app, main):
            if (w[3], w[4]) == size and "IsViewable" in s.run(["xwininfo", "-id", str(w[0])]).stdout:
                return w
        time.sleep(0.2)
    return None


class Scale(unittest.TestCase):
    def start_and_check_her(self, s, dpi):
        """Her program at 03:00:05 with a 2:45 schedule missed this morning
        (hour and minute in binary): her window, outline and hands at the
        scale; returns the program, her window and the schedule's balloon."""
        values = dict(test_settings.DEFAULTS)
        values.update({"Yotei0": ("REG_DWORD", 0x8000022D), "lastYotei": ("REG_DWORD", 0)})
        s.seed(values)
        app = s.launch(faketime="@2026-12-08 03:00:05")
        w = app.wait_window()
        time.sleep(1.5)
        x, y, width, height = s.geometry(w)
        self.assertEqual((x, y), (40, 64), "the stored position is in screen pixels")
        self.assertLessEqual(abs(width - px(293, dpi)), 1)
        self.assertLessEqual(abs(height - px(441, dpi)), 1)
        # Her outline at this size: the desktop shows at her box's corners and
        # beside her feet, her face and dress are hers (96-DPI places).
        for dx, dy, hers in ((2, 2, False), (291, 439, False), (10, 400, False),
                             (165, 118, True), (160, 300, True)):
            under = test_character.window_under_pointer(s, x + px(dx, dpi), y + px(dy, dpi))
            self.assertEqual(under == w, hers, "at %d,%d (96-DPI place)" % (dx, dy))
        # 3:00: the minute hand towards twelve, the hour hand towards three.
        shot = s.screenshot(shot_path("scale-%d.png" % dpi))
        dial = lambda dx, dy: shot.pixel(x + px(dx, dpi), y + px(252 + dy, dpi))
        self.assertEqual(dial(64, 40), MAGENTA)
        self.assertEqual(dial(85, 64), MAGENTA)
        self.assertNotEqual(dial(40, 64), MAGENTA)
        size = (px(240, dpi), px(160, dpi))
        balloon = wait_popup(s, app, w, size)
        self.assertIsNotNone(balloon, "no %d x %d balloon came up" % size)
        s.screenshot(shot_path("scale-%d-balloon.png" % dpi))
        return app, w, balloon

    def test_at_200_percent(self):
        dpi = 192
        with harness.Session(dpi=dpi) as s:
            app, w, balloon = self.start_and_check_her(s, dpi)
            # Right of her and above her mouth, the tail's tip on the mouth
            # box's top-right corner (314 + 34, 276 in her window).
            self.assertEqual(balloon[1:3], (40 + 348, 64 + 276 - 320))
            s.xdotool("mousemove", balloon[1] + px(184 + 23, dpi), balloon[2] + px(107 + 9, dpi),
                      "click", 1)
            deadline = time.time() + 5
            while time.time() < deadline and wait_popup(s, app, w, (480, 320), timeout=0.1):
                time.sleep(0.2)
            self.assertIsNone(wait_popup(s, app, w, (480, 320), timeout=0.1), "閉じる closes it")

            # 予定設定 from her menu: items version, stay on top, anniversaries, schedules.
            s.xdotool("mousemove", 40 + px(150, dpi), 64 + px(200, dpi), "click", 3)
            time.sleep(0.8)
            for _ in range(4):
                s.xdotool("key", "Down")
            s.xdotool("key", "Return")
            app.wait_window("^予定設定$", timeout=10)
            time.sleep(0.5)
            client = tuple(int(v) for v in s.helper("client", "#32770").stdout.split())
            self.assertEqual(client[2:], (640, 480))
            controls = [tuple(int(v) for v in line.split())
                        for line in s.helper("controls", "#32770").stdout.splitlines()]
            self.assertGreater(len(controls), 10)
            for left, top, width, height in controls:
                self.assertTrue(left >= 0 and top >= 0 and left + width <= 640 and top + height <= 480,
                                "a control outside the client area: %s" % ((left, top, width, height),))
            s.screenshot(shot_path("scale-192-yotei.png"))
            s.xdotool("key", "Escape")
            self.assertTrue(s.close_main_stage())
            self.assertEqual(app.wait_exit(10), 0)
            self.assertEqual(s.reg_values()["FormLeft"], ("REG_DWORD", 40))

    def test_out_of_reach_at_200_percent(self):
        dpi = 192
        with harness.Session(dpi=dpi) as s:
            # Only her box's empty top-right corner on the screen: she opens at the default.
            test_character.store_position(s, -538, 976)
            app = s.launch()
            w = app.wait_window()
            x, y, _, _ = s.geometry(w)
            self.assertEqual((x, y), (40, 64))
            dress = (x + px(160, dpi), y + px(300, dpi))
            self.assertTrue(0 <= dress[0] < 1280 and 0 <= dress[1] < 1024)
            self.assertEqual(test_character.window_under_pointer(s, *dress), w, "her dress")
            self.assertTrue(s.close_main_stage())
            self.assertEqual(app.wait_exit(10), 0)

            # Her dress and arm on the screen keep her at (-250, -400); the due
            # schedule's balloon, cut off above her mouth, keeps its words on the screen.
            values = dict(test_settings.DEFAULTS)
            values.update({"FormLeft": ("REG_DWORD", -250), "FormTop": ("REG_DWORD", -400),
                           "Yotei0": ("REG_DWORD", 0x8000022D)})
            s.seed(values)
            app = s.launch(faketime="@2026-12-08 03:00:05")
            w = app.wait_window()
            self.assertEqual(s.geometry(w)[:2], (-250, -400))
            self.assertIsNotNone(wait_popup(s, app, w, (px(240, dpi), px(160, dpi))))
            left, top, _, _ = (int(v) for v in s.helper("client", "TMessageBalloon").stdout.split())
            controls = [tuple(int(v) for v in line.split())
                        for line in s.helper("controls", "TMessageBalloon").stdout.splitlines()]
            self.assertEqual(len(controls), 3)
            for cx, cy, cw, ch in controls:
                self.assertTrue(left + cx >= 0 and top + cy >= 0 and left + cx + cw <= 1280
                                and top + cy + ch <= 1024,
                                "a control off the screen: %s" % ((left + cx, top + cy, cw, ch),))
            self.assertTrue(s.close_main_stage())
            self.assertEqual(app.wait_exit(10), 0)

    def test_at_150_percent(self):
        with harness.Session(dpi=144) as s:
            app, _, _ = self.start_and_check_her(s, 144)
            self.assertTrue(s.close_main_stage())
            self.assertEqual(app.wait_exit(10), 0)


if __name__ == "__main__":
    harness.main()

"""The schedule and anniversary dialogs, driven from her menu with the
keyboard and the mouse: each opens centred on her with a 320 x 240 client
area; a schedule set there comes due with its message; a reminder due while
a dialog is open waits for it; Escape keeps the stored slots, "設定" stores
them; Japanese messages with line breaks and the sounds pass through the
dialogs, the registry and a restart unchanged.

Set VELMIRA_E2E_SHOTS to a folder to keep pictures of both dialogs."""

import os
import subprocess
import time
import unittest

import harness
import test_menu
import test_reminders
import test_settings

CLIENT = (320, 240)
SET_BUTTON = (128 + 37, 212 + 10)  # the middle of "設定", in client pixels
MEETING = "会議です\r\n資料を忘れずに"
BIRTHDAY = "誕生日\r\nおめでとう！"


def client_area(s):
    """The shown dialog's client area on the screen: (left, top, width, height)."""
    return tuple(int(v) for v in s.helper("client", "#32770").stdout.split())


def open_dialog(test, m, caption):
    """Opens a settings dialog from her menu with the keyboard; returns its
    window and its client area. Found by its caption, it must be centred on
    her with a client area of 320 x 240."""
    m.open_menu()
    # Items without keys held: version, stay on top, anniversaries, schedules, exit.
    for _ in range(3 if caption == "記念日設定" else 4):
        m.s.xdotool("key", "Down")
    m.s.xdotool("key", "Return")
    dialog = m.app.wait_window("^%s$" % caption, timeout=10)
    x, y, width, height = m.s.geometry(dialog)
    test.assertLessEqual(abs((x + width // 2) - (m.left + m.width // 2)), 1)
    test.assertLessEqual(abs((y + height // 2) - (m.top + m.height // 2)), 1)
    client = client_area(m.s)
    test.assertEqual(CLIENT, client[2:])
    time.sleep(0.3)
    return dialog, client


def launch_at(test, s, faketime):
    """Her menu's session on a program whose clock starts at `faketime`."""
    m = test_menu.MenuSession.__new__(test_menu.MenuSession)
    m.test, m.s = test, s
    m.app = s.launch(faketime=faketime)
    m.window = m.app.wait_window()
    time.sleep(0.5)
    m.left, m.top, m.width, m.height = s.geometry(m.window)
    return m


def wait_closed(test, m, caption):
    deadline = time.time() + 5
    while time.time() < deadline:
        shown = m.s.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(m.app.pid),
                         "--name", "^%s$" % caption], check=False).stdout.split()
        if not shown:
            return
        time.sleep(0.2)
    test.fail("%s did not close" % caption)


def keep_picture(s, window, name):
    shots = test_menu.shots_dir()
    if not shots:
        return
    xwd = subprocess.run(["xwd", "-id", window, "-silent"], env=s.env, stdout=subprocess.PIPE,
                         check=True).stdout
    subprocess.run(["/usr/bin/convert", "xwd:-", os.path.join(shots, name)], input=xwd,
                   check=True)


class Dialogs(unittest.TestCase):
    maxDiff = None

    def test_a_schedule_set_in_the_dialog_comes_due_with_its_message(self):
        with harness.Session() as s:
            values = dict(test_settings.DEFAULTS)
            values["lastYotei"] = ("REG_DWORD", 0x0C080904)  # nothing to catch up
            s.seed(values)
            started = time.time()
            m = launch_at(self, s, "@2026-12-08 09:04:45")
            _, client = open_dialog(self, m, "予定設定")
            # The use box has the focus. Month and day stay "**"; the hour
            # list opens with Alt+Down; the minute list steps from 0 to 5.
            s.xdotool("key", "space", "Tab", "Tab", "Tab", "alt+Down")
            time.sleep(0.3)
            s.xdotool("key", *(["Down"] * 9), "Return", "Tab", "Down", "Tab")
            s.xdotool("type", "Tea time")
            s.xdotool("key", "Return")  # a line break in the message, not 設定
            s.xdotool("type", "now")
            s.xdotool("mousemove", client[0] + SET_BUTTON[0], client[1] + SET_BUTTON[1],
                      "click", 1)
            wait_closed(self, m, "予定設定")

            deadline = time.time() + 90
            while time.time() < deadline and not test_reminders.balloon(s, m.app, m.window):
                time.sleep(0.5)
            self.assertIsNotNone(test_reminders.balloon(s, m.app, m.window),
                                 "no balloon at 09:05")
            # Her clock started 09:04:45 at the launch at the earliest.
            self.assertGreaterEqual(time.time() - started, 15, "the balloon came before 09:05")
            texts = s.helper("texts", "TMessageBalloon").stdout.splitlines()
            self.assertIn("Tea time\\r\\nnow", texts)
            self.assertIn("[**.**  09:05]", texts)
            test_menu.close_and_wait(self, s, m.app)
            stored = s.reg_values()
            self.assertEqual(("REG_DWORD", 0x80000905), stored["Yotei0"])
            self.assertEqual(("REG_SZ", "Tea time\r\nnow"), stored["yoMes0"])

    def test_a_reminder_due_while_a_dialog_is_open_waits_for_it_to_close(self):
        with harness.Session() as s:
            values = dict(test_settings.DEFAULTS)
            values.update({"Yotei0": ("REG_DWORD", 0x80000905),
                           "lastYotei": ("REG_DWORD", 0x0C080904)})
            s.seed(values)
            started = time.time()
            m = launch_at(self, s, "@2026-12-08 09:04:50")
            open_dialog(self, m, "記念日設定")
            # Until ten seconds past 09:05 the balloon stays away.
            while time.time() < started + 20:
                self.assertIsNone(test_reminders.balloon(s, m.app, m.window),
                                  "a balloon came up while the dialog was open")
                time.sleep(0.5)
            s.xdotool("key", "Escape")
            wait_closed(self, m, "記念日設定")
            deadline = time.time() + 8  # the queue looks again every 5 s
            while time.time() < deadline and not test_reminders.balloon(s, m.app, m.window):
                time.sleep(0.3)
            self.assertIsNotNone(test_reminders.balloon(s, m.app, m.window),
                                 "the waiting reminder came once the dialog closed")
            test_menu.close_and_wait(self, s, m.app)

    def test_escape_keeps_set_stores_and_japanese_texts_survive(self):
        with harness.Session() as s:
            values = dict(test_settings.DEFAULTS)
            values.update({"Yotei1": ("REG_DWORD", 0x8C0F090F),  # 15 December, 9:15, in use
                           "yoSnd1": ("REG_SZ", "Snd_Jikan2"),  # the hidden sound row keeps it
                           "KiTuki0": ("REG_DWORD", 0x107), "KiHi0": ("REG_DWORD", 24)})
            s.seed(values)
            s.seed_text("yoMes1", MEETING)
            s.seed_text("kiMes0", BIRTHDAY)
            values.update(yoMes1=("REG_SZ", MEETING), kiMes0=("REG_SZ", BIRTHDAY))
            # Every value of the three schedules and anniversaries, as seeded.
            slots = {name: v for name, v in values.items() if name[-1].isdigit()}

            def stored_slots():
                return {name: v for name, v in s.reg_values().items() if name in slots}

            # Second tab unticked, then Escape: nothing changes. The
            # anniversaries go through their dialog and "設定" (Enter on the
            # use box) unedited: nothing changes either.
            m = test_menu.MenuSession(self, s)
            dialog, _ = open_dialog(self, m, "予定設定")
            s.xdotool("key", "ctrl+Tab")
            time.sleep(0.3)
            keep_picture(s, dialog, "yotei-dialog.png")
            s.xdotool("key", "space", "Escape")
            wait_closed(self, m, "予定設定")
            dialog, _ = open_dialog(self, m, "記念日設定")
            keep_picture(s, dialog, "kinenbi-dialog.png")
            s.xdotool("key", "Return")
            wait_closed(self, m, "記念日設定")
            test_menu.close_and_wait(self, s, m.app)
            self.assertEqual(slots, stored_slots())

            # After a restart: back and forth between the tabs, leaving the
            # second from its month list for the unused first one (the use
            # box takes the focus from the greyed list), the second unticked,
            # Enter: only the use bit goes; the texts are unchanged.
            m = test_menu.MenuSession(self, s)
            open_dialog(self, m, "予定設定")
            s.xdotool("key", "ctrl+Tab", "Tab", "ctrl+shift+Tab", "ctrl+Tab")
            time.sleep(0.3)
            s.xdotool("key", "space", "Return")
            wait_closed(self, m, "予定設定")
            test_menu.close_and_wait(self, s, m.app)
            slots["Yotei1"] = ("REG_DWORD", 0x0C0F090F)
            self.assertEqual(slots, stored_slots())

if __name__ == "__main__":
    harness.main()

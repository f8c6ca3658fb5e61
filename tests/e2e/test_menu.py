"""Handling her with the mouse: dragging moves her and the close stores where
she was left; the popup menu grows when the hidden items' keys are held; the
exit item ends the program with its settings written; the About item opens
the version dialog, which Enter closes; the view submenu's start at sign-in
writes and deletes her Run value.

Set VELMIRA_E2E_SHOTS to a folder to keep screenshots of the open menu and
of the version dialog."""

import os
import re
import subprocess
import time
import unittest

import harness

# A point on her dress, inside the window's shape, in window coordinates.
ON_HER = (150, 200)


def shots_dir():
    path = os.environ.get("VELMIRA_E2E_SHOTS")
    if path:
        os.makedirs(path, exist_ok=True)
    return path


def popup_windows(session, app, main_window):
    """Visible-sized X windows of the program other than the main one: (id, x, y, w, h)."""
    for _ in range(5):
        # xwininfo fails when a window goes away while it walks the tree.
        listing = session.run(["xwininfo", "-root", "-tree"], check=False)
        if listing.returncode == 0:
            break
        time.sleep(0.05)
    else:
        raise AssertionError("xwininfo -root -tree failed: " + listing.stderr.strip())
    tree = listing.stdout
    found = []
    main_id = int(main_window)
    for line in tree.splitlines():
        m = re.match(r'\s*(0x[0-9a-f]+) .*"velmiraclock\.exe"\)\s+(\d+)x(\d+)\+(-?\d+)\+(-?\d+)', line)
        if not m:
            continue
        wid, w, h, x, y = int(m.group(1), 16), int(m.group(2)), int(m.group(3)), int(m.group(4)), int(m.group(5))
        if wid != main_id and w > 1 and h > 1:
            found.append((wid, x, y, w, h))
    return found


class MenuSession:
    """One running program with helpers to open its menu."""

    def __init__(self, test, session):
        self.test = test
        self.s = session
        self.app = session.launch()
        self.window = self.app.wait_window()
        time.sleep(0.5)
        self.left, self.top, self.width, self.height = session.geometry(self.window)

    def open_menu(self, *keys):
        """Right-click on her with `keys` held; returns the menu's (id, x, y, w, h)."""
        self.s.xdotool("mousemove", self.left + ON_HER[0], self.top + ON_HER[1])
        time.sleep(0.2)
        if keys:
            self.s.key_down(*keys)
            time.sleep(0.2)
        before = {w[0] for w in popup_windows(self.s, self.app, self.window)}
        self.s.xdotool("click", 3)
        menu = None
        deadline = time.time() + 5
        while time.time() < deadline and menu is None:
            time.sleep(0.2)
            fresh = [w for w in popup_windows(self.s, self.app, self.window) if w[0] not in before]
            if fresh:
                menu = fresh[0]
        if keys:
            self.s.key_up(*reversed(keys))
        self.test.assertIsNotNone(menu, "no menu appeared")
        time.sleep(0.3)
        return menu

    def menu_is_open(self, menu_id):
        return any(w[0] == menu_id for w in popup_windows(self.s, self.app, self.window))

    def close_menu(self, menu_id):
        self.s.xdotool("key", "Escape")
        deadline = time.time() + 3
        while time.time() < deadline and self.menu_is_open(menu_id):
            time.sleep(0.1)
        self.test.assertFalse(self.menu_is_open(menu_id), "Escape closes the menu")


def close_and_wait(test, session, app):
    test.assertTrue(session.close_main_stage(), "the main stage was not found")
    test.assertEqual(0, app.wait_exit(20), "the program did not end after the close")


class Dragging(unittest.TestCase):
    def test_a_drag_moves_her_and_the_close_stores_where_she_was_left(self):
        with harness.Session() as s:
            m = MenuSession(self, s)
            self.assertEqual((40, 64), (m.left, m.top), "a first start places her at 40, 64")
            x0, y0 = m.left + ON_HER[0], m.top + ON_HER[1]
            s.drag(x0, y0, x0 + 173, y0 + 91)
            left, top, width, height = s.geometry(m.window)
            self.assertEqual((m.left + 173, m.top + 91), (left, top))
            self.assertEqual((m.width, m.height), (width, height), "a drag does not resize her")
            # A second drag, up and to the left, past the screen's top edge.
            s.drag(left + ON_HER[0], top + ON_HER[1], left + ON_HER[0] - 60, top + ON_HER[1] - 200)
            left2, top2, _, _ = s.geometry(m.window)
            self.assertEqual((left - 60, top - 200), (left2, top2))
            close_and_wait(self, s, m.app)
            stored = s.reg_values()
            self.assertEqual((left2, top2),
                             (harness.signed32(stored["FormLeft"][1]), harness.signed32(stored["FormTop"][1])))

    def test_a_drag_and_a_menu_choice_survive_a_killed_process(self):
        def stored_position():
            stored = s.reg_values()
            return (harness.signed32(stored.get("FormLeft", (0, 0))[1]),
                    harness.signed32(stored.get("FormTop", (0, 0))[1]))

        with harness.Session() as s:
            m = MenuSession(self, s)
            x0, y0 = m.left + ON_HER[0], m.top + ON_HER[1]
            s.drag(x0, y0, x0 + 120, y0 + 30)
            m.left, m.top, _, _ = s.geometry(m.window)
            self.assertEqual((m.left, m.top), stored_position(), "stored as the drag ends")
            m.open_menu()
            s.xdotool("key", "s")  # 常に一番手前に表示(&S)
            time.sleep(1.0)
            m.app.popen.kill()
            m.app.popen.wait()
            self.assertEqual(("REG_DWORD", 1), s.reg_values().get("StayOnTop"), "the menu choice")
            self.assertEqual((m.left, m.top), stored_position())

    def test_the_next_start_puts_her_where_she_was_left(self):
        with harness.Session() as s:
            m = MenuSession(self, s)
            s.drag(m.left + ON_HER[0], m.top + ON_HER[1], m.left + ON_HER[0] + 300, m.top + ON_HER[1] + 40)
            left, top, _, _ = s.geometry(m.window)
            close_and_wait(self, s, m.app)
            again = MenuSession(self, s)
            self.assertEqual((left, top), (again.left, again.top))
            close_and_wait(self, s, again.app)


class PopupMenu(unittest.TestCase):
    def test_held_keys_make_the_menu_taller(self):
        with harness.Session() as s:
            m = MenuSession(self, s)
            plain = m.open_menu()
            m.close_menu(plain[0])
            shift_only = m.open_menu("shift")
            m.close_menu(shift_only[0])
            ctrl_only = m.open_menu("ctrl")
            m.close_menu(ctrl_only[0])
            debug = m.open_menu("shift", "ctrl")
            m.close_menu(debug[0])
            full = m.open_menu("shift", "ctrl", "Right", "Up")

            shots = shots_dir()
            if shots:
                # Open the priority submenu too: its item is the third one.
                item_height = (full[4] - plain[4]) // 4
                s.xdotool("mousemove", full[1] + 30, full[2] + 3 + item_height * 2 + item_height // 2)
                time.sleep(1.0)
                s.screenshot(os.path.join(shots, "menu-all-items.png"))
                s.xdotool("key", "Escape")  # the submenu first
                time.sleep(0.3)
            m.close_menu(full[0])
            again = m.open_menu()
            m.close_menu(again[0])

            self.assertEqual(plain[4], shift_only[4], "Shift alone reveals nothing")
            self.assertEqual(plain[4], ctrl_only[4], "Ctrl alone reveals nothing")
            self.assertGreater(debug[4], plain[4], "Shift and Ctrl add the debug item")
            # Four more items: debug mode, the priority submenu and the two display items.
            self.assertEqual(full[4] - plain[4], 4 * (debug[4] - plain[4]))
            self.assertEqual(plain[4], again[4], "the hidden items hide again")
            self.assertTrue(m.app.running())
            close_and_wait(self, s, m.app)

    def test_the_exit_item_ends_the_program_and_writes_the_settings(self):
        with harness.Session() as s:
            self.assertIsNone(s.reg_values())
            m = MenuSession(self, s)
            menu = m.open_menu()
            s.xdotool("key", "x")  # 終了(&X)
            self.assertEqual(0, m.app.wait_exit(20), "the exit item ends the program")
            stored = s.reg_values()
            self.assertIsNotNone(stored)
            self.assertEqual(("REG_DWORD", 40), stored["FormLeft"])
            self.assertEqual(("REG_DWORD", 64), stored["FormTop"])
            self.assertEqual(("REG_DWORD", 3600), stored["samiLim"])
            self.assertEqual(("REG_DWORD", 0), stored["ThreadPrio"])
            self.assertFalse(m.menu_is_open(menu[0]))

    def test_the_about_item_opens_the_version_dialog_and_enter_closes_it(self):
        with harness.Session() as s:
            m = MenuSession(self, s)
            m.open_menu()
            s.xdotool("key", "a")  # バージョン情報...(&A)
            dialog = m.app.wait_window("^バージョン情報$", timeout=10)
            self.assertEqual("バージョン情報", s.window_name(dialog))
            x, y, width, height = s.geometry(dialog)
            # Centred on her.
            self.assertLessEqual(abs((x + width // 2) - (m.left + m.width // 2)), 1)
            self.assertLessEqual(abs((y + height // 2) - (m.top + m.height // 2)), 1)
            shots = shots_dir()
            if shots:
                time.sleep(0.5)
                # The window's own picture: under Xvfb without a window manager
                # a root shot shows an owned window over its owner as black.
                xwd = subprocess.run(["xwd", "-id", dialog, "-silent"], env=s.env,
                                     stdout=subprocess.PIPE, check=True).stdout
                subprocess.run(["/usr/bin/convert", "xwd:-", os.path.join(shots, "about-box.png")],
                               input=xwd, check=True)
            s.xdotool("key", "Return")
            deadline = time.time() + 5
            gone = False
            while time.time() < deadline and not gone:
                time.sleep(0.2)
                out = s.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(m.app.pid),
                             "--name", "^バージョン情報$"], check=False).stdout.split()
                gone = not out
            self.assertTrue(gone, "Enter closes the dialog")
            self.assertTrue(m.app.running(), "closing the dialog leaves the program running")
            # The stage takes input again: its menu opens.
            menu = m.open_menu()
            m.close_menu(menu[0])
            close_and_wait(self, s, m.app)


RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"


class ViewSubmenu(unittest.TestCase):
    def test_start_at_sign_in_writes_and_deletes_her_run_value(self):
        with harness.Session() as s:
            run_value = harness.read_identity(os.path.dirname(harness.EXE))["RUN_VALUE"]
            program = s.run([harness.WINE, "winepath", "-w", harness.EXE]).stdout.strip()

            def toggle_and_read():
                m.open_menu()
                s.xdotool("key", "v", "w")  # 表示(&V), サインイン時に起動する(&W)
                time.sleep(1.0)
                return (s.reg_values(RUN_KEY) or {}).get(run_value)

            m = MenuSession(self, s)
            self.assertEqual(("REG_SZ", '"%s"' % program), toggle_and_read(),
                             "the quoted path, as the installer writes it")
            self.assertIsNone(toggle_and_read(), "unticked, the value is gone")
            close_and_wait(self, s, m.app)


if __name__ == "__main__":
    harness.main()

"""Hiding her and the ways back: 隠れる in her menu's 表示 submenu (V, then H)
hides her and she stays hidden; a second start of the program shows her
again, and so does a click on her icon in the notification area, whose
secondary button opens her menu. Under Xvfb without a window manager Wine's
notification area is a small window of its own, "Wine System Tray", at the
screen's top-left corner, with the icons in a row under its caption."""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import test_menu  # noqa: E402

# Her icon, the first in the tray window's row: from its bottom-left corner.
ICON_FROM_BOTTOM_LEFT = (12, 13)


def shown(s, window):
    return "IsViewable" in s.run(["xwininfo", "-id", window]).stdout


def wait_shown(s, window, timeout=5.0):
    deadline = time.time() + timeout
    while not shown(s, window) and time.time() < deadline:
        time.sleep(0.1)
    return shown(s, window)


def hide_her(test, m):
    m.open_menu()
    m.s.xdotool("key", "v")  # 表示(&V)
    time.sleep(0.3)
    m.s.xdotool("key", "h")  # 隠れる(&H)
    # Out of sight at once, and for as long as nobody calls her back.
    deadline = time.time() + 3
    while time.time() < deadline:
        time.sleep(0.5)
        test.assertFalse(shown(m.s, m.window), "she shows again by herself")
        test.assertNotEqual(m.s.screenshot().pixel(m.left + 150, m.top + 300),
                            m.dress, "her dress is on the screen")


def her_icon(s):
    tray = s.run(["xdotool", "search", "--onlyvisible", "--name", "^Wine System Tray$"],
                 check=False).stdout.split()
    if not tray:
        raise AssertionError("Wine shows no notification area")
    left, top, _, height = s.geometry(tray[0])
    return left + ICON_FROM_BOTTOM_LEFT[0], top + height - ICON_FROM_BOTTOM_LEFT[1]


class Hiding(unittest.TestCase):
    def test_hidden_she_comes_back_at_a_second_start_and_at_her_icon(self):
        with harness.Session() as s:
            m = test_menu.MenuSession(self, s)
            m.dress = s.screenshot().pixel(m.left + 150, m.top + 300)
            hide_her(self, m)
            second = s.launch()
            self.assertEqual(0, second.wait_exit(15), "the second copy ends at once")
            self.assertTrue(wait_shown(s, m.window), "a second start shows her")

            hide_her(self, m)
            s.xdotool("mousemove", *her_icon(s))
            time.sleep(0.2)
            s.xdotool("click", 1)
            self.assertTrue(wait_shown(s, m.window), "a click on her icon shows her")

            # The icon's secondary button opens her menu; Escape closes it.
            # Wine's tray may drop a click that comes while it is busy with
            # the last one: a few tries, each from the pointer's arrival.
            before = {w[0] for w in test_menu.popup_windows(s, m.app, m.window)}
            menus = []
            for _ in range(3):
                time.sleep(1)
                x, y = her_icon(s)
                s.xdotool("mousemove", str(x + 40), str(y))
                time.sleep(0.2)
                s.xdotool("mousemove", str(x), str(y))
                time.sleep(0.3)
                s.xdotool("click", 3)
                deadline = time.time() + 4
                while not menus and time.time() < deadline:
                    time.sleep(0.2)
                    menus = [w for w in test_menu.popup_windows(s, m.app, m.window)
                             if w[0] not in before]
                if menus:
                    break
            self.assertTrue(menus, "no menu opened from her icon")
            # The menu has the keyboard once it has the pointer's focus.
            s.xdotool("windowfocus", menus[0][0])
            m.close_menu(menus[0][0])
            test_menu.close_and_wait(self, s, m.app)


if __name__ == "__main__":
    harness.main()

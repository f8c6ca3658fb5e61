"""Hiding her and the ways back: 隠れる in her menu's 表示 submenu (V, then H)
hides her and she stays hidden; a second start of the program shows her
again, and so does a click on her icon in the notification area, whose
secondary button opens her menu while she is hidden. Under Xvfb without a
window manager Wine's notification area is a small window of its own, "Wine
System Tray", at the screen's top-left corner, with the icons in a row under
its caption."""

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

            # Hidden, she is reached through her icon's menu, with the mouse:
            # Wine's tray keeps the keyboard. (Wine delivers every secondary
            # click, but a menu of hers opened while she shows ends at once
            # when the tray click's late focus events reach her window.)
            hide_her(self, m)
            s.xdotool("mousemove", *her_icon(s))
            time.sleep(0.2)
            before = {w[0] for w in test_menu.popup_windows(s, m.app, m.window)}
            s.xdotool("click", 3)
            deadline, menus = time.time() + 5, []
            while not menus and time.time() < deadline:
                time.sleep(0.2)
                menus = [w for w in test_menu.popup_windows(s, m.app, m.window)
                         if w[0] not in before]
            self.assertTrue(menus, "no menu opened from her icon")
            _, x, y, width, height = menus[0]
            s.xdotool("mousemove", x + width // 2, y + height - 10)  # 終了(&X), the last item
            time.sleep(0.3)
            s.xdotool("click", 1)
            self.assertEqual(0, m.app.wait_exit(20), "her menu's exit item ends her")


if __name__ == "__main__":
    harness.main()

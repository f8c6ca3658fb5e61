"""Beside her all day, through her menu and its access keys: click-through
lets clicks reach the window beneath her and her menu no longer opens from
her, and a second start turns it off; 60 % opacity makes her layered at alpha
153; her size at 50 % and 150 % gives 147 x 221 and 440 x 662 with her outline
to match, stored at once. VELMIRA_E2E_SHOTS keeps the pictures."""

import os
import re
import time
import unittest

import harness
import test_menu
import test_settings

DESKTOP = harness.DESKTOP_RGB
LAYERED, TRANSPARENT = 0x00080000, 0x00000020


def shot(s, name):
    folder = test_menu.shots_dir()
    return s.screenshot(os.path.join(folder, name) if folder else None)


def style(s):
    """(extended style, layered alpha, visible) of her window."""
    out = s.helper("style", harness.STAGE_CLASS).stdout
    m = re.search(r"exstyle=0x([0-9a-f]+) alpha=(\d+) visible=(\d)", out)
    return int(m.group(1), 16), int(m.group(2)), m.group(3) == "1"


def choose(m, *keys, at=test_menu.ON_HER):
    """Her menu opened at `at` on her, then `keys`: 表示 is V, its items and
    submenus by theirs."""
    m.s.xdotool("mousemove", m.left + at[0], m.top + at[1])
    time.sleep(0.2)
    m.s.xdotool("click", "3")
    time.sleep(0.8)
    m.s.xdotool("key", "v", *keys)
    time.sleep(0.8)


def window_named(s, pattern, timeout=20):
    deadline = time.time() + timeout
    while time.time() < deadline:
        found = s.run(["xdotool", "search", "--name", pattern], check=False).stdout.split()
        if found:
            return found[0]
        time.sleep(0.2)
    raise AssertionError("no window named %r" % pattern)


class ClickThrough(unittest.TestCase):
    def test_clicks_pass_through_her_until_a_second_start(self):
        with harness.Session() as s:
            # Not the whole screen: that would be a full-screen program.
            s.launch(exe=harness.HELPER, args=["window", "800", "600"])
            under = window_named(s, "^e2e-helper")
            m = test_menu.MenuSession(self, s)
            dress = (m.left + test_menu.ON_HER[0], m.top + test_menu.ON_HER[1])
            self.assertEqual(s.helper("at", *map(str, dress)).stdout.strip(), harness.STAGE_CLASS)
            choose(m, "c")
            ex, _, _ = style(s)
            self.assertEqual(ex & (LAYERED | TRANSPARENT), LAYERED | TRANSPARENT)
            self.assertEqual(("REG_DWORD", 1), s.reg_values()["ClickThrough"], "stored at once")
            # The pointer passes through her to the window beneath.
            self.assertEqual(s.helper("at", *map(str, dress)).stdout.strip(), "VelmiraE2EHelper")
            s.xdotool("mousemove", *map(str, dress))
            s.xdotool("click", "1")
            time.sleep(0.5)
            self.assertIn("clicked", s.window_name(under), "the click reached the window beneath")
            # No menu opens from her, nor does a drag move her.
            before = {w[0] for w in test_menu.popup_windows(s, m.app, m.window)}
            s.xdotool("click", "3")
            time.sleep(1)
            fresh = [w for w in test_menu.popup_windows(s, m.app, m.window) if w[0] not in before]
            self.assertEqual(fresh, [], "her menu opened through click-through")
            s.xdotool("key", "Escape")
            s.drag(dress[0], dress[1], dress[0] + 100, dress[1] + 50)
            self.assertEqual((m.left, m.top), s.geometry(m.window)[:2], "she was dragged")

            # Starting her again is the way back.
            second = s.launch()
            self.assertEqual(0, second.wait_exit(20))
            time.sleep(0.5)
            ex, _, visible = style(s)
            self.assertEqual(ex & TRANSPARENT, 0, "a second start turns click-through off")
            self.assertTrue(visible)
            self.assertEqual(s.helper("at", *map(str, dress)).stdout.strip(), harness.STAGE_CLASS)
            test_menu.close_and_wait(self, s, m.app)
            self.assertEqual(("REG_DWORD", 0), s.reg_values()["ClickThrough"])


class OpacityAndSize(unittest.TestCase):
    def test_sixty_percent_opacity_is_alpha_153_with_her_outline_kept(self):
        with harness.Session() as s:
            m = test_menu.MenuSession(self, s)
            opaque = shot(s, "opacity-100.png")
            choose(m, "o", "Down", "Down", "Return")  # 100, 80, 60
            ex, alpha, _ = style(s)
            self.assertTrue(ex & LAYERED)
            self.assertFalse(ex & TRANSPARENT, "she still takes clicks")
            self.assertEqual(alpha, 153)
            self.assertEqual(("REG_DWORD", 60), s.reg_values()["Opacity"])
            faint = shot(s, "opacity-60.png")
            # Her outline stays: beside her feet the desktop shows as before.
            self.assertEqual(faint.pixel(m.left + 5, m.top + m.height - 5),
                             opaque.pixel(m.left + 5, m.top + m.height - 5))
            test_menu.close_and_wait(self, s, m.app)

    def test_her_size_at_half_and_one_and_a_half(self):
        with harness.Session() as s:
            m = test_menu.MenuSession(self, s)
            at = test_menu.ON_HER
            for keys, size, pct, name in (
                    (("Return",), (147, 221), 50, "size-50.png"),
                    (("Down",) * 4 + ("Return",), (440, 662), 150, "size-150.png")):
                choose(m, "z", *keys, at=at)
                left, top, width, height = s.geometry(m.window)
                self.assertEqual((width, height), size)
                self.assertEqual((left, top), (m.left, m.top), "her top-left corner stays")
                self.assertEqual(("REG_DWORD", pct), s.reg_values()["SizePct"])
                picture = shot(s, name)
                # Her outline at that size: her dress at the scaled point is
                # hers, beside her feet the desktop's.
                scale = pct / 100.0
                dress = (left + int(test_menu.ON_HER[0] * scale), top + int(test_menu.ON_HER[1] * scale))
                self.assertNotEqual(picture.pixel(*dress), DESKTOP)
                self.assertEqual(s.helper("at", *map(str, dress)).stdout.strip(), harness.STAGE_CLASS)
                corner = (left + 3, top + height - 3)
                self.assertNotEqual(s.helper("at", *map(str, corner)).stdout.strip(),
                                    harness.STAGE_CLASS, "her window's corner is cut away")
                m.left, m.top, m.width, m.height = left, top, width, height
                at = (dress[0] - left, dress[1] - top)
            test_menu.close_and_wait(self, s, m.app)


if __name__ == "__main__":
    harness.main()

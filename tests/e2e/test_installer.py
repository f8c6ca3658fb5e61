"""The installer and uninstaller, silent, in a fresh prefix: what a user's
Windows holds after each step, and her settings through an update."""

import glob
import os
import re
import time
import unittest

import harness

RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
APPS_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\VelmiraClock"


def project_version():
    with open(os.path.join(harness.ROOT, "CMakeLists.txt")) as f:
        return re.search(r"project\(VelmiraClock VERSION (\S+)", f.read()).group(1)


class InstallUpdateUninstall(unittest.TestCase):
    def setUp(self):
        if not harness.SETUP:
            self.skipTest("no --setup given")

    def wine(self, s, exe, *args):
        return s.run([harness.loader_for(exe), exe] + list(args), timeout=120)

    def wait_gone(self, s, key, timeout=30):
        """The uninstaller runs on from a copy of itself: wait for its last step."""
        deadline = time.time() + timeout
        while s.key_exists(key) and time.time() < deadline:
            time.sleep(0.3)

    def test_silent_install_update_while_running_and_uninstall(self):
        with harness.Session() as s:
            users = os.path.join(s.env["WINEPREFIX"], "drive_c", "users")
            self.wine(s, harness.SETUP, "/S", "/AUTOSTART")
            # Wine names the Windows user after the Unix one.
            home = glob.glob(os.path.join(users, "*", "AppData", "Local", "Programs"))[0]
            home = os.path.dirname(os.path.dirname(os.path.dirname(home)))
            user = os.path.basename(home)
            folder = os.path.join(home, "AppData", "Local", "Programs", "VelmiraClock")
            program = os.path.join(folder, "VelmiraClock.exe")
            shortcut = os.path.join(home, "AppData", "Roaming", "Microsoft", "Windows",
                                    "Start Menu", "Programs", "Velmira時計.lnk")
            windows_program = "C:\\users\\%s\\AppData\\Local\\Programs\\VelmiraClock\\VelmiraClock.exe" % user

            with open(program, "rb") as a, open(harness.EXE, "rb") as b:
                self.assertEqual(a.read(), b.read(), "the installed program is the tested one")
            self.assertTrue(os.path.exists(shortcut))
            self.assertEqual(s.reg_values(RUN_KEY).get("VelmiraClock"),
                             ("REG_SZ", '"%s"' % windows_program))
            apps = s.reg_values(APPS_KEY)
            self.assertEqual(apps["DisplayName"], ("REG_SZ", "Velmira時計"))
            self.assertEqual(apps["DisplayVersion"], ("REG_SZ", project_version()))
            self.assertEqual(apps["Publisher"], ("REG_SZ", "Quorvane"))
            self.assertEqual(apps["QuietUninstallString"][1], '"%s" /S' % windows_program.replace(
                "VelmiraClock.exe", "Uninstall.exe"))
            self.assertEqual((apps["NoModify"], apps["NoRepair"]), (("REG_DWORD", 1),) * 2)
            self.assertGreater(apps["EstimatedSize"][1], 1000)  # KB; the program is 2 MB
            for name in ("DisplayIcon", "UninstallString"):
                self.assertIn(name, apps)

            # She starts from where she was installed, at her stored place (the
            # load reads in order and stops at the first value missing).
            s.seed({"AnaDigi": ("REG_DWORD", 0), "StayOnTop": ("REG_DWORD", 1),
                    "FormLeft": ("REG_DWORD", 321), "FormTop": ("REG_DWORD", 123)})
            app = s.launch(exe=program)
            self.assertEqual(s.geometry(app.wait_window())[:2], (321, 123))

            # An update while she runs: she is asked to close, and does so cleanly.
            self.wine(s, harness.SETUP, "/S")
            self.assertEqual(app.wait_exit(15), 0)
            self.assertEqual(s.reg_values()["FormLeft"], ("REG_DWORD", 321))
            self.assertIn("VelmiraClock", s.reg_values(RUN_KEY), "the update keeps the choice")

            self.wine(s, os.path.join(folder, "Uninstall.exe"), "/S")
            self.wait_gone(s, APPS_KEY)
            self.assertFalse(s.key_exists(APPS_KEY))
            self.assertFalse(os.path.exists(folder))
            self.assertFalse(os.path.exists(shortcut))
            self.assertNotIn("VelmiraClock", s.reg_values(RUN_KEY) or {})
            self.assertEqual(s.reg_values()["FormLeft"], ("REG_DWORD", 321))

            # Installed again and removed with her settings.
            self.wine(s, harness.SETUP, "/S")
            self.wine(s, os.path.join(folder, "Uninstall.exe"), "/S", "/REMOVESETTINGS")
            self.wait_gone(s, APPS_KEY)
            self.assertFalse(os.path.exists(folder))
            self.assertFalse(s.key_exists(harness.SETTINGS_KEY))


if __name__ == "__main__":
    harness.main()

"""Her voice and her moods, heard: with "泣く" checked, a smile is followed by
the two lonely calls a few seconds apart, each with its face, and a press on
her takes the face away. Every sample the program plays is captured."""

import os
import sys
import time
import unittest
import wave

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import test_menu  # noqa: E402

FACE_BOX = (117, 70, 80, 96)  # her face, in the window, short of the debug time picker
NAKU = (171 + 12, 184 + 8)  # the "泣く" check box
PICKER_HOUR = (198 + 10, 119 + 10)  # the hour of the debug time picker
ON_HER_DRESS = (160, 300)


def cue_samples(name):
    path = os.path.join(harness.ROOT, "resources", "sounds", name.lower() + ".wav")
    with wave.open(path, "rb") as w:
        return w.readframes(w.getnframes())


class Voice(unittest.TestCase):
    def face_differs(self, s, m, calm, shot=None):
        shot = shot or s.screenshot()
        x, y, w, h = FACE_BOX
        return shot.region_differs(calm, m.left + x, m.top + y, m.left + x + w, m.top + y + h)

    def wait_for(self, what, timeout):
        deadline = time.time() + timeout
        while time.time() < deadline:
            result = what()
            if result:
                return result
            time.sleep(0.25)
        return what()

    def test_a_smile_then_the_lonely_calls_then_attention(self):
        with harness.Session(capture_sound=True) as s:
            m = test_menu.MenuSession(self, s)
            calm = s.screenshot()
            # Debug mode shows the controls; "泣く" makes every step five seconds.
            m.open_menu("shift", "ctrl")
            s.xdotool("key", "Down", "Down", "Return")
            time.sleep(0.5)
            s.xdotool("mousemove", m.left + NAKU[0], m.top + NAKU[1], "click", 1)
            time.sleep(0.3)
            # Each picked time redraws the dial, and each redraw is a chance to smile.
            s.xdotool("mousemove", m.left + PICKER_HOUR[0], m.top + PICKER_HOUR[1], "click", 1)
            for _ in range(90):
                s.xdotool("key", "Up")
                time.sleep(0.15)
                if self.face_differs(s, m, calm) > 50:
                    break
            smile = s.screenshot()
            self.assertGreater(self.face_differs(s, m, calm, smile), 50, "she never smiled")
            self.assertEqual(b"", s.played().strip(b"\x00"), "a smile is silent")

            # 20 s of smile, 5 s of waiting, then the first call and face.
            lonely1 = self.wait_for(lambda: s.played() and s.screenshot(), 40)
            self.assertTrue(lonely1, "no call came")
            time.sleep(0.5)
            lonely1 = s.screenshot()
            self.assertGreater(self.face_differs(s, m, smile, lonely1), 50, "the lonely face")
            matsu1 = cue_samples("Snd_Matsu1")
            self.assertTrue(s.wait_played(matsu1), "Snd_Matsu1 was played, sample for sample")
            first = s.played()

            # Five seconds later the second call and the lonelier face.
            self.assertTrue(self.wait_for(lambda: len(s.played()) > len(first), 10),
                            "no second call")
            time.sleep(0.5)
            lonely2 = s.screenshot()
            self.assertGreater(self.face_differs(s, m, lonely1, lonely2), 20, "the lonelier face")
            matsu2 = cue_samples("Snd_Matsu2")
            self.assertTrue(s.wait_played(matsu2, 10), "Snd_Matsu2 was played, sample for sample")
            played = s.played()
            self.assertLess(played.index(matsu1), played.index(matsu2), "Matsu1, then Matsu2")

            # A press on her: her own face again.
            s.xdotool("mousemove", m.left + ON_HER_DRESS[0], m.top + ON_HER_DRESS[1], "click", 1)
            time.sleep(0.5)
            self.assertLess(self.face_differs(s, m, calm), 10, "her own face")
            self.assertTrue(s.close_main_stage())
            self.assertEqual(0, m.app.wait_exit(10))


if __name__ == "__main__":
    harness.main()

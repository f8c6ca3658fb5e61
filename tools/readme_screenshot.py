#!/usr/bin/env python3
"""Takes the README's screenshot: the real program under Xvfb and Wine.

Xvfb does not repaint the desktop where a Wine window's shape leaves it
uncovered (the shape itself is real: the pointer reaches the desktop there),
so the picture is cut with the program's own window region, built from the
same region blocks the program uses, over the desktop colour.

usage: tools/readme_screenshot.py --exe build/win64/VelmiraClock.exe
                                  --helper build/win64/e2e_helper.exe [--out docs/velmira.png]
       tools/readme_screenshot.py --cut screen.png --window X,Y,W,H --out her.png
         (cuts a screenshot already taken, e.g. by scripts/run.sh)
"""

import argparse
import os
import struct
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
import harness  # noqa: E402


def region_rects(path):
    with open(path, "rb") as f:
        data = f.read()
    size, _kind, count, _bytes = struct.unpack_from("<4I", data, 0)
    return [struct.unpack_from("<4i", data, size + 16 * i) for i in range(count)]


def window_mask(width, height):
    """PGM of the window region: the character at 47,0 and the dial at 0,252."""
    mask = bytearray(width * height)
    shapes = ((os.path.join(ROOT, "resources", "regions", "character.rgn"), 47, 0),
              (os.path.join(ROOT, "resources", "regions", "dial.rgn"), 0, 252))
    for path, dx, dy in shapes:
        for left, top, right, bottom in region_rects(path):
            for y in range(top + dy, bottom + dy):
                start = y * width
                mask[start + left + dx: start + right + dx] = b"\xff" * (right - left)
    return b"P5\n%d %d\n255\n" % (width, height) + bytes(mask)


def cut_window(shot, geometry, out, margin=12):
    """Her window from a screenshot, cut to her window region, on the desktop colour."""
    x, y, width, height = geometry
    with tempfile.TemporaryDirectory() as tmp:
        mask = os.path.join(tmp, "mask.pgm")
        with open(mask, "wb") as f:
            f.write(window_mask(width, height))
        cut = os.path.join(tmp, "cut.png")
        subprocess.run(["/usr/bin/convert", shot, "-crop", "%dx%d+%d+%d" % (width, height, x, y),
                        "+repage", mask, "-alpha", "off", "-compose", "CopyOpacity", "-composite",
                        cut], check=True)
        subprocess.run(["/usr/bin/convert",
                        "-size", "%dx%d" % (width + 2 * margin, height + 2 * margin),
                        "xc:" + harness.DESKTOP_HEX, cut, "-geometry", "+%d+%d" % (margin, margin),
                        "-composite", "-strip", out], check=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe")
    parser.add_argument("--helper")
    parser.add_argument("--cut")
    parser.add_argument("--window")
    parser.add_argument("--out", default=os.path.join(ROOT, "docs", "velmira.png"))
    parser.add_argument("--time", default="@2026-12-07 10:08:36")
    args = parser.parse_args()
    if args.cut:
        cut_window(args.cut, [int(v) for v in args.window.split(",")], args.out)
        print(args.out)
        return
    harness.use_program(args.exe, args.helper)
    with tempfile.TemporaryDirectory() as tmp, harness.Session() as s:
        app = s.launch(faketime=args.time)
        w = app.wait_window()
        time.sleep(2.5)
        x, y, width, height = s.geometry(w)
        shot = os.path.join(tmp, "shot.png")
        s.screenshot(shot)
        s.close_main_stage()
        app.wait_exit(5)
        mask = os.path.join(tmp, "mask.pgm")
        with open(mask, "wb") as f:
            f.write(window_mask(width, height))
        cut_window(shot, (x, y, width, height), args.out)
    print(args.out)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Builds every picture of the program from the sources in resources/art/.

    make_artwork.py --make-regions PATH [--out DIR] [--preview DIR]

Writes into DIR (default: the repository's resources/ folder):
    bitmaps/*.bmp         character, faces, dial faces and masks, digit strips,
                          AM/PM strip, about portrait, play button states
    bitmaps/*2x.bmp       the same pictures drawn again at 200 % from the same
                          sources (the program scales them to other DPIs)
    regions/*.rgn         the two window shapes (made by the make_regions tool)
    velmira.ico           the application icon (16, 32 and 48 pixels)

Vector pictures are rasterized with rsvg-convert; the pixel work is done here
with the standard library only, so two runs give byte-identical files.
"""

import argparse
import os
import re
import struct
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ART = os.path.join(ROOT, "resources", "art")
CONVERT = "/usr/bin/convert"  # /usr/local/bin/convert may be a wrapper
RSVG = "rsvg-convert"

GREEN = (0, 255, 0)
KEY_WHITE = (255, 255, 255)

CHAR_W, CHAR_H = 246, 441
FACE_LEFT, FACE_TOP, FACE_SIZE = 70, 70, 96  # FaceFrame in picture coordinates
DIAL = 128

# 96 DPI, and 200 % drawn again from the sources: the program derives every
# other display scale from the 200 % pictures, so none is a stretched 96-DPI one.
SCALES = (1, 2)

# Below this opacity a rendered edge pixel becomes background; above it the
# pixel is laid over the outline colour, so no edge ever blends with the green.
ALPHA_KEEP = 112
OUTLINE = (0x3A, 0x1F, 0x3D)


# ---------------------------------------------------------------- pictures

class Image:
    """Rows from the top, (r, g, b) tuples."""

    def __init__(self, width, height, fill=(0, 0, 0)):
        self.width = width
        self.height = height
        self.px = [fill] * (width * height)

    def get(self, x, y):
        return self.px[y * self.width + x]

    def set(self, x, y, colour):
        self.px[y * self.width + x] = colour

    def crop(self, left, top, width, height):
        out = Image(width, height)
        for y in range(height):
            row = (top + y) * self.width + left
            out.px[y * width:(y + 1) * width] = self.px[row:row + width]
        return out

    def paste(self, other, left, top):
        for y in range(other.height):
            for x in range(other.width):
                self.set(left + x, top + y, other.get(x, y))


def bmp24(image):
    stride = (image.width * 3 + 3) & ~3
    size = stride * image.height
    out = bytearray(b"BM")
    out += struct.pack("<IHHI", 54 + size, 0, 0, 54)
    out += struct.pack("<IiiHHIIiiII", 40, image.width, image.height, 1, 24, 0, size, 2835, 2835, 0, 0)
    pad = bytes(stride - image.width * 3)
    for y in range(image.height - 1, -1, -1):
        row = bytearray()
        for x in range(image.width):
            r, g, b = image.get(x, y)
            row += bytes((b, g, r))
        out += row + pad
    return bytes(out)


def bmp1(ink, width, height):
    """ink[i] true paints black (palette index 0), false white (index 1)."""
    stride = ((width + 31) // 32) * 4
    size = stride * height
    out = bytearray(b"BM")
    out += struct.pack("<IHHI", 62 + size, 0, 0, 62)
    out += struct.pack("<IiiHHIIiiII", 40, width, height, 1, 1, 0, size, 2835, 2835, 2, 0)
    out += bytes((0, 0, 0, 0, 255, 255, 255, 0))
    for y in range(height - 1, -1, -1):
        row = bytearray(stride)
        for x in range(width):
            if not ink[y * width + x]:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def bmp_indexed(image):
    """The smallest BMP LoadImageW reads for the picture: 4 or 8 bits with a
    palette when it has at most 16 or 256 colours, else 24 bits."""
    colours = sorted(set(image.px))
    if len(colours) > 256:
        return bmp24(image)
    bits = 4 if len(colours) <= 16 else 8
    index = {c: i for i, c in enumerate(colours)}
    stride = ((image.width * bits + 31) // 32) * 4
    size = stride * image.height
    offset = 54 + 4 * len(colours)
    out = bytearray(b"BM")
    out += struct.pack("<IHHI", offset + size, 0, 0, offset)
    out += struct.pack("<IiiHHIIiiII", 40, image.width, image.height, 1, bits, 0, size, 2835, 2835,
                       len(colours), 0)
    for r, g, b in colours:
        out += bytes((b, g, r, 0))
    for y in range(image.height - 1, -1, -1):
        row = bytearray(stride)
        for x in range(image.width):
            i = index[image.get(x, y)]
            if bits == 8:
                row[x] = i
            else:
                row[x // 2] |= i << (4 if x % 2 == 0 else 0)
        out += row
    return bytes(out)


def bmp_for(image, s):
    # The 96-DPI files stay exactly as they always were: 24 bits.
    return bmp24(image) if s == 1 else bmp_indexed(image)


def file_name(name, s):
    return name + ("" if s == 1 else "%dx" % s) + ".bmp"


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def rasterize(svg_text, width, height, tmp, name):
    """Returns a list of (r, g, b, a) with straight (not premultiplied) alpha."""
    svg_path = os.path.join(tmp, name + ".svg")
    png_path = os.path.join(tmp, name + ".png")
    with open(svg_path, "w", encoding="utf-8") as f:
        f.write(svg_text)
    subprocess.run([RSVG, "-w", str(width), "-h", str(height), "-o", png_path, svg_path], check=True)
    raw = subprocess.run([CONVERT, png_path, "-depth", "8", "rgba:-"], check=True,
                         stdout=subprocess.PIPE).stdout
    if len(raw) != width * height * 4:
        raise RuntimeError("%s: rasterized to an unexpected size" % name)
    return [tuple(raw[i:i + 4]) for i in range(0, len(raw), 4)]


def over(colour, alpha, base):
    a = alpha / 255.0
    return tuple(int(round(c * a + b * (1.0 - a))) for c, b in zip(colour, base))


def key_on_green(rgba, width, height):
    """Her pixels keep their colour; the rest turns pure green, no blends."""
    image = Image(width, height, GREEN)
    for i, (r, g, b, a) in enumerate(rgba):
        if a < ALPHA_KEEP:
            continue
        colour = (r, g, b) if a == 255 else over((r, g, b), a, OUTLINE)
        if colour == GREEN:
            colour = (0, 254, 0)
        image.px[i] = colour
    return image


def flatten(rgba, width, height, background):
    image = Image(width, height)
    image.px = [over((r, g, b), a, background) for (r, g, b, a) in rgba]
    return image


def scale_box(image, factor):
    out = Image(image.width * factor, image.height * factor)
    for y in range(out.height):
        for x in range(out.width):
            out.set(x, y, image.get(x // factor, y // factor))
    return out


# --------------------------------------------------------------- character

def svg_with_expression(svg_text, expression):
    """Shows the group id="expr-<expression>" and hides the other expressions."""
    def repl(match):
        shown = match.group(1) == expression
        return match.group(0).rsplit('display=', 1)[0] + 'display="%s"' % ("inline" if shown else "none")
    text, count = re.subn(r'<g id="expr-([a-z0-9]+)(?:-[a-z]+)?" display="[a-z]+"', repl, svg_text)
    if count < 2 or ('id="expr-%s"' % expression) not in text:
        raise RuntimeError("character.svg lacks the expression group " + expression)
    return text


def svg_with_viewbox(svg_text, box):
    text, count = re.subn(r'viewBox="[^"]*"', 'viewBox="%s"' % " ".join(str(v) for v in box), svg_text, count=1)
    if count != 1:
        raise RuntimeError("character.svg has no viewBox")
    return text


def make_character(tmp, out, s=1):
    """Her pictures at s times the 96-DPI size; the icon only with s = 1."""
    with open(os.path.join(ART, "character.svg"), encoding="utf-8") as f:
        source = f.read()
    width, height = CHAR_W * s, CHAR_H * s
    pictures = {}
    for expression, name in (("calm", "charbmp"), ("smile", "face1"), ("lonely", "face2"), ("lonelier", "face3")):
        rgba = rasterize(svg_with_expression(source, expression), width, height, tmp,
                         "character-%s-%d" % (expression, s))
        pictures[name] = key_on_green(rgba, width, height)
    character = pictures["charbmp"]
    if not check_touches_edges(character):
        raise RuntimeError("the character must touch all four picture edges")
    write(os.path.join(out, "bitmaps", file_name("charbmp", s)), bmp_for(character, s))
    for name in ("face1", "face2", "face3"):
        face = pictures[name].crop(FACE_LEFT * s, FACE_TOP * s, FACE_SIZE * s, FACE_SIZE * s)
        write(os.path.join(out, "bitmaps", file_name(name, s)), bmp_for(face, s))

    # Portrait for the about box: her smiling head on a soft lavender ground.
    head = svg_with_viewbox(svg_with_expression(source, "smile"), (46, 24, 144, 144))
    rgba = rasterize(head, 40 * s, 40 * s, tmp, "about-%d" % s)
    portrait = flatten(rgba, 40 * s, 40 * s, (0xEE, 0xE6, 0xF8))
    frame_portrait(portrait, s)
    write(os.path.join(out, "bitmaps", file_name("aboutimage", s)), bmp_for(portrait, s))
    if s != 1:
        return character

    # Icon: her head with open eyes and real transparency, three sizes.
    icon_parts = []
    for size, box in ((16, (76, 78, 84, 84)), (32, (64, 50, 108, 108)), (48, (52, 26, 132, 132))):
        png = os.path.join(tmp, "icon%d.png" % size)
        svg_path = os.path.join(tmp, "icon%d.svg" % size)
        with open(svg_path, "w", encoding="utf-8") as f:
            f.write(svg_with_viewbox(svg_with_expression(source, "calm"), box))
        subprocess.run([RSVG, "-w", str(size), "-h", str(size), "-o", png, svg_path], check=True)
        icon_parts.append(png)
    ico = os.path.join(out, "velmira.ico")
    subprocess.run([CONVERT] + icon_parts + ["-strip", ico], check=True)
    return character


def frame_portrait(image, s=1):
    """A frame s pixels wide: one 96-DPI pixel at every scale."""
    edge = (0x8A, 0x6C, 0xB8)
    for k in range(s):
        for i in range(image.width):
            image.set(i, k, edge)
            image.set(i, image.height - 1 - k, edge)
        for j in range(image.height):
            image.set(k, j, edge)
            image.set(image.width - 1 - k, j, edge)


def check_touches_edges(image):
    xs, ys = [], []
    for y in range(image.height):
        for x in range(image.width):
            if image.get(x, y) != GREEN:
                xs.append(x)
                ys.append(y)
    bound = (min(xs), min(ys), max(xs) + 1, max(ys) + 1)
    if bound != (0, 0, image.width, image.height):
        sys.stderr.write("make_artwork: her bounding box is %s, not the whole picture\n" % (bound,))
        return False
    return True


# -------------------------------------------------------------------- dial

def dial_inside(x, y, size=DIAL):
    dx = x + 0.5 - size / 2
    dy = y + 0.5 - size / 2
    return dx * dx + dy * dy < (size / 2) ** 2


def make_dial(tmp, out, s=1):
    with open(os.path.join(ART, "dial.svg"), encoding="utf-8") as f:
        source = f.read()
    size = DIAL * s
    rgba = rasterize(source, size, size, tmp, "dial-%d" % s)
    ink = [dial_inside(i % size, i // size, size) for i in range(size * size)]
    face = Image(size, size)
    faded = Image(size, size)
    paper = (0xFF, 0xFB, 0xF4)
    for i, (r, g, b, a) in enumerate(rgba):
        if not ink[i]:
            continue  # outside the outline: black
        colour = over((r, g, b), a, OUTLINE)
        face.px[i] = colour
        # the digital face keeps the look of the dial but steps back behind the digits
        faded.px[i] = tuple(int(round(c * 0.38 + p * 0.62)) for c, p in zip(colour, paper))
    write(os.path.join(out, "bitmaps", file_name("mojiban", s)), bmp_for(face, s))
    write(os.path.join(out, "bitmaps", file_name("mojibandigi", s)), bmp_for(faded, s))
    mask = bmp1(ink, size, size)
    write(os.path.join(out, "bitmaps", file_name("mojibanmask", s)), mask)
    write(os.path.join(out, "bitmaps", file_name("mojibandigimask", s)), mask)
    return face


# ------------------------------------------------------- hard-edged glyphs

def fill_polygon(image, points, colour, dx=0.0, dy=0.0):
    """Paints every pixel whose centre lies inside the polygon (even-odd)."""
    pts = [(x + dx, y + dy) for x, y in points]
    for y in range(image.height):
        cy = y + 0.5
        for x in range(image.width):
            cx = x + 0.5
            inside = False
            j = len(pts) - 1
            for i in range(len(pts)):
                xi, yi = pts[i]
                xj, yj = pts[j]
                if (yi > cy) != (yj > cy) and cx < (xj - xi) * (cy - yi) / (yj - yi) + xi:
                    inside = not inside
                j = i
            if inside:
                image.set(x, y, colour)


SEGMENTS = {  # which of a..g each glyph lights: a top, b upper right, c lower right, d bottom, e lower left, f upper left, g middle
    0: "abcdef", 1: "bc", 2: "abged", 3: "abgcd", 4: "fgbc", 5: "afgcd", 6: "afgedc",
    7: "abc", 8: "abcdefg", 9: "abcdfg", 10: "g", 12: "agd",
}
SEGMENT_GREY = (64, 64, 64)


def segment_shapes(w, h, t, inset, gap):
    """Hexagonal segments in a w x h box with stroke thickness t."""
    x0, x1 = inset, w - inset
    y0, y1 = inset, h - inset
    ym = (y0 + y1) / 2.0
    half = t / 2.0

    def horizontal(y):
        return [(x0 + gap, y), (x0 + gap + half, y - half), (x1 - gap - half, y - half), (x1 - gap, y),
                (x1 - gap - half, y + half), (x0 + gap + half, y + half)]

    def vertical(x, ya, yb):
        return [(x, ya + gap), (x + half, ya + gap + half), (x + half, yb - gap - half), (x, yb - gap),
                (x - half, yb - gap - half), (x - half, ya + gap + half)]

    return {
        "a": horizontal(y0 + half), "g": horizontal(ym), "d": horizontal(y1 - half),
        "f": vertical(x0 + half, y0 + half, ym), "b": vertical(x1 - half, y0 + half, ym),
        "e": vertical(x0 + half, ym, y1 - half), "c": vertical(x1 - half, ym, y1 - half),
    }


def make_digits(out, s=1):
    for name, (w, h), digit_box, colon in (
            ("diginumber", (24, 48), (1, 3, 20, 40, 4.0, 1.0), [(2, 8, 5, 5), (2, 29, 5, 5)]),
            ("diginumsmall", (16, 32), (1, 2, 13, 27, 3.0, 0.75), [(6, 8, 3, 3), (6, 20, 3, 3)])):
        w, h = w * s, h * s
        left, top, dw, dh, thick, gap = (v * s for v in digit_box)
        colon = [tuple(v * s for v in box) for box in colon]
        strip = Image(w * 13, h, KEY_WHITE)
        shapes = segment_shapes(dw, dh, thick, 0.0, gap)
        for glyph in range(13):
            cell = Image(w, h, KEY_WHITE)
            if glyph == 11:
                for (cx, cy, cw, ch) in colon:
                    for y in range(cy, cy + ch):
                        for x in range(cx, cx + cw):
                            cell.set(x, y, SEGMENT_GREY)
            else:
                for seg in SEGMENTS[glyph]:
                    fill_polygon(cell, [(x + left, y + top) for x, y in shapes[seg]], SEGMENT_GREY)
            strip.paste(cell, glyph * w, 0)
        write(os.path.join(out, "bitmaps", file_name(name, s)), bmp_for(strip, s))


# Letters on an 11-row grid, drawn as 2-pixel strokes between grid points:
# a stroke covers its grid point and the pixel to the right of and below it.
LETTER_STROKES = {
    "A": [((0, 10), (4, 0)), ((4, 0), (8, 10)), ((2, 6), (6, 6))],                       # 10 px wide
    "M": [((0, 10), (0, 0)), ((0, 0), (4, 6)), ((5, 6), (9, 0)), ((9, 0), (9, 10))],       # 11 px wide
    "P": [((0, 10), (0, 0)), ((0, 0), (5, 0)), ((5, 0), (7, 2)), ((7, 2), (7, 3)), ((7, 3), (5, 5)),
          ((5, 5), (0, 5))],                                                             # 9 px wide
}


def stroke(image, a, b, colour, s=1):
    """Grid points a and b at s pixels a unit; the pen is 2 x 2 units."""
    (ax, ay), (bx, by) = a, b
    steps = max(abs(bx - ax), abs(by - ay)) * 4 * s + 1
    for k in range(steps + 1):
        t = k / float(steps)
        x = int(round((ax + (bx - ax) * t) * s))
        y = int(round((ay + (by - ay) * t) * s))
        for ox in range(2 * s):
            for oy in range(2 * s):
                px, py = x + ox, y + oy
                if 0 <= px < image.width and 0 <= py < image.height:
                    image.set(px, py, colour)


def draw_letters(image, placed, top, s=1):
    for letter, left in placed:
        for a, b in LETTER_STROKES[letter]:
            stroke(image, (a[0] + left, a[1] + top), (b[0] + left, b[1] + top), (0, 0, 0), s)


def make_ampm(out, s=1):
    strip = Image(128 * s, 16 * s, KEY_WHITE)
    draw_letters(strip, [("A", 4), ("M", 16)], 2, s)             # AM: columns 4..26, rows 2..13
    draw_letters(strip, [("P", 64 + 37), ("M", 64 + 48)], 2, s)  # PM: columns 37..58 of its cell
    write(os.path.join(out, "bitmaps", file_name("ampm", s)), bmp_for(strip, s))


def make_play_button(out, s=1):
    """Normal, disabled and pressed, side by side; white shows the button face."""
    strip = Image(60 * s, 20 * s, KEY_WHITE)
    triangle = [(x * s, y * s) for x, y in ((6.0, 3.5), (16.5, 10.0), (6.0, 16.5))]
    inner = [(x * s, y * s) for x, y in ((7.6, 6.3), (13.8, 10.0), (7.6, 13.7))]
    looks = [((0x16, 0x6F, 0x7C), (0x2A, 0xB0, 0xBE), 0, 0),   # teal, like her ribbon
             ((0x80, 0x80, 0x80), (0xC8, 0xC8, 0xC8), 0, 0),   # greyed out
             ((0x10, 0x55, 0x60), (0x1D, 0x92, 0xA0), 1, 1)]   # pushed in by a pixel
    for state, (edge, fill, dx, dy) in enumerate(looks):
        cell = Image(20 * s, 20 * s, KEY_WHITE)
        fill_polygon(cell, triangle, edge, dx * s, dy * s)
        fill_polygon(cell, inner, fill, dx * s, dy * s)
        strip.paste(cell, state * 20 * s, 0)
    write(os.path.join(out, "bitmaps", file_name("playbutton", s)), bmp_for(strip, s))


# ------------------------------------------------------------------ driver

def write_png(image, path, tmp):
    raw = os.path.join(tmp, "preview.rgb")
    with open(raw, "wb") as f:
        f.write(bytes(c for p in image.px for c in p))
    subprocess.run([CONVERT, "-size", "%dx%d" % (image.width, image.height), "-depth", "8", "rgb:" + raw,
                    path], check=True)


def draw_line(image, a, b, colour):
    steps = int(max(abs(b[0] - a[0]), abs(b[1] - a[1]))) * 2 + 1
    for k in range(steps + 1):
        t = k / float(steps)
        image.set(int(a[0] + (b[0] - a[0]) * t), int(a[1] + (b[1] - a[1]) * t), colour)


def draw_sample_hands(image, left, top, hour, minute, second, scale=1):
    """Rough stand-in for the program's hands, to judge the look of the dial."""
    import math

    def rotate(points, position):
        theta = math.radians(((position + 30) % 60) * 6)
        c, s = math.cos(theta), math.sin(theta)
        return [(left + 64 * scale + (x * c - y * s) * scale, top + 64 * scale + (x * s + y * c) * scale)
                for x, y in points]

    minute_hand = [(0, 40), (-4, 36), (-4, -8), (0, -12), (4, -8), (4, 36)]
    hour_hand = [(0, 30), (-6, 26), (-6, -8), (0, -12), (6, -8), (6, 26)]
    for shape, position in ((hour_hand, minute // 12 + (hour % 12) * 5), (minute_hand, minute)):
        pts = rotate(shape, position)
        fill_polygon(image, pts, (255, 0, 255))
        for i in range(len(pts)):
            draw_line(image, pts[i], pts[(i + 1) % len(pts)], (128, 0, 64))
    tip, tail = rotate([(0, 36), (0, -12)], second)
    draw_line(image, tip, tail, (12, 150, 184))
    r = 4 * scale
    for y in range(-r, r):
        for x in range(-r, r):
            if (x + 0.5) ** 2 + (y + 0.5) ** 2 <= r * r:
                image.set(left + 64 * scale + x, top + 64 * scale + y, (12, 150, 184))


def compose_window(character, dial, s):
    """The whole window at s times 96 DPI, with sample hands."""
    window = Image(293 * s, 441 * s, (0, 0, 0))
    for y in range(character.height):
        for x in range(character.width):
            p = character.get(x, y)
            if p != GREEN:
                window.set(47 * s + x, y, p)
    for y in range(dial.height):
        for x in range(dial.width):
            if dial_inside(x, y, dial.width):
                window.set(x, 252 * s + y, dial.get(x, y))
    draw_sample_hands(window, 0, 252 * s, hour=10, minute=8, second=36, scale=s)
    return window


def preview(pictures, preview_dir, tmp):
    """window.png at 96 DPI, window2x.png the same pixel-doubled, and
    window200.png drawn from the 200 % pictures: the last two side by side
    show what the 200 % renderings are for."""
    os.makedirs(preview_dir, exist_ok=True)
    window = compose_window(*pictures[1], s=1)
    write_png(window, os.path.join(preview_dir, "window.png"), tmp)
    write_png(scale_box(window, 2), os.path.join(preview_dir, "window2x.png"), tmp)
    write_png(compose_window(*pictures[2], s=2), os.path.join(preview_dir, "window200.png"), tmp)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--make-regions", required=True, help="path of the make_regions executable")
    parser.add_argument("--out", default=os.path.join(ROOT, "resources"), help="resources folder to write")
    parser.add_argument("--preview", help="also write PNG previews into this folder")
    args = parser.parse_args()

    with tempfile.TemporaryDirectory(prefix="velmira-art-") as tmp:
        pictures = {}
        for s in SCALES:
            pictures[s] = (make_character(tmp, args.out, s), make_dial(tmp, args.out, s))
            make_digits(args.out, s)
            make_ampm(args.out, s)
            make_play_button(args.out, s)
        os.makedirs(os.path.join(args.out, "regions"), exist_ok=True)
        subprocess.run([args.make_regions,
                        os.path.join(args.out, "bitmaps", "charbmp.bmp"),
                        os.path.join(args.out, "bitmaps", "mojibanmask.bmp"),
                        os.path.join(args.out, "regions", "character.rgn"),
                        os.path.join(args.out, "regions", "dial.rgn")], check=True, stdout=subprocess.DEVNULL)
        if args.preview:
            preview(pictures, args.preview, tmp)
    return 0


if __name__ == "__main__":
    sys.exit(main())

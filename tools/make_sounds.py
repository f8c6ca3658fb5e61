#!/usr/bin/env python3
"""Builds every sound of the program from resources/sounds/sounds.json.

    make_sounds.py [--out DIR] [--preview DIR]

Writes into DIR (default: the repository's resources/ folder):
    sounds/snd_<name>.wav   the nine cues (PCM, mono, 11025 Hz, 16-bit) and
                            snd_silence.wav (the 154-byte 8-bit silent image)

With --preview, also writes one PNG per cue (waveform over spectrogram) into
the given folder, drawn with ImageMagick's convert; previews are for looking
at, never compared.

All synthesis is integer arithmetic: the parameters are read as decimals, the
few transcendental constants (pitches, decay factors, gains) come from the
decimal module at a fixed precision, and every sample is made with integer
multiplies and explicitly rounded shifts, so two runs on any machine give
byte-identical files.
"""

import argparse
import decimal
import json
import os
import struct
import subprocess
import sys
import tempfile
from decimal import Decimal

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOURCE = os.path.join(ROOT, "resources", "sounds", "sounds.json")
CONVERT = "/usr/bin/convert"  # /usr/local/bin/convert may be a wrapper

RATE = 11025
CUES = ["jikan1", "jikan2", "jikan3", "jikan4", "kinenbi1", "kinenbi2", "kinenbi3", "matsu1", "matsu2"]
MAX_LENGTH_MS = 2000
LOUDEST_DBFS = Decimal(-6)
# Partials above this never reach the file: at 11025 Hz they would fold back
# as unrelated, harsh tones.
HIGHEST_PARTIAL_HZ = Decimal(4600)

TABLE_BITS = 12  # sine table of 4096 steps, read with linear interpolation
FRAC_BITS = 32 - TABLE_BITS
SINE_ONE = 1 << 24  # table values: 1.0 is 2^24
GAIN_ONE = 1 << 30  # envelope values and decay factors: 1.0 is 2^30

CTX = decimal.Context(prec=40, rounding=decimal.ROUND_HALF_EVEN)


def round_div(num, den):
    """num / den rounded half away from zero; den > 0."""
    q, r = divmod(abs(num), den)
    if 2 * r >= den:
        q += 1
    return q if num >= 0 else -q


def to_int(value):
    return int(CTX.to_integral_value(value))


def make_sine_table():
    """One cycle plus a guard entry, from the Taylor series in decimals."""
    with decimal.localcontext(CTX):
        pi = Decimal("3.141592653589793238462643383279502884197")
        table = []
        for i in range(1 << TABLE_BITS):
            x = 2 * pi * i / (1 << TABLE_BITS)
            if x > pi:
                x -= 2 * pi  # keeps the series short
            term, total, n = x, Decimal(0), 1
            while abs(term) > Decimal("1e-30"):
                total += term
                term = -term * x * x / ((n + 1) * (n + 2))
                n += 2
            table.append(to_int(total * SINE_ONE))
    table.append(table[0])
    return table


SINE = make_sine_table()


def sine(phase):
    """phase: 32-bit unsigned, a whole cycle. Returns 2^24 * sin."""
    index = phase >> FRAC_BITS
    frac = phase & ((1 << FRAC_BITS) - 1)
    a, b = SINE[index], SINE[index + 1]
    return a + (((b - a) * frac) >> FRAC_BITS)


NOTE_STEPS = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}


def pitch_hz(name):
    """'A4' is 440 Hz; sharps '#', flats 'b'; equal temperament."""
    letter, rest = name[0].upper(), name[1:]
    if letter not in NOTE_STEPS or not rest:
        raise ValueError("bad pitch %r" % name)
    step = NOTE_STEPS[letter]
    while rest and rest[0] in "#b":
        step += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    semitones = step + 12 * (int(rest) - 4)
    with decimal.localcontext(CTX):
        return Decimal(440) * (Decimal(2).ln() * semitones / 12).exp()


def phase_step(hz):
    with decimal.localcontext(CTX):
        return to_int(hz * (1 << 32) / RATE)


def decay_factor(ring_ms):
    """Per-sample factor that takes a level down 60 dB in ring_ms."""
    with decimal.localcontext(CTX):
        samples = ring_ms * RATE / 1000
        return to_int((Decimal(-3) * Decimal(10).ln() / samples).exp() * GAIN_ONE)


def db_to_linear(db):
    with decimal.localcontext(CTX):
        return (Decimal(10).ln() * db / 20).exp()


def ms_to_samples(ms):
    with decimal.localcontext(CTX):
        return to_int(Decimal(ms) * RATE / 1000)


# ------------------------------------------------------------- synthesis

def render_partial(mix, start, step0, step1, glide, attack, peak, factor):
    """Adds one sine partial into mix (2^24 units), from sample start on."""
    phase, level = 0, 0
    for n in range(len(mix) - start):
        if n < attack:
            level = round_div(peak * n, attack)  # 0 on the first sample: no click
        elif n == attack:
            level = peak
        else:
            # Rounded down, so the level always reaches 0 and the loop ends.
            level = (level * factor) >> 30
            if level == 0:
                break
        mix[start + n] += (level * sine(phase)) >> 30
        if glide and n < glide:
            step = step0 + round_div((step1 - step0) * n, glide)
        else:
            step = step1
        phase = (phase + step) & 0xFFFFFFFF


def render_cue(name, cue, voices):
    length = ms_to_samples(cue["length_ms"])
    if cue["length_ms"] > MAX_LENGTH_MS:
        raise ValueError("%s: longer than %d ms" % (name, MAX_LENGTH_MS))
    if Decimal(cue["peak_dbfs"]) > LOUDEST_DBFS:
        raise ValueError("%s: louder than %s dBFS" % (name, LOUDEST_DBFS))
    voice = voices[cue["voice"]]
    mix = [0] * length
    for note in cue["notes"]:
        start = ms_to_samples(note["at_ms"])
        if start >= length:
            raise ValueError("%s: a note starts after the end" % name)
        hz0 = pitch_hz(note["pitch"])
        hz1 = pitch_hz(note.get("glide_to", note["pitch"]))
        glide = ms_to_samples(note.get("glide_ms", 0))
        attack = max(1, ms_to_samples(note.get("attack_ms", voice["attack_ms"])))
        for partial in voice["partials"]:
            ratio = partial["ratio"]
            if max(hz0, hz1) * ratio > HIGHEST_PARTIAL_HZ:
                continue
            with decimal.localcontext(CTX):
                peak = to_int(note["gain"] * partial["gain"] * GAIN_ONE)
                ring = note["ring_ms"] * partial["ring"]
            render_partial(mix, start, phase_step(hz0 * ratio), phase_step(hz1 * ratio), glide,
                           attack, peak, decay_factor(ring))
    loudest = max(abs(v) for v in mix)
    if loudest == 0:
        raise ValueError("%s: silent" % name)
    with decimal.localcontext(CTX):
        target = to_int(db_to_linear(Decimal(cue["peak_dbfs"])) * 32768)
    samples = [round_div(v * target, loudest) for v in mix]
    # Whatever still rings at the end fades to exactly zero.
    fade = ms_to_samples(cue.get("fade_ms", 40))
    for n in range(fade):
        at = length - fade + n
        samples[at] = round_div(samples[at] * (fade - 1 - n), fade)
    return samples


def wave16(samples):
    data = struct.pack("<%dh" % len(samples), *samples)
    head = b"RIFF" + struct.pack("<I", 36 + len(data)) + b"WAVE"
    head += b"fmt " + struct.pack("<IHHIIHH", 16, 1, 1, RATE, RATE * 2, 2, 16)
    return head + b"data" + struct.pack("<I", len(data)) + data


def silence():
    """The silent image: 110 samples of 8-bit midpoint, 154 bytes in all."""
    data = b"\x80" * 110
    head = b"RIFF" + struct.pack("<I", 36 + len(data)) + b"WAVE"
    head += b"fmt " + struct.pack("<IHHIIHH", 16, 1, 1, RATE, RATE, 1, 8)
    return head + b"data" + struct.pack("<I", len(data)) + data


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


# --------------------------------------------------------------- preview

def preview_png(samples, path, tmp):
    """Waveform (top) over a spectrogram (0..5512 Hz, bottom); floats are fine here."""
    import cmath
    import math
    width, wave_h, spec_h, size = 600, 160, 256, 512
    pixels = [[(250, 250, 250)] * width for _ in range(wave_h + spec_h)]
    mid = wave_h // 2
    per = max(1, len(samples) // width)
    for x in range(width):
        chunk = samples[x * per:(x + 1) * per] or [0]
        lo = mid - int(max(chunk) / 32768 * mid)
        hi = mid - int(min(chunk) / 32768 * mid)
        for y in range(max(0, lo), min(wave_h, hi + 1)):
            pixels[y][x] = (30, 90, 160)
        pixels[mid][x] = pixels[mid][x] if lo <= mid <= hi else (200, 200, 200)
        # -6 dBFS lines: the loudest a cue may be
        for y in (mid - int(mid / 2), mid + int(mid / 2)):
            if pixels[y][x] == (250, 250, 250):
                pixels[y][x] = (230, 150, 150)
    def fft(values):
        if len(values) == 1:
            return values
        even, odd = fft(values[0::2]), fft(values[1::2])
        turn = [cmath.exp(-2j * math.pi * k / len(values)) * odd[k] for k in range(len(odd))]
        return [e + t for e, t in zip(even, turn)] + [e - t for e, t in zip(even, turn)]

    window = [0.5 - 0.5 * math.cos(2 * math.pi * k / size) for k in range(size)]
    padded = [0] * (size // 2) + list(samples) + [0] * size
    for x in range(width):
        at = x * len(samples) // width
        spectrum = fft([padded[at + k] * window[k] / 32768 for k in range(size)])
        for row in range(spec_h):
            acc = spectrum[row * (size // 2) // spec_h]
            db = 20 * math.log10(abs(acc) / (size / 4) + 1e-9)
            level = max(0, min(255, int((db + 90) * 255 / 90)))
            pixels[wave_h + spec_h - 1 - row][x] = (level, level // 2, 255 - level)
    raw = os.path.join(tmp, "preview.rgb")
    with open(raw, "wb") as f:
        f.write(bytes(c for line in pixels for p in line for c in p))
    subprocess.run([CONVERT, "-size", "%dx%d" % (width, wave_h + spec_h), "-depth", "8", "rgb:" + raw, path],
                   check=True)


# ------------------------------------------------------------------ driver

def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--out", default=os.path.join(ROOT, "resources"), help="resources folder to write")
    parser.add_argument("--source", default=SOURCE, help="sound parameters (JSON)")
    parser.add_argument("--preview", help="also write PNG previews into this folder")
    args = parser.parse_args()

    with open(args.source, encoding="utf-8") as f:
        source = json.load(f, parse_float=Decimal, parse_int=Decimal)
    if int(source["rate"]) != RATE:
        raise ValueError("the cues are made at %d Hz" % RATE)
    cues = source["cues"]
    if sorted(cues) != sorted(CUES):
        raise ValueError("sounds.json must describe exactly: %s" % ", ".join(CUES))

    made = {}
    for name in CUES:
        made[name] = render_cue(name, cues[name], source["voices"])
        write(os.path.join(args.out, "sounds", "snd_%s.wav" % name), wave16(made[name]))
    write(os.path.join(args.out, "sounds", "snd_silence.wav"), silence())

    if args.preview:
        os.makedirs(args.preview, exist_ok=True)
        with tempfile.TemporaryDirectory(prefix="velmira-snd-") as tmp:
            for name in CUES:
                preview_png(made[name], os.path.join(args.preview, name + ".png"), tmp)
    return 0


if __name__ == "__main__":
    sys.exit(main())

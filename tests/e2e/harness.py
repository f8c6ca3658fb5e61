"""End-to-end harness: the real program under Xvfb and Wine.

Each Session has its own Xvfb display, its own copy of the prepared Wine
prefix and its own persistent wineserver; leaving the session kills only
what it started. Tests drive the program like a person would (xdotool) and
check windows, titles, screenshots and the registry.
"""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
# The loader for the program under test, chosen by main() from its PE machine.
WINE = "/usr/lib/wine/wine64"
LOADERS = {0x014C: "/usr/lib/wine/wine", 0x8664: "/usr/lib/wine/wine64"}
DESKTOP_HEX = "#3a6ea5"
DESKTOP_RGB = (0x3A, 0x6E, 0xA5)
FAKETIME_LIB = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"
FAKETIME32_SOURCE = os.path.join(HERE, "tools", "faketime32.c")

# Paths of the program, the helper and the installer, set from the command line by main().
EXE = None
HELPER = None
SETUP = None
# Her registry keys and her window's class, read by use_program() from the
# product's identity that CMake writes beside the program.
SETTINGS_KEY = None
PARENT_KEY = None
STAGE_CLASS = None


def read_identity(folder):
    """{NAME: value} of product_identity.txt in a build folder."""
    with open(os.path.join(folder, "product_identity.txt"), encoding="utf-8") as f:
        return dict(line.rstrip("\n").split("=", 1) for line in f if not line.startswith("#"))


def use_program(exe, helper, setup=None):
    """Points the harness at the program under test, its helper and installer."""
    global EXE, HELPER, SETUP, SETTINGS_KEY, PARENT_KEY, STAGE_CLASS
    EXE, HELPER = os.path.abspath(exe), os.path.abspath(helper)
    SETUP = setup and os.path.abspath(setup)
    identity = read_identity(os.path.dirname(EXE))
    SETTINGS_KEY = "HKCU\\" + identity["SETTINGS_KEY"]
    PARENT_KEY = "HKCU\\" + identity["SETTINGS_PARENT_KEY"]
    STAGE_CLASS = identity["STAGE_CLASS"]


def loader_for(exe):
    """The Wine loader that runs `exe`: its PE header's machine says i386 or x86-64."""
    with open(exe, "rb") as f:
        head = f.read(4096)
    pe = int.from_bytes(head[0x3C:0x40], "little")
    if head[:2] != b"MZ" or head[pe:pe + 4] != b"PE\0\0":
        raise ValueError("%s is not a Windows program" % exe)
    machine = int.from_bytes(head[pe + 4:pe + 6], "little")
    if machine not in LOADERS:
        raise ValueError("%s is for machine 0x%04x, which Wine here does not run" % (exe, machine))
    return LOADERS[machine]


def faketime32_lib():
    """Our preload that shifts the clock of a 32-bit Wine process, built next to
    the program on first use (libfaketime's i386 library misses 32-bit Wine's
    64-bit time calls). Suites running side by side may build it at once: each
    writes its own file and renames it into place."""
    lib = os.path.join(os.path.dirname(EXE), "faketime32.so")
    if os.path.exists(lib) and os.path.getmtime(lib) >= os.path.getmtime(FAKETIME32_SOURCE):
        return lib
    tmp = "%s.%d" % (lib, os.getpid())
    subprocess.run(["gcc", "-m32", "-O2", "-fPIC", "-shared", "-nostdlib", "-Wall", "-Wextra",
                    "-Werror", "-o", tmp, FAKETIME32_SOURCE], check=True)
    os.replace(tmp, lib)
    return lib


def template_prefix():
    out = subprocess.run([os.path.join(ROOT, "scripts", "wine-prefix.sh")],
                         check=True, stdout=subprocess.PIPE, text=True)
    return out.stdout.strip()


class Image:
    """A screenshot as RGB rows, read from a binary PPM."""

    def __init__(self, data):
        fields, pos = [], 0
        while len(fields) < 4:  # magic, width, height, maximum; '#' starts a comment
            while data[pos:pos + 1].isspace():
                pos += 1
            if data[pos:pos + 1] == b"#":
                pos = data.index(b"\n", pos) + 1
                continue
            end = pos
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[pos:end])
            pos = end
        assert fields[0] == b"P6" and fields[3] == b"255", "not an 8-bit PPM"
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = data[pos + 1: pos + 1 + self.width * self.height * 3]

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.pixels[i: i + 3])

    def region_differs(self, other, left, top, right, bottom):
        """Count of pixels in [left,right) x [top,bottom) that differ."""
        n = 0
        for y in range(top, bottom):
            a = (y * self.width + left) * 3
            b = (y * self.width + right) * 3
            if self.pixels[a:b] != other.pixels[a:b]:
                for x in range(left, right):
                    if self.pixel(x, y) != other.pixel(x, y):
                        n += 1
        return n


class App:
    def __init__(self, session, popen):
        self.session = session
        self.popen = popen
        self.pid = popen.pid

    def wait_window(self, name=".*", timeout=20.0, visible=True):
        """Id of the first window of this process whose name matches."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            args = ["xdotool", "search", "--all", "--pid", str(self.pid), "--name", name]
            if visible:
                args.insert(3, "--onlyvisible")
            out = self.session.run(args, check=False).stdout.split()
            if out:
                return out[0]
            if self.popen.poll() is not None:
                raise AssertionError("program exited with %s before its window appeared"
                                     % self.popen.returncode)
            time.sleep(0.1)
        raise AssertionError("no window named %r within %.0f s" % (name, timeout))

    def wait_exit(self, timeout=10.0):
        try:
            return self.popen.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def running(self):
        return self.popen.poll() is None


class Session:
    def __init__(self, width=1280, height=1024, capture_sound=False, dpi=96):
        """capture_sound: every sample the program plays lands in self.sound_file.
        dpi: the display scale's DPI (96, 120, 144, 192) the session starts with."""
        self.size = (width, height)
        self.dpi = dpi
        self.capture_sound = capture_sound
        self.sound_file = None
        self.work = tempfile.mkdtemp(prefix="velmira-e2e.")
        self.env = dict(os.environ)
        self.xvfb = None
        self.apps = []
        self.keys_down = []

    # -- lifecycle -----------------------------------------------------------
    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def _start(self):
        prefix = os.path.join(self.work, "prefix")
        subprocess.run(["cp", "-a", template_prefix(), prefix], check=True)
        if self.dpi != 96:
            set_prefix_dpi(prefix, self.dpi)
        display_file = os.path.join(self.work, "display")
        with open(display_file, "w") as fd:
            self.xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(fd.fileno()), "-screen", "0",
                 "%dx%dx24" % self.size, "-noreset", "-nolisten", "tcp"],
                pass_fds=(fd.fileno(),), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.time() + 10
        while time.time() < deadline:
            with open(display_file) as f:
                text = f.read().strip()
            if text:
                break
            time.sleep(0.05)
        else:
            raise RuntimeError("Xvfb did not start")
        self.env.update(DISPLAY=":" + text, WINEPREFIX=prefix, WINEDEBUG="-all")
        # A desktop colour of its own, so her outline shows against it.
        subprocess.run(["xsetroot", "-solid", DESKTOP_HEX], env=self.env, check=True)
        self.env.pop("WINEDLLOVERRIDES", None)
        if self.capture_sound:
            # ALSA's file plugin behind a null device: the samples, as played.
            # Each sound opens the device anew; without truncation the plugin
            # then writes to played.raw.0001, .0002, ... instead of over the first.
            home = os.path.join(self.work, "home")
            os.makedirs(home)
            self.sound_file = os.path.join(self.work, "played.raw")
            with open(os.path.join(home, ".asoundrc"), "w") as f:
                f.write('pcm.!default { type file; slave.pcm "null"; file "%s"; format "raw"; truncate false }\n'
                        % self.sound_file)
            self.env["HOME"] = home
        subprocess.run(["wineserver", "-p"], env=self.env, check=True)
        # The first Wine process starts the background services; let it be a
        # throw-away one so they never hold a captured stdout.
        subprocess.run([WINE, "cmd", "/c", "exit"], env=self.env, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if self.capture_sound:
            # The prepared prefix has no audio device; this session has ALSA's.
            self.reg("delete", r"HKCU\Software\Wine\Drivers", "/v", "Audio", "/f")

    def played(self):
        """The bytes of every sound played so far, in order (empty when none)."""
        if not self.sound_file:
            return b""
        folder, base = os.path.split(self.sound_file)
        names = [n for n in os.listdir(folder) if n == base or n.startswith(base + ".")]
        names.sort(key=lambda n: (len(n), n))  # played.raw, then .0001, .0002, ...
        data = b""
        for name in names:
            with open(os.path.join(folder, name), "rb") as f:
                data += f.read()
        return data


    def wait_played(self, samples, timeout=5.0):
        """Whether `samples` stand in what was played within the timeout: a
        sound reaches the capture file as it plays, so on a busy machine its
        last samples may land a moment after the sound began."""
        deadline = time.time() + timeout
        while samples not in self.played():
            if time.time() >= deadline:
                return False
            time.sleep(0.2)
        return True
    def close(self):
        for key in reversed(self.keys_down):
            self.run(["xdotool", "keyup", key], check=False)
        self.keys_down = []
        if "WINEPREFIX" in self.env:
            subprocess.run(["wineserver", "-k"], env=self.env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
        for app in self.apps:
            if app.popen.poll() is None:
                app.popen.kill()
                app.popen.wait()
        if self.xvfb and self.xvfb.poll() is None:
            self.xvfb.send_signal(signal.SIGTERM)
            self.xvfb.wait()
        shutil.rmtree(self.work, ignore_errors=True)

    # -- processes -------------------------------------------------------------
    def run(self, args, check=True, timeout=60, **kw):
        return subprocess.run(args, env=self.env, stdout=subprocess.PIPE,
                              stderr=subprocess.PIPE, text=True, check=check,
                              timeout=timeout, **kw)

    def launch(self, exe=None, faketime=None, tz=None, args=()):
        """Starts a Windows program; faketime '@2026-12-07 23:59:56' starts the clock there."""
        env = dict(self.env)
        exe = exe or EXE
        loader = loader_for(exe)
        if faketime:
            if loader == LOADERS[0x014C]:
                env.update(LD_PRELOAD=faketime32_lib(), FAKETIME=faketime)
            else:
                env.update(LD_PRELOAD=FAKETIME_LIB, FAKETIME=faketime, NO_FAKE_STAT="1",
                           FAKETIME_DONT_FAKE_MONOTONIC="1")
        if tz:
            env["TZ"] = tz
        popen = subprocess.Popen([loader, exe] + list(args), env=env, stdin=subprocess.DEVNULL,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        app = App(self, popen)
        self.apps.append(app)
        return app

    def helper(self, *args, check=True):
        return self.run([loader_for(HELPER), HELPER] + list(args), check=check)

    def close_main_stage(self):
        """WM_CLOSE to the program's main window, as the taskbar's Close does."""
        return self.helper("close", STAGE_CLASS, check=False).returncode == 0

    # -- windows and input --------------------------------------------------------
    def geometry(self, window):
        out = self.run(["xwininfo", "-id", window]).stdout
        get = lambda label: int(re.search(label + r":\s+(-?\d+)", out).group(1))
        return (get("Absolute upper-left X"), get("Absolute upper-left Y"),
                get("Width"), get("Height"))

    def window_name(self, window):
        return self.run(["xdotool", "getwindowname", window]).stdout.rstrip("\n")

    def xdotool(self, *args):
        return self.run(["xdotool"] + [str(a) for a in args])

    def key_down(self, *keys):
        for key in keys:
            self.xdotool("keydown", key)
            self.keys_down.append(key)

    def key_up(self, *keys):
        for key in keys:
            self.xdotool("keyup", key)
            if key in self.keys_down:
                self.keys_down.remove(key)

    def drag(self, x0, y0, x1, y1, steps=10):
        self.xdotool("mousemove", x0, y0)
        time.sleep(0.2)
        self.xdotool("mousedown", 1)
        time.sleep(0.2)
        for i in range(1, steps + 1):
            self.xdotool("mousemove", x0 + (x1 - x0) * i // steps, y0 + (y1 - y0) * i // steps)
            time.sleep(0.05)
        time.sleep(0.2)
        self.xdotool("mouseup", 1)
        time.sleep(0.3)

    def screenshot(self, path=None):
        """The whole screen as an Image; also saved as PNG when a path is given."""
        # xwd fails (BadColor) when a window and its colormap go while it
        # reads the screen: take it again.
        for attempt in range(5):
            done = subprocess.run(["xwd", "-root", "-silent"], env=self.env,
                                  stdout=subprocess.PIPE, stderr=subprocess.PIPE)
            if done.returncode == 0 or attempt == 4:
                break
            time.sleep(0.1)
        if done.returncode != 0:
            raise RuntimeError("xwd -root failed: " + done.stderr.decode(errors="replace"))
        xwd = done.stdout
        ppm = subprocess.run(["/usr/bin/convert", "xwd:-", "-depth", "8", "ppm:-"], input=xwd,
                             stdout=subprocess.PIPE, check=True).stdout
        if path:
            subprocess.run(["/usr/bin/convert", "xwd:-", path], input=xwd, check=True)
        return Image(ppm)

    # -- registry ------------------------------------------------------------
    def reg(self, *args, check=True):
        # Wine's reg.exe now and then fails to start while the prefix is busy
        # (seen once in a few hundred calls); a second try is reliable.
        for attempt in range(3):
            result = self.run([WINE, "reg"] + list(args), check=False)
            if result.returncode == 0 or not check:
                return result
            print("wine reg %s failed (%d), trying again: %s" % (
                " ".join(args), result.returncode, result.stderr.strip()), file=sys.stderr)
            time.sleep(0.3)
        raise AssertionError("wine reg %s failed (%d): %s %s" % (
            " ".join(args), result.returncode, result.stdout.strip(), result.stderr.strip()))

    def reg_add(self, name, kind, data, key=None):
        self.reg("add", key or SETTINGS_KEY, "/v", name, "/t", kind, "/d", str(data), "/f")

    def seed(self, values, key=None):
        """Stores {name: (type, value)}; REG_DWORD values may be negative."""
        for name, (kind, data) in values.items():
            if kind == "REG_DWORD":
                data = "0x%08X" % (data & 0xFFFFFFFF)
            self.reg_add(name, kind, data, key=key)

    def seed_text(self, name, text, key=None):
        """Stores a REG_SZ value of any text, line breaks included (a .reg import)."""
        data = ",".join("%02x" % b for b in (text + "\0").encode("utf-16-le"))
        path = os.path.join(self.work, "seed.reg")
        with open(path, "w", encoding="utf-16") as f:
            f.write("Windows Registry Editor Version 5.00\r\n\r\n[%s]\r\n\"%s\"=hex(1):%s\r\n"
                    % ((key or SETTINGS_KEY).replace("HKCU", "HKEY_CURRENT_USER", 1), name, data))
        self.reg("import", "Z:" + path.replace("/", "\\"))

    def key_exists(self, key=None):
        return self.reg("query", key or SETTINGS_KEY, check=False).returncode == 0

    def reg_values(self, key=None):
        """{name: (type, value)} of a key, texts decoded properly (via reg export)."""
        path = os.path.join(self.work, "export.reg")
        if os.path.exists(path):
            os.remove(path)
        r = self.reg("export", key or SETTINGS_KEY, "Z:" + path.replace("/", "\\"), "/y",
                     check=False)
        if r.returncode != 0 or not os.path.exists(path):
            return None
        with open(path, "rb") as f:
            raw = f.read()
        text = raw.decode("utf-16") if raw[:2] in (b"\xff\xfe", b"\xfe\xff") else raw.decode()
        values = {}
        for line in text.splitlines():
            m = re.match(r'^"((?:[^"\\]|\\.)*)"=(.*)$', line)
            if not m:
                continue
            name, data = m.group(1), m.group(2)
            if data.startswith("dword:"):
                values[name] = ("REG_DWORD", int(data[6:], 16))
            elif data.startswith('"'):
                values[name] = ("REG_SZ", unescape_reg_text(data[1:-1]))
            else:
                values[name] = ("OTHER", data)
        return values


def set_prefix_dpi(prefix, dpi):
    """The system DPI of a prefix no wineserver runs for yet: Wine reads
    HKCU\\Control Panel\\Desktop's LogPixels when its session starts."""
    path = os.path.join(prefix, "user.reg")
    with open(path, encoding="utf-8") as f:
        text = f.read()
    header = re.search(r"^\[Control Panel\\\\Desktop\] \d+\n(#time=[0-9a-f]+\n)?", text, re.M)
    if not header:
        raise RuntimeError("the prefix has no Control Panel\\Desktop key")
    value = '"LogPixels"=dword:%08x\n' % dpi
    text = text[:header.end()] + value + text[header.end():]
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def unescape_reg_text(text):
    """A text as reg export writes it: backslash escapes for \\, ", CR, LF and NUL."""
    out, i = [], 0
    escapes = {"\\": "\\", '"': '"', "r": "\r", "n": "\n", "0": "\0"}
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text) and text[i + 1] in escapes:
            out.append(escapes[text[i + 1]])
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def signed32(v):
    return v - (1 << 32) if v >= 1 << 31 else v


def main():
    global WINE
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe", required=True)
    parser.add_argument("--helper", required=True)
    parser.add_argument("--setup")
    args, rest = parser.parse_known_args()
    use_program(args.exe, args.helper, args.setup)
    WINE = loader_for(EXE)
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)

"""Runs the real game binary under a private Xvfb, drives it with xdotool and looks at the screen."""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time


class Obraz:
    """A screenshot, decoded pixel by pixel on demand from a TrueColor XWD dump."""

    def __init__(self, xwd):
        h = struct.unpack(">25I", xwd[:100])
        velikost, self.sirka, self.vyska, self.poradi = h[0], h[4], h[5], h[7]
        self.bajtu, self.radek, self.masky, barev = h[11] // 8, h[12], h[14:17], h[19]
        self.data = xwd[velikost + 12 * barev:]
        self.posuny = [(m & -m).bit_length() - 1 for m in self.masky]

    def pixel(self, x, y):
        o = y * self.radek + x * self.bajtu
        p = int.from_bytes(self.data[o:o + self.bajtu], "big" if self.poradi else "little")
        return tuple(((p & self.masky[k]) >> self.posuny[k]) & 0xff for k in range(3))

    def pocet_barvy(self, x1, y1, x2, y2, barva, tolerance=10):
        n = 0
        for y in range(y1, y2):
            for x in range(x1, x2):
                p = self.pixel(x, y)
                if all(abs(p[k] - barva[k]) <= tolerance for k in range(3)):
                    n += 1
        return n

    def ruznych_barev(self, x1, y1, x2, y2):
        return len({self.pixel(x, y) for y in range(y1, y2) for x in range(x1, x2)})

    def vyrez(self, x1, y1, x2, y2):
        return [self.pixel(x, y) for y in range(y1, y2) for x in range(x1, x2)]


class Hra:
    """The game in a fresh working directory with the built data, on its own X server."""

    def __init__(self, run_dir, s_urovnemi=True):
        self.run_dir = os.path.abspath(run_dir)
        self.adresar = tempfile.mkdtemp(prefix="odraz-smoke-")
        os.symlink(os.path.join(self.run_dir, "odraz.dat"), os.path.join(self.adresar, "odraz.dat"))
        os.symlink(os.path.join(self.run_dir, "Midi"), os.path.join(self.adresar, "Midi"))
        if s_urovnemi:
            os.symlink(os.path.join(self.run_dir, "Level"), os.path.join(self.adresar, "Level"))
        else:
            os.mkdir(os.path.join(self.adresar, "Level"))
        self.xvfb = None
        self.hra = None

    def start(self, cekat=2.0):
        r, w = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(w), "-screen", "0", "800x600x24", "-nolisten", "tcp"],
                                     pass_fds=(w,), stderr=subprocess.DEVNULL)
        os.close(w)
        cislo = b""
        while not cislo.endswith(b"\n"):
            kus = os.read(r, 16)
            if not kus:
                raise RuntimeError("Xvfb did not start")
            cislo += kus
        os.close(r)
        self.env = dict(os.environ, DISPLAY=":" + cislo.decode().strip())
        self.hra = subprocess.Popen([os.path.join(self.run_dir, "odraz")], cwd=self.adresar, env=self.env,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(cekat)
        if self.hra.poll() is not None:
            raise RuntimeError("the game ended at start-up with code %d" % self.hra.returncode)

    def xdotool(self, *args):
        subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env, check=True)

    def mys(self, x, y):
        self.xdotool("mousemove", x, y)
        time.sleep(0.05)

    def klik(self, x, y, tlacitko=1):
        self.mys(x, y)
        self.xdotool("mousedown", tlacitko)
        time.sleep(0.12)
        self.xdotool("mouseup", tlacitko)
        time.sleep(0.15)

    def klavesa(self, jmeno):
        self.xdotool("keydown", jmeno)
        time.sleep(0.12)
        self.xdotool("keyup", jmeno)
        time.sleep(0.15)

    def snimek(self, ulozit=None):
        """The root window as RGB, read straight from xwd's dump (saved as PNG too when asked)."""
        xwd = subprocess.run(["xwd", "-root", "-silent"], env=self.env, check=True, capture_output=True).stdout
        if ulozit:
            subprocess.run(["convert", "xwd:-", ulozit], input=xwd, check=True)
        return Obraz(xwd)

    def cekej_na_konec(self, limit=10.0):
        try:
            return self.hra.wait(timeout=limit)
        except subprocess.TimeoutExpired:
            return None

    def soubor(self, jmeno):
        cesta = os.path.join(self.adresar, jmeno)
        if not os.path.exists(cesta):
            return None
        with open(cesta, "rb") as f:
            return f.read()

    def konec(self):
        for p in (self.hra, self.xvfb):
            if p and p.poll() is None:
                p.kill()
                p.wait()
        shutil.rmtree(self.adresar, ignore_errors=True)


BARVA_1 = (200, 200, 200)
BARVA_2 = (250, 100, 0)
BARVA_3 = (60, 60, 60)


def nastaveni(obsah):
    """The four numbers and the name of setdat.ddt."""
    hodnoty = struct.unpack("<4i", obsah[:16])
    return hodnoty, obsah[16:29]


def over(podminka, zprava):
    if not podminka:
        print("FAILED:", zprava)
        sys.exit(1)

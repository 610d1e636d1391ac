"""Runs the real game binary under a private Xvfb, drives it with xdotool and looks at the screen."""
import os
import pathlib
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

    def vyrez(self, x1, y1, x2, y2):
        return [self.pixel(x, y) for y in range(y1, y2) for x in range(x1, x2)]

    def pocet_barvy(self, x1, y1, x2, y2, barva, tolerance=10):
        return sum(all(abs(p[k] - barva[k]) <= tolerance for k in range(3)) for p in self.vyrez(x1, y1, x2, y2))

    def ruznych_barev(self, x1, y1, x2, y2):
        return len(set(self.vyrez(x1, y1, x2, y2)))


class Hra:
    """The game in a fresh working directory with the built data, on its own X server."""

    def __init__(self, run_dir, s_urovnemi=True):
        self.run_dir = os.path.abspath(run_dir)
        self.adresar = tempfile.mkdtemp(prefix="odraz-smoke-")
        for co in ("odraz.dat", "Midi", "Level") if s_urovnemi else ("odraz.dat", "Midi"):
            os.symlink(os.path.join(self.run_dir, co), os.path.join(self.adresar, co))
        if not s_urovnemi:
            os.mkdir(os.path.join(self.adresar, "Level"))
        self.xvfb = None
        self.hra = None

    def __enter__(self):
        return self

    def __exit__(self, *chyba):
        self.konec()

    def start(self, cekat=2.0, prostredi=None):
        """Starts Xvfb and the game in `prostredi` (this environment by default); its stderr is kept."""
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
        self.env = dict(os.environ if prostredi is None else prostredi, DISPLAY=":" + cislo.decode().strip())
        self.chyby = tempfile.TemporaryFile()
        self.hra = subprocess.Popen([os.path.join(self.run_dir, "odraz")], cwd=self.adresar, env=self.env,
                                    stdout=subprocess.DEVNULL, stderr=self.chyby)
        time.sleep(cekat)
        if self.hra.poll() is not None:
            raise RuntimeError("the game ended at start-up with code %d" % self.hra.returncode)

    def xdotool(self, *args):
        subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env, check=True)

    def mys(self, x, y):
        self.xdotool("mousemove", x, y)
        time.sleep(0.05)

    def stisk(self, dolu, nahoru, co):
        self.xdotool(dolu, co)
        time.sleep(0.12)
        self.xdotool(nahoru, co)
        time.sleep(0.15)

    def klik(self, x, y, tlacitko=1):
        self.mys(x, y)
        self.stisk("mousedown", "mouseup", tlacitko)

    def klavesa(self, jmeno):
        self.stisk("keydown", "keyup", jmeno)

    def snimek(self):
        """The root window as RGB, read straight from xwd's dump."""
        return Obraz(subprocess.run(["xwd", "-root", "-silent"], env=self.env, check=True, capture_output=True).stdout)

    def konec_hry(self, kdo="the game"):
        """Clicks "Konec hry" and expects the game to end with code 0."""
        self.klik(450, 510)
        over(self.cekej_na_konec() == 0, kdo + " did not end with code 0")

    def cekej_na_konec(self, limit=10.0):
        try:
            return self.hra.wait(timeout=limit)
        except subprocess.TimeoutExpired:
            return None

    def soubor(self, jmeno):
        cesta = pathlib.Path(self.adresar, jmeno)
        return cesta.read_bytes() if cesta.exists() else None

    def konec(self):
        for p in (self.hra, self.xvfb):
            if p and p.poll() is None:
                p.kill()
                p.wait()
        os.chmod(self.adresar, 0o700)   # a test may have write-protected it
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

#!/usr/bin/env python3
"""Processor use of the real binary under Xvfb: idle in the menu, and during play with a moving mouse.
Each is measured several times over the whole process (all its threads): the share of one core, how
often its threads wake, and (with perf, as root) how many frames it composes and sends a second.
Usage: bench/cpu_usage.py build/run [seconds] [runs]"""
import os
import shutil
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "smoke"))
from xharness import Hra  # noqa: E402

OKNO_SNIMKU = 3.0   # seconds of frame counting, apart from the processor measurement


def cas_a_buzeni(pid):
    """Processor seconds of all the threads (from the scheduler, to the nanosecond) and their voluntary
    context switches."""
    cas, buzeni = 0, 0
    for t in os.listdir("/proc/%d/task" % pid):
        try:
            with open("/proc/%d/task/%s/schedstat" % (pid, t)) as f:
                cas += int(f.read().split()[0])
            with open("/proc/%d/task/%s/status" % (pid, t)) as f:
                buzeni += sum(int(r.split()[1]) for r in f if r.startswith("voluntary_ctxt_switches"))
        except FileNotFoundError:
            pass
    return cas / 1e9, buzeni


def drz(sekund, pohyb):
    t0 = time.time()
    while time.time() - t0 < sekund:
        if pohyb:
            pohyb(time.time() - t0)
        else:
            time.sleep(0.2)


def zmer(pid, sekund, pohyb=None):
    """Share of one core (%) and wake-ups a second over `sekund`."""
    c0, b0, t0 = *cas_a_buzeni(pid), time.time()
    drz(sekund, pohyb)
    c1, b1 = cas_a_buzeni(pid)
    doba = time.time() - t0
    return 100.0 * (c1 - c0) / doba, (b1 - b0) / doba


class Sonda:
    """Counts the calls of one function of the binary with a perf uprobe (root only); None otherwise."""

    def __init__(self, binarka, funkce, jmeno):
        self.udalost = None
        if os.geteuid() != 0 or not shutil.which("perf"):
            return
        p = subprocess.run(["perf", "probe", "-q", "-x", binarka, "--add", "%s=%s" % (jmeno, funkce)],
                           capture_output=True, text=True)
        if p.returncode == 0:
            self.udalost = "probe_%s:%s" % (os.path.basename(binarka).replace("-", "_"), jmeno)

    def za_sekundu(self, pid, sekund, pohyb=None):
        if not self.udalost:
            return None
        p = subprocess.Popen(["perf", "stat", "-x,", "-e", self.udalost, "-p", str(pid)],
                             stderr=subprocess.PIPE, text=True)
        drz(sekund, pohyb)
        p.send_signal(2)
        vystup = p.communicate()[1]
        for radek in vystup.splitlines():
            pole = radek.split(",")
            if len(pole) > 2 and self.udalost in pole[2] and pole[0].strip().isdigit():
                return int(pole[0]) / sekund
        return None

    def konec(self):
        if self.udalost:
            subprocess.run(["perf", "probe", "-q", "--del", self.udalost], capture_output=True)


def pohyb_mysi(hra):
    def pohyb(t):
        x = 200 + int(150 * ((t * 0.7) % 2 - 1) ** 2 * 2)
        hra.xdotool("mousemove", x, 500)
        time.sleep(0.02)
    return pohyb


def jedno_mereni(run, sekund):
    """One start of the game: idle menu, then a round. Returns a dict of the figures."""
    binarka = os.path.join(os.path.abspath(run), "odraz")
    hra = Hra(run)
    sondy = [Sonda(binarka, "plat_ukaz", "odraz_posila"), Sonda(binarka, "draw_all", "odraz_snimek")]
    v = {}
    try:
        hra.start()
        pid = hra.hra.pid
        hra.mys(100, 150)
        time.sleep(0.5)
        v["menu_cpu"], v["menu_buzeni"] = zmer(pid, sekund)
        v["menu_posila"] = sondy[0].za_sekundu(pid, OKNO_SNIMKU)
        hra.klik(490, 285)
        time.sleep(3.5)
        hra.klik(400, 500)
        pohyb = pohyb_mysi(hra)
        v["hra_cpu"], v["hra_buzeni"] = zmer(pid, sekund, pohyb)
        v["hra_snimky"] = sondy[1].za_sekundu(pid, OKNO_SNIMKU, pohyb)
    finally:
        for s in sondy:
            s.konec()
        hra.konec()
    return v


def median_a_rozpeti(hodnoty):
    hodnoty = [h for h in hodnoty if h is not None]
    if not hodnoty:
        return None
    return statistics.median(hodnoty), min(hodnoty), max(hodnoty)


def zmer_vse(run, sekund, behu):
    mereni = [jedno_mereni(run, sekund) for _ in range(behu)]
    return {k: median_a_rozpeti([m[k] for m in mereni]) for k in mereni[0]}


def main():
    run = sys.argv[1]
    sekund = float(sys.argv[2]) if len(sys.argv) > 2 else 10.0
    behu = int(sys.argv[3]) if len(sys.argv) > 3 else 3
    v = zmer_vse(run, sekund, behu)

    def f(k, fmt):
        h = v[k]
        return "n/a" if h is None else (fmt % h[0]) + " (" + (fmt % h[1]).strip() + ".." + (fmt % h[2]).strip() + ")"
    print("menu, idle:         %s %% of one core, %s wake-ups/s, %s frames sent/s"
          % (f("menu_cpu", "%5.2f"), f("menu_buzeni", "%4.0f"), f("menu_posila", "%4.1f")))
    print("play, moving mouse: %s %% of one core, %s wake-ups/s, %s frames/s"
          % (f("hra_cpu", "%5.2f"), f("hra_buzeni", "%4.0f"), f("hra_snimky", "%4.0f")))


if __name__ == "__main__":
    main()

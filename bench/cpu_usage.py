#!/usr/bin/env python3
"""Processor use of the real binary under Xvfb: idle in the menu, and during play with a moving mouse.
Usage: bench/cpu_usage.py build/run [seconds]"""
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "smoke"))
from xharness import Hra  # noqa: E402

TIKY = os.sysconf("SC_CLK_TCK")


def cas_procesu(pid):
    with open("/proc/%d/stat" % pid) as f:
        pole = f.read().rsplit(")", 1)[1].split()
    return (int(pole[11]) + int(pole[12])) / TIKY


def zmer(hra, sekund, pohyb=None):
    zacatek, t0 = cas_procesu(hra.hra.pid), time.time()
    while time.time() - t0 < sekund:
        if pohyb:
            pohyb(time.time() - t0)
        else:
            time.sleep(0.2)
    return 100.0 * (cas_procesu(hra.hra.pid) - zacatek) / (time.time() - t0)


def main():
    run = sys.argv[1]
    sekund = float(sys.argv[2]) if len(sys.argv) > 2 else 10.0
    hra = Hra(run)
    try:
        hra.start()
        hra.mys(100, 150)
        print("menu, idle:        %5.1f %% of one core" % zmer(hra, sekund))
        hra.klik(490, 285)
        time.sleep(3.5)
        hra.klik(400, 500)

        def pohyb(t):
            x = 200 + int(150 * ((t * 0.7) % 2 - 1) ** 2 * 2)
            hra.xdotool("mousemove", x, 500)
            time.sleep(0.02)
        print("play, moving mouse: %5.1f %% of one core" % zmer(hra, sekund, pohyb))
    finally:
        hra.konec()


if __name__ == "__main__":
    main()

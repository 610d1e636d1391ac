#!/usr/bin/env python3
"""Processor use of the real binary under Xvfb: idle in the menu, idle and painting in the level editor,
and during play with a moving mouse;
also how many passes (frames) a second the loops make.
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


def usnuti(pid):
    """Voluntary context switches of the main thread: one for every pass that waited for the timer."""
    with open("/proc/%d/task/%d/status" % (pid, pid)) as f:
        for radek in f:
            if radek.startswith("voluntary_ctxt_switches"):
                return int(radek.split()[1])
    return 0


def zmer(hra, sekund, pohyb=None):
    """Share of one core, and passes per second of the main loop (each pass draws one frame)."""
    pid = hra.hra.pid
    zacatek, usnul, t0 = cas_procesu(pid), usnuti(pid), time.time()
    while time.time() - t0 < sekund:
        if pohyb:
            pohyb(time.time() - t0)
        else:
            time.sleep(0.2)
    doba = time.time() - t0
    return 100.0 * (cas_procesu(pid) - zacatek) / doba, (usnuti(pid) - usnul) / doba


def main():
    run = sys.argv[1]
    sekund = float(sys.argv[2]) if len(sys.argv) > 2 else 10.0
    hra = Hra(run)
    try:
        hra.start()
        hra.mys(100, 150)
        print("menu, idle:         %5.1f %% of one core, %4.0f passes a second" % zmer(hra, sekund))
        hra.klik(450, 385)                   # the level editor: a still picture, then painting
        hra.mys(300, 200)
        print("editor, idle:       %5.1f %% of one core, %4.0f passes a second" % zmer(hra, sekund))
        hra.xdotool("mousedown", 1)

        def tahy(t):
            hra.xdotool("mousemove", 30 + int(740 * ((t * 0.5) % 1)), 20 + 20 * (int(t) % 20))
            time.sleep(0.02)
        print("editor, painting:   %5.1f %% of one core, %4.0f passes a second" % zmer(hra, sekund, tahy))
        hra.xdotool("mouseup", 1)
        hra.klik(720, 562)                   # Cancel, and OK to the warning
        hra.klik(280, 310)
        hra.klik(490, 285)
        time.sleep(3.5)
        hra.klik(400, 500)

        def pohyb(t):
            x = 200 + int(150 * ((t * 0.7) % 2 - 1) ** 2 * 2)
            hra.xdotool("mousemove", x, 500)
            time.sleep(0.02)
        print("play, moving mouse: %5.1f %% of one core, %4.0f frames a second" % zmer(hra, sekund, pohyb))
    finally:
        hra.konec()


if __name__ == "__main__":
    main()

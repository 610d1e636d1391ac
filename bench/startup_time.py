#!/usr/bin/env python3
"""Whole-process time from start to the first menu frame under Xvfb, with 999 level files present.
Usage: bench/startup_time.py build [runs]  (uses build/run and build/bench/first_frame_probe)"""
import os
import shutil
import subprocess
import sys
import tempfile
import time


def xvfb():
    r, w = os.pipe()
    p = subprocess.Popen(["Xvfb", "-displayfd", str(w), "-screen", "0", "800x600x24", "-nolisten", "tcp"],
                         pass_fds=(w,), stderr=subprocess.DEVNULL)
    os.close(w)
    cislo = b""
    while not cislo.endswith(b"\n"):
        cislo += os.read(r, 16)
    os.close(r)
    return p, ":" + cislo.decode().strip()


def zmer_start(build, behu):
    """Milliseconds from the start of the process to its first menu frame, one figure a run."""
    build = os.path.abspath(build)
    run = os.path.join(build, "run")
    sonda = os.path.join(build, "bench", "first_frame_probe")
    adresar = tempfile.mkdtemp(prefix="odraz-start-")
    os.symlink(os.path.join(run, "odraz.dat"), os.path.join(adresar, "odraz.dat"))
    os.symlink(os.path.join(run, "Midi"), os.path.join(adresar, "Midi"))
    os.mkdir(os.path.join(adresar, "Level"))
    prvni = os.path.join(run, "Level", "level_001.lvl")
    for n in range(1, 1000):
        shutil.copy(prvni, os.path.join(adresar, "Level", "level_%03d.lvl" % n))
    server, displej = xvfb()
    env = dict(os.environ, DISPLAY=displej)
    casy = []
    try:
        for _ in range(behu):
            vystup = subprocess.run([sonda, "400", "120", os.path.join(run, "odraz")], cwd=adresar, env=env,
                                    capture_output=True, text=True).stdout.split()
            casy.append(float(vystup[-1]))
            time.sleep(0.3)
    finally:
        server.kill()
        shutil.rmtree(adresar, ignore_errors=True)
    return casy


def main():
    build = os.path.abspath(sys.argv[1])
    behu = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    casy = sorted(zmer_start(build, behu))
    print("start to first menu frame, 999 levels: median %.0f ms, best %.0f ms, worst %.0f ms (%d runs)"
          % (casy[len(casy) // 2], casy[0], casy[-1], len(casy)))


if __name__ == "__main__":
    main()

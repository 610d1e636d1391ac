#!/usr/bin/env python3
"""Every speed figure of the game in one table, beside the figures it had before: processor use idle in
the menu and in play (with frames a second and wake-ups), the worst tick, a playfield frame and the
start-up. The figures before come from a build of the earlier code when one is given (measured in the
same run, turn about), otherwise from the table below.
Usage: bench/report.py BUILD [BUILD_BEFORE] [--seconds S] [--runs N]"""
import argparse
import json
import os
import statistics
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from cpu_usage import jedno_mereni  # noqa: E402
from startup_time import zmer_start  # noqa: E402

# Measured on the development machine (2-core VM, Xvfb, the machine shared with other builds, load
# about 3) at the code before the picture-rate work (commit 8d6b449): medians of 5 runs of 10 s, the
# benchmarks of 5 repetitions.
PREDTIM = {
    "menu_cpu": 4.59, "menu_buzeni": 1677, "menu_posila": 1.0,
    "hra_cpu": 5.39, "hra_buzeni": 2124, "hra_snimky": 586,
    "tik_0": 1.30, "tik_1": 3.59, "tik_po": None, "snimek": 11.3, "start": 57,
}

RADKY = [  # key, label, unit format, target
    ("menu_cpu", "idle menu, % of one core", "%.2f", "<= 1"),
    ("menu_buzeni", "idle menu, wake-ups a second", "%.0f", ""),
    ("menu_posila", "idle menu, frames sent a second", "%.1f", "clock only"),
    ("hra_cpu", "play, % of one core", "%.2f", "<= 3"),
    ("hra_buzeni", "play, wake-ups a second", "%.0f", ""),
    ("hra_snimky", "play, frames a second", "%.0f", "<= 120"),
    ("tik_1", "worst tick, balls among bricks, us", "%.2f", "< 2"),
    ("tik_0", "worst tick, balls under the bricks, us", "%.2f", "< 2"),
    ("tik_po", "worst tick after a brick's removal, us", "%.2f", "< 2"),
    ("snimek", "playfield frame (dirty rectangles), us", "%.1f", ""),
    ("start", "start to first menu frame, ms", "%.0f", ""),
]

BENCHMARKY = {  # benchmark name -> key; the tick after a removal exists only in the newer code
    "BM_TikNejhorsi/balls_among_bricks:0": "tik_0",
    "BM_TikNejhorsi/balls_among_bricks:1": "tik_1",
    "BM_TikPoOdstraneni": "tik_po",
    "BM_SnimekObdelniky": "snimek",
}


def benchmarky(build, opakovani):
    """Median, least and most of the speed benchmarks' repetitions: processor time in microseconds."""
    program = os.path.join(build, "bench", "odraz_bench")
    vystup = subprocess.run([program, "--benchmark_filter=BM_Tik|BM_SnimekObdelniky",
                             "--benchmark_repetitions=%d" % opakovani, "--benchmark_format=json"],
                            capture_output=True, text=True, check=True).stdout
    casy = {}
    for b in json.loads(vystup)["benchmarks"]:
        if b["run_type"] != "iteration" or b["run_name"] not in BENCHMARKY:
            continue
        casy.setdefault(BENCHMARKY[b["run_name"]], []).append(
            b["cpu_time"] / {"ns": 1000.0, "us": 1.0, "ms": 0.001}[b["time_unit"]])
    return {k: (statistics.median(c), min(c), max(c)) for k, c in casy.items()}


def zmer(buildy, sekund, behu):
    """Each build measured in turn, run by run, so that both see the same machine."""
    mereni = {b: [] for b in buildy}
    for _ in range(behu):
        for b in buildy:
            mereni[b].append(jedno_mereni(os.path.join(b, "run"), sekund))
    vysledky = {}
    for b in buildy:
        v = {}
        for k in mereni[b][0]:
            hodnoty = [m[k] for m in mereni[b] if m[k] is not None]
            v[k] = (statistics.median(hodnoty), min(hodnoty), max(hodnoty)) if hodnoty else None
        v.update(benchmarky(b, behu))
        casy = zmer_start(b, behu)
        v["start"] = (statistics.median(casy), min(casy), max(casy))
        vysledky[b] = v
    return vysledky


def bunka(h, fmt):
    if h is None:
        return "-"
    if isinstance(h, tuple):
        if h[1] == h[2]:
            return fmt % h[0]
        return "%s (%s..%s)" % (fmt % h[0], fmt % h[1], fmt % h[2])
    return fmt % h


def main():
    a = argparse.ArgumentParser()
    a.add_argument("build")
    a.add_argument("predtim", nargs="?")
    a.add_argument("--seconds", type=float, default=10.0)
    a.add_argument("--runs", type=int, default=5)
    volby = a.parse_args()
    buildy = [os.path.abspath(volby.build)] + ([os.path.abspath(volby.predtim)] if volby.predtim else [])
    v = zmer(buildy, volby.seconds, volby.runs)
    ted = v[buildy[0]]
    pred = v[buildy[1]] if volby.predtim else PREDTIM
    print("%-42s %-22s %-22s %s" % ("", "before", "now", "target"))
    for k, popis, fmt, cil in RADKY:
        print("%-42s %-22s %-22s %s" % (popis, bunka(pred.get(k), fmt), bunka(ted.get(k), fmt), cil))
    print("(medians of %d runs, the spread in brackets; processor use over %.0f s each)" % (volby.runs, volby.seconds))


if __name__ == "__main__":
    main()

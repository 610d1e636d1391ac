"""The real binary in bare surroundings: no HOME and no USER, no sound device, no MIDI pieces, no Level/
directory, a game directory it cannot write to (write-protected, and every write refused through the
preloaded failing_writes shim, since root ignores the protection), and no odraz.dat. Each time it
starts, shows its menu, opens the best games, and quits with exit code 0. Without a display at all it
says so and ends with 1, writing nothing."""
import glob
import os
import subprocess
import sys
import time

from xharness import BARVA_1, BARVA_3, Hra, over

run_dir = os.path.abspath(sys.argv[1])
shim = glob.glob(os.path.join(os.path.dirname(run_dir), "tests/hardening/failing_writes/libodraz_failing_writes_shim.so"))
holy = {k: v for k, v in os.environ.items() if k not in ("HOME", "USER", "LOGNAME", "XDG_RUNTIME_DIR", "AUDIODEV")}
holy["ALSA_CONFIG_PATH"] = "/nonexistent/alsa.conf"   # no sound device to be found


def projdi(nazev, bez=None, jen_cteni=False):
    with Hra(run_dir) as hra:
        if bez:
            os.remove(os.path.join(hra.adresar, bez))
        pred = sorted(os.listdir(hra.adresar))
        if jen_cteni:
            os.chmod(hra.adresar, 0o550)
        if bez == "odraz.dat":
            # The library's message box (xmessage) says so and waits for the player; the game neither
            # crashes nor goes on. It ends with 1 once the box is closed (shown by the unit tests).
            hra.start(cekat=0.2, prostredi=holy)
            okno = subprocess.run(["xdotool", "search", "--sync", "--class", "Xmessage"], env=hra.env,
                                  capture_output=True, timeout=20, text=True).stdout.split()
            over(okno, "without odraz.dat: no message box")
            time.sleep(0.5)
            over(hra.hra.poll() is None, "without odraz.dat: ended before the box was closed")
            hra.chyby.seek(0)
            over(b"odraz.dat" in hra.chyby.read(), "without odraz.dat: no message on standard error")
            return print("ok:", nazev)
        hra.start(prostredi=dict(holy, LD_PRELOAD=shim[0], ODRAZ_SELHANI="jen_cteni") if jen_cteni and shim else holy)
        s = hra.snimek()
        over(s.pocet_barvy(300, 500, 500, 520, BARVA_1) > 20, "%s: no menu" % nazev)
        if bez == "Level":
            over(s.pocet_barvy(300, 275, 500, 295, BARVA_3) > 20, '%s: "Nová hra" is not grey' % nazev)
        hra.klik(450, 460)                 # "Nejlepší hry", then its OK
        time.sleep(0.3)
        hra.klik(400, 560)
        time.sleep(0.3)
        hra.konec_hry(nazev + ":")
        over(not jen_cteni or sorted(os.listdir(hra.adresar)) == pred, "%s: wrote into the directory" % nazev)
        print("ok:", nazev)


projdi("no HOME, no USER, no sound device")
projdi("no MIDI pieces", bez="Midi")
projdi("no Level directory", bez="Level")
projdi("read-only game directory", jen_cteni=True)
projdi("no odraz.dat", bez="odraz.dat")

with Hra(run_dir, s_urovnemi=False) as hra:   # no display: the words of both kinds, code 1, nothing written
    env = {k: v for k, v in holy.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    p = subprocess.run([os.path.join(run_dir, "odraz")], cwd=hra.adresar, env=env, capture_output=True, timeout=30)
    over(p.returncode == 1, "exit code %d without a display, 1 expected" % p.returncode)
    over(b"Potize s nastavenim grafiky." in p.stdout, "stdout: %r" % p.stdout)
    over(b"graphics mode" in p.stderr, "no clear message on standard error: %r" % p.stderr)
    over(hra.soubor("setdat.ddt") is None, "settings written by a program that never ran")
print("1 passed, 0 failed")

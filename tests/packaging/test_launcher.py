"""The launcher's care of the player's game directory, with a stand-in program that reports where it was
started and with what: where the directory lies, what goes in once, what of the player's is kept, and
that the launcher finds its program through a link to it."""
import os
import shutil
import subprocess
import sys
import tempfile

from instalace import Instalace, over


instalace = Instalace(sys.argv[1])
tmp = tempfile.mkdtemp(prefix="odraz-launcher-")
dodane = instalace.cesta("share", "games", "odraz")
program = instalace.cesta("lib", "games", "odraz", "odraz")
os.remove(program)
with open(program, "w") as f:
    f.write('#!/bin/sh\npwd\nfor a in "$@"; do echo "[$a]"; done\n')
os.chmod(program, 0o755)
odkaz = os.path.join(tmp, "odraz")   # a link to the launcher, as a player's ~/bin/odraz might be
os.symlink(instalace.cesta("games", "odraz"), odkaz)


def spust(*argumenty, XDG_DATA_HOME=os.path.join(tmp, "data")):
    env = {"PATH": os.environ["PATH"], "HOME": os.path.join(tmp, "home"), "XDG_DATA_HOME": XDG_DATA_HOME or ""}
    return subprocess.run([odkaz, *argumenty], env=env, capture_output=True, text=True)


def soubor(*casti):
    return os.path.join(tmp, "data", "odraz", *casti)


try:
    r = spust("a b", "--scale", "2")
    over(r.returncode == 0, "the launcher failed: " + r.stderr)
    over(r.stdout.split("\n") == [soubor(), "[a b]", "[--scale]", "[2]", ""], "program not started in the game directory: " + r.stdout)

    # A newer version ships levels 27 and 28 and a new level 3; the player made a level 28 of their own.
    for n in (27, 28, 3):
        shutil.copy(os.path.join(dodane, "Level", "level_001.lvl"), os.path.join(dodane, "Level", "level_%03d.lvl" % n))
    for jmeno, obsah in (("level_028.lvl", b"mine"), ("level_003.lvl", b"changed")):
        open(soubor("Level", jmeno), "wb").write(obsah)
    os.remove(soubor("odraz.dat"))
    os.symlink("/old/place/odraz.dat", soubor("odraz.dat"))
    spust()
    over(os.path.exists(soubor("Level", "level_027.lvl")), "a newly shipped level was not added")
    over(open(soubor("Level", "level_028.lvl"), "rb").read() == b"mine", "the player's level 28 was overwritten")
    over(open(soubor("Level", "level_003.lvl"), "rb").read() == b"changed", "the player's level 3 was overwritten")
    over(os.readlink(soubor("odraz.dat")) == os.path.realpath(os.path.join(dodane, "odraz.dat")), "a stale link was kept")
    for jmeno in ("level_027.lvl", "level_028.lvl"):
        os.remove(soubor("Level", jmeno))
    os.remove(soubor("odraz.dat"))
    open(soubor("odraz.dat"), "wb").write(b"player's own")
    spust()
    over(not os.path.exists(soubor("Level", "level_027.lvl")), "a deleted level came back")
    over(not os.path.exists(soubor("Level", "level_028.lvl")), "a deleted level of the player's came back")
    over(open(soubor("odraz.dat"), "rb").read() == b"player's own", "the player's odraz.dat was replaced")

    # A relative XDG_DATA_HOME is not a base directory; --version needs no game directory at all.
    r = spust(XDG_DATA_HOME="relative")
    over(r.stdout.startswith(os.path.join(tmp, "home", ".local", "share", "odraz") + "\n"), "relative XDG_DATA_HOME used")
    shutil.rmtree(os.path.join(tmp, "home"))
    r = spust("--version", XDG_DATA_HOME=None)
    over(r.stdout.endswith("[--version]\n") and not os.path.exists(os.path.join(tmp, "home")), "--version made a directory")
    r = subprocess.run([odkaz], env={"PATH": os.environ["PATH"]}, capture_output=True, text=True)
    over(r.returncode == 1 and "HOME" in r.stderr, "no HOME was not reported")
    print("1 passed, 0 failed")
finally:
    instalace.konec()
    shutil.rmtree(tmp, ignore_errors=True)

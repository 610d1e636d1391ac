"""The installed game, started by its launcher under Xvfb with a fresh HOME: the menu appears, the player's
game directory gets the shipped levels and music, the settings are written there and nowhere else; a
second start keeps what the player changed, added and deleted; the installation is never written."""
import filecmp
import os
import shutil
import sys
import tempfile

from instalace import Instalace
from xharness import BARVA_1, Hra, over


def spust_a_skonci(instalace):
    """One game: the launcher starts it, the menu shows, "Konec hry" ends it."""
    with Hra(instalace.cesta("games")) as hra:   # <dir>/odraz: here the launcher, in a directory of its own
        hra.start()
        hra.mys(100, 150)
        s = hra.snimek()
        over(s.ruznych_barev(100, 20, 700, 220) > 50, "the title art is not on the screen")
        over(s.pocet_barvy(300, 500, 500, 520, BARVA_1) > 20, '"Konec hry" is not in the menu')
        hra.konec_hry()
        over(hra.soubor("setdat.ddt") is None, "the game wrote into the directory it was started from")


instalace = Instalace(sys.argv[1])
domov = tempfile.mkdtemp(prefix="odraz-home-")
os.environ["HOME"] = domov
os.environ.pop("XDG_DATA_HOME", None)
hra_dir = os.path.join(domov, ".local", "share", "odraz")
dodane = instalace.cesta("share", "games", "odraz")
try:
    pred = instalace.otisk()
    spust_a_skonci(instalace)

    for slozka in ("Level", "Midi"):
        jmena = sorted(os.listdir(os.path.join(dodane, slozka)))
        over(jmena and sorted(os.listdir(os.path.join(hra_dir, slozka))) == jmena, slozka + " was not filled")
        over(filecmp.cmpfiles(os.path.join(dodane, slozka), os.path.join(hra_dir, slozka), jmena, shallow=False)[0] == jmena,
             slozka + " differs from what was shipped")
    over(os.path.realpath(os.path.join(hra_dir, "odraz.dat")) == os.path.realpath(os.path.join(dodane, "odraz.dat")),
         "odraz.dat is not linked to the installed copy")
    nastaveni = [os.path.join(a, "setdat.ddt") for a, _, s in os.walk(domov) if "setdat.ddt" in s]
    over(nastaveni == [os.path.join(hra_dir, "setdat.ddt")],
         "settings were not written in the game directory alone")
    over(os.path.getsize(os.path.join(hra_dir, "setdat.ddt")) == 29, "setdat.ddt is not 29 bytes")

    # The player changes level 3, adds a level 27 and deletes level 5 on purpose.
    uroven = lambda n: os.path.join(hra_dir, "Level", "level_%03d.lvl" % n)  # noqa: E731
    zmenena = bytes(reversed(open(uroven(3), "rb").read()))
    open(uroven(3), "wb").write(zmenena)
    shutil.copy(uroven(1), uroven(27))
    os.remove(uroven(5))
    spust_a_skonci(instalace)
    over(open(uroven(3), "rb").read() == zmenena, "the changed level was overwritten")
    over(filecmp.cmp(uroven(27), uroven(1), shallow=False), "the added level was lost")
    over(not os.path.exists(uroven(5)), "the deleted level came back")

    over(instalace.otisk() == pred, "the installation was written")
    print("1 passed, 0 failed")
finally:
    instalace.konec()
    shutil.rmtree(domov, ignore_errors=True)

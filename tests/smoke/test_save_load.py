"""Saving in the real binary: play until something is scored, save into the row labelled 4 by name, quit,
start again, load that row and continue with the bricks that were standing."""
import os
import struct
import sys
import time

from xharness import BARVA_1, BARVA_3, Hra, over

ZAZNAM = 1821


def menu_ve_hre(hra):
    hra.klavesa("Escape")
    time.sleep(0.4)


def polozka(hra, i):
    hra.klik(450, 285 + 25 * i)
    time.sleep(0.3)


def cihly_na_obrazovce(snimek):
    """Cells 0..199 as the playfield shows them: True where a brick stands."""
    return [snimek.pocet_barvy(18 + 39 * (b % 20), 15 + 20 * (b // 20), 41 + 39 * (b % 20), 25 + 20 * (b // 20),
                               (0, 0, 0), 4) < 40 for b in range(200)]


with Hra(sys.argv[1], s_urovnemi=False) as hra:
    # Level 1: eight full rows at the top, so that the first ball surely breaks a brick.
    bunky = [1 + (i // 20 + i % 20) % 7 if i < 160 else 0 for i in range(440)]
    with open(os.path.join(hra.adresar, "Level", "level_001.lvl"), "wb") as f:
        f.write(struct.pack("<440i", *bunky) + b"Smoke".ljust(13, b"\0"))
    hra.start()
    polozka(hra, 0)                          # "Nová hra"
    time.sleep(3.2)
    hra.klik(400, 500)                       # launch
    ulozit = False
    for pokus in range(12):
        time.sleep(1.0)
        menu_ve_hre(hra)
        s = hra.snimek()
        ulozit = s.pocet_barvy(340, 401, 460, 418, BARVA_1) > 20 and s.pocet_barvy(340, 401, 460, 418, BARVA_3) < 5
        if ulozit:
            break
        polozka(hra, 1)                      # nothing scored yet: "Pokračovat"
    over(ulozit, "'Uložit hru' never became available")
    polozka(hra, 5)
    hra.klik(400, 170)                       # the row labelled 4
    for k in "smoke":
        hra.klavesa(k)
    hra.klavesa("Return")
    hra.klik(240, 560)                       # OK
    hra.konec_hry("the saved game")          # saved: "Konec hry" asks nothing

    data = hra.soubor("save.ddt")
    over(data is not None and len(data) == 36420, "save.ddt is not 36420 bytes")
    zaznam = data[3 * ZAZNAM:4 * ZAZNAM]
    mrizka = struct.unpack("<440i", zaznam[:1760])
    zivoty, skore, level = struct.unpack("<3i", zaznam[1760:1772])
    over(zaznam[1808:] == b"smoke".ljust(13, b"\0"), "the typed name is not in record 3")
    over(skore > 0 and level == 1 and zivoty >= 0, "the state in record 3 is wrong")
    over(0 < sum(1 for v in mrizka if v) < 160, "record 3 does not hold the standing bricks")
    for k in (0, 1, 2, 4, 19):
        over(data[k * ZAZNAM + 1808:(k + 1) * ZAZNAM] == b"- - - - - -\0\0", "slot %d is not empty" % k)

    hra.xvfb.kill()                          # the same directory, a fresh X server and a fresh start
    hra.xvfb.wait()
    hra.start()
    polozka(hra, 6)                          # "Načíst hru"
    hra.klik(400, 170)
    hra.klik(240, 560)
    polozka(hra, 2)                          # "Spustit načtenou"
    ocekavane = [v != 0 for v in mrizka[:200]]
    videt = False
    for pokus in range(6):                   # the curtain and the level box come first
        time.sleep(1.0)
        videt = cihly_na_obrazovce(hra.snimek()) == ocekavane
        if videt:
            break
    over(videt, "the continued round does not show the saved bricks")
    hra.klik(400, 500)                       # and it plays on
    time.sleep(1.0)
    menu_ve_hre(hra)
    polozka(hra, 9)
    hra.klik(280, 340)                       # not saved since: asked, and OK
    over(hra.cekej_na_konec() == 0, "the continued game did not end with code 0")
    print("1 passed, 0 failed")

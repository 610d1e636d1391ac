"""The level editor in the real binary: a row painted by a stroke, an author typed, the level saved as
the next file and tried from the menu; the level file and setdat.ddt are checked byte by byte."""
import os
import shutil
import struct
import sys
import time

from xharness import BARVA_1, BARVA_2, Hra, nastaveni, over

with Hra(sys.argv[1], s_urovnemi=False) as hra:
    for n in (1, 2):   # two levels of the game: the new one is the third
        shutil.copy(os.path.join(hra.run_dir, "Level", "level_%03d.lvl" % n), os.path.join(hra.adresar, "Level"))
    hra.start()
    hra.klik(450, 385)                       # "Editor úrovní"
    time.sleep(0.3)
    over(hra.snimek().pocet_barvy(200, 555, 350, 575, BARVA_1) > 30, "no file name under the grid")

    hra.mys(30, 80)                          # a stroke along row 3, from column 0 to 19
    hra.xdotool("mousedown", 1)
    for x in range(30, 790, 13):
        hra.mys(x, 80)
    hra.xdotool("mouseup", 1)
    time.sleep(0.2)

    hra.klik(460, 562)                       # "Autor", then the name
    for k in [*"Odraz", "space", *"Testerx", "Return"]:
        hra.klavesa(k)
    over(hra.snimek().pocet_barvy(30, 557, 180, 573, BARVA_1) > 30, "the author name is not shown")

    hra.mys(620, 562)
    over(hra.snimek().pocet_barvy(581, 551, 660, 575, BARVA_2) > 10, "OK is not lit over a level with bricks")
    hra.klik(620, 562)                       # OK, the confirmation's OK, the notice's OK
    hra.klik(280, 310)
    hra.mys(100, 520)
    over(hra.snimek().pocet_barvy(230, 150, 570, 260, BARVA_1) > 500, "no notice after saving")
    hra.klik(400, 310)
    time.sleep(0.3)

    hra.mys(100, 150)
    over(hra.snimek().pocet_barvy(300, 350, 500, 370, BARVA_1) > 20, '"Zkusit vytvořenou" is not available')
    hra.klik(450, 360)                       # try it
    time.sleep(3.2)
    s = hra.snimek()
    over(s.ruznych_barev(10, 70, 790, 90) > 10, "the painted row is not on the playfield")
    over(s.pocet_barvy(220, 582, 261, 598, BARVA_1) > 10, 'no "Test" in place of the lives')
    hra.klavesa("Escape")
    time.sleep(0.3)
    hra.konec_hry()                          # a try ends without a question

    lvl = hra.soubor("Level/level_003.lvl")
    over(lvl is not None and len(lvl) == 1773, "no 1773-byte level_003.lvl")
    bunky = struct.unpack("<440i", lvl[:1760])
    over(bunky == tuple(1 if 60 <= i < 80 else 0 for i in range(440)), "the cells are not row 3 of type 1")
    over(lvl[1760:] == b"Odraz Tester\0", "the author field is %r" % lvl[1760:])
    over(hra.soubor("Level/level_004.lvl") is None, "a second level was written")
    obsah = hra.soubor("setdat.ddt")
    over(len(obsah) == 29 and nastaveni(obsah) == ((200, 200, 10, 1), b"Odraz Tester\0"), "setdat.ddt: %r" % obsah)
    print("1 passed, 0 failed")

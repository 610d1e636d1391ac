"""A round in the real binary: "Nová hra", the level box, the playfield, a ball lost, and the way out."""
import sys
import time

from xharness import BARVA_1, Hra, over

hra = Hra(sys.argv[1])
try:
    hra.start()
    hra.klik(450, 285)
    time.sleep(0.9)
    s = hra.snimek()
    over(s.pocet_barvy(290, 245, 510, 270, BARVA_1) > 30, "the level box is not shown")
    time.sleep(2.6)
    s = hra.snimek()
    over(s.pocet_barvy(290, 245, 510, 270, BARVA_1) < 5, "the level box did not go")
    over(s.ruznych_barev(0, 0, 10, 600) > 3, "no frame around the playfield")
    over(s.pocet_barvy(0, 582, 300, 598, BARVA_1) > 30, "no status bar texts")
    zivoty = s.vyrez(220, 580, 261, 600)
    over(s.ruznych_barev(10, 557, 790, 577) > 5, "no paddle")
    hra.mys(700, 500)
    hra.klik(700, 500)                       # launch, then keep the paddle out of the way
    konec = time.time() + 60
    ztracen = False
    while time.time() < konec and not ztracen:
        time.sleep(1.0)
        ztracen = hra.snimek().vyrez(220, 580, 261, 600) != zivoty
        hra.mys(10 if int(time.time()) % 2 else 700, 500)
    over(ztracen, "no ball was lost within a minute")
    hra.klavesa("Escape")
    time.sleep(0.3)
    hra.klik(450, 510)                       # "Konec hry", then OK of the question
    hra.klik(280, 340)
    over(hra.cekej_na_konec() == 0, "the game did not end with code 0")
    over(hra.soubor("setdat.ddt") is not None, "no setdat.ddt at the end")
    print("1 passed, 0 failed")
finally:
    hra.konec()

"""Switching the language in the menu's panel shows English texts and is kept in setdat.ddt with the
other settings at their defaults."""
import sys

from xharness import BARVA_1, BARVA_2, Hra, nastaveni, over

hra = Hra(sys.argv[1])
try:
    hra.start()
    hra.mys(400, 285)
    cz = hra.snimek()
    over(cz.pocet_barvy(300, 275, 500, 295, BARVA_2) > 20, '"Nová hra" is not lit under the pointer')
    hra.klik(595, 310)
    hra.mys(100, 150)
    en = hra.snimek()
    over(en.vyrez(300, 275, 500, 520) != cz.vyrez(300, 275, 500, 520), "the item texts did not change")
    over(en.pocet_barvy(300, 275, 500, 295, BARVA_1) > 20, '"New game" is not drawn in light grey')
    hra.klik(400, 510)
    over(hra.cekej_na_konec() == 0, "the game did not end")
    obsah = hra.soubor("setdat.ddt")
    over(len(obsah) == 29 and nastaveni(obsah) == ((200, 200, 10, 2), b"Neuvedeno\0\0\0\0"), "setdat.ddt: %r" % obsah)
    print("1 passed, 0 failed")
finally:
    hra.konec()

"""Switching the language in the menu's panel shows English texts and is kept in setdat.ddt."""
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
    hodnoty, _ = nastaveni(hra.soubor("setdat.ddt"))
    over(hodnoty[3] == 2, "jazyk is %d, not 2" % hodnoty[3])
    print("1 passed, 0 failed")
finally:
    hra.konec()

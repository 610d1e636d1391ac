"""The real binary starts in its menu, ends on "Konec hry" and leaves default settings behind."""
import sys

from xharness import BARVA_1, BARVA_3, Hra, nastaveni, over

hra = Hra(sys.argv[1], s_urovnemi=False)
try:
    hra.start()
    hra.mys(100, 150)
    s = hra.snimek()
    over(s.ruznych_barev(100, 20, 700, 220) > 50, "the title art is not on the screen")
    over(s.pocet_barvy(300, 500, 500, 520, BARVA_1) > 20, '"Konec hry" is not drawn in light grey')
    over(s.pocet_barvy(300, 275, 500, 295, BARVA_3) > 20, '"Nová hra" is not grey without levels')
    hra.klik(400, 510)
    over(hra.cekej_na_konec() == 0, "the game did not end with code 0")
    obsah = hra.soubor("setdat.ddt")
    over(obsah is not None and len(obsah) == 29, "setdat.ddt is not 29 bytes")
    hodnoty, jmeno = nastaveni(obsah)
    over(hodnoty == (200, 200, 10, 1), "settings are not the defaults: %r" % (hodnoty,))
    over(jmeno == b"Neuvedeno\0\0\0\0", "author name is %r" % jmeno)
    print("1 passed, 0 failed")
finally:
    hra.konec()

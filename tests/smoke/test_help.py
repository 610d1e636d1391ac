"""Help and the level gallery in the real binary: the page, a held arrow, the miniatures in their frames,
the gallery's OK straight back to the menu; then English chosen in the menu's panel, kept in setdat.ddt."""
import sys
import time

from xharness import BARVA_1, BARVA_2, Hra, nastaveni, over

with Hra(sys.argv[1]) as hra:
    hra.start()
    hra.mys(400, 285)
    over(hra.snimek().pocet_barvy(300, 275, 500, 295, BARVA_2) > 20, '"Nová hra" is not lit under the pointer')
    hra.mys(100, 150)
    menu = hra.snimek().vyrez(300, 275, 500, 520)
    hra.klik(450, 485)                                   # "Nápověda"
    hra.mys(400, 540)
    s = hra.snimek()
    over(s.pocet_barvy(80, 80, 720, 120, BARVA_1) > 300, "no help text in the viewport")
    over(s.pocet_barvy(80, 60, 720, 79, BARVA_1) == 0, "the viewport does not start at y 80")
    nahore = s.vyrez(80, 80, 720, 480)
    hra.mys(190, 562)                                    # hold ">>>" for a while
    hra.xdotool("mousedown", 1)
    time.sleep(1.5)
    hra.xdotool("mouseup", 1)
    hra.mys(400, 540)
    over(hra.snimek().vyrez(80, 80, 720, 480) != nahore, "holding >>> did not scroll the page")
    hra.klik(610, 562)                                   # "úrovně"
    time.sleep(0.5)
    hra.mys(400, 540)
    s = hra.snimek()
    for sloupec in range(3):                             # the top frames of levels 1, 2 and 3
        x = 82 + 215 * sloupec
        over(s.pocet_barvy(x, 67, x + 206, 68, BARVA_1) == 206, "no frame around miniature %d" % (sloupec + 1))
        over(s.ruznych_barev(x + 3, 70, x + 203, 180) > 3, "miniature %d shows no bricks" % (sloupec + 1))
    over(s.pocet_barvy(80, 184, 300, 200, BARVA_1) > 30, "no caption under level 1")
    hra.klik(710, 562)                                   # the gallery's OK: back to the menu
    hra.mys(100, 150)
    over(hra.snimek().vyrez(300, 275, 500, 520) == menu, "the gallery's OK did not return to the menu")
    hra.klik(595, 310)                                   # the language arrow
    hra.mys(100, 150)
    en = hra.snimek()
    over(en.vyrez(300, 275, 500, 520) != menu, "the item texts did not change")
    over(en.pocet_barvy(300, 275, 500, 295, BARVA_1) > 20, '"New game" is not drawn in light grey')
    hra.konec_hry()
    obsah = hra.soubor("setdat.ddt")
    over(len(obsah) == 29 and nastaveni(obsah) == ((200, 200, 10, 2), b"Neuvedeno\0\0\0\0"), "setdat.ddt: %r" % obsah)
    print("1 passed, 0 failed")

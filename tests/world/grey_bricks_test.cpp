// The grey bricks at 7:00 of the play clock.
#include "core/play_clock.h"
#include "ui/playfield.h"
#include "world/grey_bricks.h"
#include "world_fixture.h"

#include <tuple>

using GreyBricks = Svet;

// In the one second of 7:00 the tick turns every standing grey brick into a two-hit brick and lists it
// for the drawing; one a red ball destroyed in this frame stays destroyed and is scored as grey.
TEST_F(GreyBricks, TheTickTurnsThemAtSevenMinutesAndListsThemForTheDrawing)
{
    ASSERT_TRUE(zaloz_objekty_kola(&kolo, 300));
    KOSTKA* a = kostka_v(3, KOSTKA_SEDA);
    KOSTKA* b = kostka_v(5, KOSTKA_SEDA);
    b->zasahy = 0;
    kostka_v(7, 1);
    KOSTKA* c = kostka_v(30, KOSTKA_SEDA);
    kolo.posledni_minuta = minuty = 7;
    sekundy = 0;
    tik();
    for (KOSTKA* k : {a, c})
        EXPECT_EQ(std::tuple(k->druh, k->zasahy, k->obrazek),
                  std::tuple(KOSTKA_DVA_ZASAHY, 2, obr(res_kostka(KOSTKA_DVA_ZASAHY))));
    ASSERT_EQ(kolo.pocet_premenenych, 2);
    EXPECT_EQ(std::tuple(kolo.premenene[0], kolo.premenene[1], b->druh, b->zasahy), std::tuple(a, c, KOSTKA_SEDA, 0));
    tik();   // nothing grey is left: the list of the next tick is empty
    EXPECT_EQ(kolo.pocet_premenenych, 0);
    sekundy = 1;
    KOSTKA* d = kostka_v(31, KOSTKA_SEDA);
    tik();
    EXPECT_EQ(d->druh, KOSTKA_SEDA);
    konec_snimku(&kolo);
    EXPECT_EQ(nas[NAS_SKORE], 50);
}

// The drawing shows them one by one on the screen, each with a knock and a pause of 100 ms.
TEST_F(GreyBricks, TheDrawingShowsThemOneByOneWithAKnockAndAPause)
{
    kostka_v(3, KOSTKA_SEDA);
    kostka_v(30, KOSTKA_SEDA);
    KOSTKA* premenene[2];
    ASSERT_EQ(odstran_sede(kostka, POCET_KOSTEK, premenene), 2);
    BITMAP* scena = create_bitmap(800, 600);
    clear_to_color(scena, 0);
    clear_to_color(hl_obrazovka(), 0);
    ukaz_premenene(premenene, 2, scena);
    int barva = getpixel(obr(res_kostka(KOSTKA_DVA_ZASAHY)), 5, 5);
    for (KOSTKA* k : premenene) {
        EXPECT_EQ(getpixel(scena, k->x + 5, k->y + 5), barva);
        EXPECT_EQ(getpixel(hl_obrazovka(), k->x + 38, k->y + 19), getpixel(scena, k->x + 38, k->y + 19));
    }
    EXPECT_EQ(zvuku(snd_brick), 2);
    EXPECT_GE(hl_tiku, 2 * 60 - 1);
    destroy_bitmap(scena);
}

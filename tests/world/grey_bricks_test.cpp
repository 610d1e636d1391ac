// The grey bricks at 7:00 of the play clock.
#include "core/play_clock.h"
#include "ui/playfield.h"
#include "world/grey_bricks.h"
#include "world_fixture.h"

using GreyBricks = Svet;

TEST_F(GreyBricks, TheTickTurnsThemAtSevenMinutesAndListsThemForTheDrawing)
{
    ASSERT_TRUE(zaloz_objekty_kola(&kolo, 300));
    KOSTKA* a = kostka_v(3, KOSTKA_SEDA);
    KOSTKA* b = kostka_v(5, KOSTKA_SEDA);
    b->zasahy = 0;   // a red ball got it in this frame: it must stay destroyed and count as grey
    kostka_v(7, 1);
    KOSTKA* c = kostka_v(30, KOSTKA_SEDA);
    kolo.posledni_minuta = minuty = 7;
    sekundy = 0;
    tik_kola(&kolo, false, 300);
    for (KOSTKA* k : {a, c}) {
        EXPECT_EQ(k->druh, KOSTKA_DVA_ZASAHY);
        EXPECT_EQ(k->zasahy, 2);
        EXPECT_EQ(k->obrazek, obr(res_kostka(KOSTKA_DVA_ZASAHY)));
    }
    ASSERT_EQ(kolo.pocet_premenenych, 2);
    EXPECT_EQ(kolo.premenene[0], a);
    EXPECT_EQ(kolo.premenene[1], c);
    EXPECT_EQ(b->druh, KOSTKA_SEDA);
    EXPECT_EQ(b->zasahy, 0);

    tik_kola(&kolo, false, 300);   // nothing grey is left: the list of the next tick is empty
    EXPECT_EQ(kolo.pocet_premenenych, 0);
    sekundy = 1;   // only during that one second
    KOSTKA* d = kostka_v(31, KOSTKA_SEDA);
    tik_kola(&kolo, false, 300);
    EXPECT_EQ(d->druh, KOSTKA_SEDA);
    konec_snimku(&kolo);
    EXPECT_EQ(nas[NAS_SKORE], 50);
}

TEST_F(GreyBricks, TheDrawingShowsThemOneByOneWithAKnockAndAPause)
{
    KOSTKA* a = kostka_v(3, KOSTKA_SEDA);
    KOSTKA* c = kostka_v(30, KOSTKA_SEDA);
    KOSTKA* premenene[2];
    ASSERT_EQ(odstran_sede(kostka, POCET_KOSTEK, premenene), 2);
    BITMAP* scena = create_bitmap(800, 600);
    clear_to_color(scena, 0);
    clear_to_color(hl_obrazovka(), 0);
    ukaz_premenene(premenene, 2, scena);
    int barva = getpixel(obr(res_kostka(KOSTKA_DVA_ZASAHY)), 5, 5);
    for (KOSTKA* k : {a, c}) {
        EXPECT_EQ(getpixel(scena, k->x + 5, k->y + 5), barva);
        EXPECT_EQ(getpixel(hl_obrazovka(), k->x + 38, k->y + 19), getpixel(scena, k->x + 38, k->y + 19));
    }
    EXPECT_EQ(zvuku(snd_brick), 2);
    EXPECT_GE(hl_tiku, 2 * 60 - 1);   // a pause of 100 ms per brick
    destroy_bitmap(scena);
}

// The grey bricks at 7:00 of the play clock.
#include "world_fixture.h"

#include "world/grey_bricks.h"

using SedeKostky = Svet;

TEST_F(SedeKostky, GreyBricksTurnIntoTwoHitBricksAndAreRedrawn)
{
    KOSTKA* a = kostka_v(3, KOSTKA_SEDA);
    KOSTKA* b = kostka_v(4, 2);
    KOSTKA* c = kostka_v(30, KOSTKA_SEDA);
    BITMAP* scena = create_bitmap(800, 600);
    clear_to_color(scena, 0);
    clear_to_color(screen, 0);
    odstran_sede(kostka, POCET_KOSTEK, scena);
    int barva = getpixel(obr(25), 5, 5);
    for (KOSTKA* k : {a, c}) {
        EXPECT_EQ(k->druh, KOSTKA_DVA_ZASAHY);
        EXPECT_EQ(k->zasahy, 2);
        EXPECT_EQ(k->obrazek, obr(25));
        EXPECT_EQ(getpixel(scena, k->x + 5, k->y + 5), barva);
        EXPECT_EQ(getpixel(screen, k->x + 38, k->y + 19), barva);
    }
    EXPECT_EQ(getpixel(scena, b->x + 5, b->y + 5), 0);
    EXPECT_EQ(zvuku(snd_brick), 2);
    EXPECT_GE(hl_tiku, 2 * 60 - 1);   // a pause of 100 ms per brick
    destroy_bitmap(scena);
}

TEST_F(SedeKostky, TheTickConvertsAtSevenMinutesWithoutCountingTheTime)
{
    ASSERT_TRUE(zaloz_objekty_kola(&kolo, 300));
    KOSTKA* a = kostka_v(3, KOSTKA_SEDA);
    KOSTKA* b = kostka_v(5, KOSTKA_SEDA);
    b->zasahy = 0;   // a red ball got it in this frame: it must stay destroyed and count as grey
    kostka_v(7, 1);
    kolo.posledni_minuta = minuty = 7;
    sekundy = 0;
    speed_counter = 5;
    tik_kola(&kolo, false, 300, nullptr);
    EXPECT_EQ(a->druh, KOSTKA_DVA_ZASAHY);
    EXPECT_EQ(b->druh, KOSTKA_SEDA);
    EXPECT_EQ(b->zasahy, 0);
    EXPECT_EQ(minuty, 7);
    EXPECT_EQ(sekundy, 0);
    EXPECT_EQ(speed_counter, 5);
    EXPECT_EQ(nas[NAS_MINUTY], 7);

    sekundy = 1;   // only during that one second
    KOSTKA* c = kostka_v(9, KOSTKA_SEDA);
    tik_kola(&kolo, false, 300, nullptr);
    EXPECT_EQ(c->druh, KOSTKA_SEDA);
    konec_snimku(&kolo);
    EXPECT_EQ(nas[NAS_SKORE], 50);
}

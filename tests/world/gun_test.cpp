// The gun: barrels on and off, volleys paced by pro_strelu, the limit of thirty shots, the flight.
#include "core/play_clock.h"
#include "world_fixture.h"

#include "world/gun.h"

using Gun = Svet;

TEST_F(Gun, BarrelsAreMountedWhileTheGunIsOn)
{
    OBJECT* p = prkno(300);
    nas[NAS_PUSKA] = 1;
    nova_puska(p, kolo.pusky, &kolo.pocet_pusek);
    nova_puska(p, kolo.pusky, &kolo.pocet_pusek);
    ASSERT_EQ(kolo.pocet_pusek, 2);
    EXPECT_EQ(kolo.pusky[0]->obrazek, obr(bmp_gun_left));
    EXPECT_FLOAT_EQ(kolo.pusky[0]->x, 300);
    EXPECT_FLOAT_EQ(kolo.pusky[0]->y, PRKNO_Y - 5);
    EXPECT_EQ(kolo.pusky[1]->druh, 2);
    EXPECT_FLOAT_EQ(kolo.pusky[1]->x, 300 + 80 - 10);
    nas[NAS_PUSKA] = 0;
    nova_puska(p, kolo.pusky, &kolo.pocet_pusek);
    EXPECT_EQ(kolo.pusky[0]->druh + kolo.pusky[1]->druh, 0);
    nas[NAS_PUSKA] = 1;   // back on before the frame ends: the dead pair still counts until then
    nova_puska(p, kolo.pusky, &kolo.pocet_pusek);
    re_last_object(kolo.pusky, &kolo.pocet_pusek);
    EXPECT_EQ(kolo.pocet_pusek, 0);
    nova_puska(p, kolo.pusky, &kolo.pocet_pusek);
    EXPECT_EQ(kolo.pocet_pusek, 2);
}

TEST_F(Gun, VolleysNeedTheGunTheirPaceAndRoom)
{
    OBJECT* p = prkno(300);
    struct { int puska, pro_strelu, strel, po; } pripady[] = {
        {0, 500, 0, 0}, {1, 100, 0, 0}, {1, 101, 0, 2}, {1, 500, 29, 29}, {1, 500, 28, 30},
    };
    for (auto& c : pripady) {
        for (int i = 0; i < kolo.pocet_strel; i++) delete kolo.strely[i];
        kolo.pocet_strel = 0;
        for (int i = 0; i < c.strel; i++) strela(20, 300);
        nas[NAS_PUSKA] = c.puska;
        pro_strelu = c.pro_strelu;
        nova_strela(kolo.strely, &kolo.pocet_strel, kolo.pusky, p);
        EXPECT_EQ(kolo.pocet_strel, c.po) << "gun " << c.puska << ", pacing " << c.pro_strelu << ", " << c.strel;
    }
    EXPECT_EQ(pro_strelu, 0);
    EXPECT_FLOAT_EQ(kolo.strely[28]->x, 301);
    EXPECT_FLOAT_EQ(kolo.strely[29]->x, 378);
    EXPECT_FLOAT_EQ(kolo.strely[29]->y, PRKNO_Y);
    EXPECT_EQ(zvuku(snd_click), 2);

    OBJECT* s = kolo.strely[29];   // up 0.4 a tick, dead at the ceiling
    re_strela(kolo.strely, kolo.pocet_strel);
    EXPECT_FLOAT_EQ(s->y, PRKNO_Y - 0.4f);
    s->y = 10.3f;
    re_strela(kolo.strely, kolo.pocet_strel);
    EXPECT_EQ(s->druh, 0);
}

TEST_F(Gun, HeldButtonFiresEveryHundredAndOneTicks)
{
    ASSERT_TRUE(zaloz_objekty_kola(&kolo, 300));
    kostka_v(0, 1);
    nas[NAS_PUSKA] = 1;
    int salv = 0;
    for (int t = 0; t < 1000; t++) {
        hl_posun_cas(1);
        int pred = kolo.pocet_strel;
        tik_kola(&kolo, true, 300);
        if (kolo.pocet_strel > pred) {
            salv++;
            EXPECT_EQ(hl_tiku % 101, 0) << "volley at tick " << hl_tiku;
        }
        if (t % 10 == 9) konec_snimku(&kolo);
    }
    EXPECT_EQ(salv, 9);
    EXPECT_EQ(kolo.pocet_pusek, 2);
}

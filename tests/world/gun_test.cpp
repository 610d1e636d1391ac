// The gun: barrels on and off, volleys paced by pro_strelu, the limit of thirty shots, the flight.
#include "world_fixture.h"

#include "world/gun.h"

using Gun = Svet;

// One pair of barrels while the gun is on; off, they die, and the dead pair counts until the frame end.
TEST_F(Gun, BarrelsAreMountedWhileTheGunIsOn)
{
    OBJECT* p = prkno(300);
    for (int puska : {1, 1, 0, 1}) {
        nas[NAS_PUSKA] = puska;
        nova_puska(p, kolo.pusky, &kolo.pocet_pusek);
    }
    EXPECT_EQ(std::tuple(kolo.pocet_pusek, kolo.pusky[0]->druh + kolo.pusky[1]->druh), std::tuple(2, 0));
}

// Held, the button fires a pair with a click every 101 ticks, only while the gun is on; thirty shots are
// the most, and a pair that does not fit is not fired. Shots rise 0.4 a tick and die at the ceiling.
TEST_F(Gun, HeldButtonFiresEveryHundredAndOneTicksUpToThirtyShots)
{
    ASSERT_TRUE(zaloz_objekty_kola(&kolo, 300));
    kostka_v(0, 1);
    nas[NAS_PUSKA] = 1;
    int salv = 0;
    for (int t = 0; t < 1000; t++) {
        hl_posun_cas(1);
        int pred = kolo.pocet_strel;
        tik(true);
        if (kolo.pocet_strel > pred) {
            salv++;
            EXPECT_EQ(hl_tiku % 101, 0) << "volley at tick " << hl_tiku;
        }
        if (t % 10 == 9) konec_snimku(&kolo);
    }
    EXPECT_EQ(std::tuple(salv, kolo.pocet_pusek, zvuku(snd_click)), std::tuple(9, 2, 9));
    for (auto [puska, strel, po] : {std::tuple(0, 0, 0), {1, 29, 29}, {1, 28, 30}}) {
        vyprazdni(kolo.strely, &kolo.pocet_strel);
        for (int i = 0; i < strel; i++) strela(20, 300);
        nas[NAS_PUSKA] = puska;
        pro_strelu = 500;
        nova_strela(kolo.strely, &kolo.pocet_strel, kolo.pusky, kolo.prkno);
        EXPECT_EQ(kolo.pocet_strel, po) << "gun " << puska << " with " << strel;
    }
    OBJECT* s = kolo.strely[29];
    EXPECT_EQ(std::tuple(int(pro_strelu), kolo.strely[28]->x, s->x, s->y), std::tuple(0, 301.0f, 378.0f, PRKNO_Y));
    re_strela(kolo.strely, kolo.pocet_strel);
    EXPECT_FLOAT_EQ(s->y, PRKNO_Y - 0.4f);
    s->y = 10.3f;
    re_strela(kolo.strely, kolo.pocet_strel);
    EXPECT_EQ(s->druh, 0);
}

// The sixteen bonus effects, their limits, and the rule that an effect clears the extra-ball request.
#include "world_fixture.h"

#include "world/ball.h"
#include "world/bonus_effects.h"

class BonusEffects : public Svet {
protected:
    int stav = 0;
    // Catches capsules of these bonuses, in this order, and applies them.
    void chyt(std::initializer_list<int> bonusy)
    {
        for (int i = 0; i < kolo.pocet_bonusu; i++) delete kolo.bonusy[i];
        kolo.pocet_bonusu = 0;
        for (int b : bonusy) kapsle(b, 300, 540)->aktivni = true;
        menit_nastaveni(kolo.bonusy, kolo.pocet_bonusu, &stav);
    }
};

// nas entries in nastav's order: lives, ricochet, request, kind, diameter, width, gun, glue.
struct STAV8 {
    int v[8];
};
static STAV8 precti()
{
    return {{nas[NAS_ZIVOTY], nas[NAS_NAHODNY_ODRAZ], nas[NAS_KOULE_NAVIC], nas[NAS_DRUH_KOULE], nas[NAS_PRUMER],
             nas[NAS_SIRKA_PRKNA], nas[NAS_PUSKA], nas[NAS_LEPIDLO]}};
}

TEST_F(BonusEffects, EveryBonusFromTwoStartingPoints)
{
    const STAV8 A = {{2, 1, 1, KOULE_RUDA, 16, 120, 1, 1}}, B = {{0, 0, 1, KOULE_SEDA, 8, 40, 0, 0}};
    struct { int bonus; STAV8 z_a, z_b; } pripady[] = {
        {1, {{3, 0, 0, 1, 12, 80, 0, 0}}, {{1, 0, 0, 1, 12, 80, 0, 0}}},
        {2, {{1, 0, 0, 1, 12, 80, 0, 0}}, {{-1, 0, 0, 1, 12, 80, 0, 0}}},
        {3, {{2, 1, 1, 3, 16, 120, 1, 1}}, {{0, 0, 1, 1, 8, 40, 0, 0}}},
        {4, {{2, 0, 0, 2, 16, 120, 0, 0}}, {{0, 0, 0, 2, 8, 40, 0, 0}}},
        {5, {{2, 0, 0, 3, 16, 120, 0, 0}}, {{0, 0, 0, 3, 8, 40, 0, 0}}},
        {6, {{2, 0, 0, 1, 16, 120, 1, 1}}, {{0, 0, 0, 1, 8, 40, 0, 0}}},
        {7, {{2, 0, 0, 3, 16, 120, 1, 1}}, {{0, 0, 0, 1, 12, 40, 0, 0}}},
        {8, {{2, 0, 0, 3, 12, 120, 1, 1}}, {{0, 0, 0, 1, 8, 40, 0, 0}}},
        {9, {{2, 0, 0, 3, 16, 120, 1, 1}}, {{0, 0, 0, 1, 8, 80, 0, 0}}},
        {10, {{2, 0, 0, 3, 16, 80, 1, 1}}, {{0, 0, 0, 1, 8, 40, 0, 0}}},
        {11, A, B},
        {12, A, B},
        {13, {{2, 0, 0, 1, 16, 120, 1, 0}}, {{0, 0, 0, 1, 8, 40, 1, 0}}},
        {14, {{2, 0, 0, 1, 16, 120, 0, 1}}, {{0, 0, 0, 1, 8, 40, 0, 1}}},
        {15, {{2, 1, 0, 3, 16, 120, 1, 1}}, {{0, 1, 0, 1, 8, 40, 0, 0}}},
        {16, A, B},
    };
    for (auto& p : pripady) {
        for (auto [pred, po] : {std::pair{A, p.z_a}, std::pair{B, p.z_b}}) {
            nastav(pred.v[0], pred.v[1], pred.v[2], pred.v[3], pred.v[4], pred.v[5], pred.v[6], pred.v[7]);
            stav = 0;
            chyt({p.bonus});
            STAV8 je = precti();
            for (int i = 0; i < 8; i++) EXPECT_EQ(je.v[i], po.v[i]) << "bonus " << p.bonus << ", entry " << i;
            int cekany = p.bonus == 16 ? STAV_VYHRA : p.bonus == 2 && pred.v[0] == 0 ? STAV_PROHRA : 0;
            EXPECT_EQ(stav, cekany) << "bonus " << p.bonus;
            EXPECT_EQ(kolo.bonusy[0]->druh, 0);
            EXPECT_FALSE(kolo.bonusy[0]->aktivni);
        }
    }
}

TEST_F(BonusEffects, TryModeKeepsLivesAndTheRound)
{
    MOD_HRY = MOD_ZKUSEBNI;
    nastav(0, 1, 1, KOULE_MODRA, 8, 40, 0, 1);
    chyt({2, 16});
    EXPECT_EQ(nas[NAS_ZIVOTY], 0);
    EXPECT_EQ(nas[NAS_DRUH_KOULE], KOULE_SEDA);
    EXPECT_EQ(stav, 0);
}

TEST_F(BonusEffects, SpeedStepsTestTheLimitBeforeTheChange)
{
    struct { int bonus; float pred, po; } pripady[] = {
        {11, 0.35f, 0.45f}, {11, 0.85f, 0.95f}, {11, 0.9f, 0.9f}, {12, 0.45f, 0.35f}, {12, 0.4f, 0.3f},
        {12, 0.35f, 0.35f},
    };
    for (auto& p : pripady) {
        hlavni_krok = p.pred;
        chyt({p.bonus});
        EXPECT_NEAR(hlavni_krok, p.po, 1e-6) << "bonus " << p.bonus << " from " << p.pred;
    }
    hlavni_krok = 0.35f;
    chyt({11});
    EXPECT_EQ(hlavni_krok, float(double(0.35f) + 0.1));   // added in double precision
}

TEST_F(BonusEffects, AnEffectAfterBallPlusClearsTheRequest)
{
    OBJECT* p = prkno(300);
    std::initializer_list<int> poradi[] = {{3, 6}, {6, 3}, {3, 11}, {3, 12}, {3, 16}, {3, 15}};
    int cekane[] = {0, 1, 2, 3, 4, 4};   // balls after each pair
    for (int i = 0; i < 6; i++) {
        chyt(poradi[i]);
        nova_koule(p, kolo.koule, &kolo.pocet_kouli);
        EXPECT_EQ(kolo.pocet_kouli, cekane[i]) << "pair " << i;
    }
}

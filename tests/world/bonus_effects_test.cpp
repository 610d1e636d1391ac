// The sixteen bonus effects, their limits, and the rule that an effect clears the extra-ball request.
#include "world_fixture.h"

#include "world/ball.h"

#include <array>

using BonusEffects = Svet;
using STAV8 = std::array<int, 8>;   // nas entries in nastav's order: lives, ricochet, request, kind, ...

static STAV8 precti()
{
    return {nas[NAS_ZIVOTY], nas[NAS_NAHODNY_ODRAZ], nas[NAS_KOULE_NAVIC], nas[NAS_DRUH_KOULE], nas[NAS_PRUMER],
            nas[NAS_SIRKA_PRKNA], nas[NAS_PUSKA], nas[NAS_LEPIDLO]};
}

// Every bonus from the largest of everything; the sizes and the lives also from the smallest. "life -"
// below zero ends the game, "next level" wins the round; every capsule is used up.
TEST_F(BonusEffects, EveryBonusFromBothEnds)
{
    const STAV8 A = {2, 1, 1, KOULE_RUDA, 16, 120, 1, 1}, B = {0, 0, 1, KOULE_SEDA, 8, 40, 0, 0};
    struct { int bonus; STAV8 pred, po; } pripady[] = {
        {1, A, {3, 0, 0, 1, 12, 80, 0, 0}},  {2, A, {1, 0, 0, 1, 12, 80, 0, 0}},  {3, A, {2, 1, 1, 3, 16, 120, 1, 1}},
        {4, A, {2, 0, 0, 2, 16, 120, 0, 0}}, {5, A, {2, 0, 0, 3, 16, 120, 0, 0}}, {6, A, {2, 0, 0, 1, 16, 120, 1, 1}},
        {7, A, {2, 0, 0, 3, 16, 120, 1, 1}}, {8, A, {2, 0, 0, 3, 12, 120, 1, 1}}, {9, A, {2, 0, 0, 3, 16, 120, 1, 1}},
        {10, A, {2, 0, 0, 3, 16, 80, 1, 1}}, {11, A, A},                          {12, A, A},
        {13, A, {2, 0, 0, 1, 16, 120, 1, 0}}, {14, A, {2, 0, 0, 1, 16, 120, 0, 1}},
        {15, A, {2, 1, 0, 3, 16, 120, 1, 1}}, {16, A, A},
        {1, B, {1, 0, 0, 1, 12, 80, 0, 0}},  {2, B, {-1, 0, 0, 1, 12, 80, 0, 0}}, {7, B, {0, 0, 0, 1, 12, 40, 0, 0}},
        {8, B, {0, 0, 0, 1, 8, 40, 0, 0}},   {9, B, {0, 0, 0, 1, 8, 80, 0, 0}},   {10, B, {0, 0, 0, 1, 8, 40, 0, 0}},
    };
    for (auto& p : pripady) {
        nastav(p.pred[0], p.pred[1], p.pred[2], p.pred[3], p.pred[4], p.pred[5], p.pred[6], p.pred[7]);
        int stav = chyt({p.bonus});
        EXPECT_EQ(precti(), p.po) << "bonus " << p.bonus << " from " << p.pred[0] << " lives";
        EXPECT_EQ(stav, p.bonus == 16 ? STAV_VYHRA : p.po[0] < 0 ? STAV_PROHRA : 0) << "bonus " << p.bonus;
        EXPECT_EQ(std::tuple(kolo.bonusy[0]->druh, kolo.bonusy[0]->aktivni), std::tuple(0, false));
    }
    for (auto [bonus, pred, po] : {std::tuple(11, .85f, .95f), {11, .9f, .9f}, {12, .4f, .3f}, {12, .35f, .35f}}) {
        hlavni_krok = pred;   // steps of 0.1 in double precision, the limit tested before the change
        chyt({bonus});
        EXPECT_NEAR(hlavni_krok, po, 1e-6) << "bonus " << bonus << " from " << pred;
    }
    OBJECT* p = prkno(300);   // an effect after "ball +" clears its request; speed and "next level" do not
    int kouli = 0;
    for (auto [a, b, navic] : {std::tuple(3, 6, 0), {6, 3, 1}, {3, 11, 1}, {3, 12, 1}, {3, 16, 1}, {3, 15, 0}}) {
        chyt({a, b});
        nova_koule(p, kolo.koule, &kolo.pocet_kouli);
        EXPECT_EQ(kolo.pocet_kouli, kouli += navic) << a << " then " << b;
    }
    MOD_HRY = MOD_ZKUSEBNI;   // a try keeps its lives and its round
    nastav(0, 1, 1, KOULE_MODRA, 8, 40, 0, 1);
    EXPECT_EQ(std::tuple(chyt({2, 16}), nas[NAS_ZIVOTY], nas[NAS_DRUH_KOULE]), std::tuple(0, 0, KOULE_SEDA));
}

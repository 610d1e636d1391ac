// The playfield for tests: the headless driver, the stand-in datafile, a fresh round state, and
// helpers that put balls, bricks, capsules and shots exactly where a case needs them.
#pragma once
#include <gtest/gtest.h>

#include "core/globals.h"
#include "core/play_clock.h"
#include "core/resources.h"
#include "platform/headless.h"
#include "support/fake_data.h"
#include "support/game_setup.h"
#include "world/bonus_effects.h"
#include "world/bricks.h"
#include "world/round.h"

#include <cstdlib>
#include <initializer_list>
#include <tuple>

class Svet : public ::testing::Test {
protected:
    KOLO kolo{};

    void SetUp() override
    {
        spust_headless(nullptr);
        zaloz_falesna_data();
        for (int& n : nas) n = 0;
        nastav(3, 0, 0, KOULE_SEDA, ZAKLADNI_PRUMER, ZAKLADNI_SIRKA, 0, 0);
        smaz_index_radku();
        std::tie(MOD_HRY, POCET_KOSTEK, mini_krok, hlavni_krok, maxi_krok) = std::tuple(1, 0, 0.35f, 0.35f, 0.9f);
        std::srand(1);
    }
    void TearDown() override
    {
        uvolni_kolo(&kolo);
        zrus_falesna_data();
        hl_reset();
    }

    OBJECT* prkno(float x = 300)
    {
        return kolo.prkno = novy_object(res_prkno(nas[NAS_DRUH_KOULE], nas[NAS_SIRKA_PRKNA]), x, PRKNO_Y,
                                        nas[NAS_SIRKA_PRKNA], 0, 0, 0, 0, nas[NAS_DRUH_KOULE], 1);
    }
    // A ball of the current kind and size, in flight unless said otherwise, with no brick remembered.
    OBJECT* koule(float x, float y, int smer_x = 1, int smer_y = 1, float rx = 0.2f, float ry = 0.3f,
                  bool letici = true)
    {
        OBJECT* o = novy_object(res_koule(nas[NAS_DRUH_KOULE], nas[NAS_PRUMER]), x, y, nas[NAS_PRUMER], rx, ry,
                                smer_x, smer_y, nas[NAS_DRUH_KOULE], letici);
        o->posledni_kostka = -1;
        return kolo.koule[kolo.pocet_kouli++] = o;
    }
    // A brick in a grid cell as the loader makes it; add them in ascending cell order.
    KOSTKA* kostka_v(int bunka, int druh, int bonus = 0)
    {
        int zasahy = druh == KOSTKA_PET_ZASAHU ? 5 : druh == KOSTKA_DVA_ZASAHY ? 2 : 1;
        KOSTKA* k = nova_kostka(x_bunky(bunka), y_bunky(bunka), druh, zasahy, bunka);
        k->bonus = bonus;
        return kostka[POCET_KOSTEK++] = k;
    }
    OBJECT* kapsle(int bonus, float x, float y)
    {
        return kolo.bonusy[kolo.pocet_bonusu++] = novy_object(bonus - 1, x, y, 0, 0, 0.4f, 0, 1, bonus, 0);
    }
    OBJECT* strela(float x, float y)
    {
        return kolo.strely[kolo.pocet_strel++] = novy_object(bmp_shot, x, y, 0, 0, 0.4f, 0, -1, 1, 1);
    }
    template <int N> static void vyprazdni(OBJECT* (&pole)[N], int* pocet)
    {
        for (int i = 0; i < *pocet; i++) delete pole[i];
        *pocet = 0;
    }
    void bez_kouli() { vyprazdni(kolo.koule, &kolo.pocet_kouli); }
    // Catches capsules of these bonuses at once, in this order; the status their effects leave.
    int chyt(std::initializer_list<int> bonusy)
    {
        vyprazdni(kolo.bonusy, &kolo.pocet_bonusu);
        for (int b : bonusy) kapsle(b, 300, 540)->aktivni = true;
        int stav = 0;
        menit_nastaveni(kolo.bonusy, kolo.pocet_bonusu, &stav);
        return stav;
    }
    void tik(bool tlacitko = false) { tik_kola(&kolo, tlacitko, 300); }
    static int zvuku(int pozice) { return hl_pocet(HL_SAMPLE, pozice); }
};

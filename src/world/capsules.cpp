// Bonus capsules: released by destroyed bricks, falling, caught by the paddle.
#include "world/capsules.h"

#include "sound/sound.h"
#include "core/resources.h"

constexpr int BLOK_SIRKA = 40, BLOK_VYSKA = 25;   // a capsule there holds back the next one
constexpr float RYCHLOST_PADU = 0.4f;

static bool prekazi(const OBJECT* c, const KOSTKA* k)
{
    return c->x + c->obrazek->w > k->x && k->x + BLOK_SIRKA > c->x
        && c->y + c->obrazek->h > k->y && k->y + BLOK_VYSKA > c->y;
}

static bool blokovano(const KOSTKA* k, OBJECT** bonusy, int pocet)
{
    for (int i = 0; i < pocet; i++)
        if (prekazi(bonusy[i], k)) return true;
    return false;
}

void novy_bonus(KOSTKA** kostky, int pocet, OBJECT** bonusy, int* pocet_bonusu)
{
    for (int j = pocet - 1; j >= 0 && *pocet_bonusu < MAX_BONUSU; j--) {
        KOSTKA* k = kostky[j];
        if (k->zasahy != 0 || k->bonus <= 0 || k->bonus > POCET_DRUHU_BONUSU) continue;
        if (!blokovano(k, bonusy, *pocet_bonusu)) {
            OBJECT* c = novy_object(bmp_bonus_01 + k->bonus - 1, float(k->x), float(k->y), 0, 0.0f,
                                    RYCHLOST_PADU, 0, 1, k->bonus, 0);
            if (c) bonusy[(*pocet_bonusu)++] = c;
        }
        k->bonus = 0;
    }
}

void re_bonus(OBJECT** bonusy, int pocet)
{
    for (int i = 0; i < pocet; i++) {
        OBJECT* c = bonusy[i];
        if (c->druh == 0) continue;
        c->y += c->smer_y * c->rychlost_y;
        if (c->y > DNO) c->druh = 0;
    }
}

void brat_bonus(OBJECT* prkno, OBJECT** bonusy, int pocet)
{
    for (int i = 0; i < pocet; i++) {
        OBJECT* c = bonusy[i];
        if (c->druh == 0) continue;
        if (c->x + c->obrazek->w > prkno->x && prkno->x + prkno->velikost > c->x
            && c->y + c->obrazek->h > prkno->y && prkno->y + prkno->obrazek->h > c->y) {
            c->aktivni = true;
            nas[NAS_SKORE] += BODY_ZA_BONUS;
            zvuk(snd_bonus);
        }
    }
}

// The brick store between ticks: removal and scoring of destroyed bricks, the row index of the
// shots, and the test that the round is won.
#include "world/bricks.h"

#include "core/globals.h"

int body_za_kostku(const KOSTKA* k)
{
    if (k->druh == KOSTKA_SEDA) return 50;
    return k->druh > 5 ? 20 : 10;
}

void smaz_index_radku()
{
    for (int i = NAS_RADKY; i < NAS_RADKY + 2 * RADKU; i++) nas[i] = PRAZDNY_RADEK;
}

// The bricks of one row stand side by side in the store, so a row is the range from its first to its
// last index. Only the shots read it.
static void postav_index_radku(KOSTKA** kostky, int pocet)
{
    smaz_index_radku();
    for (int p = 0; p < pocet; p++) {
        int r = kostky[p]->y / VYSKA_KOSTKY;
        if (r < 0 || r >= RADKU) continue;
        if (nas[NAS_RADKY + 2 * r] == PRAZDNY_RADEK) nas[NAS_RADKY + 2 * r] = p;
        nas[NAS_RADKY + 2 * r + 1] = p;
    }
}

void re_kostky(KOSTKA** kostky, int* pocet)
{
    int zustava = 0;
    for (int i = 0; i < *pocet; i++) {
        KOSTKA* k = kostky[i];
        if (k->zasahy > 0) {
            kostky[zustava++] = k;
            continue;
        }
        nas[NAS_SKORE] += body_za_kostku(k);
        delete k;
    }
    for (int i = zustava; i < *pocet; i++) kostky[i] = nullptr;
    *pocet = zustava;
    if (nas[NAS_PUSKA] == 1) postav_index_radku(kostky, *pocet);
}

// A destroyed brick still in the store counts until the end of the frame removes it.
void kontrola_stavu_kostek(KOSTKA** kostky, int pocet, int* stav)
{
    for (int i = 0; i < pocet; i++)
        if (kostky[i]->druh != KOSTKA_SEDA) return;
    *stav = STAV_VYHRA;
}

int zasahy_druhu(int druh)
{
    if (druh == KOSTKA_PET_ZASAHU) return 5;
    if (druh == KOSTKA_DVA_ZASAHY) return 2;
    return 1;
}

void kostky_z_bunek(const int* bunky, KOSTKA** kostky, int* pocet)
{
    for (int i = 0; i < POCET_BUNEK; i++) {
        int v = bunky[i];
        if (v <= 0 || v > KOSTKA_SEDA) continue;
        if (*pocet < 0 || *pocet >= POCET_BUNEK) return;
        int x = STENA_VLEVO + SIRKA_KOSTKY * (i % SLOUPCU);
        int y = STROP + VYSKA_KOSTKY * (i / SLOUPCU);
        KOSTKA* k = nova_kostka(x, y, v, zasahy_druhu(v), i);
        if (k) kostky[(*pocet)++] = k;
    }
}

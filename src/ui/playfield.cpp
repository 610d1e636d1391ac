// The playfield: each frame restores and redraws only what moving objects touched, and copies only
// those rectangles to the screen. The status bar numbers live in the scene bitmap.
#include "ui/playfield.h"

#include "core/clock.h"
#include "core/globals.h"
#include "core/play_clock.h"
#include "core/resources.h"
#include "platform/platform.h"
#include "sound/sound.h"
#include "ui/memory_blit.h"
#include "ui/text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

// Covers the old and the new picture with a pixel to spare. A ball or paddle whose sprite grew since
// the last frame is covered at its new size too, so that no part of it waits a frame for the screen.
void spocti_souradnice(const OBJECT* o, int* sirka, int* vyska, int* vlevo, int* nahore)
{
    int w = std::max(o->sirka, o->obrazek->w), h = std::max(o->vyska, o->obrazek->h);
    *sirka = int(std::fabs(o->x - o->x_stare)) + w + 2;
    *vyska = int(std::fabs(o->y - o->y_stare)) + h + 2;
    *vlevo = int(std::fmin(o->x, o->x_stare) - 1.0);
    *nahore = int(std::fmin(o->y, o->y_stare) - 1.0);
}

void kresli_pozadi(int sirka, int vyska, int vlevo, int nahore, BITMAP* zdroj, BITMAP* cil)
{
    kopiruj_obdelnik(zdroj, cil, vlevo, nahore, sirka, vyska);
}

void kresli_object(const OBJECT* o, BITMAP* cil) { kresli_masku(cil, o->obrazek, int(o->x), int(o->y)); }

void kresli_na_screen(int sirka, int vyska, int vlevo, int nahore, BITMAP* zdroj)
{
    plat_ukaz(zdroj, vlevo, nahore, vlevo, nahore, sirka, vyska);
}

static void ramecek(BITMAP* cil)
{
    BITMAP* k = obr(bmp_frame_pieces);
    for (int x = 0; x < SIRKA_OBRAZOVKY; x += 20) {
        blit(k, cil, 15, 0, x, 0, 20, 10);
        blit(k, cil, 15, 40, x, 590, 20, 10);
    }
    for (int y = 0; y < VYSKA_OBRAZOVKY; y += 20) {
        blit(k, cil, 0, 15, 0, y, 10, 20);
        blit(k, cil, 40, 15, 790, y, 10, 20);
    }
    blit(k, cil, 0, 0, 0, 0, 10, 10);
    blit(k, cil, 40, 0, 790, 0, 10, 10);
    blit(k, cil, 0, 40, 0, 590, 10, 10);
    blit(k, cil, 40, 40, 790, 590, 10, 10);
}

// The status values as last printed into the scene; a redrawn status bar has none of them.
static char ukazane_hodnoty[4][32];

static void stavovy_radek(const char* autor, BITMAP* cil)
{
    for (auto& h : ukazane_hodnoty) h[0] = 0;
    BITMAP* b = obr(bmp_bar_pieces);
    for (int x = 0; x <= 750; x += 50) {
        int s = x == 0 ? 0 : x == 750 ? 50 : 25;
        blit(b, cil, s, 0, x, RADEK_STAVU, 50, 20);
    }
    textprintf_ex(cil, font, 30, 582, BARVA_1, -1, "%s", tx({"Skóre", "Score"}));
    textprintf_ex(cil, font, 180, 582, BARVA_1, -1, "%s", tx({"Život", "Live"}));
    textprintf_ex(cil, font, 300, 582, BARVA_1, -1, "%s", tx({"Úroveň", "Level"}));
    textprintf_ex(cil, font, 460, 582, BARVA_1, -1, "%s", tx({"Čas", "Time"}));
    textprintf_right_ex(cil, font, 770, 582, BARVA_1, -1, "%s  %s", tx({"Autor úrovně", "Author of level"}),
                        autor);
}

void kresli_pozadi_kola(int mod, const char* autor, BITMAP* cil)
{
    clear_to_color(cil, 0);
    ramecek(cil);
    if (mod == POZADI_HRA) stavovy_radek(autor, cil);
}

void kresli_prostredi(const char* autor, BITMAP* cil)
{
    ramecek(cil);
    stavovy_radek(autor, cil);
}

void zakresli_kostky(KOSTKA** kostky, int pocet, BITMAP* cil)
{
    for (int i = 0; i < pocet; i++) {
        BITMAP* o = kostky[i]->obrazek;
        blit(o, cil, 0, 0, kostky[i]->x, kostky[i]->y, o->w, o->h);
    }
}

void tisk_vse(BITMAP* zdroj, BITMAP* cil) { blit(zdroj, cil, 0, 0, 0, 0, cil->w, cil->h); }

// The four status values: score, lives, level, time; "Test" for the first three while trying a level.
// A value that reads as it did in the last frame is already on the screen and is left alone.
void pis_texty(int sek, int min, BITMAP* base_bmp, BITMAP* scene_bmp)
{
    struct POLE {
        int vlevo, sirka, vpravo;
    };
    static constexpr POLE POLE_STAVU[4] = {{60, 81, 140}, {220, 41, 260}, {360, 41, 400}, {510, 61, 570}};
    const int hodnoty[3] = {nas[NAS_SKORE], nas[NAS_ZIVOTY], LEVEL};
    char texty[4][32];
    for (int i = 0; i < 3; i++) {
        if (MOD_HRY == MOD_ZKUSEBNI) std::snprintf(texty[i], 32, "Test");
        else std::snprintf(texty[i], 32, "%d", hodnoty[i]);
    }
    format_casu(texty[3], 32, {min, sek});
    for (int i = 0; i < 4; i++) {
        const POLE& p = POLE_STAVU[i];
        if (std::strcmp(texty[i], ukazane_hodnoty[i]) == 0) continue;
        std::strcpy(ukazane_hodnoty[i], texty[i]);
        blit(base_bmp, scene_bmp, p.vlevo, RADEK_STAVU, p.vlevo, RADEK_STAVU, p.sirka, 20);
        textprintf_right_ex(scene_bmp, font, p.vpravo, 582, BARVA_1, -1, "%s", texty[i]);
        plat_ukaz(scene_bmp, p.vlevo, RADEK_STAVU, p.vlevo, RADEK_STAVU, p.sirka, 20);
    }
}

// The picture closes in from the top and bottom edges to the middle, two rows each 5 ms.
void efektni_tisk(BITMAP* zdroj)
{
    for (int i = 0; i < 300; i += 2) {
        while (speed_counter < 3) plat_cekej_tik();
        speed_counter = 0;
        plat_ukaz(zdroj, 0, i, 0, i, zdroj->w, 2);
        plat_ukaz(zdroj, 0, 598 - i, 0, 598 - i, zdroj->w, 2);
    }
}

// The grey bricks turned at 7:00 appear one after the other in the scene and on the display, each
// with its knock and a pause of its own.
void ukaz_premenene(KOSTKA* const* kostky, int pocet, BITMAP* scene_bmp)
{
    for (int i = 0; i < pocet; i++) {
        const KOSTKA* k = kostky[i];
        BITMAP* b = k->obrazek;
        blit(b, scene_bmp, 0, 0, k->x, k->y, b->w, b->h);
        plat_ukaz(scene_bmp, k->x, k->y, k->x, k->y, b->w, b->h);
        zvuk(snd_brick);
        plat_rest(PAUZA_SEDE_MS);
    }
}

struct OBDELNIK {
    int sirka, vyska, vlevo, nahore;
};

// Rectangles of every object of a list, dead ones included: what died this frame must be wiped.
static int obdelniky(OBJECT** o, int pocet, OBDELNIK* r)
{
    for (int i = 0; i < pocet; i++) spocti_souradnice(o[i], &r[i].sirka, &r[i].vyska, &r[i].vlevo, &r[i].nahore);
    return pocet;
}

static void paska(BITMAP* cil, const OBJECT* p, int y1, int y2)
{
    int px = int(p->x), py = int(p->y), w = p->obrazek->w;
    rectfill(cil, px + 16, py + y1, px + w - 17, py + y2, makecol(0, 51, 0));
}

static void kresli_zive(OBJECT** o, int pocet, BITMAP* cil)
{
    for (int i = 0; i < pocet; i++)
        if (o[i]->druh > 0) kresli_object(o[i], cil);
}

void draw_all(OBJECT* prkno, OBJECT** pusky, int pocet_pusek, OBJECT** koule, int pocet_kouli,
              KOSTKA** kostky, int pocet_kostek, OBJECT** strely, int pocet_strel, OBJECT** bonusy,
              int pocet_bonusu, BITMAP* base_bmp, BITMAP* scene_bmp, BITMAP* sprite_bmp)
{
    OBDELNIK r[1 + MAX_PUSEK + MAX_KOULI + MAX_STREL + MAX_BONUSU];
    int n = obdelniky(&prkno, 1, r);
    n += obdelniky(pusky, pocet_pusek, r + n);
    n += obdelniky(koule, pocet_kouli, r + n);
    n += obdelniky(strely, pocet_strel, r + n);
    n += obdelniky(bonusy, pocet_bonusu, r + n);

    acquire_bitmap(scene_bmp);
    for (int i = 0; i < pocet_kostek; i++) {
        const KOSTKA* k = kostky[i];
        if (k->zasahy == 0) kopiruj_obdelnik(base_bmp, scene_bmp, k->x, k->y, k->obrazek->w, k->obrazek->h);
    }
    release_bitmap(scene_bmp);

    acquire_bitmap(sprite_bmp);
    for (int i = 0; i < n; i++) kresli_pozadi(r[i].sirka, r[i].vyska, r[i].vlevo, r[i].nahore, scene_bmp, sprite_bmp);
    kresli_object(prkno, sprite_bmp);
    if (nas[NAS_LEPIDLO] == 1) paska(sprite_bmp, prkno, 3, 5);
    if (nas[NAS_NAHODNY_ODRAZ] == 1) paska(sprite_bmp, prkno, 14, 16);
    kresli_zive(pusky, pocet_pusek, sprite_bmp);
    kresli_zive(koule, pocet_kouli, sprite_bmp);
    kresli_zive(strely, pocet_strel, sprite_bmp);
    kresli_zive(bonusy, pocet_bonusu, sprite_bmp);
    release_bitmap(sprite_bmp);

    for (int i = 0; i < pocet_kostek; i++) {
        const KOSTKA* k = kostky[i];
        if (k->zasahy == 0) plat_ukaz(scene_bmp, k->x, k->y, k->x, k->y, k->obrazek->w, k->obrazek->h);
    }
    for (int i = 0; i < n; i++) kresli_na_screen(r[i].sirka, r[i].vyska, r[i].vlevo, r[i].nahore, sprite_bmp);
}

// Contact sheet of odraz.dat: every entry enlarged on dark grey and labelled with its position, the font
// with the Czech alphabet, the sounds as waveforms, and the game's screens drawn by the game's own code
// on the headless driver, to judge joins, contrast and the quiet fields behind texts.
//
//   contact_sheet <run dir>/odraz.dat <out.png>
//
// It works in the run directory, where the game finds its levels and best games.
#include "support/headless_game.h"
#include "core/level_file.h"
#include "levels/loader.h"
#include "persist/best_games.h"
#include "platform/headless.h"
#include "shell/end_screens.h"
#include "core/globals.h"
#include "core/play_clock.h"
#include "shell/menu.h"
#include "core/resources.h"
#include "shell/startup.h"
#include "sound/sound.h"
#include "core/bitmap.h"
#include "ui/playfield.h"
#include "ui/window.h"
#include "world/simulation.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "png.h"

namespace {

constexpr int SIRKA_LISTU = 1660;
constexpr int OKRAJ = 14;

int popisek;

// Places items left to right, wrapping at the sheet width.
struct sazec {
    BITMAP* list;
    int x = OKRAJ, y = OKRAJ, vyska_radku = 0;

    void novy_radek(int mezera = 18)
    {
        if (vyska_radku == 0) return;
        x = OKRAJ;
        y += vyska_radku + mezera;
        vyska_radku = 0;
    }
    void nadpis(const char* text)
    {
        novy_radek();
        textout_ex(list, font, text, OKRAJ, y, BARVA_2, -1);
        y += text_height(font) + 6;
    }
    // Reserves w x h below a label line and returns the top-left corner of the free area.
    void misto(int w, int h, const std::string& stitek, int& ox, int& oy)
    {
        int vyska = h + text_height(font) + 2;
        if (x + w > SIRKA_LISTU - OKRAJ && x > OKRAJ) novy_radek();
        textout_ex(list, font, stitek.c_str(), x, y, popisek, -1);
        ox = x;
        oy = y + text_height(font) + 2;
        x += std::max(w, text_length(font, stitek.c_str())) + OKRAJ;
        vyska_radku = std::max(vyska_radku, vyska);
    }
    void obrazek(int pozice, int k, bool maska)
    {
        BITMAP* b = obr(pozice);
        int ox, oy;
        misto(b->w * k, b->h * k, std::to_string(pozice), ox, oy);
        if (maska) masked_stretch_blit(b, list, 0, 0, b->w, b->h, ox, oy, b->w * k, b->h * k);
        else stretch_blit(b, list, 0, 0, b->w, b->h, ox, oy, b->w * k, b->h * k);
    }
    void zvuk(int pozice)
    {
        const SAMPLE* s = static_cast<const SAMPLE*>(data[pozice].dat);
        const int w = 240, h = 70;
        int ox, oy;
        misto(w, h, std::to_string(pozice) + "  " + std::to_string(int(s->len * 1000 / s->freq)) + " ms", ox, oy);
        rectfill(list, ox, oy, ox + w - 1, oy + h - 1, makecol(22, 24, 30));
        hline(list, ox, oy + h / 2, ox + w - 1, makecol(60, 64, 76));
        const unsigned short* d = static_cast<const unsigned short*>(s->data);
        for (int i = 0; i < w; i++) {
            unsigned long a = s->len * i / w, b = std::max(a + 1, s->len * (i + 1) / w);
            int lo = 65535, hi = 0;
            for (unsigned long j = a; j < b && j < s->len; j++) {
                int v = s->bits == 16 ? d[j] : static_cast<const unsigned char*>(s->data)[j] << 8;
                lo = std::min(lo, v);
                hi = std::max(hi, v);
            }
            vline(list, ox + i, oy + h - 1 - hi * (h - 1) / 65535, oy + h - 1 - lo * (h - 1) / 65535, makecol(120, 200, 255));
        }
    }
    // A whole screen; a moment the round never reached leaves its place empty.
    void nahled(BITMAP* b, const char* stitek)
    {
        int ox, oy;
        misto(800, 600, stitek, ox, oy);
        if (b) blit(b, list, 0, 0, ox, oy, b->w, b->h);
    }
};

// --- the game's screens, drawn by the game ------------------------------------------------------

BITMAPA kopie(BITMAP* b)
{
    BITMAPA k = nova_bitmapa(b->w, b->h);
    blit(b, k.get(), 0, 0, 0, 0, b->w, b->h);
    return k;
}

// Runs a screen of the game until its input script runs out and keeps what it left on the screen.
template <class F>
BITMAPA do_konce_skriptu(F obrazovka)
{
    hl_limit_necinnosti = 0;
    try {
        obrazovka();
    } catch (const HL_KONEC_SKRIPTU&) {
    }
    hl_reset();
    return kopie(screen);
}

void hlavni_menu() { menu(MENU_HLAVNI); }

// A frame of a round as the game loop draws it from nothing: the scene, the moving objects, the status.
BITMAPA snimek(const KOLO* k, const char* autor)
{
    BITMAPA base = nova_bitmapa(800, 600), scene = nova_bitmapa(800, 600), sprite = nova_bitmapa(800, 580);
    kresli_pozadi_kola(POZADI_HRA, autor, base.get());
    kresli_pozadi_kola(POZADI_HRA, autor, scene.get());
    zakresli_kostky(kostka, POCET_KOSTEK, scene.get());
    tisk_vse(scene.get(), sprite.get());
    tisk_vse(scene.get(), screen);
    KOLO* m = const_cast<KOLO*>(k);
    draw_all(m->prkno, m->pusky, m->pocet_pusek, m->koule, m->pocet_kouli, kostka, POCET_KOSTEK, m->strely,
             m->pocet_strel, m->bonusy, m->pocet_bonusu, base.get(), scene.get(), sprite.get());
    pis_texty(sekundy, minuty, base.get(), scene.get());
    return kopie(screen);
}

// A round of the first shipped level played by the bot: its opening with the level box, the first
// frame after twenty seconds with a capsule low in its fall, and the frame that breaks the last brick.
struct KOLO_NA_LISTU {
    const char* autor;
    BITMAPA uvod, hra, konec;
};

void sleduj_kolo(const KOLO* k, SIM_UDALOST u, long tik, void* d)
{
    auto* h = static_cast<KOLO_NA_LISTU*>(d);
    if (u == SIM_PO_TIKU && tik == 1) {
        h->uvod = nova_bitmapa(800, 600);
        kresli_pozadi_kola(POZADI_HRA, h->autor, h->uvod.get());
        zakresli_kostky(kostka, POCET_KOSTEK, h->uvod.get());
        hlaska_kolo(LEVEL, h->uvod.get());
    }
    if (u != SIM_PRED_KONCEM_SNIMKU) return;
    if (!h->hra && tik >= 600 * 20 && k->pocet_bonusu > 0 && k->bonusy[0]->y > 300) h->hra = snimek(k, h->autor);
    auto stoji = [](const KOSTKA* b) { return b->druh != KOSTKA_SEDA && b->zasahy > 0; };
    if (k->status == 0 && std::none_of(kostka, kostka + POCET_KOSTEK, stoji)) h->konec = snimek(k, h->autor);
}

KOLO_NA_LISTU odehraj_kolo(const UROVEN& u)
{
    KOLO_NA_LISTU h{u.autor, nullptr, nullptr, nullptr};
    SIM_NASTAVENI n;
    n.seed = 3;
    n.prirad_bonusy = prirad_bonusy;
    n.sledovani = sleduj_kolo;
    n.data = &h;
    LEVEL = 1;
    simuluj(u.bunky, n);
    return h;
}

BITMAPA nejlepsi_hry()
{
    static const char* const JMENA[] = {"Zofie", "Maximilian Z", "Ondra", "Petra", "Vitek", "Hana", "Jirka"};
    NEJ_SCORE t[POCET_NEJ];
    prazdna_tabulka(t);
    for (int i = 0; i < 14; i++) {
        t[i].skore = 104250 - 6830 * i;
        t[i].level = 12 - i * 3 / 4;
        std::strcpy(t[i].jmeno, JMENA[i % 7]);
    }
    BITMAPA b = nova_bitmapa(800, 600);
    kresli_pozadi_kola(POZADI_OBRAZOVKA, "", b.get());
    zobraz_nej_score(t, 1, POCET_NEJ, b.get());
    hl_mys(400, 562, 0);
    kresli_mys(b.get());
    return b;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: contact_sheet <odraz.dat> <out.png>\n");
        return 2;
    }
    const std::filesystem::path dat = std::filesystem::absolute(argv[1]), png = std::filesystem::absolute(argv[2]);
    if (!spust_headless(dat.c_str())) {
        std::fprintf(stderr, "contact_sheet: cannot load %s\n", argv[1]);
        return 1;
    }
    std::filesystem::current_path(dat.parent_path());
    nastav_barvy_a_pismo();
    popisek = makecol(150, 156, 170);
    pocet_kol = spocitej_urovne();
    std::strcpy(sampion_jmeno, "Zofie");
    volume_hudba = 200;
    volume_zvuk = 255;
    nastav_midi = 10;
    pocet_midi = 0;
    jazyk = 1;

    BITMAPA list = nova_bitmapa(SIRKA_LISTU, 5000);
    clear_to_color(list.get(), makecol(44, 45, 50));
    sazec s{list.get()};
    s.nadpis("Capsules 0-15, pointer 16, balls 28-36, gun barrels 65-66, shot 67 (x4)");
    for (int p = 0; p <= 16; p++) s.obrazek(p, 4, true);
    for (int p = 28; p <= 36; p++) s.obrazek(p, 4, true);
    for (int p = 65; p <= 67; p++) s.obrazek(p, 4, true);
    s.nadpis("Bricks 17-27 (x3), miniatures 37-47 (x6)");
    for (int p = 17; p <= 27; p++) s.obrazek(p, 3, false);
    s.novy_radek();
    for (int p = 37; p <= 47; p++) s.obrazek(p, 6, false);
    s.nadpis("Paddles 56-64 (x3)");
    for (int p = 56; p <= 64; p++) s.obrazek(p, 3, true);
    s.nadpis("Frame 49, window sheet 54 (x5), bar pieces 51-52 (x3), buttons 68-69 (x3)");
    s.obrazek(49, 5, false);
    s.obrazek(54, 5, false);
    s.obrazek(68, 3, false);
    s.obrazek(69, 3, false);
    s.novy_radek();
    s.obrazek(51, 3, false);
    s.obrazek(52, 3, false);
    s.nadpis("Dialog panel 50 (x1), sounds 70-75, unused 55");
    s.obrazek(50, 1, false);
    for (int p = 70; p <= 75; p++) s.zvuk(p);
    {
        int ox, oy;
        s.misto(120, 20, "55", ox, oy);
        textout_ex(list.get(), font, data[55].type == DAT_DATA ? "(data)" : "(?)", ox, oy, popisek, -1);
    }
    s.nadpis("Font 53");
    {
        static const char* const RADKY[] = {
            "ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz 0123456789",
            "ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ áčďéěíňóřšťúůýž  !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~",
            "Příliš žluťoučký kůň úpěl ďábelské ódy.  „Odraz“ – 12 450 bodů…  ÄÖÜ äöüß Łł Őő €",
        };
        int ox, oy;
        const int h = text_height(font);
        s.misto(1200, 3 * (h + 4) + 3 * (2 * h + 6), "53  (height " + std::to_string(h) + ")", ox, oy);
        for (int i = 0; i < 3; i++) textout_ex(list.get(), font, RADKY[i], ox, oy + i * (h + 4), BARVA_1, -1);
        for (int i = 0; i < 3; i++) {
            int w = text_length(font, RADKY[i]);
            BITMAPA r = nova_bitmapa(w, h);
            clear_to_color(r.get(), makecol(44, 45, 50));
            textout_ex(r.get(), font, RADKY[i], 0, 0, BARVA_1, -1);
            stretch_blit(r.get(), list.get(), 0, 0, w, h, ox, oy + 3 * (h + 4) + i * (2 * h + 6), 2 * w, 2 * h);
        }
    }
    s.nadpis("The game's screens as the game draws them");
    hl_pridej({.x = 470, .y = 376, .pruchodu = 2});
    s.nahled(do_konce_skriptu(hlavni_menu).get(), "menu, pointer on an item");
    HRAJE_SE = MOD_HRY = 1;
    nas[NAS_SKORE] = 12450;
    hl_klik(400, 286);
    hl_pridej({.x = 305, .y = 345, .pruchodu = 2});
    s.nahled(do_konce_skriptu(hlavni_menu).get(), "menu with a game open: New game asks");
    HRAJE_SE = 0;
    s.novy_radek();
    UROVEN uroven;
    nacti_uroven("Level/level_001.lvl", &uroven);
    KOLO_NA_LISTU kolo = odehraj_kolo(uroven);
    s.nahled(kolo.uvod.get(), "a round opens");
    s.nahled(kolo.hra.get(), "playfield");
    s.novy_radek();
    s.nahled(nejlepsi_hry().get(), "best games");
    nas[NAS_SKORE] = 1 << 30;   // above any table the run directory may hold; no Enter, so none is written
    for (char c : std::string("zofie")) hl_stisk(KEY_A + c - 'a', c == 'z' ? 'Z' : c);
    s.nahled(do_konce_skriptu([] { zapis_score(0); }).get(), "name for the best games");
    s.novy_radek();
    nas[NAS_SKORE] = 0;
    if (kolo.konec) blit(kolo.konec.get(), screen, 0, 0, 0, 0, 800, 600);
    s.nahled(do_konce_skriptu(game_winner).get(), "every level won: the message over the last frame");
    s.nahled(obr(bmp_menu_background), "48");
    s.novy_radek();

    const int h = std::min(list->h, s.y + OKRAJ);
    std::vector<uint8_t> rgb(size_t(SIRKA_LISTU) * h * 3);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < SIRKA_LISTU; x++) {
            int c = getpixel(list.get(), x, y);
            uint8_t* p = &rgb[(size_t(y) * SIRKA_LISTU + x) * 3];
            p[0] = uint8_t(getr(c));
            p[1] = uint8_t(getg(c));
            p[2] = uint8_t(getb(c));
        }
    list.reset();
    ukonci_headless();
    if (!zapis_png(png, SIRKA_LISTU, h, rgb)) {
        std::fprintf(stderr, "contact_sheet: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}

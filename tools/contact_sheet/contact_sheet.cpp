// Contact sheet of odraz.dat: every entry enlarged on dark grey and labelled with its position, the font
// with the Czech alphabet, the sounds as waveforms, and a few screens assembled from the pieces the way
// the game assembles them, to judge joins, contrast and the quiet fields behind texts.
//
//   contact_sheet <odraz.dat> <out.png>
#include <allegro.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "png.h"

namespace {

constexpr int SIRKA_LISTU = 1660;
constexpr int OKRAJ = 14;

struct bitmapa_pryc {
    void operator()(BITMAP* b) const { destroy_bitmap(b); }
};
using bitmapa = std::unique_ptr<BITMAP, bitmapa_pryc>;

DATAFILE* data = nullptr;
FONT* pismo = nullptr;
int svetla, oranzova, seda_tmava, popisek;

BITMAP* obr(int p) { return static_cast<BITMAP*>(data[p].dat); }

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
        textout_ex(list, pismo, text, OKRAJ, y, oranzova, -1);
        y += text_height(pismo) + 6;
    }
    // Reserves w x h below a label line and returns the top-left corner of the free area.
    void misto(int w, int h, const std::string& stitek, int& ox, int& oy)
    {
        int vyska = h + text_height(pismo) + 2;
        if (x + w > SIRKA_LISTU - OKRAJ && x > OKRAJ) novy_radek();
        textout_ex(list, pismo, stitek.c_str(), x, y, popisek, -1);
        ox = x;
        oy = y + text_height(pismo) + 2;
        x += std::max(w, text_length(pismo, stitek.c_str())) + OKRAJ;
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
    void nahled(BITMAP* b, const char* stitek)
    {
        int ox, oy;
        misto(b->w, b->h, stitek, ox, oy);
        blit(b, list, 0, 0, ox, oy, b->w, b->h);
    }
};

// --- screens assembled from the pieces ------------------------------------------------------------

void ram(BITMAP* t)
{
    BITMAP* r = obr(49);
    clear_to_color(t, 0);
    for (int x = 0; x < 800; x += 20) {
        blit(r, t, 15, 0, x, 0, 20, 10);
        blit(r, t, 15, 40, x, 590, 20, 10);
    }
    for (int y = 0; y < 600; y += 20) {
        blit(r, t, 0, 15, 0, y, 10, 20);
        blit(r, t, 40, 15, 790, y, 10, 20);
    }
    blit(r, t, 0, 0, 0, 0, 10, 10);
    blit(r, t, 40, 0, 790, 0, 10, 10);
    blit(r, t, 0, 40, 0, 590, 10, 10);
    blit(r, t, 40, 40, 790, 590, 10, 10);
}

void okno(BITMAP* t, int x1, int y1, int x2, int y2)
{
    BITMAP* s = obr(54);
    for (int x = x1; x < x2; x += 10)
        for (int y = y1; y < y2; y += 10) blit(s, t, 20, 20, x, y, 10, 10);
    for (int x = x1; x < x2; x += 10) {
        blit(s, t, 20, 0, x, y1, 10, 20);
        blit(s, t, 20, 30, x, y2 - 20, 10, 20);
    }
    for (int y = y1; y < y2; y += 10) {
        blit(s, t, 0, 20, x1, y, 20, 10);
        blit(s, t, 30, 20, x2 - 20, y, 20, 10);
    }
    blit(s, t, 0, 0, x1, y1, 20, 20);
    blit(s, t, 30, 0, x2 - 20, y1, 20, 20);
    blit(s, t, 0, 30, x1, y2 - 20, 20, 20);
    blit(s, t, 30, 30, x2 - 20, y2 - 20, 20, 20);
}

void tlacitko(BITMAP* t, int x, int y, const char* text, bool lit)
{
    blit(obr(lit ? 69 : 68), t, 0, 0, x, y, 80, 25);
    textout_centre_ex(t, pismo, text, x + 40, y + 5, lit ? oranzova : svetla, -1);
}

bitmapa nahled_menu()
{
    bitmapa b(create_bitmap(800, 600));
    blit(obr(48), b.get(), 0, 0, 0, 0, 800, 600);
    static const char* const POLOZKY[10] = {"Nová hra", "Pokračovat", "Spustit načtenou", "Zkusit vytvořenou", "Editor úrovní",
                                            "Uložit hru", "Načíst hru", "Nejlepší hry", "Nápověda", "Konec hry"};
    for (int i = 0; i < 10; i++) {
        int c = i == 1 || i == 3 || i == 5 ? seda_tmava : i == 4 ? oranzova : svetla;
        textout_centre_ex(b.get(), pismo, POLOZKY[i], 400, 276 + 25 * i, c, -1);
    }
    textout_centre_ex(b.get(), pismo, "Volba hudby", 130, 276, svetla, -1);
    textout_centre_ex(b.get(), pismo, "<<<", 55, 301, oranzova, -1);
    textout_centre_ex(b.get(), pismo, "postupně", 130, 301, svetla, -1);
    textout_centre_ex(b.get(), pismo, ">>>", 205, 301, svetla, -1);
    textout_centre_ex(b.get(), pismo, "Volba jazyka", 670, 276, svetla, -1);
    textout_centre_ex(b.get(), pismo, "<<<", 595, 301, svetla, -1);
    textout_centre_ex(b.get(), pismo, "CZ", 670, 301, svetla, -1);
    textout_centre_ex(b.get(), pismo, ">>>", 745, 301, svetla, -1);
    textout_centre_ex(b.get(), pismo, "Hlasitost hudby", 130, 476, svetla, -1);
    textout_centre_ex(b.get(), pismo, "<<<   78%   >>>", 130, 501, svetla, -1);
    textout_centre_ex(b.get(), pismo, "Hlasitost zvuků", 670, 476, svetla, -1);
    textout_centre_ex(b.get(), pismo, "<<<   100%   >>>", 670, 501, svetla, -1);
    textout_ex(b.get(), pismo, "Jméno šampióna: Žofie", 60, 241, svetla, -1);
    textout_ex(b.get(), pismo, "09:05:03", 325, 241, svetla, -1);
    textout_right_ex(b.get(), pismo, "6.12. 2026", 475, 241, svetla, -1);
    textout_right_ex(b.get(), pismo, "počet úrovní - 5", 740, 241, svetla, -1);
    textout_ex(b.get(), pismo, "odraz.example.org", 60, 536, svetla, -1);
    textout_right_ex(b.get(), pismo, "autor@example.org", 740, 536, svetla, -1);
    draw_sprite(b.get(), obr(16), 410, 380);
    return b;
}

bitmapa nahled_hry()
{
    bitmapa b(create_bitmap(800, 600));
    ram(b.get());
    for (int x = 0; x < 800; x += 50) blit(obr(51), b.get(), x == 0 ? 0 : x == 750 ? 50 : 25, 0, x, 580, 50, 20);
    textout_ex(b.get(), pismo, "Skóre", 30, 582, svetla, -1);
    textout_right_ex(b.get(), pismo, "12450", 140, 582, svetla, -1);
    textout_ex(b.get(), pismo, "Život", 180, 582, svetla, -1);
    textout_right_ex(b.get(), pismo, "3", 260, 582, svetla, -1);
    textout_ex(b.get(), pismo, "Úroveň", 300, 582, svetla, -1);
    textout_right_ex(b.get(), pismo, "4", 400, 582, svetla, -1);
    textout_ex(b.get(), pismo, "Čas", 460, 582, svetla, -1);
    textout_right_ex(b.get(), pismo, "05:07", 570, 582, svetla, -1);
    textout_right_ex(b.get(), pismo, "Autor úrovně  Žofie", 770, 582, svetla, -1);
    for (int r = 0; r < 11; r++)
        for (int c = 0; c < 20; c++) {
            int typ = (r * 3 + c * 7 + r * c) % 13;
            if (r == 0 || r == 10) typ = 10;
            if (typ > 10) continue;
            if (typ == 0 && r > 1) continue;
            if (typ == 0) typ = 9;
            blit(obr(17 + typ), b.get(), 0, 0, 10 + 39 * c, 10 + 20 * (r + 2), 39, 20);
        }
    int px = 340, py = 560;
    draw_sprite(b.get(), obr(61), px, py);  // blue paddle 120
    rectfill(b.get(), px + 16, py + 3, px + 120 - 17, py + 5, makecol(0, 51, 0));
    draw_sprite(b.get(), obr(65), px, py - 5);
    draw_sprite(b.get(), obr(66), px + 110, py - 5);
    draw_sprite(b.get(), obr(67), px + 1, py - 60);
    draw_sprite(b.get(), obr(67), px + 118, py - 60);
    draw_sprite(b.get(), obr(32), 420, 500);
    draw_sprite(b.get(), obr(28), 250, 470);
    draw_sprite(b.get(), obr(36), 600, 420);
    for (int i = 0; i < 5; i++) draw_sprite(b.get(), obr(i * 3), 120 + i * 130, 300 + (i % 2) * 40);
    draw_sprite(b.get(), obr(58), 100, 560);
    draw_sprite(b.get(), obr(62), 600, 560);
    rectfill(b.get(), 600 + 16, 560 + 14, 600 + 40 - 17, 560 + 16, makecol(0, 51, 0));
    return b;
}

bitmapa nahled_oken()
{
    bitmapa b(create_bitmap(800, 600));
    ram(b.get());
    // a best-games style table
    for (int x = 164; x <= 624; x += 10) blit(obr(51), b.get(), x == 164 ? 0 : x == 624 ? 90 : 40, 0, x, 45, 10, 20);
    textout_centre_ex(b.get(), pismo, "N E J L E P Š Í   H R Y", 400, 47, svetla, -1);
    const int hrany[5] = {166, 208, 410, 492, 634};
    for (int r = 0; r < 5; r++) {
        int y = r == 0 ? 70 : 95 + 22 * (r - 1);
        bool lit = r == 2;
        for (int s = 0; s < 4; s++)
            for (int x = hrany[s]; x < hrany[s + 1] - 2; x += 20)
                blit(obr(lit ? 52 : 51), b.get(), x == hrany[s] ? 0 : x == hrany[s + 1] - 22 ? 80 : 40, 0, x, y, 20, 20);
        int c = lit ? oranzova : svetla;
        textout_ex(b.get(), pismo, r == 0 ? "#" : std::to_string(r).c_str(), 172, y + 2, c, -1);
        textout_ex(b.get(), pismo, r == 0 ? "Jméno" : "Ďáblík Řehoř", 214, y + 2, c, -1);
        textout_ex(b.get(), pismo, r == 0 ? "Úroveň" : "12", 416, y + 2, c, -1);
        textout_ex(b.get(), pismo, r == 0 ? "Skóre" : "104250", 498, y + 2, c, -1);
    }
    // the editor's boxes
    for (int i = 0; i < 3; i++) blit(obr(51), b.get(), i == 0 ? 0 : i == 1 ? 30 : 50, 0, 30 + 50 * i, 225, 50, 20);
    textout_centre_ex(b.get(), pismo, "Jméno autora", 105, 227, svetla, -1);
    for (int i = 0; i < 3; i++) blit(obr(51), b.get(), i == 0 ? 0 : i == 1 ? 30 : 50, 0, 200 + 50 * i, 225, 200, 20);
    textout_centre_ex(b.get(), pismo, "level_006.lvl", 275, 227, svetla, -1);
    // windows of several sizes
    okno(b.get(), 20, 270, 260, 330);
    textout_centre_ex(b.get(), pismo, "Úroveň 4", 140, 292, svetla, -1);
    okno(b.get(), 20, 350, 300, 430);
    textout_centre_ex(b.get(), pismo, "Zadejte své jméno", 160, 368, svetla, -1);
    textout_centre_ex(b.get(), pismo, "Žofie", 160, 398, svetla, -1);
    // the confirmation dialog
    const int dx = 400 - 195, dy = 330 - 140;
    blit(obr(50), b.get(), 0, 0, 205 + 120, 140 + dy, 390, 220);
    textout_centre_ex(b.get(), pismo, "POZOR", 400 + 120, 147 + dy, svetla, -1);
    const char* const RADKY[3] = {"Máte rozehranou hru. Stisknete-li Cancel, vrátíte se zpět",
                                  "k menu. Pokud ovšem potvrdíte volbu Nová hra stiskem",
                                  "OK, o tuto hru přijdete. Můžete ji před tímto krokem uložit."};
    for (int i = 0; i < 3; i++)
        textout_justify_ex(b.get(), pismo, RADKY[i], 230 + 120, 570 + 120, 190 + dy + 20 * i, 100, svetla, -1);
    tlacitko(b.get(), 240 + 120, 327 + dy, "OK", true);
    tlacitko(b.get(), 480 + 120, 327 + dy, "Cancel", false);
    (void)dx;
    draw_sprite(b.get(), obr(16), 290 + 120, 335 + dy);
    return b;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: contact_sheet <odraz.dat> <out.png>\n");
        return 2;
    }
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) return 1;
    set_color_depth(16);
    _rgb_r_shift_16 = 11;
    _rgb_g_shift_16 = 5;
    _rgb_b_shift_16 = 0;
    set_color_conversion(COLORCONV_TOTAL);
    data = load_datafile(argv[1]);
    if (!data) {
        std::fprintf(stderr, "contact_sheet: cannot load %s\n", argv[1]);
        return 1;
    }
    pismo = static_cast<FONT*>(data[53].dat);
    svetla = makecol(200, 200, 200);
    oranzova = makecol(250, 100, 0);
    seda_tmava = makecol(60, 60, 60);
    popisek = makecol(150, 156, 170);

    bitmapa list(create_bitmap(SIRKA_LISTU, 4200));
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
        textout_ex(list.get(), pismo, data[55].type == DAT_DATA ? "(data)" : "(?)", ox, oy, popisek, -1);
    }
    s.nadpis("Font 53");
    {
        static const char* const RADKY[] = {
            "ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz 0123456789",
            "ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ áčďéěíňóřšťúůýž  !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~",
            "Příliš žluťoučký kůň úpěl ďábelské ódy.  „Odraz“ – 12 450 bodů…  ÄÖÜ äöüß Łł Őő €",
        };
        int ox, oy;
        const int h = text_height(pismo);
        s.misto(1200, 3 * (h + 4) + 3 * (2 * h + 6), "53  (height " + std::to_string(h) + ")", ox, oy);
        for (int i = 0; i < 3; i++) textout_ex(list.get(), pismo, RADKY[i], ox, oy + i * (h + 4), svetla, -1);
        for (int i = 0; i < 3; i++) {
            int w = text_length(pismo, RADKY[i]);
            bitmapa r(create_bitmap(w, h));
            clear_to_color(r.get(), makecol(44, 45, 50));
            textout_ex(r.get(), pismo, RADKY[i], 0, 0, svetla, -1);
            stretch_blit(r.get(), list.get(), 0, 0, w, h, ox, oy + 3 * (h + 4) + i * (2 * h + 6), 2 * w, 2 * h);
        }
    }
    s.nadpis("Menu background 48 with texts; playfield; windows, tables and the dialog (assembled as in the game)");
    s.nahled(nahled_menu().get(), "48 + menu");
    s.nahled(nahled_hry().get(), "playfield");
    s.novy_radek();
    s.nahled(nahled_oken().get(), "windows");
    s.nahled(obr(48), "48");
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
    unload_datafile(data);
    if (!zapis_png(argv[2], SIRKA_LISTU, h, rgb)) {
        std::fprintf(stderr, "contact_sheet: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}

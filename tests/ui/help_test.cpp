// The help page: its layout in both languages, every line within the page, the held arrows, and the
// way to the gallery and back.
#include "core/bitmap.h"
#include "core/globals.h"
#include "core/resources.h"
#include "core/version.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "support/game_setup.h"
#include "support/sandbox.h"
#include "support/screen_check.h"
#include "ui/help.h"
#include "ui/help_text.h"
#include "ui/window.h"

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

namespace {

BITMAPA stranka(int jaz, int sirka = SIRKA_STRANKY)
{
    BITMAPA s = nova_bitmapa(sirka, VYSKA_STRANKY);
    jaz == 1 ? zobraz_napoveda_cz(s.get()) : zobraz_napoveda_en(s.get());
    return s;
}

// The rightmost column with a lit pixel, -1 for none.
int prava_hrana(BITMAP* b)
{
    for (int x = b->w - 1; x >= 0; x--)
        for (int y = 0; y < b->h; y++)
            if (getpixel(b, x, y) != 0) return x;
    return -1;
}

// A line printed as the page prints it, on a strip wider than the page.
BITMAPA vytiskni(const std::string& s)
{
    BITMAPA b = nova_bitmapa(800, 20);
    clear_to_color(b.get(), 0);
    vypis_zarovnane(b.get(), s.c_str(), 0, SIRKA_STRANKY, 0, BARVA_1, 150);
    return b;
}

// The pointer rests below the viewport, then holds the left button at (x, y).
void drz(int x, int y, int pruchodu)
{
    hl_pridej({.x = 400, .y = 540, .b = 0, .pruchodu = 20});
    hl_pridej({.x = x, .y = y, .b = 1, .pruchodu = pruchodu});
    hl_pridej({.x = x, .y = y, .b = 0, .pruchodu = 1});
}

// What the screen shows: the help page at a scroll position, the waiting message, or the gallery with
// the number of the level in its top-left place (its frame lies where the help's viewport is not).
std::string co_ukazuje(BITMAP* s)
{
    if (text_je_videt(screen, "ČEKEJTE PROSÍM - NAČÍTÁM DATA", 400, 280, BARVA_1)) return "wait";
    if (pixelu_barvy(screen, 82, 67, 206, 1, makecol(200, 200, 200)) == 206) {   // a miniature's frame
        for (int n = 10; n >= 1; n--)
            if (text_je_videt(screen, (std::to_string(n) + " úroveň").c_str(), 90, 184, BARVA_1, VLEVO))
                return "gallery:" + std::to_string(n);
        return "gallery:?";
    }
    int bajtu = (bitmap_color_depth(s) + 7) / 8, w = SIRKA_STRANKY * bajtu, j = 0;   // row by row: the frames are many
    for (int p = 0; p <= NEJDAL_STRANKY; p += 5, j = 0) {
        while (j < VYSKA_VYREZU && !std::memcmp(screen->line[80 + j] + 80 * bajtu, s->line[p + j], w)) j++;
        if (j == VYSKA_VYREZU) return "help:" + std::to_string(p);
    }
    return "help:?";
}

}  // namespace

class Help : public Obrazovka {};

// Rows of four capsules with their names below the text, the English ones 20 pixels higher, and the
// version line under them.
TEST_F(Help, CapsuleTableAndVersionSitBelowTheText)
{
    BITMAPA kapsle = nova_bitmapa(40, 30);
    clear_to_color(kapsle.get(), 0);
    draw_sprite(kapsle.get(), obr(bmp_bonus_01 + 10), 0, 0);
    for (auto [j, y, bonus_1, bonus_16, verze] : {std::tuple(1, 825, "život +", "další úroveň", "Odraz, verze "),
                                                  std::tuple(2, 805, "live +", "next level", "Odraz, version ")}) {
        BITMAPA s = stranka(j);
        EXPECT_TRUE(text_je_videt(s.get(), bonus_1, 70, y + 6, BARVA_1, VLEVO)) << j;
        EXPECT_TRUE(text_je_videt(s.get(), bonus_16, 520, y + 96, BARVA_1, VLEVO)) << j;
        EXPECT_TRUE(oblasti_shodne(s.get(), 320, y + 60, kapsle.get(), 0, 0, 40, 30)) << j;
        EXPECT_TRUE(text_je_videt(s.get(), (verze + std::string(ODRAZ_VERZE)).c_str(), 320, y + 130, BARVA_1)) << j;
    }
}

// Every line fits the page and all but the last of a paragraph are justified to its edge, with 1, the
// shipped number of and 999 levels; the page speaks of the levels that really come with the game.
TEST_F(Help, EveryLineStaysOnThePageAndBodyLinesFillIt)
{
    for (const TEXT_NAPOVEDY* t : {&NAPOVEDA_CZ, &NAPOVEDA_EN})
        for (const ODDIL_NAPOVEDY& o : t->oddily) {
            EXPECT_LT(prava_hrana(vytiskni(o.nadpis).get()), 400) << o.nadpis;
            for (size_t i = 0; i < o.radky.size(); i++)
                for (int urovni : {1, POCET_DODANYCH_UROVNI, 999}) {
                    int hrana = prava_hrana(vytiskni(radek_napovedy(*t, o.radky[i], urovni)).get());
                    bool posledni = i + 1 == o.radky.size();
                    EXPECT_LT(hrana, SIRKA_STRANKY) << o.radky[i];
                    EXPECT_TRUE(posledni ? hrana < SIRKA_STRANKY - 50 : hrana >= SIRKA_STRANKY - 6) << o.radky[i];
                }
        }
    for (int j : {1, 2}) EXPECT_LT(prava_hrana(stranka(j, 800).get()), SIRKA_STRANKY);
    std::string editor = radek_napovedy(NAPOVEDA_CZ, NAPOVEDA_CZ.oddily[3].radky[0], POCET_DODANYCH_UROVNI);
    EXPECT_NE(editor.find(std::to_string(POCET_DODANYCH_UROVNI) + " úrovněmi"), std::string::npos);
    EXPECT_TRUE(oblasti_shodne(stranka(1).get(), 0, 285, vytiskni(editor).get(), 0, 0, SIRKA_STRANKY, 20));
    EXPECT_NE(radek_napovedy(NAPOVEDA_EN, NAPOVEDA_EN.oddily[3].radky[0], 1).find("with 1 level "), std::string::npos);
}

// Held ">>>" steps five pixels at a time to 570, where the version line sits near the viewport's bottom,
// and no further; held "<<<" takes it back. Every frame shows the page at a step. The gallery opens from
// there and comes back to the same help position, and on its next visit to its own; its OK leaves the help.
TEST_F(Help, HeldArrowsScrollBetweenTheEndsAndTheGalleryKeepsBothPositions)
{
    PISKOVISTE piskoviste;
    for (int n = 1; n <= 10; n++) vytvor_uroven(n, n);
    pocet_kol = 10;
    BITMAPA s = stranka(1);
    std::vector<std::string> videno, cekane;
    hl_pri_vstupu([&, snimek = plat_cislo_snimku()](long long) mutable {   // every new thing the screen shows
        if (plat_cislo_snimku() == snimek) return;
        snimek = plat_cislo_snimku();
        if (std::string v = co_ukazuje(s.get()); videno.empty() || videno.back() != v) videno.push_back(v);
    });
    drz(190, 562, 6 * 130);
    drz(90, 562, 6 * 20);
    hl_klik(610, 562);       // "úrovně"
    drz(190, 562, 17 * 5);   // down the sheet as far as ten levels go: one row
    hl_klik(610, 562);       // "nápověda"
    hl_pridej({.x = 400, .y = 540, .pruchodu = 5});
    hl_klik(610, 562);       // the gallery again
    hl_klik(710, 562);       // its OK
    hl_limit_necinnosti = 50;
    EXPECT_NO_THROW(napoveda());
    ASSERT_GE(videno.size(), 7u);
    std::string pred = videno[videno.size() - 7];
    for (int p = 0; p < NEJDAL_STRANKY; p += 5) cekane.push_back("help:" + std::to_string(p));
    for (int p = NEJDAL_STRANKY; p > 0 && cekane.back() != pred; p -= 5) cekane.push_back("help:" + std::to_string(p));
    cekane.insert(cekane.end(), {"wait", "gallery:1", "gallery:4", pred, "wait", "gallery:4"});
    EXPECT_EQ(videno, cekane);
    EXPECT_NE(pred, "help:0");
    std::string verze = std::string("Odraz, verze ") + ODRAZ_VERZE;   // at 465 on the screen
    EXPECT_TRUE(text_je_videt(s.get(), verze.c_str(), 320, NEJDAL_STRANKY + 465 - 80, BARVA_1));
}

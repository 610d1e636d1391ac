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
#include "ui/gallery.h"
#include "ui/help.h"
#include "ui/help_text.h"
#include "ui/window.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

BITMAPA stranka(int jaz)
{
    BITMAPA s = nova_bitmapa(SIRKA_STRANKY, VYSKA_STRANKY);
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
int prava_hrana_radku(const std::string& s)
{
    BITMAPA b = nova_bitmapa(800, 20);
    clear_to_color(b.get(), 0);
    vypis_zarovnane(b.get(), s.c_str(), 0, SIRKA_STRANKY, 0, BARVA_1, 150);
    return prava_hrana(b.get());
}

// The pointer rests below the viewport, then holds the left button at (x, y).
void drz(int x, int y, int pruchodu)
{
    hl_pridej({.x = 400, .y = 540, .b = 0, .pruchodu = 20});
    hl_pridej({.x = x, .y = y, .b = 1, .pruchodu = pruchodu});
    hl_pridej({.x = x, .y = y, .b = 0, .pruchodu = 1});
}

// The viewport holds the page from `pozice` down (row by row: the frames are many).
bool ukazuje_stranku(BITMAP* s, int pozice)
{
    int bajtu = (bitmap_color_depth(s) + 7) / 8;
    for (int j = 0; j < VYSKA_VYREZU; j++)
        if (std::memcmp(screen->line[80 + j] + 80 * bajtu, s->line[pozice + j], SIRKA_STRANKY * bajtu) != 0) return false;
    return true;
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
    for (int p = 0; p <= NEJDAL_STRANKY; p += 5)
        if (ukazuje_stranku(s, p)) return "help:" + std::to_string(p);
    return "help:?";
}

}  // namespace

class HelpPage : public Obrazovka {};
class HelpScreen : public Obrazovka {};

TEST_F(HelpPage, HeadingsCapsulesAndVersionSitWhereTheLayoutPutsThem)
{
    struct JAZYK {
        const TEXT_NAPOVEDY& text;
        std::vector<int> nadpisy;
        int prvni_rada;
        const char* bonus_1;
        const char* bonus_16;
        const char* verze;
    };
    const JAZYK jazyky[2] = {
        {NAPOVEDA_CZ, {0, 80, 160, 260, 420, 620, 720}, 825, "život +", "další úroveň", "Odraz, verze "},
        {NAPOVEDA_EN, {0, 60, 140, 260, 420, 600, 700}, 805, "live +", "next level", "Odraz, version "},
    };
    for (int j = 0; j < 2; j++) {
        BITMAPA s = stranka(j + 1);
        const JAZYK& l = jazyky[j];
        for (size_t i = 0; i < l.nadpisy.size(); i++)
            EXPECT_TRUE(text_je_videt(s.get(), l.text.oddily[i].nadpis, 0, l.nadpisy[i], BARVA_1, VLEVO)) << j << i;
        int y = l.prvni_rada;
        EXPECT_TRUE(text_je_videt(s.get(), l.bonus_1, 70, y + 6, BARVA_1, VLEVO)) << j;
        EXPECT_TRUE(text_je_videt(s.get(), l.bonus_16, 520, y + 96, BARVA_1, VLEVO)) << j;
        BITMAPA kapsle = nova_bitmapa(40, 30);
        clear_to_color(kapsle.get(), 0);
        draw_sprite(kapsle.get(), obr(bmp_bonus_01 + 10), 0, 0);
        EXPECT_TRUE(oblasti_shodne(s.get(), 320, y + 60, kapsle.get(), 0, 0, 40, 30)) << j;
        std::string verze = std::string(l.verze) + ODRAZ_VERZE;
        EXPECT_TRUE(text_je_videt(s.get(), verze.c_str(), 320, y + 130, BARVA_1)) << j;
    }
}

TEST_F(HelpPage, EveryLineStaysOnThePageAndBodyLinesFillIt)
{
    for (const TEXT_NAPOVEDY* t : {&NAPOVEDA_CZ, &NAPOVEDA_EN}) {
        for (const ODDIL_NAPOVEDY& o : t->oddily) {
            EXPECT_LT(prava_hrana_radku(o.nadpis), 400) << o.nadpis;
            for (size_t i = 0; i < o.radky.size(); i++) {
                for (int urovni : {1, POCET_DODANYCH_UROVNI, 999}) {
                    int hrana = prava_hrana_radku(radek_napovedy(*t, o.radky[i], urovni));
                    EXPECT_LT(hrana, SIRKA_STRANKY) << o.radky[i];
                    bool posledni = i + 1 == o.radky.size();
                    EXPECT_TRUE(posledni || hrana >= SIRKA_STRANKY - 6) << "not justified: " << o.radky[i];
                    EXPECT_TRUE(!posledni || hrana < SIRKA_STRANKY - 50) << "spread: " << o.radky[i];
                }
            }
        }
    }
    // The page speaks of the levels that really come with the game.
    BITMAPA s = stranka(1), radek = nova_bitmapa(SIRKA_STRANKY, 20);
    clear_to_color(radek.get(), 0);
    std::string editor = radek_napovedy(NAPOVEDA_CZ, NAPOVEDA_CZ.oddily[3].radky[0], POCET_DODANYCH_UROVNI);
    vypis_zarovnane(radek.get(), editor.c_str(), 0, SIRKA_STRANKY, 0, BARVA_1, 150);
    EXPECT_NE(editor.find(std::to_string(POCET_DODANYCH_UROVNI) + " úrovněmi"), std::string::npos);
    EXPECT_TRUE(oblasti_shodne(s.get(), 0, 285, radek.get(), 0, 0, SIRKA_STRANKY, 20));
    EXPECT_NE(radek_napovedy(NAPOVEDA_EN, NAPOVEDA_EN.oddily[3].radky[0], 1).find("with 1 level "), std::string::npos);
    for (int j : {1, 2}) {   // nothing of the page reaches past its right edge
        BITMAPA siroka = nova_bitmapa(800, VYSKA_STRANKY);
        j == 1 ? zobraz_napoveda_cz(siroka.get()) : zobraz_napoveda_en(siroka.get());
        EXPECT_LT(prava_hrana(siroka.get()), SIRKA_STRANKY);
    }
}

// Held ">>>" steps five pixels at a time to 570, where the version line sits near the viewport's
// bottom, and no further; held "<<<" takes it back to the top. Every frame shows the page at a step.
TEST_F(HelpScreen, HeldArrowsScrollFivePixelsAStepBetweenTheEnds)
{
    BITMAPA s = stranka(1);
    std::string verze = std::string("Odraz, verze ") + ODRAZ_VERZE;
    int pozice = 0, dolu = 0, nahoru = 0, jinych = 0;
    bool verze_videt = false;
    long long snimek = plat_cislo_snimku();
    hl_pri_vstupu([&](long long) {
        if (plat_cislo_snimku() == snimek) return;
        snimek = plat_cislo_snimku();
        if (pozice < NEJDAL_STRANKY && ukazuje_stranku(s.get(), pozice + 5)) pozice += 5, dolu++;
        else if (pozice > 0 && ukazuje_stranku(s.get(), pozice - 5)) pozice -= 5, nahoru++;
        else if (!ukazuje_stranku(s.get(), pozice)) jinych++;
        if (pozice == NEJDAL_STRANKY) verze_videt = verze_videt || text_je_videt(screen, verze.c_str(), 400, 465, BARVA_1);
    });
    drz(190, 562, 6 * 130);
    drz(90, 562, 6 * 130);
    hl_klik(710, 562);
    napoveda();
    EXPECT_EQ(dolu, 114);
    EXPECT_EQ(nahoru, 114);
    EXPECT_EQ(jinych, 0);
    EXPECT_TRUE(verze_videt);
}

TEST_F(HelpScreen, GalleryKeepsBothScrollPositionsAndItsOkLeavesTheHelpToo)
{
    PISKOVISTE p;
    for (int n = 1; n <= 10; n++) vytvor_uroven(n, n);
    pocet_kol = 10;
    BITMAPA s = stranka(1);
    std::vector<std::string> videno;
    long long snimek = plat_cislo_snimku();
    hl_pri_vstupu([&](long long) {
        if (plat_cislo_snimku() == snimek) return;
        snimek = plat_cislo_snimku();
        std::string v = co_ukazuje(s.get());
        if (videno.empty() || videno.back() != v) videno.push_back(v);
    });
    drz(190, 562, 6 * 10);   // some way down the page
    hl_klik(610, 562);       // "úrovně"
    drz(190, 562, 17 * 5);   // down the sheet as far as ten levels go: one row
    hl_klik(610, 562);       // "nápověda"
    hl_pridej({.x = 400, .y = 540, .pruchodu = 5});
    hl_klik(610, 562);       // the gallery again
    hl_klik(710, 562);       // its OK
    hl_limit_necinnosti = 50;
    EXPECT_NO_THROW(napoveda());
    ASSERT_GE(videno.size(), 8u);
    std::string pred = videno[videno.size() - 7];
    EXPECT_EQ(videno.front(), "help:0");
    EXPECT_NE(pred, "help:0");
    std::vector<std::string> konec(videno.end() - 7, videno.end());
    EXPECT_EQ(konec, (std::vector<std::string>{pred, "wait", "gallery:1", "gallery:4", pred, "wait", "gallery:4"}));
}

// The level gallery: scrolling by rows, captions, damaged level files, and rows drawn on demand that
// match the whole sheet of miniatures pixel for pixel.
#include "core/bitmap.h"
#include "core/globals.h"
#include "core/level_file.h"
#include "core/resources.h"
#include "platform/headless.h"
#include "support/game_setup.h"
#include "support/sandbox.h"
#include "support/screen_check.h"
#include "ui/gallery.h"
#include "ui/playfield.h"
#include "ui/window.h"

#include <climits>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

void uloz(int n, const UROVEN& u) { zapis_uroven(jmeno_urovne(n).c_str(), u); }

UROVEN plna(int typ, const char* autor)
{
    UROVEN u{};
    for (int& b : u.bunky) b = typ;
    std::strcpy(u.autor, autor);
    return u;
}

// Opens the gallery, holds an arrow for `pruchodu` passes when asked, and leaves by the button at x.
int projdi(int* pozice, int sipka_x, int pruchodu, int odchod_x)
{
    hl_reset();
    if (pruchodu) hl_pridej({.x = sipka_x, .y = 562, .b = 1, .pruchodu = pruchodu});
    hl_klik(odchod_x, 562);
    return galery(pozice);
}

bool popisek(const char* t, int x, int y, ZAROVNANI z = VLEVO) { return text_je_videt(screen, t, x, y, BARVA_1, z); }

// Tile k of the miniature in column c and row r of the viewport is the miniature brick of type `typ`.
bool dlazdice(int c, int r, int k, int typ)
{
    int x = 80 + 215 * c + 5 + 10 * (k % 20), y = 60 + 150 * r + 10 + 5 * (k / 20);
    return oblasti_shodne(screen, x, y, obr(bmp_minibrick_00 + typ), 0, 0, 10, 5);
}

}  // namespace

class Gallery : public Obrazovka {
protected:
    PISKOVISTE piskoviste;
};

// Each level has its framed miniature and a caption with its number and author, in both languages.
// Held arrows move a row at a time within the sheet: 610 pixels for ten levels give one row, the 310
// of four levels none, and the window shows below the sheet.
TEST_F(Gallery, CaptionsAndScrollingByRowsWithinTheSheet)
{
    for (int n = 1; n <= 10; n++) uloz(n, plna(n, n == 7 ? "Jana" : "Odraz"));
    pocet_kol = 10;
    int pozice = 0, ramecek = makecol(200, 200, 200);
    EXPECT_EQ(projdi(&pozice, 0, 0, 710), 1);
    EXPECT_TRUE(popisek("7 úroveň", 90, 484) && popisek("Jana", 280, 484, VPRAVO));
    EXPECT_EQ(pixelu_barvy(screen, 82, 367, 206, 1, ramecek), 206);   // frame top
    EXPECT_EQ(pixelu_barvy(screen, 82, 482, 206, 1, ramecek), 206);   // between miniature and caption
    EXPECT_EQ(pixelu_barvy(screen, 287, 367, 1, 134, ramecek), 134);  // right side down to the caption's end
    jazyk = 2;
    EXPECT_EQ(projdi(&pozice, 190, 17 * 6, 710), 1);
    EXPECT_EQ(pozice, 150);
    EXPECT_TRUE(popisek("4 level", 90, 184) && popisek("10 level", 90, 484));
    EXPECT_TRUE(popisek("7 level", 90, 334) && popisek("Jana", 280, 334, VPRAVO));
    EXPECT_EQ(projdi(&pozice, 90, 17 * 6, 610), -1);
    EXPECT_EQ(pozice, 0);
    EXPECT_TRUE(popisek("1 level", 90, 184) && dlazdice(0, 0, 0, 1) && dlazdice(2, 2, 439, 9));   // the top again
    uloz(7, plna(1, ""));
    pocet_kol = 7;
    projdi(&pozice, 0, 0, 710);
    EXPECT_TRUE(popisek("7 level", 90, 484));
    EXPECT_EQ(pixelu_barvy(screen, 180, 484, 100, 15, BARVA_1), 0);
    pocet_kol = 4;
    EXPECT_EQ(projdi(&pozice, 190, 17 * 6, 610), -1);
    EXPECT_EQ(pozice, 0);
    BITMAPA okno = nova_bitmapa(800, 600);
    kresli_pozadi_kola(POZADI_OBRAZOVKA, "", okno.get());
    na_okno(50, 50, 750, 520, okno.get());
    EXPECT_TRUE(oblasti_shodne(screen, 80, 370, okno.get(), 80, 370, 640, 140));
    EXPECT_EQ(pixelu_barvy(screen, 80, 360, 640, 10, 0), 6400);   // the sheet's black margin
    EXPECT_TRUE(popisek("4 level", 90, 334));
}

// Cells outside 0..10 show the empty tile, a short file keeps what it holds, a 13-letter name is cut
// at 12, and a level that cannot be opened ends the reading: the levels after it stay black.
TEST_F(Gallery, DamagedLevelsShowWhatTheyHoldAndAMissingOneEndsTheReading)
{
    UROVEN u = plna(3, "Ok");
    u.bunky[0] = 11, u.bunky[1] = -1, u.bunky[2] = INT_MIN, u.bunky[3] = 7;
    uloz(1, u);
    std::vector<unsigned char> b(VELIKOST_UROVNE);
    uroven_do_bajtu(plna(5, "Kratka"), b.data());
    zapis_bajty(jmeno_urovne(2).c_str(), std::string(b.begin(), b.begin() + 101));   // 25 cells and a byte
    uroven_do_bajtu(plna(2, ""), b.data());
    std::memcpy(&b[VELIKOST_MRIZKY], "ABCDEFGHIJKLM", MAX_JMENO);
    zapis_bajty(jmeno_urovne(3).c_str(), std::string(b.begin(), b.end()) + "and more");
    uloz(4, plna(4, "Ctvrta"));
    uloz(6, plna(6, "Sesta"));
    pocet_kol = 6;
    int pozice = 0;
    projdi(&pozice, 0, 0, 710);
    EXPECT_TRUE(dlazdice(0, 0, 0, 0) && dlazdice(0, 0, 1, 0) && dlazdice(0, 0, 2, 0));
    EXPECT_TRUE(dlazdice(0, 0, 3, 7) && dlazdice(0, 0, 439, 3));
    EXPECT_TRUE(dlazdice(1, 0, 24, 5) && dlazdice(1, 0, 25, 0) && dlazdice(1, 0, 439, 0));
    EXPECT_TRUE(popisek("2 úroveň", 305, 184) && popisek("ABCDEFGHIJKL", 710, 184, VPRAVO));
    EXPECT_TRUE(dlazdice(2, 0, 100, 2) && dlazdice(0, 1, 100, 4));
    EXPECT_EQ(pixelu_barvy(screen, 295, 210, 425, 150, 0), 425 * 150);   // levels 5 and 6
}

// Rows drawn as they come into view, down and up and from odd positions, match the whole sheet; below
// its end nothing is drawn.
TEST_F(Gallery, RowsDrawnOnDemandMatchTheWholeSheet)
{
    std::mt19937 los(11);
    for (int n = 1; n <= 35; n++) {
        UROVEN u = plna(0, n % 4 ? "Hrac" : "");
        for (int& c : u.bunky) c = static_cast<int>(los() % 11);
        uloz(n, u);
    }
    GALERIE g;
    nacti_galerii(&g, 40);   // 36 is missing: 14 rows, the last two black
    ASSERT_EQ(g.urovne.size(), 35u);
    ASSERT_EQ(g.vyska, 14 * 150 + 10);
    BITMAPA arch = nova_bitmapa(SIRKA_ARCHU, g.vyska), vyrez = nova_bitmapa(SIRKA_ARCHU, 450);
    clear_to_color(arch.get(), 0);
    for (int i = 0; i < 35; i++) kresli_uroven_galerie(arch.get(), 215 * (i % 3), 150 * (i / 3), i + 1, g.urovne[i]);
    int nic = makecol(255, 0, 255), konec = nejdal_archu(g.vyska);
    std::vector<int> pozice;
    for (int p = 0; p <= konec; p += 150) pozice.push_back(p);
    for (int p = konec; p >= 0; p -= 150) pozice.push_back(p);
    pozice.insert(pozice.end(), {75, 1900, 2100});
    for (int p : pozice) {
        clear_to_color(vyrez.get(), nic);
        vyrez_galerie(&g, p, vyrez.get(), 0, 0, 450);
        int videt = std::min(450, g.vyska - p);
        EXPECT_TRUE(oblasti_shodne(vyrez.get(), 0, 0, arch.get(), 0, p, SIRKA_ARCHU, videt)) << p;
        EXPECT_EQ(pixelu_barvy(vyrez.get(), 0, videt, SIRKA_ARCHU, 450 - videt, nic), SIRKA_ARCHU * (450 - videt)) << p;
    }
}

// The level editor through the headless driver: painting, the name field, its dialogs, saving as the
// next level file, editing it again, the messages when it cannot be saved, and trying the new level.
#include "core/binary_file.h"
#include "core/bitmap.h"
#include "core/globals.h"
#include "core/level_file.h"
#include "core/resources.h"
#include "levels/editor.h"
#include "levels/editor_dialogs.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "shell/game.h"
#include "shell/menu.h"
#include "support/game_setup.h"
#include "support/sandbox.h"
#include "support/screen_check.h"
#include "ui/window.h"
#include "world/bot.h"

#include <cstdlib>
#include <filesystem>
#include <functional>

namespace {

int x_sloupce(int c) { return 30 + 39 * c; }   // the middle of a cell
int y_radku(int r) { return 20 + 20 * r; }
void mimo() { hl_pridej({.x = 100, .y = 520, .b = 0, .pruchodu = 3}); }   // the pointer off every dialog
void paleta(int k) { hl_klik(100 + 60 * k, 475); }
void autor(const char* s) { for (hl_klik(460, 562); *s; s++) hl_stisk(KEY_A, *s); }   // the name field, typing
void uloz() { hl_klik(620, 562), mimo(), hl_klik(280, 310), mimo(), hl_klik(400, 310); }   // OK, OK, notice
void znovu() { hl_reset(), hl_limit_necinnosti = 500; }   // an editor that does not end fails quickly

// Presses on cell (c1, r), drags along the row to c2 one cell a pass, lets go.
void tah(int c1, int c2, int r)
{
    for (int d = c2 > c1 ? 1 : -1, c = c1; c != c2 + d; c += d) hl_pridej({.x = x_sloupce(c), .y = y_radku(r), .b = 1});
    hl_pridej({.b = 0});
}

// The w x h area at (x, y) of the screen shows what `kresli` draws there; by default the dialog's.
bool ukazuje(const std::function<void(BITMAP*)>& kresli, int x = 205, int y = 110, int w = 390, int h = 220)
{
    BITMAPA b = nova_bitmapa(800, 600);
    clear_bitmap(b.get());
    kresli(b.get());
    return oblasti_shodne(screen, x, y, b.get(), x, y, w, h);
}

std::vector<int> bunky(int n)
{
    UROVEN u;
    EXPECT_EQ(nacti_uroven(jmeno_urovne(n).c_str(), &u), CTENI_CELE);
    return std::vector<int>(u.bunky, u.bunky + POCET_BUNEK);
}

}  // namespace

class Editor : public Obrazovka {
protected:
    PISKOVISTE p;
    void SetUp() override { Obrazovka::SetUp(), znovu(); }
};

// A new level is saved under the first free number, which the dialogs give; "new" starts empty, and a
// number taken meanwhile is never overwritten. With every number up to 999 taken the editor only says so;
// a write that fails says so and keeps the grid, so that saving again works.
TEST_F(Editor, SavesAsTheFirstFreeNumberOrSaysWhyNot)
{
    for (int n = 1; n <= 5; n++) vytvor_uroven(n, 1);
    pocet_kol = 5;
    bool dotaz = false, oznameni = false;
    hl_pri_vstupu([&](long long) {
        dotaz = dotaz || ukazuje([](BITMAP* b) { pis_info(2, "Level/level_006.lvl", "Neuvedeno", 6, 5, b); });
        oznameni = oznameni || ukazuje([](BITMAP* b) { pis_info_2("Level/level_006.lvl", 6, 1, b); });
    });
    hl_klik(x_sloupce(3), y_radku(4));
    uloz();
    level_editor();
    EXPECT_TRUE(dotaz && oznameni);
    std::string cekane(VELIKOST_UROVNE, '\0');   // cell 83 holds 1, the name ends in zero bytes
    cekane[4 * 83] = 1;
    EXPECT_EQ(precti_bajty("Level/level_006.lvl"), cekane.replace(VELIKOST_MRIZKY, 9, "Neuvedeno"));
    EXPECT_EQ(std::pair(vytvorena, pocet_kol), std::pair(6, 6));

    std::filesystem::remove("Level/level_004.lvl");
    std::filesystem::remove("Level/level_006.lvl");
    znovu();
    hl_pri_vstupu([](long long) {
        if (ukazuje([](BITMAP* b) { pis_info(2, "Level/level_004.lvl", "Neuvedeno", 4, 5, b); })) vytvor_uroven(4, 9);
    });
    hl_klik(280, 310);   // "new" rather than the level saved last: an empty grid
    hl_klik(x_sloupce(0), y_radku(0));
    uloz();
    level_editor();
    EXPECT_EQ(bunky(4), std::vector<int>(POCET_BUNEK, 9));
    std::vector<int> m(POCET_BUNEK, 0);
    m[0] = 1;
    EXPECT_EQ(bunky(6), m);
    EXPECT_EQ(std::pair(vytvorena, pocet_kol), std::pair(6, 6));

    for (int n = 7; n <= POSLEDNI_UROVEN; n++) std::filesystem::copy_file("Level/level_006.lvl", jmeno_urovne(n));
    pocet_kol = POSLEDNI_UROVEN;
    vytvorena = 0;
    znovu();
    bool plno = false;
    hl_pri_vstupu([&](long long) { plno = plno || ukazuje([](BITMAP* b) { pis_hlaseni(DIALOG_PLNO, "", 1, b); }); });
    mimo();
    hl_klik(400, 310);
    level_editor();
    EXPECT_TRUE(plno);
    EXPECT_EQ(std::pair(vytvorena, pocet_kol), std::pair(0, POSLEDNI_UROVEN));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("Level"), {}), POSLEDNI_UROVEN);

    std::filesystem::remove("Level/level_999.lvl");
    std::filesystem::create_directories("Level/level_999.lvl.tmp/x");   // the file cannot be written
    pocet_kol = 998;
    znovu();
    int faze = 0;
    hl_pri_vstupu([&](long long) {
        if (faze == 0 && ukazuje([](BITMAP* b) { pis_hlaseni(DIALOG_NEULOZENO, "Level/level_999.lvl", 1, b); })) {
            faze = 1;
            EXPECT_EQ(std::pair(vytvorena, pocet_kol), std::pair(0, 998));
            std::filesystem::remove_all("Level/level_999.lvl.tmp");
            hl_klik(400, 310);
            uloz();   // the grid is still there: OK answers
        }
    });
    hl_klik(x_sloupce(5), y_radku(5));
    hl_klik(620, 562), hl_klik(280, 310), mimo();
    level_editor();
    EXPECT_EQ(faze, 1);
    EXPECT_EQ(bunky(999)[105], 1);
    EXPECT_EQ(std::pair(vytvorena, pocet_kol), std::pair(999, 999));
}

// Painting, the name field, saving; then "edit" reopens that level and overwrites it.
TEST_F(Editor, PaintingNamingAndEditingTheLevelSavedLast)
{
    bool videt = false;
    hl_pri_vstupu([&](long long) { videt = videt || text_je_videt(screen, "ABCDEFGHIJK", 400, 302, BARVA_1); });
    paleta(3);
    hl_klik(250, 475);   // between entries 2 and 3: still 3
    tah(2, 10, 5);
    paleta(0);
    tah(6, 4, 5);
    paleta(8);
    hl_pridej({.x = x_sloupce(0), .y = y_radku(21), .b = 1});   // one quick stroke up the column
    hl_pridej({.x = x_sloupce(0), .y = y_radku(15), .b = 1});
    hl_pridej({.b = 0});
    autor("");
    hl_stisk(KEY_ENTER, 13);      // nothing typed: nothing happens
    autor("ABCDEFGHIJKLM");       // the thirteenth is ignored
    hl_stisk(KEY_BACKSPACE, 8);
    hl_pridej({.pruchodu = 2});
    hl_stisk(KEY_ENTER, 13);
    uloz();
    level_editor();
    EXPECT_TRUE(videt);
    std::vector<int> m(POCET_BUNEK, 0);
    for (int c : {2, 3, 7, 8, 9, 10}) m[5 * 20 + c] = 3;
    for (int r = 15; r <= 21; r++) m[r * 20] = 8;
    EXPECT_EQ(bunky(1), m);
    EXPECT_EQ(precti_bajty("Level/level_001.lvl").substr(VELIKOST_MRIZKY), std::string("ABCDEFGHIJK\0\0", 13));

    znovu();
    bool volba = false;
    hl_pri_vstupu([&](long long) { volba = volba || ukazuje([](BITMAP* b) { pis_info(4, "", "", 1, 3, b); }); });
    mimo();
    hl_klik(400, 310);   // between the buttons: the choice stays open
    hl_klik(520, 310);   // edit
    hl_klik(x_sloupce(2), y_radku(2));
    uloz();
    level_editor();
    EXPECT_TRUE(volba);
    m[42] = 1;
    EXPECT_EQ(bunky(1), m);
    EXPECT_FALSE(soubor_existuje("Level/level_002.lvl"));
}

// A grid of grey bricks only cannot be saved, and leaving it warns; the name typed and accepted stays when
// the editor is left without saving. An empty grid leaves at once.
TEST_F(Editor, OnlyGreyBricksCannotBeSavedAndLeavingWarns)
{
    bool ok_zhasnute = false, varovani = false;
    hl_pri_vstupu([&](long long) {
        if (mys_x == 655 && mys_y == 572)
            ok_zhasnute = ukazuje([](BITMAP* b) { kresli_tlacitko(b, 580, 550, "OK", false); }, 580, 550, 70, 20);
        varovani = varovani || ukazuje([](BITMAP* b) { pis_info(3, "Level/level_001.lvl", "", 1, 5, b); });
    });
    paleta(10);
    tah(0, 19, 0);
    autor("Ab Cd");
    hl_stisk(KEY_ENTER, 13);
    autor("X");
    hl_stisk(KEY_ESC, 27);        // back to the name accepted last
    hl_pridej({.x = 655, .y = 572, .pruchodu = 3});
    hl_klik(655, 572);            // OK does not answer
    hl_klik(720, 562), mimo();
    hl_klik(520, 310);            // Cancel of the warning: back to drawing
    hl_klik(720, 562), hl_klik(280, 310);
    level_editor();
    EXPECT_TRUE(ok_zhasnute && varovani);
    EXPECT_FALSE(soubor_existuje("Level/level_001.lvl"));
    EXPECT_EQ(std::string(autor_jmeno, MAX_JMENO), std::string("Ab Cd\0\0\0\0\0\0\0\0", 13));

    znovu();
    hl_klik(720, 562);            // a question would wait for ever
    level_editor();
}

// A try starts with three lives and no score, even after a game that scored; losing the ball costs no
// life; the end-of-try box waits for a key, whatever the mouse does, and leads to the menu.
TEST_F(Editor, TriedLevelKeepsItsLivesAndEndsWithItsBox)
{
    hl_limit_necinnosti = 2000000;
    std::srand(3);
    UROVEN u{};
    u.bunky[9 * 20 + 9] = u.bunky[9 * 20 + 10] = 8;
    zapis_uroven("Level/level_002.lvl", u);
    pocet_kol = vytvorena = 2;
    nas[NAS_SKORE] = 500, nas[NAS_ZIVOTY] = 1;
    SIM_BOT bot;
    bot_start(&bot, 7, false);
    int faze = 0, nejmene_zivotu = 3, nejvic_skore = 0;
    long long box_v = 0;
    hl_pri_vstupu([&](long long n) {
        if (const KOLO* k = hrane_kolo) {
            nejmene_zivotu = std::min(nejmene_zivotu, nas[NAS_ZIVOTY]);
            nejvic_skore = std::max(nejvic_skore, nas[NAS_SKORE]);
            if (faze == 0 && hl_pocet(HL_SAMPLE, snd_ball_lost) > 0) faze = 1;
            SIM_VSTUP v = faze > 0 ? bot_tah(&bot, k)   // first away from the ball, then after it
                                   : SIM_VSTUP{k->pocet_kouli > 0 && k->koule[0]->x < 400 ? 700 : 10, true};
            hl_mys(v.mys_x, -1, v.tlacitko ? 1 : 0);
            return;
        }
        bool box = text_je_videt(screen, "KONEC ZKOUŠKY ÚROVNĚ", 400, 147, BARVA_1);
        if (faze == 1 && box) {
            faze = 2, box_v = n;
            hl_klik(280, 310), hl_klik(400, 500);
        } else if (faze == 2 && n > box_v + 10) {
            EXPECT_TRUE(box && HRAJE_SE == 1);   // the mouse did nothing
            hl_stisk(KEY_SPACE, ' ');
            hl_pridej({.x = 300, .y = 150, .b = 0, .pruchodu = 5});
            hl_klik(490, 285 + 25 * 9);
            faze = 3;
        }
    });
    hl_klik(490, 285 + 25 * 3);   // "Zkusit vytvořenou"
    EXPECT_EQ(menu(MENU_HLAVNI), STAV_KONEC);
    EXPECT_EQ(std::tuple(faze, nejmene_zivotu, HRAJE_SE, LEVEL), std::tuple(3, 3, 0, 2));
    EXPECT_LT(nejvic_skore, 500);
}

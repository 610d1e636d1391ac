// Every justified line of every dialog and message box, in both languages, printed with the game's font:
// the words stay apart and the line stays inside its panel.
#include "core/bitmap.h"
#include "core/globals.h"
#include "core/level_file.h"
#include "core/resources.h"
#include "levels/editor_dialogs.h"
#include "levels/try_level.h"
#include "shell/end_screens.h"
#include "support/game_setup.h"
#include "support/screen_check.h"
#include "ui/window.h"

#include <algorithm>
#include <string>

namespace {

// A box drawn on `b`; the bare panel under it in `pod` tells its text from the panel's own light pixels.
struct PLATNO {
    BITMAPA b, pod;
    PLATNO(int w, int h, int panel_x, int panel_y) : b(nova_bitmapa(w, h)), pod(nova_bitmapa(w, h))
    {
        for (BITMAP* c : {b.get(), pod.get()})
            clear_to_color(c, 0), blit(obr(bmp_dialog_panel), c, 0, 0, panel_x, panel_y, 390, 220);
    }
};

// The line printed at y shows a gap of 3 blank columns or more (a plain space; no gap inside a word is as
// wide) for each of its spaces, and no text right of `okraj`.
void over_radek(const PLATNO& p, int y, const std::string& text, int okraj)
{
    int mezer = 0, vpravo = -1, prazdnych = -1;   // blank columns since the last text, -1 before the first
    for (int x = 0; x < p.b->w; x++) {
        bool psano = false;
        for (int j = 0; j < text_height(font) && !psano; j++)
            psano = getpixel(p.b.get(), x, y + j) == BARVA_1 && getpixel(p.pod.get(), x, y + j) != BARVA_1;
        if (!psano) {
            prazdnych += prazdnych >= 0;
            continue;
        }
        mezer += prazdnych >= 3;
        prazdnych = 0;
        vpravo = x;
    }
    EXPECT_GE(mezer, std::count(text.begin(), text.end(), ' ')) << "words run together: " << text;
    EXPECT_GE(vpravo, 0) << "not printed: " << text;
    EXPECT_LT(vpravo, okraj) << "beyond its panel: " << text;
}

}  // namespace

class JustifiedLines : public Obrazovka {};

// The menu's confirmation names the chosen action in exactly these lines; the end-of-game boxes, the
// editor's dialogs and notices (with a short and a long level number) and the end of a try follow.
TEST_F(JustifiedLines, EveryDialogAndBoxInBothLanguages)
{
    const char* radky[2][4] = {
        {"Máte rozehranou hru. Stisknete-li Cancel, vrátíte se zpět",
         "k menu. Pokud ovšem potvrdíte volbu %s stiskem",
         "OK, o tuto hru přijdete. Můžete ji před tímto krokem uložit.", nullptr},
        {"You have opened a game. If you click on Cancel, you will be",
         "returned to menu. If you confirm the option %s",
         "by clicking on OK, you will loose this opened game. But",
         "you can of course save it before you decide to leave it."}};
    const struct { int kod; const char* nazev[2]; } akce[4] = {
        {POL_NOVA_HRA, {"Nová hra", "New game"}}, {POL_SPUSTIT_NACTENOU, {"Načíst hru", "Load game"}},
        {POL_ZKUSIT_VYTVORENOU, {"Zkusit vytvořenou", "Try creation"}}, {POL_KONEC, {"Konec hry", "End game"}}};
    for (jazyk = 1; jazyk <= 2; jazyk++) {
        for (auto& a : akce) {
            PLATNO p(800, 600, 205, 140), vzor(800, 600, 205, 140);
            zobraz_dotaz(a.kod, -1, p.b.get());
            EXPECT_TRUE(text_je_videt(p.b.get(), jazyk == 1 ? "POZOR" : "ATTENTION", 400, 147, BARVA_1));
            for (int r = 0; r < 4 && radky[jazyk - 1][r]; r++) {
                std::string t = radky[jazyk - 1][r];
                if (size_t i = t.find("%s"); i != std::string::npos) t.replace(i, 2, a.nazev[jazyk - 1]);
                int y = 190 + 20 * r;
                vypis_zarovnane(vzor.b.get(), t.c_str(), 230, 570, y, BARVA_1);
                EXPECT_TRUE(oblasti_shodne(p.b.get(), 205, y, vzor.b.get(), 205, y, 390, 18)) << t;
                over_radek(p, y, t, 595);
            }
        }
        for (int druh = 0; druh < POCET_ZPRAV_KONCE; druh++) {
            PLATNO p(800, 220, 0, 0);   // wider than the box: nothing is cut off
            kresli_zpravu(zprava_konce(druh), p.b.get());
            for (const RADEK_ZPRAVY& r : zprava_konce(druh).radky)
                if (r.text) over_radek(p, r.y, r.text, 390);
        }
        for (int n : {6, 999}) {
            std::string soubor = jmeno_urovne(n);
            for (int druh = DIALOG_JMENO; druh <= DIALOG_NEULOZENO; druh++) {
                PLATNO p(800, 600, 205, 110);
                if (druh <= DIALOG_NOVA_NEBO_EDIT) pis_info(druh, soubor.c_str(), "Jan Novak", n, 3, p.b.get());
                else if (druh == DIALOG_NOVA_UROVEN) pis_info_2(soubor.c_str(), n, 1, p.b.get());
                else pis_hlaseni(druh, soubor.c_str(), 1, p.b.get());
                for (const RADEK_DIALOGU& r : radky_dialogu(druh, soubor.c_str(), n)) over_radek(p, r.y, r.text, 595);
            }
            PLATNO p(800, 220, 0, 0);
            kresli_konec_zkousky(soubor.c_str(), p.b.get());
            for (const RADEK_DIALOGU& r : radky_konce_zkousky(soubor.c_str())) over_radek(p, r.y, r.text, 390);
        }
    }
}

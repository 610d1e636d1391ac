// Every justified line of every dialog and message box, in both languages, printed with the game's font:
// the words stay apart and the line stays inside its panel.
#include "core/globals.h"
#include "core/resources.h"
#include "levels/editor_dialogs.h"
#include "levels/try_level.h"
#include "shell/end_screens.h"
#include "support/game_setup.h"
#include "ui/window.h"

#include <algorithm>
#include <string>

namespace {

constexpr int VIDITELNA_MEZERA = 3;   // pixels: a plain space; no gap inside a word is as wide

struct VYTISK {
    int mezer = 0;      // gaps between words
    int vpravo = -1;    // the rightmost column with text
};

// Measures the line printed at y: text is what `b` shows in BARVA_1 where the bare panel `pod` does not.
VYTISK zmer(BITMAP* b, BITMAP* pod, int y)
{
    VYTISK v;
    int prazdnych = -1;   // blank columns since the last text, -1 before the first
    for (int x = 0; x < b->w; x++) {
        bool text = false;
        for (int j = 0; j < text_height(font) && !text; j++)
            text = getpixel(b, x, y + j) == BARVA_1 && getpixel(pod, x, y + j) != BARVA_1;
        if (!text) {
            if (prazdnych >= 0) prazdnych++;
            continue;
        }
        if (prazdnych >= VIDITELNA_MEZERA) v.mezer++;
        prazdnych = 0;
        v.vpravo = x;
    }
    return v;
}

struct PLATNO {
    BITMAP* b;
    BITMAP* pod;
    PLATNO(int w, int h, int panel_x, int panel_y) : b(create_bitmap(w, h)), pod(create_bitmap(w, h))
    {
        for (BITMAP* c : {b, pod}) {
            clear_to_color(c, 0);
            blit(obr(bmp_dialog_panel), c, 0, 0, panel_x, panel_y, 390, 220);
        }
    }
    ~PLATNO()
    {
        destroy_bitmap(b);
        destroy_bitmap(pod);
    }
};

void over_radek(const PLATNO& p, int y, const std::string& text, int prave_okraj)
{
    VYTISK v = zmer(p.b, p.pod, y);
    EXPECT_GE(v.mezer, std::count(text.begin(), text.end(), ' ')) << "words run together: " << text;
    EXPECT_GE(v.vpravo, 0) << "not printed: " << text;
    EXPECT_LT(v.vpravo, prave_okraj) << "beyond its panel: " << text;
}

}  // namespace

class JustifiedLines : public Obrazovka {};

TEST_F(JustifiedLines, MenuConfirmationForEveryAction)
{
    const char* cz[3] = {"Máte rozehranou hru. Stisknete-li Cancel, vrátíte se zpět",
                         "k menu. Pokud ovšem potvrdíte volbu %s stiskem",
                         "OK, o tuto hru přijdete. Můžete ji před tímto krokem uložit."};
    const char* en[4] = {"You have opened a game. If you click on Cancel, you will be",
                         "returned to menu. If you confirm the option %s",
                         "by clicking on OK, you will loose this opened game. But",
                         "you can of course save it before you decide to leave it."};
    const std::pair<int, std::pair<const char*, const char*>> akce[4] = {
        {POL_NOVA_HRA, {"Nová hra", "New game"}}, {POL_SPUSTIT_NACTENOU, {"Načíst hru", "Load game"}},
        {POL_ZKUSIT_VYTVORENOU, {"Zkusit vytvořenou", "Try creation"}}, {POL_KONEC, {"Konec hry", "End game"}}};
    for (jazyk = 1; jazyk <= 2; jazyk++)
        for (auto [a, nazev] : akce) {
            PLATNO p(800, 600, 205, 140);
            zobraz_dotaz(a, -1, p.b);
            for (int r = 0; r < (jazyk == 1 ? 3 : 4); r++) {
                std::string t = jazyk == 1 ? cz[r] : en[r];
                if (size_t i = t.find("%s"); i != std::string::npos) t.replace(i, 2, jazyk == 1 ? nazev.first : nazev.second);
                over_radek(p, 190 + 20 * r, t, 595);
            }
        }
}

TEST_F(JustifiedLines, EndOfGameBoxes)
{
    for (jazyk = 1; jazyk <= 2; jazyk++)
        for (int druh = 0; druh < POCET_ZPRAV_KONCE; druh++) {
            PLATNO p(800, 220, 0, 0);   // wider than the box: nothing is cut off
            const ZPRAVA& z = zprava_konce(druh);
            kresli_zpravu(z, p.b);
            for (const RADEK_ZPRAVY& r : z.radky)
                if (r.text) over_radek(p, r.y, r.text, 390);
        }
}

TEST_F(JustifiedLines, EditorDialogsNoticesAndTheEndOfATry)
{
    for (jazyk = 1; jazyk <= 2; jazyk++)
        for (int n : {6, 999}) {
            std::string soubor = n == 6 ? "Level/level_006.lvl" : "Level/level_999.lvl";
            for (int druh = DIALOG_JMENO; druh <= DIALOG_NEULOZENO; druh++) {
                PLATNO p(800, 600, 205, 110);
                if (druh <= DIALOG_NOVA_NEBO_EDIT) pis_info(druh, soubor.c_str(), "Jan Novak", n, 3, p.b);
                else if (druh == DIALOG_NOVA_UROVEN) pis_info_2(soubor.c_str(), n, 1, p.b);
                else pis_hlaseni(druh, soubor.c_str(), 1, p.b);
                for (const RADEK_DIALOGU& r : radky_dialogu(druh, soubor.c_str(), n)) over_radek(p, r.y, r.text, 595);
            }
            PLATNO p(800, 220, 0, 0);
            kresli_konec_zkousky(soubor.c_str(), p.b);
            for (const RADEK_DIALOGU& r : radky_konce_zkousky(soubor.c_str())) over_radek(p, r.y, r.text, 390);
        }
}

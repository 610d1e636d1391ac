// Boxes between rounds and the screens that close a game and record it among the best games.
#include "shell/end_screens.h"

#include "core/bitmap.h"
#include "core/globals.h"
#include "core/resources.h"
#include "levels/try_level.h"
#include "persist/best_games.h"
#include "platform/platform.h"
#include "shell/game.h"
#include "ui/screen_loop.h"
#include "ui/text.h"
#include "ui/window.h"

#include <cstdio>

// The 240 x 60 box with one line of text.
static BITMAPA mala_hlaska(const char* text)
{
    BITMAPA b = nova_bitmapa(240, 60);
    na_okno(0, 0, 240, 60, b.get());
    textprintf_centre_ex(b.get(), font, 120, 23, BARVA_1, -1, "%s", text);
    return b;
}

void hlaska_kolo(int level, BITMAP* cil)
{
    char text[48];
    std::snprintf(text, sizeof text, "%s  %d", tx({"Ú R O V E Ň", "L E V E L"}), level);
    blit(mala_hlaska(text).get(), cil, 0, 0, 280, 230, 240, 60);
}

static const ZPRAVA VITEZSTVI[2] = {
    {"GRATULUJI VÍTĚZÍTE",
     {{50, "V tuto chvíly nejsou jiné úrovně k dispozici. Můžete ovšem"},
      {70, "použít editor úrovní a nějaké další si dotvořit. Také zkuste"},
      {90, "domovské stránky hry, kde už třeba bude verze hry s více"},
      {110, "úrovněmi, než obsahuje tato Vaše."}}},
    {"YOU ARE VICTORIOUS",
     {{70, "There are any other levels in the moment. You can use"},
      {90, "level editor to create some. Visit the home page of the"},
      {110, "game, where can be a version with more levels than your."}}},
};

static const ZPRAVA CHYBA_HRY[2] = {
    {"CHYBA HRY",
     {{70, "Váš počítač zřejmě nebyl schopen poskytnout požadující"},
      {90, "výkon, nebo se vyskytla jiná chyba ve hře. Můžete zkusit"},
      {110, "hrát znovu a nebo vyzkoušet hru na jiném počítači."}}},
    {"GAME ERROR",
     {{70, "Your PC was not able to provide sufficient delivery, or"},
      {90, "there is any other game error. You can try play the game"},
      {110, "again or try it on other PC."}}},
};

static const ZPRAVA CHYBA_SOUBORU[2] = {
    {"CHYBA HRY",
     {{50, "Zřejmě došlo k vymazání nebo poškození souborů s levely."},
      {70, "Zkuste zkontrolovat, zda level soubory existují, případně"},
      {90, "je obnovte reinstalací hry. Level soubory by se měli"},
      {110, "nacházet v adresáři Level, jenž je součástí hlavního"},
      {130, "adresáře hry."}}},
    {"GAME ERROR",
     {{60, "Files with levels must have been deleted or damaged."},
      {80, "Try to control this files, eventually recreate them by"},
      {100, "reinstalling the game. Levels files are in directory Level."}}},
};

const ZPRAVA& zprava_konce(int druh)
{
    static const ZPRAVA* const ZPRAVY[POCET_ZPRAV_KONCE] = {VITEZSTVI, CHYBA_HRY, CHYBA_SOUBORU};
    return ZPRAVY[druh][jazyk == 1 ? 0 : 1];
}

void kresli_zpravu(const ZPRAVA& z, BITMAP* cil)
{
    blit(obr(bmp_dialog_panel), cil, 0, 0, 0, 0, 390, 220);
    textprintf_centre_ex(cil, font, 195, 7, BARVA_1, -1, "%s", z.nadpis);
    for (const RADEK_ZPRAVY& r : z.radky)
        if (r.text) vypis_zarovnane(cil, r.text, 25, 365, r.y, BARVA_1);
    textprintf_centre_ex(cil, font, 195, 192, BARVA_1, -1, "%s", tx({"stiskněte libovolnou klávesu", "press any key"}));
}

// The message box at (205, 140); then waits for a key and leaves it in the buffer.
static void zprava_a_klavesa(int druh)
{
    {
        BITMAPA b = nova_bitmapa(390, 220);
        kresli_zpravu(zprava_konce(druh), b.get());
        plat_ukaz(b.get(), 0, 0, 205, 140, 390, 220);
    }
    plat_vyprazdni_klavesy();
    cekej_na_klavesu();
}

int game_next()
{
    if (MOD_HRY == MOD_ZKUSEBNI) {     // a tried level ends with its win
        konec_zkousky();
        return ZNOVU_MENU;
    }
    LEVEL++;
    return DALSI_KOLO;
}

int game_over()
{
    plat_ukaz(mala_hlaska(tx({"K O N E C  H R Y", "G A M E  O V E R"})).get(), 0, 0, 280, 200, 240, 60);
    plat_rest(1500);
    HRAJE_SE = 0;
    if (zapis_score(0) == 1) nej_score();
    return ZNOVU_MENU;
}

int game_winner()
{
    zprava_a_klavesa(ZPRAVA_VITEZSTVI);
    HRAJE_SE = 0;
    if (zapis_score(1) == 1) nej_score();
    return ZNOVU_MENU;
}

int game_error()
{
    zprava_a_klavesa(ZPRAVA_CHYBA_HRY);
    HRAJE_SE = 0;
    return ZNOVU_MENU;
}

int game_error_soubor()
{
    zprava_a_klavesa(ZPRAVA_CHYBA_SOUBORU);
    HRAJE_SE = 0;
    return ZNOVU_MENU;
}

// A scripted session of the whole program through the headless driver, for memcheck: start-up, the best
// games, help and its gallery, the editor saving a level that is then tried, a game won by the bot with
// the in-game menu and a save on the way, that save loaded and played on, a game lost on purpose, the end
// screens with the name entry, and the way out.
//   odraz_session          (ends with 0 when the whole plan was played; see valgrind_session)
#include "core/globals.h"
#include "core/level_file.h"
#include "platform/headless.h"
#include "shell/game.h"
#include "shell/startup.h"
#include "support/headless_game.h"
#include "support/sandbox.h"
#include "support/screen_check.h"
#include "ui/window.h"
#include "world/bot.h"
#include "world/round.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// What the player picks at each visit of a menu, in order. The screens an item opens are answered
// below as they appear.
const std::vector<int> PLAN_MENU = {
    POL_NEJLEPSI, POL_NAPOVEDA, POL_EDITOR, POL_ZKUSIT_VYTVORENOU, POL_NOVA_HRA, POL_NACIST,
    POL_SPUSTIT_NACTENOU, POL_NOVA_HRA, POL_KONEC,
};
const std::vector<int> PLAN_VE_HRE = {POL_ULOZIT, POL_POKRACOVAT};

struct SEZENI {
    size_t menu = 0, ve_hre = 0;
    int her = 0, uroven = 0, kol = 0, jmen = 0, tabulek = 0;
    int napoveda = 0, editor = 0, ulozeni = 0, nacteni = 0, zkousek = 0;
    bool prohrava = false, esc = false, jmeno = false;
    SIM_BOT bot{};
    long long akce_v = -1000;
};

bool vidi(const char* text, int y, int x = 400)
{
    return text_je_videt(screen, text, x, y, BARVA_1) || text_je_videt(screen, text, x, y, BARVA_2);
}
bool vidi_menu() { return vidi("Editor úrovní", 376); }
// A click, then the pointer out of the way of every text the session looks for.
void klik(int x, int y)
{
    hl_klik(x, y);
    hl_pridej({.x = 20, .y = 590, .pruchodu = 2});
}
void vyber(int polozka) { klik(450, 285 + 25 * polozka); }

void v_kole(SEZENI* s, const KOLO* k)
{
    if (LEVEL != s->uroven) {
        s->uroven = LEVEL;
        s->kol++;
        bot_start(&s->bot, 3, true);
        if (LEVEL == 2 && !s->esc) {        // the in-game menu once, in the first game
            s->esc = true;
            hl_stisk(KEY_ESC, 27);
            hl_drz(KEY_ESC, true);
            return;
        }
    }
    hl_drz(KEY_ESC, false);
    if (s->prohrava) {
        hl_mys(k->pocet_kouli > 0 && k->koule[0]->x < 400 ? 700 : 10, -1, 1);
        return;
    }
    SIM_VSTUP v = bot_tah(&s->bot, k);
    hl_mys(v.mys_x, -1, v.tlacitko ? 1 : 0);
}

// The editor: a stroke of bricks in row 4, OK, the save dialog's OK, then the notice's OK.
void editor(SEZENI* s)
{
    if (vidi("CO CHCETE DĚLAT", 117) || vidi("NOVÁ ÚROVEŇ", 117)) {
        klik(vidi("NOVÁ ÚROVEŇ", 117) ? 400 : 280, 309);
    } else if (s->editor++ == 0) {
        for (int x : {100, 200, 300}) hl_pridej({.x = x, .y = 100, .b = x < 300, .pruchodu = 3});
        klik(620, 562);
    }
}

void z_menu(SEZENI* s)
{
    int p = PLAN_MENU[s->menu++];
    if (p == POL_NOVA_HRA || p == POL_SPUSTIT_NACTENOU || p == POL_ZKUSIT_VYTVORENOU) {
        s->prohrava = p == POL_NOVA_HRA && s->her++ > 0;
        s->uroven = 0;
        s->jmeno = false;
    }
    vyber(p);
}

void odpovez(SEZENI* s, long long pruchod)
{
    if (pruchod - s->akce_v < 25) return;
    s->akce_v = pruchod;
    hl_drz(KEY_ESC, false);
    if (vidi("Zadejte své jméno", 268)) {
        if (!s->jmeno) for (char c : std::string("Val\r")) hl_stisk(c == '\r' ? KEY_ENTER : KEY_A, c);
        s->jmen += !s->jmeno;
        s->jmeno = true;
    } else if (vidi("N E J L E P Š Í   H R Y", 47)) {
        klik(400, 560);
        s->tabulek++;
    } else if (vidi("GRATULUJI VÍTĚZÍTE", 147) || vidi("KONEC ZKOUŠKY ÚROVNĚ", 147)) {
        s->zkousek += vidi("KONEC ZKOUŠKY ÚROVNĚ", 147);
        hl_stisk(KEY_SPACE, ' ');
    } else if (vidi("U L O Ž I T   H R U", 47)) {   // the first row, named, then OK
        int krok = s->ulozeni++;
        if (krok == 0) klik(400, 104);
        if (krok == 1) for (char c : std::string("Val\r")) hl_stisk(c == '\r' ? KEY_ENTER : KEY_A, c);
        if (krok == 2) klik(240, 562);
    } else if (vidi("N A Č Í S T   H R U", 47)) {   // the first row, then OK
        bool prvni = s->nacteni++ == 0;
        klik(prvni ? 400 : 240, prvni ? 104 : 562);
    } else if (vidi("nápověda", 555, 610)) {          // the gallery's help button, back to help
        klik(610, 562);
    } else if (vidi("úrovně", 555, 610)) {            // help: first its gallery, then OK
        klik(s->napoveda++ == 0 ? 610 : 710, 562);
    } else if (vidi("Jméno autora", 527, 105)) {
        editor(s);
    } else if (vidi_menu() && hrane_kolo && s->ve_hre < PLAN_VE_HRE.size()) {
        vyber(PLAN_VE_HRE[s->ve_hre++]);
    } else if (vidi_menu() && !hrane_kolo && s->menu < PLAN_MENU.size()) {
        z_menu(s);
    }
}

}  // namespace

int main()
{
    spust_headless(nullptr);
    PISKOVISTE p(S_DATY | S_HUDBOU);
    for (int n = 1; n <= 2; n++) {
        UROVEN u{};
        for (int i = 0; i < 4; i++) u.bunky[9 * SLOUPCU + 8 + i] = 1 + i + n;
        std::strcpy(u.autor, "Session");
        zapis_uroven(jmeno_urovne(n).c_str(), u);
    }
    SEZENI s;
    hl_limit_necinnosti = 20000000;
    hl_pri_vstupu([&s](long long pruchod) {
        bool obrazovka_ve_hre = vidi_menu() || vidi("U L O Ž I T   H R U", 47);   // opened from a round
        if (hrane_kolo && !obrazovka_ve_hre) v_kole(&s, hrane_kolo);
        else odpovez(&s, pruchod);
    });
    int vysledek = -1;
    try {
        vysledek = hlavni();
    } catch (const HL_KONEC_SKRIPTU&) {
        std::printf("session stuck: menu visit %zu, in-game pick %zu, game %d\n", s.menu, s.ve_hre, s.her);
    }
    bool cely = vysledek == 0 && s.menu == PLAN_MENU.size() && s.ve_hre == PLAN_VE_HRE.size() && s.jmen == 3 &&
                s.zkousek == 1 && s.ulozeni >= 3 && s.nacteni >= 2 && s.napoveda >= 2;
    std::printf("session: %zu of %zu menu visits, %zu of %zu in-game picks, %d games, %d rounds, %d names, "
                "%d table screens, exit %d\n", s.menu, PLAN_MENU.size(), s.ve_hre, PLAN_VE_HRE.size(), s.her, s.kol,
                s.jmen, s.tabulek, vysledek);
    ukonci_headless();
    std::printf("%s\n", cely ? "1 passed, 0 failed" : "0 passed, 1 failed");
    return cely ? 0 : 1;
}

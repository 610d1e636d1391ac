// A scripted session of the whole program through the headless driver, for memcheck: start-up, every
// screen the main menu opens, a game won by the bot with the in-game menu and a save on the way, a game
// lost on purpose, the end screens with the name entry and the best games, and the way out.
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
// below as they appear; a screen that needs more than that gets its own answer there.
const std::vector<int> PLAN_MENU = {
    POL_NEJLEPSI, POL_NAPOVEDA, POL_EDITOR, POL_NACIST, POL_NOVA_HRA, POL_NOVA_HRA, POL_KONEC,
};
const std::vector<int> PLAN_VE_HRE = {POL_ULOZIT, POL_POKRACOVAT};

struct SEZENI {
    size_t menu = 0, ve_hre = 0;
    int her = 0, uroven = 0, kol = 0, jmen = 0, tabulek = 0;
    bool prohrava = false, esc = false, jmeno = false;
    SIM_BOT bot{};
    long long akce_v = -1000;
};

bool vidi(const char* text, int y) { return text_je_videt(screen, text, 400, y, BARVA_1); }
bool vidi_menu() { return vidi("Editor úrovní", 376) || text_je_videt(screen, "Editor úrovní", 400, 376, BARVA_2); }
void vyber(int polozka) { hl_klik(450, 285 + 25 * polozka); }

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

void odpovez(SEZENI* s, long long pruchod)
{
    if (pruchod - s->akce_v < 25) return;
    s->akce_v = pruchod;
    hl_drz(KEY_ESC, false);
    if (vidi("Zadejte své jméno", 268)) {
        if (!s->jmeno) for (char c : std::string("Val")) hl_stisk(KEY_A, c);
        if (!s->jmeno) hl_stisk(KEY_ENTER, 13);
        s->jmen += !s->jmeno;
        s->jmeno = true;
    } else if (vidi("N E J L E P Š Í   H R Y", 47)) {
        hl_klik(400, 560);
        s->tabulek++;
    } else if (vidi("GRATULUJI VÍTĚZÍTE", 147)) {
        hl_stisk(KEY_SPACE, ' ');
    } else if (vidi_menu() && hrane_kolo && s->ve_hre < PLAN_VE_HRE.size()) {
        vyber(PLAN_VE_HRE[s->ve_hre++]);
    } else if (vidi_menu() && !hrane_kolo && s->menu < PLAN_MENU.size()) {
        int p = PLAN_MENU[s->menu++];
        if (p == POL_NOVA_HRA) {
            s->prohrava = s->her++ > 0;
            s->uroven = 0;
            s->jmeno = false;
        }
        vyber(p);
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
        if (hrane_kolo && !vidi_menu()) v_kole(&s, hrane_kolo);
        else odpovez(&s, pruchod);
    });
    int vysledek = hlavni();
    bool cely = vysledek == 0 && s.menu == PLAN_MENU.size() && s.ve_hre == PLAN_VE_HRE.size() && s.jmen == 2;
    std::printf("session: %zu of %zu menu visits, %zu of %zu in-game picks, %d games, %d rounds, %d names, "
                "%d table screens, exit %d\n", s.menu, PLAN_MENU.size(), s.ve_hre, PLAN_VE_HRE.size(), s.her, s.kol,
                s.jmen, s.tabulek, vysledek);
    ukonci_headless();
    std::printf("%s\n", cely ? "1 passed, 0 failed" : "0 passed, 1 failed");
    return cely ? 0 : 1;
}

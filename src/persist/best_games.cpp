// The best-games screens: the name entry after a finished game and the table itself.
#include "persist/best_games.h"

#include "core/globals.h"
#include "core/resources.h"
#include "platform/platform.h"
#include "sound/sound.h"
#include "ui/name_field.h"
#include "ui/playfield.h"
#include "ui/screen_loop.h"
#include "ui/text.h"
#include "ui/window.h"
#include "world/objects.h"

#include <cstring>

static const char SOUBOR_NEJ[] = "n_score.ddt";

// A score equal to an entry's goes above it; the twentieth entry falls out.
int zaradit_skore(NEJ_SCORE* tabulka, int skore, int level)
{
    if (skore <= 0) return -1;
    int i = 0;
    while (i < POCET_NEJ && skore < tabulka[i].skore) i++;
    if (i == POCET_NEJ) return -1;
    for (int j = POCET_NEJ - 1; j > i; j--) tabulka[j] = tabulka[j - 1];
    tabulka[i].skore = skore;
    tabulka[i].level = level;
    std::memset(tabulka[i].jmeno, 0, MAX_JMENO);
    return i;
}

// Esc does nothing here: a place in the table always gets a name.
void pis_jmeno_u(int* pozice, char* jmeno, int* hotovo)
{
    if (klavesa_jmena(pozice, jmeno) == JMENO_ENTER) *hotovo = 1;
}

// No pointer, and the music waits while the name is typed.
static void zadej_jmeno(char* jmeno)
{
    int pozice = 0, hotovo = 0;
    OBRAZOVKA o;
    o.mys = o.hudba = false;
    spust_obrazovku(
        &o,
        [&](OBRAZOVKA* s) {
            char pred[MAX_JMENO];
            std::memcpy(pred, jmeno, MAX_JMENO);
            pis_jmeno_u(&pozice, jmeno, &hotovo);
            s->zmena = std::memcmp(pred, jmeno, MAX_JMENO) != 0;
            s->konec = hotovo != 0;
        },
        [&](BITMAP* b) {
            kresli_pozadi_kola(POZADI_OBRAZOVKA, "", b);
            na_okno(260, 250, 540, 330, b);
            textprintf_centre_ex(b, font, 400, 268, BARVA_1, -1, "%s", tx({"Zadejte své jméno", "Enter your name"}));
            textprintf_centre_ex(b, font, 400, 300, BARVA_1, -1, "%s", jmeno);
        });
}

int zapis_score(int vitez)
{
    NEJ_SCORE tabulka[POCET_NEJ];
    cti_tabulku(SOUBOR_NEJ, tabulka);
    int i = zaradit_skore(tabulka, nas[NAS_SKORE], LEVEL - vitez);
    if (i < 0) return 0;
    zadej_jmeno(tabulka[i].jmeno);
    zapis_tabulku(SOUBOR_NEJ, tabulka);
    std::memcpy(sampion_jmeno, tabulka[0].jmeno, MAX_JMENO);
    return 1;
}

static constexpr TLACITKO TLACITKO_OK[] = {{1, 360, 550, {"OK", "OK"}}};

int urci_cursor_s(int x, int y) { return tlacitko_na(TLACITKO_OK, x, y, -1); }

// A cell of 20x20 bar pieces: left end, middles, right end.
static void bunka(BITMAP* cil, int x, int kusu, int y)
{
    BITMAP* b = obr(bmp_bar_pieces);
    for (int k = 0; k < kusu; k++) {
        int s = k == 0 ? 0 : k == kusu - 1 ? 80 : 40;
        blit(b, cil, s, 0, x + 20 * k, y, 20, 20);
    }
}

static void radek_tabulky(BITMAP* cil, int y)
{
    bunka(cil, 166, 2, y);
    bunka(cil, 208, 10, y);
    bunka(cil, 410, 4, y);
    bunka(cil, 492, 7, y);
}

void zobraz_nej_score(const NEJ_SCORE* tabulka, int cursor, int pocet, BITMAP* cil)
{
    BITMAP* b = obr(bmp_bar_pieces);
    for (int x = 164; x <= 624; x += 10) blit(b, cil, x == 164 ? 0 : x == 624 ? 90 : 40, 0, x, 45, 10, 20);
    textprintf_centre_ex(cil, font, 400, 47, BARVA_1, -1, "%s",
                         tx({"N E J L E P Š Í   H R Y", "T H E   B E S T   G A M E S"}));
    radek_tabulky(cil, 70);
    textprintf_ex(cil, font, 228, 72, BARVA_1, -1, "%s", tx({"Jméno hráče", "Name"}));
    textprintf_right_ex(cil, font, 472, 72, BARVA_1, -1, "%s", tx({"Úroveň", "Level"}));
    textprintf_right_ex(cil, font, 614, 72, BARVA_1, -1, "%s", tx({"Skóre", "Score"}));
    for (int r = 0; r < pocet; r++) {
        int y = 97 + 22 * r;
        radek_tabulky(cil, 95 + 22 * r);
        textprintf_right_ex(cil, font, 193, y, BARVA_1, -1, "%d", r + 1);
        textprintf_ex(cil, font, 228, y, BARVA_1, -1, "%s", tabulka[r].jmeno);
        textprintf_right_ex(cil, font, 472, y, BARVA_1, -1, "%d", tabulka[r].level);
        textprintf_right_ex(cil, font, 614, y, BARVA_1, -1, "%d", tabulka[r].skore);
    }
    kresli_tlacitka(cil, TLACITKO_OK, cursor);
}

int nej_score()
{
    NEJ_SCORE tabulka[POCET_NEJ];
    cti_tabulku(SOUBOR_NEJ, tabulka);
    int cursor = -1;
    OBRAZOVKA o;
    spust_obrazovku(
        &o,
        [&](OBRAZOVKA* s) {
            cursor = urci_cursor_s(mys_x, mys_y);
            s->konec = s->klik == KLIK_PUSTIL && cursor == 1;
        },
        [&](BITMAP* b) {
            kresli_pozadi_kola(POZADI_OBRAZOVKA, "", b);
            zobraz_nej_score(tabulka, cursor, POCET_NEJ, b);
        });
    return 0;
}

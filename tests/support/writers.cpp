// The game's writers: settings at exit, the best games after a name is typed, the saved games, a level.
#include "support/writers.h"

#include "core/globals.h"
#include "core/level_file.h"
#include "persist/best_games_file.h"
#include "persist/save_file.h"
#include "shell/settings_file.h"
#include "sound/sound.h"

#include <cstring>

namespace {

bool nastaveni(int v)
{
    volume_zvuk = v ? 17 : 200;
    volume_hudba = v ? 255 : 200;
    nastav_midi = v ? 2 : 10;
    jazyk = v ? 2 : 1;
    std::memset(autor_jmeno, 0, MAX_JMENO);
    std::strcpy(autor_jmeno, v ? "Nova" : "Neuvedeno");
    return zapis_nastaveni("setdat.ddt");
}

bool nejlepsi(int v)
{
    NEJ_SCORE t[POCET_NEJ];
    prazdna_tabulka(t);
    for (int i = 0; i < POCET_NEJ; i++) t[i] = {5000 - 100 * i + v, 1 + i + v, "Hrac"};
    return zapis_tabulku("n_score.ddt", t);
}

// As the save screen does: one slot replaced, the others kept as they are in the file.
bool ulozene(int v)
{
    ULOZENA_HRA h{};
    for (int c = 0; c < POCET_BUNEK; c++) h.mrizka[c] = (c + v) % 11;
    h.skore = 100 + v;
    h.level = 1 + v;
    h.krok = 1.0f + 0.25f * v;
    std::strcpy(h.jmeno, v ? "Druha" : "Prvni");
    return uloz_do_slotu(SOUBOR_ULOZENYCH_HER, 3 + v, h);
}

bool uroven(int v)
{
    UROVEN u{};
    for (int c = 0; c < POCET_BUNEK; c++) u.bunky[c] = (c * 3 + v) % 11;
    std::strcpy(u.autor, v ? "Druhy" : "Prvni");
    return zapis_uroven("Level/level_001.lvl", u);
}

constexpr ZAPISOVATEL SEZNAM[] = {
    {"settings", "setdat.ddt", nastaveni},
    {"best games", "n_score.ddt", nejlepsi},
    {"saved games", SOUBOR_ULOZENYCH_HER, ulozene},
    {"level", "Level/level_001.lvl", uroven},
};

}  // namespace

std::span<const ZAPISOVATEL> zapisovatele() { return SEZNAM; }

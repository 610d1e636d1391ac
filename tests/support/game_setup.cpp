// Setting up the headless program for screen tests.
#include "support/game_setup.h"

#include "core/globals.h"
#include "shell/startup.h"
#include "sound/sound.h"
#include "world/objects.h"

#include <cstring>

void priprav_program()
{
    ASSERT_TRUE(spust_headless(ODRAZ_RUN_DIR "/odraz.dat")) << "odraz.dat not built";
    nastav_barvy_a_pismo();
    volume_zvuk = volume_hudba = 200;
    nastav_midi = 10;
    pocet_midi = 0;
    jake_midi = 1;
    jazyk = 1;
    pocet_kol = 0;
    LEVEL = 1;
    MOD_HRY = 0;
    HRAJE_SE = 0;
    vytvorena = 0;
    std::strcpy(sampion_jmeno, NEUVEDENO);
    std::strcpy(autor_jmeno, NEUVEDENO);
    for (int& n : nas) n = 0;
    nas[NAS_SIRKA_PRKNA] = ZAKLADNI_SIRKA;
}

void ukonci_program()
{
    pocet_midi = 0;
    ukonci_headless();
}

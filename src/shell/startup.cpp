// Start-up and shutdown: the library, the datafile, the timers, levels, music, names and settings,
// then the main menu; on the way out the settings are written back.
#include "shell/startup.h"

#include "core/binary_file.h"
#include "core/globals.h"
#include "core/level_file.h"
#include "core/play_clock.h"
#include "core/resources.h"
#include "persist/best_games_file.h"
#include "platform/platform.h"
#include "shell/menu.h"
#include "shell/options.h"
#include "shell/settings_file.h"
#include "sound/sound.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

static const char CHYBA_DAT[] = "Nelze nahrat soubor odraz.dat z hlavniho adresare.";
static const char CHYBA_CASOVACE[] = "Nelze spustit casovac.";

// Levels are numbered without gaps: a missing level 5 hides levels 6 and up.
int spocitej_urovne() { return souvisle_urovne(); }

static void uvolni_data()
{
    if (data) unload_datafile(data);
    data = nullptr;
}

static bool nahraj_zdroje()
{
    data = plat_nahraj_data("odraz.dat");
    if (data && katalog_v_poradku(data)) return true;
    uvolni_data();
    std::fputs("odraz: cannot load odraz.dat from the working directory\n", stderr);
    plat_zprava(CHYBA_DAT);
    return false;
}

void nastav_barvy_a_pismo()
{
    font = static_cast<FONT*>(data[fnt_main].dat);
    BARVA_1 = makecol(200, 200, 200);
    BARVA_2 = makecol(250, 100, 0);
    BARVA_3 = makecol(60, 60, 60);
}

static void vypni()
{
    if (volume_hudba != 0) plat_midi_stop();
    zapis_nastaveni("setdat.ddt");
    uvolni_midi();
    uvolni_data();
    plat_konec();
}

int hlavni(int argc, const char* const* argv)
{
    VOLBY volby = cti_volby(argc, argv);
    if (volby.akce != AKCE_HRAJ) return odpovez_na_volby(volby);
    volby.zobrazeni.nazev = "Odraz";
    plat_zobrazeni(volby.zobrazeni);
    plat_zaklad();
    if (!plat_grafika()) {
        plat_konec();
        std::puts("Potize s nastavenim grafiky.");
        std::fflush(stdout);
        std::fputs("odraz: cannot set an 800x600 graphics mode (is there a display?)\n", stderr);
        return 1;
    }
    plat_zvuk_start();
    if (!nahraj_zdroje()) return 1;
    if (!plat_casovace(increment_speed_counter, JEDNOTEK_TIKU, timer_func, JEDNOTEK_SEKUNDY)) {
        uvolni_data();
        std::fputs("odraz: cannot start the timers\n", stderr);
        plat_zprava(CHYBA_CASOVACE);
        return 1;
    }
    pocet_kol = spocitej_urovne();
    nacti_sampiona("n_score.ddt", sampion_jmeno);
    cti_nastaveni("setdat.ddt");
    plat_mys_rozsah(10, 500, 700, 501);
    std::srand(unsigned(std::time(nullptr)));
    nastav_barvy_a_pismo();
    pouzij_hlasitost();
    nahraj_midi();
    prizpusob_volbu_hudby();
    menu(MENU_HLAVNI);
    vypni();
    return 0;
}

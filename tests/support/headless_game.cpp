// Starting the headless driver for the game.
#include "support/headless_game.h"

#include "core/play_clock.h"
#include "core/resources.h"
#include "platform/headless.h"
#include "platform/platform.h"

bool spust_headless(const char* datafile)
{
    hl_start();
    plat_casovace(increment_speed_counter, JEDNOTEK_TIKU, timer_func, JEDNOTEK_SEKUNDY);
    hl_pri_resetu(vynuluj_hodiny);
    hl_reset();
    if (!datafile) return true;
    data = plat_nahraj_data(datafile);
    if (data) font = static_cast<FONT*>(data[fnt_main].dat);
    return data != nullptr;
}

void ukonci_headless()
{
    if (data) unload_datafile(data);
    data = nullptr;
    font = nullptr;
    hl_konec();
}


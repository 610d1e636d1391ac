// setdat.ddt of any bytes: the settings come out in range, the name ends, and what is written back
// reads back the same.
#include "fuzz_support.h"

#include "core/globals.h"
#include "shell/settings_file.h"
#include "sound/sound.h"

#include <cstring>

struct NASTAVENI {
    int zvuk, hudba, midi, jazyk;
    char autor[MAX_JMENO];
};

static NASTAVENI ted()
{
    NASTAVENI n{volume_zvuk, volume_hudba, nastav_midi, jazyk, {}};
    std::memcpy(n.autor, autor_jmeno, MAX_JMENO);
    return n;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n)
{
    fuzz_adresar();
    fuzz_soubor("setdat.ddt", d, n);
    volume_zvuk = volume_hudba = 0;
    nastav_midi = 10;
    jazyk = 1;
    std::memset(autor_jmeno, 0, MAX_JMENO);
    cti_nastaveni("setdat.ddt");
    OVER(volume_zvuk >= 0 && volume_zvuk <= 255 && volume_hudba >= 0 && volume_hudba <= 255);
    OVER(nastav_midi >= 0 && nastav_midi <= 10);
    OVER(jmeno_konci(autor_jmeno));
    if (!zkus_zapis(n)) return 0;
    NASTAVENI precteno = ted();
    OVER(zapis_nastaveni("zpet.ddt"));
    cti_nastaveni("zpet.ddt");
    NASTAVENI znovu = ted();
    OVER(precteno.zvuk == znovu.zvuk && precteno.hudba == znovu.hudba && precteno.midi == znovu.midi);
    OVER(precteno.jazyk == znovu.jazyk && std::memcmp(precteno.autor, znovu.autor, MAX_JMENO) == 0);
    return 0;
}

// Reading and writing setdat.ddt.
#include "shell/settings_file.h"

#include "core/binary_file.h"
#include "core/globals.h"
#include "sound/sound.h"

#include <algorithm>
#include <cstring>

// Every field is read whole or not at all; what is missing keeps the value it had. Volumes outside
// 0..255 and music choices outside 0..10 are brought back into range; the name always ends.
void cti_nastaveni(const char* jmeno)
{
    SOUBOR f = otevri_soubor(jmeno, "rb");
    if (!f) {
        volume_zvuk = 200;
        volume_hudba = 200;
        nastav_midi = 10;
        jazyk = 1;
        std::memset(autor_jmeno, 0, MAX_JMENO);
        std::strcpy(autor_jmeno, NEUVEDENO);
        return;
    }
    cti_int(f.get(), &volume_zvuk);
    cti_int(f.get(), &volume_hudba);
    cti_int(f.get(), &nastav_midi);
    cti_int(f.get(), &jazyk);
    cti_bajty(f.get(), autor_jmeno, MAX_JMENO);
    autor_jmeno[MAX_JMENO - 1] = 0;
    volume_zvuk = std::clamp(volume_zvuk, 0, 255);
    volume_hudba = std::clamp(volume_hudba, 0, 255);
    if (nastav_midi < 0 || nastav_midi > 10) nastav_midi = 10;
}

bool zapis_nastaveni(const char* jmeno)
{
    std::vector<unsigned char> obsah;
    pis_int(obsah, volume_zvuk);
    pis_int(obsah, volume_hudba);
    pis_int(obsah, nastav_midi);
    pis_int(obsah, jazyk);
    pis_bajty(obsah, autor_jmeno, MAX_JMENO);
    return zapis_soubor(jmeno, obsah);
}

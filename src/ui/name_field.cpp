// Reading keys for the name fields.
#include "ui/name_field.h"

#include "core/constants.h"
#include "core/resources.h"
#include "platform/platform.h"
#include "sound/sound.h"

#include <cstring>

bool je_pismeno(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == ' '; }

int novy_znak()
{
    if (!plat_klavesa_ceka()) return -1;
    int c = plat_cti_klavesu(nullptr);
    if (je_pismeno(c) || c == KLAVESA_ESC || c == KLAVESA_ENTER || c == KLAVESA_BACKSPACE || c == 0) return c;
    return -1;
}

static KLAVESA_JMENA znak_do_jmena(int c, int* pozice, char* jmeno)
{
    if (c == KLAVESA_ESC) return JMENO_ESC;
    if (*pozice < MAX_JMENO - 1 && je_pismeno(c)) {
        jmeno[(*pozice)++] = char(c);
    } else if (c == KLAVESA_ENTER && *pozice >= 1) {
        std::memset(jmeno + *pozice, 0, MAX_JMENO - *pozice);
        *pozice = 0;
        zvuk(snd_click);
        return JMENO_ENTER;
    } else if (c == KLAVESA_BACKSPACE && *pozice > 0) {
        jmeno[--*pozice] = 0;
    } else if (c == 0) {
        std::memset(jmeno, 0, MAX_JMENO);
        *pozice = 0;
    } else {
        return JMENO_NIC;
    }
    zvuk(snd_click);
    return JMENO_ZMENENO;
}

// A screen polls a hundred times a second: a quick typist's keys may wait two at a time, and each of
// them counts. What follows Enter or Esc in the buffer is dropped.
KLAVESA_JMENA klavesa_jmena(int* pozice, char* jmeno)
{
    KLAVESA_JMENA vysledek = JMENO_NIC;
    while (plat_klavesa_ceka()) {
        KLAVESA_JMENA k = znak_do_jmena(novy_znak(), pozice, jmeno);
        if (k == JMENO_ENTER || k == JMENO_ESC) {
            plat_vyprazdni_klavesy();
            return k;
        }
        if (k == JMENO_ZMENENO) vysledek = k;
    }
    return vysledek;
}


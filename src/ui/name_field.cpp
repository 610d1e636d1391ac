// Reading keys for the name fields.
#include "ui/name_field.h"

#include "platform/platform.h"

bool je_pismeno(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == ' '; }

int novy_znak()
{
    if (!plat_klavesa_ceka()) return -1;
    int c = plat_cti_klavesu(nullptr);
    if (je_pismeno(c) || c == KLAVESA_ESC || c == KLAVESA_ENTER || c == KLAVESA_BACKSPACE || c == 0) return c;
    return -1;
}

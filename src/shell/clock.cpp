// The local time of day and its two printed forms.
#include "shell/clock.h"

#include <cstdio>
#include <ctime>

void hodiny(int* hodina, int* minuta, int* sekunda, int* den, int* mesic, int* rok)
{
    std::time_t t = std::time(nullptr);
    std::tm mistni{};
    localtime_r(&t, &mistni);
    *hodina = mistni.tm_hour;
    *minuta = mistni.tm_min;
    *sekunda = mistni.tm_sec;
    *den = mistni.tm_mday;
    *mesic = mistni.tm_mon;
    *rok = mistni.tm_year;
}

static const char* nula(int n) { return n <= 9 ? "0" : ""; }

void format_casu(char* buf, std::size_t velikost, int hodina, int minuta, int sekunda)
{
    std::snprintf(buf, velikost, "%s%d:%s%d:%s%d", nula(hodina), hodina, nula(minuta), minuta,
                  nula(sekunda), sekunda);
}

void format_data(char* buf, std::size_t velikost, int den, int mesic, int rok)
{
    std::snprintf(buf, velikost, "%d.%d. %d", den, mesic + 1, rok + 1900);
}

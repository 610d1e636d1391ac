// The local time of day and its two printed forms.
#include "core/clock.h"

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

void format_casu(char* buf, std::size_t velikost, std::initializer_list<int> casti)
{
    if (velikost == 0) return;
    buf[0] = 0;
    std::size_t delka = 0;
    for (int c : casti) {
        const char* oddeleni = delka == 0 ? "" : ":";
        int n = std::snprintf(buf + delka, velikost - delka, "%s%s%d", oddeleni, c <= 9 ? "0" : "", c);
        if (n < 0 || std::size_t(n) >= velikost - delka) return;
        delka += std::size_t(n);
    }
}

void format_data(char* buf, std::size_t velikost, int den, int mesic, int rok)
{
    std::snprintf(buf, velikost, "%d.%d. %d", den, mesic + 1, rok + 1900);
}

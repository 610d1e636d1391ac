// The local time of day, for the settings panel.
#pragma once
#include <cstddef>

// Hour, minute, second, day of month, month counted from 0 and years since 1900.
void hodiny(int* hodina, int* minuta, int* sekunda, int* den, int* mesic, int* rok);
void format_casu(char* buf, std::size_t velikost, int hodina, int minuta, int sekunda);  // 09:05:03
void format_data(char* buf, std::size_t velikost, int den, int mesic, int rok);         // 1.3. 2004 from (1, 2, 104)

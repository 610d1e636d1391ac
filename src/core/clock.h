// The local time of day, and the printed forms of times and dates.
#pragma once
#include <cstddef>
#include <initializer_list>

// Hour, minute, second, day of month, month counted from 0 and years since 1900.
void hodiny(int* hodina, int* minuta, int* sekunda, int* den, int* mesic, int* rok);
// Parts joined by colons, each with a leading 0 when it is 9 or less: 05:07, 09:05:03, 123:30.
void format_casu(char* buf, std::size_t velikost, std::initializer_list<int> casti);
void format_data(char* buf, std::size_t velikost, int den, int mesic, int rok);   // 1.3. 2004 from (1, 2, 104)

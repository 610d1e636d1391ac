// Definitions of the shell's globals and the two timer callbacks.
#include "shell/globals.h"

std::atomic<int> speed_counter{0};
std::atomic<int> pro_strelu{0};
std::atomic<int> sekundy{0};
std::atomic<int> minuty{0};

int BARVA_1, BARVA_2, BARVA_3;
int pocet_kol = 0;
int LEVEL = 1;
int MOD_HRY = 0;
int ULOZENA = 0;
int HRAJE_SE = 0;
int vytvorena = 0;
int jazyk = 1;
char sampion_jmeno[MAX_JMENO];
char autor_jmeno[MAX_JMENO];

void increment_speed_counter()
{
    speed_counter++;
    if (++pro_strelu > 1000) pro_strelu = 0;
}

// The play clock's minute has 59 seconds: at 59 the seconds fall back to 0.
void timer_func()
{
    if (++sekundy == 59) {
        minuty++;
        sekundy = 0;
    }
}

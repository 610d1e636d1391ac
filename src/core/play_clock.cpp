// The four counters of the timer thread and its two callbacks.
#include "core/play_clock.h"

std::atomic<int> speed_counter{0};
std::atomic<int> pro_strelu{0};
std::atomic<int> sekundy{0};
std::atomic<int> minuty{0};

void increment_speed_counter()
{
    speed_counter++;
    if (++pro_strelu > 1000) pro_strelu = 0;
}

// The play clock's minute has 59 seconds: at 59 the seconds fall back to 0.
void timer_func()
{
    if (++sekundy == SEKUND_MINUTY) {
        minuty++;
        sekundy = 0;
    }
}

void vynuluj_hodiny()
{
    speed_counter = 0;
    pro_strelu = 0;
    sekundy = 0;
    minuty = 0;
}

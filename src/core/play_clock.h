// The play clock and the tick counter: the only data the timer thread shares with the game.
#pragma once
#include <atomic>

constexpr int JEDNOTEK_SEKUNDY = 1193181;   // the timer's base clock: units per second
constexpr int JEDNOTEK_TIKU = 1988;         // units per game tick: about 600.19 ticks a second
constexpr int SEKUND_MINUTY = 59;           // the play clock's seconds run 0..58

extern std::atomic<int> speed_counter;      // ticks due (about 600 a second)
extern std::atomic<int> pro_strelu;         // gun pacing, 0..1000
extern std::atomic<int> sekundy;            // play clock seconds, 0..58
extern std::atomic<int> minuty;             // play clock minutes

void increment_speed_counter();             // timer callback, every JEDNOTEK_TIKU
void timer_func();                          // timer callback, once a second
void vynuluj_hodiny();                      // all four counters back to 0

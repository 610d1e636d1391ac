// Scripting of the headless driver: a memory screen, a scripted mouse and keyboard, a virtual clock
// and a recorder of every sound. Tests drive the real screens of the game through it.
#pragma once
#include <allegro.h>
#include <functional>
#include <stdexcept>
#include <vector>

// One step of the input script: applied at a poll, then held for `pruchodu` polls in all.
struct HL_KROK {
    int x = -1, y = -1;     // pointer position in the display's pixels, -1 keeps it
    int b = -1;             // mouse buttons (1 left, 2 right), -1 keeps them
    int scancode = 0;       // a key pressed into the buffer (0 none)
    int znak = 0;           // its character code (0 for a key without one)
    int drz = 0;            // scancode of a key to hold down (+) or release (-), 0 none
    int pruchodu = 1;
};

// Thrown by a poll when the script has run out and the idle limit is exceeded: a screen did not end.
struct HL_KONEC_SKRIPTU : std::runtime_error {
    HL_KONEC_SKRIPTU() : std::runtime_error("headless input script ran out") {}
};

enum HL_DRUH_UDALOSTI { HL_SAMPLE, HL_MIDI_START, HL_MIDI_STOP, HL_HLASITOST };
struct HL_UDALOST {
    HL_DRUH_UDALOSTI druh;
    int a, b;               // sample position / piece number / digital and MIDI volume
    long long tik;          // virtual time in timer ticks
};

void hl_start();                        // SYSTEM_NONE, 800x600x16 memory screen, then hl_reset
void hl_konec();                        // the end of a test: hl_reset
void hl_reset();                        // clears the script, recorder, keys, virtual clock and mouse range,
                                        // then calls the reset hook
void hl_pri_resetu(void (*reset)());    // what hl_reset also resets (the game's timer counters)
BITMAP* hl_obrazovka();                 // the memory screen: what the player would see (800n x 600n when
                                        // plat_zobrazeni enlarged it n times; hl_reset sets n back to 1)

void hl_pridej(const HL_KROK& k);       // appends a step to the script
void hl_klik(int x, int y);             // press and release of the left button at (x, y)
void hl_stisk(int scancode, int znak);  // a key into the buffer at the next poll
void hl_pri_vstupu(std::function<void(long long pruchod)> f);  // called at every poll, after the script step
void hl_mys(int x, int y, int b);       // sets the pointer (in the display's pixels) and buttons at once,
                                        // clamped to the mouse range
void hl_drz(int scancode, bool dole);   // holds or releases a key at once

extern bool hl_grafika_selze;           // the next start-up finds no graphics mode
extern bool hl_casovac_selze;           // the next start-up cannot install its timers
extern int hl_tiku_na_vstup;            // timer ticks the clock advances at each plat_vstup (default 6)
extern long long hl_limit_necinnosti;   // polls allowed after the script ran out (default 200000)
extern long long hl_pruchodu;           // plat_vstup calls so far
extern long long hl_tiku;               // virtual clock, timer ticks since hl_reset
void hl_posun_cas(int tiku);            // advances the virtual clock, firing the timer callbacks

extern std::vector<HL_UDALOST> hl_zaznam;   // every sound event
void hl_midi_dohralo();                 // the playing piece reaches its end
int hl_pocet(HL_DRUH_UDALOSTI druh, int a);  // how many recorded events of that kind and first value

// The platform layer: the only code that talks to the machine's devices through Allegro — the screen,
// mouse, keyboard, timers and sound. Two drivers implement it: the real one (allegro_*.cpp) and a
// headless one for tests (headless_*.cpp, scripted through platform/headless.h). It knows nothing of
// the game: the timer callbacks are handed in.
#pragma once
#include <allegro.h>

constexpr int SIRKA_OBRAZOVKY = 800;
constexpr int VYSKA_OBRAZOVKY = 600;

// --- start and end ------------------------------------------------------------------------
// How the 800x600 picture reaches the display: the library's own choice, a window or the full screen,
// enlarged `meritko` times by whole pixels (the mouse is mapped back, so callers never see the scale).
enum PLAT_REZIM { REZIM_KNIHOVNY, REZIM_OKNO, REZIM_CELA_OBRAZOVKA };
constexpr int NEJVETSI_MERITKO = 3;
struct PLAT_ZOBRAZENI {
    PLAT_REZIM rezim = REZIM_KNIHOVNY;
    int meritko = 1;                         // 1..NEJVETSI_MERITKO
    const char* nazev = nullptr;             // the window's title and class for the desktop, if any
};

void plat_zobrazeni(const PLAT_ZOBRAZENI& z);   // before plat_zaklad; out-of-range scales are clamped
void plat_zaklad();                          // the library, keyboard and mouse
bool plat_grafika();                         // 16-bit 800x600 screen; false when it cannot be set
void plat_zvuk_start();                      // digital sound and MIDI, silently nothing without hardware
DATAFILE* plat_nahraj_data(const char* jmeno);   // odraz.dat, null when it cannot be loaded
// Installs two timer callbacks with their periods in units of the 1193181 Hz timer base.
bool plat_casovace(void (*tik)(), int jednotek_tiku, void (*sekunda)(), int jednotek_sekundy);
void plat_zprava(const char* text);          // the library's message box
void plat_konec();                           // shuts the library down

// --- the display ------------------------------------------------------------------------------
// Shows the w x h rectangle at (zx, zy) of `zdroj` at (x, y) of the display; every pixel the player
// sees goes through here. Coordinates are those of the 800x600 picture, whatever the scale.
void plat_ukaz(BITMAP* zdroj, int zx, int zy, int x, int y, int w, int h);
inline void plat_ukaz_vse(BITMAP* zdroj) { plat_ukaz(zdroj, 0, 0, 0, 0, zdroj->w, zdroj->h); }
void plat_sejmi(BITMAP* cil);                // copies the 800x600 picture shown into `cil` (from 0, 0)
long long plat_cislo_snimku();               // counts the calls of plat_ukaz

// --- input, sampled at each poll ------------------------------------------------------------
extern int mys_x, mys_y, mys_b;              // pointer (in the 800x600 picture) and buttons as of the last
                                             // poll (bit 1 left, 2 right)
void plat_vstup();                           // poll keyboard and mouse at the start of a screen pass
void plat_mys();                             // poll the mouse only (inside the game's tick loop)
void plat_mys_rozsah(int x1, int y1, int x2, int y2);
void plat_mys_pozice(int x, int y);
bool plat_drzi(int scancode);                // is the key held down now
bool plat_klavesa_ceka();                    // a key waits in the keyboard buffer
int plat_cti_klavesu(int* scancode);         // next key from the buffer: its character code (0 none)
void plat_vyprazdni_klavesy();               // empties the keyboard buffer

// --- time -------------------------------------------------------------------------------------
constexpr long long ZAKLAD_CASOVACE = 1193181;   // the timer base: units a second

long long plat_cas();                        // a steady clock in timer units
void plat_cekej_do(long long cas);           // waits until plat_cas() reaches cas; the timers go on meanwhile
void plat_rest(int ms);                      // waits ms milliseconds; the timers go on meanwhile
void plat_cekej_tik();                       // yields until the next timer tick
void plat_cekej_snimek();                    // end of a screen pass: yields so passes run ~100 times a second
void plat_cekej_na_vstup(int ms);            // a still screen: waits until input may have come, at most ms

// --- sound --------------------------------------------------------------------------------------
void plat_hlasitost(int digitalni, int midi);   // both 0..255
void plat_sample(int pozice, SAMPLE* s);     // plays datafile sample at `pozice` once, full volume, centre
MIDI* plat_nahraj_midi(const char* jmeno);
void plat_zrus_midi(MIDI* m);
void plat_midi_hraj(MIDI* m, int cislo);     // plays piece number `cislo` once, replacing any playing
void plat_midi_stop();
bool plat_midi_hraje();                      // a piece is playing

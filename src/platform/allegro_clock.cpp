// The real driver's clock. The game's two timer callbacks fall due on a steady clock and the main
// thread runs them whenever it reads the input or waits, so no thread wakes 600 times a second for
// them. Without sound the library's background thread (which otherwise wakes a thousand times a
// second to read the X events and to mix sound) is parked: the main thread reads the X events itself
// at each poll and sends its drawing before each wait, and a still screen sleeps until input comes.
#include "platform/allegro_clock.h"
#include "platform/platform.h"

#include <allegro/internal/aintern.h>
#include <allegro/platform/aintunix.h>

#include <X11/Xlib.h>
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <thread>

// The X driver's state, which begins with the display connection, and the switch of its pointer
// following (see mys_sleduje_pohyb).
extern "C" struct STAV_XWIN _xwin;
extern "C" void _xwin_set_warped_mouse_mode(int trvale);

using hodiny = std::chrono::steady_clock;

constexpr long long NS_ZA_SEKUNDU = 1000000000;
constexpr long long NEJDELSI_SPANEK = ZAKLAD_CASOVACE / 50;   // a long wait still reads the X events
constexpr long long PRUCHOD_OBRAZOVKY = ZAKLAD_CASOVACE / 100;
constexpr int POSUN_SLEDOVANI = 0xa8;      // where the X driver keeps its count, in its state
constexpr int SLEDOVANI_NA_CHVILI = 175;   // the count a placed pointer starts from (it ends at 200)

static const hodiny::time_point pocatek = hodiny::now();
static void (*tik_hry)() = nullptr;
static void (*sekunda_hry)() = nullptr;
static long long perioda_tiku = 1, perioda_sekundy = 1;   // in timer units
static long long dalsi_tik = 0, dalsi_sekunda = 0;        // when each next falls due
static bool pozadi_stoji = false;                         // the background thread is parked
static const int* sledovani = nullptr;                    // the X driver's count, once found

long long plat_cas()
{
    long long ns = std::chrono::duration_cast<std::chrono::nanoseconds>(hodiny::now() - pocatek).count();
    return ns / NS_ZA_SEKUNDU * ZAKLAD_CASOVACE + ns % NS_ZA_SEKUNDU * ZAKLAD_CASOVACE / NS_ZA_SEKUNDU;
}

// The moment the clock reads `cas`, rounded up so that a wait never ends before it.
static hodiny::time_point okamzik(long long cas)
{
    long long ns = cas / ZAKLAD_CASOVACE * NS_ZA_SEKUNDU
                 + (cas % ZAKLAD_CASOVACE * NS_ZA_SEKUNDU + ZAKLAD_CASOVACE - 1) / ZAKLAD_CASOVACE;
    return pocatek + std::chrono::nanoseconds(ns);
}

// Every callback that has fallen due since the last look, in the order they fell due.
static void dozen_casovace()
{
    if (!tik_hry) return;
    long long ted = plat_cas();
    for (;;) {
        long long udalost = std::min(dalsi_tik, dalsi_sekunda);
        if (udalost > ted) return;
        if (udalost == dalsi_tik) {
            dalsi_tik += perioda_tiku;
            tik_hry();
        }
        if (udalost == dalsi_sekunda) {
            dalsi_sekunda += perioda_sekundy;
            sekunda_hry();
        }
    }
}

static Display* displej()
{
    Display* d = *reinterpret_cast<Display**>(&_xwin);
    return d && ConnectionNumber(d) >= 0 ? d : nullptr;
}

// Once the pointer is placed the X driver follows it by its motion for its next 25 calls, counting
// them, and it must be called at its thread's pace meanwhile or it loses the pointer's place. The
// count is found by starting a following and looking where it must show; unfound, the driver is
// always taken to be following.
static void najdi_sledovani()
{
    const int* pocet = reinterpret_cast<const int*>(reinterpret_cast<const char*>(&_xwin) + POSUN_SLEDOVANI);
    _xwin_set_warped_mouse_mode(0);
    if (*pocet == SLEDOVANI_NA_CHVILI) sledovani = pocet;
}

static bool mys_sleduje_pohyb() { return !sledovani || *sledovani != 0; }

// The X driver's input handler, at every poll: as often as its thread would call it.
void obsluz_pozadi()
{
    if (pozadi_stoji) _xwin_handle_input();
    dozen_casovace();
}

static void rozbehni_pozadi()
{
    if (pozadi_stoji) _unix_bg_man->enable_interrupts();
    pozadi_stoji = false;
}

// The sound mixer runs on the background thread too, so it is parked only when there is no sound.
static void zastav_pozadi()
{
    bool ticho = (!digi_driver || digi_driver->id == DIGI_NONE) && (!midi_driver || midi_driver->id == MIDI_NONE);
    if (pozadi_stoji || !ticho || !_unix_bg_man || !displej()) return;
    _unix_bg_man->disable_interrupts();
    _add_exit_func(rozbehni_pozadi, "odraz: background thread");   // the library's exit joins it
    pozadi_stoji = true;
    najdi_sledovani();
}

bool plat_casovace(void (*tik)(), int jednotek_tiku, void (*sekunda)(), int jednotek_sekundy)
{
    if (jednotek_tiku <= 0 || jednotek_sekundy <= 0) return false;
    long long ted = plat_cas();
    tik_hry = tik;
    sekunda_hry = sekunda;
    perioda_tiku = jednotek_tiku;
    perioda_sekundy = jednotek_sekundy;
    dalsi_tik = ted + perioda_tiku;
    dalsi_sekunda = ted + perioda_sekundy;
    zastav_pozadi();
    return true;
}

// What was drawn goes to the X server before a wait.
static void posli_kresbu()
{
    if (pozadi_stoji && displej()) XFlush(displej());
}

// The next poll reads the input; a long wait reads it on the way, so the window never goes unanswered.
void plat_cekej_do(long long cas)
{
    for (long long ted = plat_cas(); ted < cas; ted = plat_cas()) {
        posli_kresbu();
        std::this_thread::sleep_until(okamzik(std::min(cas, ted + NEJDELSI_SPANEK)));
        if (plat_cas() < cas) obsluz_pozadi();
    }
    dozen_casovace();
}

void plat_rest(int ms) { plat_cekej_do(plat_cas() + ms * ZAKLAD_CASOVACE / 1000); }

void plat_cekej_tik()
{
    dozen_casovace();
    plat_cekej_do(dalsi_tik);
}

// Screens run about a hundred passes a second; the timer callbacks run on regardless.
void plat_cekej_snimek()
{
    static long long posledni = plat_cas();
    long long dalsi = posledni + PRUCHOD_OBRAZOVKY, ted = plat_cas();
    if (dalsi > ted) plat_cekej_do(dalsi);
    posledni = std::max(dalsi, ted);
}

// With the background thread parked only this thread reads the X connection, so input that comes
// shows as data on it (or as events already read into the library's queue). Otherwise that thread
// reads the input at its own pace and there is nothing to wait for here.
void plat_cekej_na_vstup(int ms)
{
    if (!pozadi_stoji || mys_sleduje_pohyb()) return;
    Display* d = displej();
    XFlush(d);
    if (QLength(d) > 0) return;
    pollfd p{ConnectionNumber(d), POLLIN, 0};
    poll(&p, 1, ms);
}

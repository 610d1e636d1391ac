// The headless driver: Allegro without a system driver, a memory screen, scripted input, a virtual
// clock that runs the timer callbacks, and a recorder of every sound. Screens run in it to their end
// deterministically, without an X server and without sleeping.
#include "platform/headless.h"
#include "platform/platform.h"
#include "platform/scaling.h"

#include <algorithm>
#include <cerrno>
#include <deque>
#include <utility>

bool hl_grafika_selze = false;
bool hl_casovac_selze = false;
int hl_tiku_na_vstup = 6;
long long hl_limit_necinnosti = 200000;
long long hl_pruchodu = 0;
long long hl_tiku = 0;
std::vector<HL_UDALOST> hl_zaznam;

static bool allegro_bezi = false;
static void (*tik_hry)() = nullptr;
static void (*sekunda_hry)() = nullptr;
static void (*reset_hry)() = nullptr;
static long long jednotek_tiku = 1988, jednotek_sekundy = ZAKLAD_CASOVACE;
static long long zaklad = 0, dalsi_tik = jednotek_tiku, dalsi_sekunda = jednotek_sekundy;
static long long snimku = 0;

static std::deque<HL_KROK> skript;
static int zbyva_kroku = 0;
static long long necinnost = 0;
static std::function<void(long long)> pri_vstupu;
static int mys_skript_x = 400, mys_skript_y = 300, mys_skript_b = 0;
static int rozsah[4] = {0, 0, SIRKA_OBRAZOVKY - 1, VYSKA_OBRAZOVKY - 1};
static bool drzene[KEY_MAX];
static std::deque<std::pair<int, int>> klavesnice;    // (scancode, character)
static bool midi_hraje = false;
static int meritko = 1;                     // the display's scale; the script's pointer is in its pixels
static BITMAP* obraz = nullptr;             // with a scale above 1: the 800x600 picture behind the screen

// --- virtual clock ------------------------------------------------------------------------------

static void posun_zaklad(long long o)
{
    long long konec = zaklad + o;
    for (;;) {
        long long udalost = std::min(dalsi_tik, dalsi_sekunda);
        if (udalost > konec) break;
        zaklad = udalost;
        if (udalost == dalsi_tik) {
            dalsi_tik += jednotek_tiku;
            hl_tiku++;
            if (tik_hry) tik_hry();
        }
        if (udalost == dalsi_sekunda) {
            dalsi_sekunda += jednotek_sekundy;
            if (sekunda_hry) sekunda_hry();
        }
    }
    zaklad = konec;
}

void hl_posun_cas(int tiku)
{
    if (tiku <= 0) return;
    posun_zaklad(dalsi_tik + (tiku - 1) * jednotek_tiku - zaklad);
}

// --- start and end -------------------------------------------------------------------------------

void plat_zaklad()
{
    if (allegro_bezi) return;
    install_allegro(SYSTEM_NONE, &errno, atexit);
    allegro_bezi = true;
}

void plat_zobrazeni(const PLAT_ZOBRAZENI& z) { meritko = std::clamp(z.meritko, 1, NEJVETSI_MERITKO); }

// The memory screen at the display's size, remade when the scale changed.
static void priprav_obrazovku()
{
    const int w = SIRKA_OBRAZOVKY * meritko, h = VYSKA_OBRAZOVKY * meritko;
    if (screen && (screen->w != w || screen->h != h)) {
        destroy_bitmap(screen);
        screen = nullptr;
    }
    if (!screen) screen = create_bitmap(w, h);
    if (obraz && meritko == 1) {
        destroy_bitmap(obraz);
        obraz = nullptr;
    }
    if (!obraz && meritko > 1) obraz = create_bitmap(SIRKA_OBRAZOVKY, VYSKA_OBRAZOVKY);
    if (screen) clear_bitmap(screen);
    if (obraz) clear_bitmap(obraz);
}

// A memory screen in the X11 driver's 16-bit pixel format: red in the top bits.
bool plat_grafika()
{
    plat_zaklad();
    set_color_depth(16);
    _rgb_r_shift_16 = 11;
    _rgb_g_shift_16 = 5;
    _rgb_b_shift_16 = 0;
    set_color_conversion(COLORCONV_TOTAL);
    if (hl_grafika_selze) return false;
    priprav_obrazovku();
    return screen != nullptr && (meritko == 1 || obraz != nullptr);
}

void plat_zvuk_start() {}

bool plat_casovace(void (*tik)(), int tiku, void (*sekunda)(), int sekundy)
{
    tik_hry = tik;
    sekunda_hry = sekunda;
    jednotek_tiku = tiku;
    jednotek_sekundy = sekundy;
    dalsi_tik = zaklad + tiku;
    dalsi_sekunda = zaklad + sekundy;
    return !hl_casovac_selze;
}

void plat_zprava(const char*) {}
void plat_konec() {}

void hl_pri_resetu(void (*reset)()) { reset_hry = reset; }

void hl_start()
{
    plat_grafika();
    hl_reset();
}

void hl_konec() { hl_reset(); }

void hl_reset()
{
    skript.clear();
    zbyva_kroku = 0;
    necinnost = 0;
    pri_vstupu = nullptr;
    hl_zaznam.clear();
    klavesnice.clear();
    std::fill(std::begin(drzene), std::end(drzene), false);
    rozsah[0] = rozsah[1] = 0;
    rozsah[2] = SIRKA_OBRAZOVKY - 1;
    rozsah[3] = VYSKA_OBRAZOVKY - 1;
    mys_skript_x = 400;
    mys_skript_y = 300;
    mys_skript_b = 0;
    mys_x = 400;
    mys_y = 300;
    mys_b = 0;
    midi_hraje = false;
    if (meritko != 1) {
        meritko = 1;
        priprav_obrazovku();
    }
    hl_grafika_selze = false;
    hl_casovac_selze = false;
    hl_tiku_na_vstup = 6;
    hl_limit_necinnosti = 200000;
    hl_pruchodu = 0;
    hl_tiku = 0;
    zaklad = 0;
    dalsi_tik = jednotek_tiku;
    dalsi_sekunda = jednotek_sekundy;
    snimku = 0;
    if (reset_hry) reset_hry();
}

// --- the display ---------------------------------------------------------------------------------

void plat_ukaz(BITMAP* zdroj, int zx, int zy, int x, int y, int w, int h)
{
    snimku++;
    if (meritko == 1) {
        blit(zdroj, screen, zx, zy, x, y, w, h);
        return;
    }
    blit(zdroj, obraz, zx, zy, x, y, w, h);
    zvetsi_obdelnik(obraz, screen, x, y, w, h, meritko);
}

void plat_sejmi(BITMAP* cil) { blit(obraz ? obraz : screen, cil, 0, 0, 0, 0, cil->w, cil->h); }
long long plat_cislo_snimku() { return snimku; }
BITMAP* hl_obrazovka() { return screen; }

// --- input -----------------------------------------------------------------------------------------

void hl_pridej(const HL_KROK& k) { skript.push_back(k); }

void hl_klik(int x, int y)
{
    hl_pridej({.x = x, .y = y, .b = 1, .pruchodu = 2});
    hl_pridej({.x = x, .y = y, .b = 0, .pruchodu = 1});
}

void hl_stisk(int scancode, int znak) { hl_pridej({.scancode = scancode, .znak = znak}); }
void hl_pri_vstupu(std::function<void(long long)> f) { pri_vstupu = std::move(f); }

static void vzorkuj_mys()
{
    mys_skript_x = std::clamp(mys_skript_x, rozsah[0], rozsah[2]);
    mys_skript_y = std::clamp(mys_skript_y, rozsah[1], rozsah[3]);
    mys_x = mys_skript_x / meritko;
    mys_y = mys_skript_y / meritko;
    mys_b = mys_skript_b;
}

void hl_mys(int x, int y, int b)
{
    if (x >= 0) mys_skript_x = x;
    if (y >= 0) mys_skript_y = y;
    if (b >= 0) mys_skript_b = b;
    vzorkuj_mys();
}

void hl_drz(int scancode, bool dole)
{
    if (scancode > 0 && scancode < KEY_MAX) drzene[scancode] = dole;
}

static void proved_krok(const HL_KROK& k)
{
    hl_mys(k.x, k.y, k.b);
    if (k.scancode) klavesnice.emplace_back(k.scancode, k.znak);
    if (k.drz > 0) hl_drz(k.drz, true);
    if (k.drz < 0) hl_drz(-k.drz, false);
}

// One poll: the next step of the script (or the idle count), the test's hook, then the clock moves on.
void plat_vstup()
{
    hl_pruchodu++;
    if (zbyva_kroku == 0 && !skript.empty()) {
        HL_KROK k = skript.front();
        skript.pop_front();
        proved_krok(k);
        zbyva_kroku = std::max(1, k.pruchodu);
    }
    if (zbyva_kroku > 0) {
        zbyva_kroku--;
        necinnost = 0;
    } else if (++necinnost > hl_limit_necinnosti) {
        necinnost = 0;
        throw HL_KONEC_SKRIPTU();
    }
    if (pri_vstupu) pri_vstupu(hl_pruchodu);
    hl_posun_cas(hl_tiku_na_vstup);
    vzorkuj_mys();
}

void plat_mys() { vzorkuj_mys(); }

// As the real driver: on an enlarged display the range is in the display's pixels.
void plat_mys_rozsah(int x1, int y1, int x2, int y2)
{
    rozsah[0] = x1 * meritko;
    rozsah[1] = y1 * meritko;
    rozsah[2] = x2 * meritko + meritko - 1;
    rozsah[3] = y2 * meritko + meritko - 1;
    vzorkuj_mys();
}

void plat_mys_pozice(int x, int y) { hl_mys(x * meritko, y * meritko, -1); }

bool plat_drzi(int scancode) { return scancode > 0 && scancode < KEY_MAX && drzene[scancode]; }
bool plat_klavesa_ceka() { return !klavesnice.empty(); }

int plat_cti_klavesu(int* scancode)
{
    if (klavesnice.empty()) {
        if (scancode) *scancode = 0;
        return 0;
    }
    auto [kod, znak] = klavesnice.front();
    klavesnice.pop_front();
    if (scancode) *scancode = kod;
    return znak;
}

void plat_vyprazdni_klavesy() { klavesnice.clear(); }

// --- time -------------------------------------------------------------------------------------------

long long plat_cas() { return zaklad; }

void plat_cekej_do(long long cas)
{
    if (cas > zaklad) posun_zaklad(cas - zaklad);
}

void plat_rest(int ms) { posun_zaklad(ms * ZAKLAD_CASOVACE / 1000); }
void plat_cekej_tik() { hl_posun_cas(1); }
void plat_cekej_snimek() {}
void plat_cekej_na_vstup(int) {}   // the script's next step is always there

// --- sound --------------------------------------------------------------------------------------------

void plat_hlasitost(int digitalni, int midi)
{
    hl_zaznam.push_back({HL_HLASITOST, digitalni, midi, hl_tiku});
}

void plat_sample(int pozice, SAMPLE*) { hl_zaznam.push_back({HL_SAMPLE, pozice, 0, hl_tiku}); }

void plat_zrus_midi(MIDI* m) { destroy_midi(m); }

void plat_midi_hraj(MIDI*, int cislo)
{
    midi_hraje = true;
    hl_zaznam.push_back({HL_MIDI_START, cislo, 0, hl_tiku});
}

void plat_midi_stop()
{
    midi_hraje = false;
    hl_zaznam.push_back({HL_MIDI_STOP, 0, 0, hl_tiku});
}

bool plat_midi_hraje() { return midi_hraje; }
void hl_midi_dohralo() { midi_hraje = false; }

int hl_pocet(HL_DRUH_UDALOSTI druh, int a)
{
    return int(std::count_if(hl_zaznam.begin(), hl_zaznam.end(),
                             [&](const HL_UDALOST& u) { return u.druh == druh && u.a == a; }));
}

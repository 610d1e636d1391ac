// The real driver: Allegro with its X11 screen, timers, keyboard, mouse, ALSA sound and MIDI.
#include "platform/platform.h"
#include "platform/scaling.h"

#include <xalleg.h>

#include "platform/allegro_clock.h"

#include <algorithm>

static bool zvuk_bezi = false;
static PLAT_ZOBRAZENI zobrazeni;
static BITMAP* obraz = nullptr;     // with a scale above 1: the 800x600 picture as the game made it
static BITMAP* velky = nullptr;     // and its enlargement, which goes to the screen
static bool knihovna_bezi = false;   // without a display the library finds no system to run on

// The window's name and class are taken when the library opens its window, at its start.
void plat_zaklad()
{
    if (zobrazeni.nazev) xwin_set_window_name(zobrazeni.nazev, zobrazeni.nazev);
    knihovna_bezi = allegro_init() == 0;
    if (!knihovna_bezi) return;
    install_keyboard();
    install_mouse();
}

void plat_zobrazeni(const PLAT_ZOBRAZENI& z)
{
    zobrazeni = z;
    zobrazeni.meritko = std::clamp(z.meritko, 1, NEJVETSI_MERITKO);
}

static int graficka_karta()
{
    if (zobrazeni.rezim == REZIM_OKNO) return GFX_AUTODETECT_WINDOWED;
    if (zobrazeni.rezim == REZIM_CELA_OBRAZOVKA) return GFX_AUTODETECT_FULLSCREEN;
    return GFX_AUTODETECT;
}

// An enlarged display gets a mode of 800n x 600n and two memory bitmaps: the picture and its enlargement.
bool plat_grafika()
{
    if (!knihovna_bezi) return false;
    const int n = zobrazeni.meritko;
    set_color_depth(16);
    if (set_gfx_mode(graficka_karta(), SIRKA_OBRAZOVKY * n, VYSKA_OBRAZOVKY * n, 0, 0) != 0) return false;
    if (zobrazeni.nazev) set_window_title(zobrazeni.nazev);
    if (n == 1) return true;
    obraz = create_bitmap(SIRKA_OBRAZOVKY, VYSKA_OBRAZOVKY);
    velky = create_bitmap(SIRKA_OBRAZOVKY * n, VYSKA_OBRAZOVKY * n);
    if (!obraz || !velky) return false;
    clear_bitmap(obraz);
    return true;
}

// The software synthesizer plays its notes on voices of the digital mixer: enough are kept for the
// music beside the effects. Without its patch set the music is given up, not the effects.
void plat_zvuk_start()
{
    set_volume_per_voice(0);
    reserve_voices(8, 24);
    zvuk_bezi = install_sound(DIGI_AUTODETECT, MIDI_AUTODETECT, nullptr) == 0;
    if (!zvuk_bezi) zvuk_bezi = install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr) == 0;
}

static long long snimku = 0;

void plat_ukaz(BITMAP* zdroj, int zx, int zy, int x, int y, int w, int h)
{
    snimku++;
    const int n = zobrazeni.meritko;
    if (n > 1) {
        blit(zdroj, obraz, zx, zy, x, y, w, h);
        zvetsi_obdelnik(obraz, velky, x, y, w, h, n);
    }
    acquire_screen();
    if (n > 1) blit(velky, screen, x * n, y * n, x * n, y * n, w * n, h * n);
    else blit(zdroj, screen, zx, zy, x, y, w, h);
    release_screen();
}

void plat_sejmi(BITMAP* cil) { blit(obraz ? obraz : screen, cil, 0, 0, 0, 0, cil->w, cil->h); }
long long plat_cislo_snimku() { return snimku; }

void plat_zprava(const char* text) { allegro_message("%s", text); }
void plat_konec()
{
    if (obraz) destroy_bitmap(obraz);
    if (velky) destroy_bitmap(velky);
    obraz = velky = nullptr;
    allegro_exit();
}

void plat_vstup()
{
    obsluz_pozadi();
    poll_keyboard();
    plat_mys();
}

void plat_mys()
{
    poll_mouse();
    mys_x = mouse_x / zobrazeni.meritko;
    mys_y = mouse_y / zobrazeni.meritko;
    mys_b = mouse_b;
}

// On an enlarged display the range covers every device pixel of the enlarged edge pixels.
void plat_mys_rozsah(int x1, int y1, int x2, int y2)
{
    const int n = zobrazeni.meritko;
    set_mouse_range(x1 * n, y1 * n, x2 * n + n - 1, y2 * n + n - 1);
}

void plat_mys_pozice(int x, int y)
{
    position_mouse(x * zobrazeni.meritko, y * zobrazeni.meritko);
    mys_x = x;
    mys_y = y;
}

bool plat_drzi(int scancode) { return key[scancode] != 0; }
bool plat_klavesa_ceka() { return keypressed() != 0; }
int plat_cti_klavesu(int* scancode) { return ureadkey(scancode); }
void plat_vyprazdni_klavesy() { clear_keybuf(); }

void plat_hlasitost(int digitalni, int midi)
{
    if (zvuk_bezi) set_volume(std::clamp(digitalni, 0, 255), std::clamp(midi, 0, 255));
}

void plat_sample(int, SAMPLE* s)
{
    if (zvuk_bezi && s) play_sample(s, 255, 128, 1000, 0);
}

void plat_zrus_midi(MIDI* m) { destroy_midi(m); }

void plat_midi_hraj(MIDI* m, int)
{
    if (zvuk_bezi && m) play_midi(m, FALSE);
}

void plat_midi_stop()
{
    if (zvuk_bezi) stop_midi();
}

bool plat_midi_hraje() { return zvuk_bezi && midi_pos >= 0; }

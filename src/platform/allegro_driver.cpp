// The real driver: Allegro with its X11 screen, timers, keyboard, mouse, ALSA sound and MIDI.
#include "platform/platform.h"

#include "platform/allegro_clock.h"

#include <algorithm>

static bool zvuk_bezi = false;

void plat_zaklad()
{
    allegro_init();
    install_keyboard();
    install_mouse();
}

bool plat_grafika()
{
    set_color_depth(16);
    return set_gfx_mode(GFX_AUTODETECT, SIRKA_OBRAZOVKY, VYSKA_OBRAZOVKY, 0, 0) == 0;
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
    acquire_screen();
    blit(zdroj, screen, zx, zy, x, y, w, h);
    release_screen();
}

void plat_sejmi(BITMAP* cil) { blit(screen, cil, 0, 0, 0, 0, cil->w, cil->h); }
long long plat_cislo_snimku() { return snimku; }

void plat_zprava(const char* text) { allegro_message("%s", text); }
void plat_konec() { allegro_exit(); }

void plat_vstup()
{
    obsluz_pozadi();
    poll_keyboard();
    plat_mys();
}

void plat_mys()
{
    poll_mouse();
    mys_x = mouse_x;
    mys_y = mouse_y;
    mys_b = mouse_b;
}

void plat_mys_rozsah(int x1, int y1, int x2, int y2) { set_mouse_range(x1, y1, x2, y2); }
void plat_mys_pozice(int x, int y)
{
    position_mouse(x, y);
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

MIDI* plat_nahraj_midi(const char* jmeno) { return load_midi(jmeno); }
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

// The screen loop: input, click, reaction, a frame composed only when something changed, music, pace.
#include "ui/screen_loop.h"

#include "platform/platform.h"
#include "sound/sound.h"
#include "ui/screen_frame.h"
#include "ui/window.h"

// A screen where nothing moved waits for input, but looks again at least this often (its clock, the
// music).
constexpr int KLIDNA_PRODLEVA_MS = 100;

void dalsi_klik(int* klik, bool dole)
{
    if (*klik == KLIK_PUSTIL) *klik = KLIK_NIC;
    if (dole && *klik == KLIK_NIC) *klik = KLIK_DRZI;
    if (!dole && *klik == KLIK_DRZI) *klik = KLIK_PUSTIL;
}

namespace {
struct VSTUP {
    int x = -1, y = -1, b = -1, klik = -1;
};

// The input that the picture depends on: the pointer, the buttons and the click state.
bool vstup_zmenen(VSTUP* minuly, const OBRAZOVKA& o)
{
    VSTUP v{mys_x, mys_y, mys_b, o.klik};
    bool zmena = v.x != minuly->x || v.y != minuly->y || v.b != minuly->b || v.klik != minuly->klik;
    *minuly = v;
    return zmena || o.klik == KLIK_DRZI;   // a held button may be stepping an arrow
}
}

void spust_obrazovku(OBRAZOVKA* o, const std::function<void(OBRAZOVKA*)>& reaguj,
                     const std::function<void(BITMAP*)>& kresli)
{
    SNIMEK_OBRAZOVKY snimek;
    if (kresli) snimek = novy_snimek();
    VSTUP minuly;
    while (!o->konec) {
        plat_vstup();
        dalsi_klik(&o->klik, mys_b & 1);
        reaguj(o);
        if (o->konec) break;
        bool kreslit = kresli && (vstup_zmenen(&minuly, *o) || o->zmena || !snimek_plati(snimek));
        if (kreslit) {
            kresli(snimek.kresba.get());
            if (o->mys) kresli_mys(snimek.kresba.get());
            ukaz_snimek(&snimek);
            o->zmena = false;
        }
        if (o->hudba && !plat_midi_hraje()) re_midi();
        if (!kreslit && mys_b == 0) plat_cekej_na_vstup(KLIDNA_PRODLEVA_MS);
        plat_cekej_snimek();
    }
}

void cekej_na_klavesu()
{
    OBRAZOVKA o;
    o.mys = o.hudba = false;
    spust_obrazovku(&o, [](OBRAZOVKA* s) { s->konec = plat_klavesa_ceka(); }, nullptr);
}

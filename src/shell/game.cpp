// A round: preparation, the loop of fixed 600 Hz ticks with one drawn frame per pass, and the
// clean-up; and the game, which runs rounds one after another until an end screen. Passes come at
// most as often as frames may be drawn: the ticks that fall due meanwhile run in the next pass, as
// they would on a slower machine.
#include "shell/game.h"

#include "core/bitmap.h"
#include "core/globals.h"
#include "core/play_clock.h"
#include "levels/loader.h"
#include "platform/platform.h"
#include "shell/end_screens.h"
#include "shell/menu.h"
#include "sound/sound.h"
#include "ui/playfield.h"
#include "ui/screen_loop.h"
#include "world/bricks.h"
#include "world/round.h"
#include "world/speed.h"

constexpr int NEJVIC_POZADU = 1000;   // ticks overdue before the round gives up

KOLO* hrane_kolo = nullptr;
int strop_snimku = NEJVIC_SNIMKU;

static int sirka_v_rozsahu = 0;   // the paddle width the pointer's range was last set for

void omez_mys_na_prkno(int sirka)
{
    sirka_v_rozsahu = sirka;
    plat_mys_rozsah(STENA_VLEVO, 500, STENA_VPRAVO - sirka, 501);
}

struct BITMAPY_KOLA {
    BITMAPA base, sprite, scene, pause;
};

// The per-round state: score and lives only at level 1 or when trying a level, every effect always.
static void vynuluj_stav()
{
    POCET_KOSTEK = 0;
    if (LEVEL == 1 || MOD_HRY == MOD_ZKUSEBNI) {
        nas[NAS_SKORE] = 0;
        nas[NAS_ZIVOTY] = 3;
    }
    nas[NAS_SEKUNDY] = 0;
    nas[NAS_MINUTY] = 0;
    nastav(nas[NAS_ZIVOTY], 0, 0, KOULE_SEDA, ZAKLADNI_PRUMER, ZAKLADNI_SIRKA, 0, 0);
    hlavni_krok = mini_krok;
    smaz_index_radku();
}

static void priprav_bitmapy(BITMAPY_KOLA* b, const char* autor)
{
    b->base = nova_bitmapa(SIRKA_OBRAZOVKY, VYSKA_OBRAZOVKY);
    b->sprite = nova_bitmapa(SIRKA_OBRAZOVKY, VYSKA_OBRAZOVKY - 20);
    b->scene = nova_bitmapa(SIRKA_OBRAZOVKY, VYSKA_OBRAZOVKY);
    b->pause = nova_bitmapa(SIRKA_OBRAZOVKY, VYSKA_OBRAZOVKY);
    kresli_pozadi_kola(POZADI_HRA, autor, b->base.get());
    kresli_pozadi_kola(POZADI_HRA, autor, b->scene.get());
    zakresli_kostky(kostka, POCET_KOSTEK, b->scene.get());
    tisk_vse(b->scene.get(), b->sprite.get());
    hlaska_kolo(LEVEL, b->scene.get());
}

// The level box is revealed with the curtain, stays two seconds, and goes.
static void odhal_kolo(BITMAPY_KOLA* b, const char* autor)
{
    efektni_tisk(b->scene.get());
    plat_rest(2000);
    kresli_pozadi_kola(POZADI_HRA, autor, b->scene.get());
    zakresli_kostky(kostka, POCET_KOSTEK, b->scene.get());
    plat_ukaz_vse(b->scene.get());
}

// Time spent outside play (pause, menu) is not counted: the counters are kept and put back.
struct ZASTAVENY_CAS {
    int tiky;
};

static ZASTAVENY_CAS zastav_cas()
{
    nas[NAS_SEKUNDY] = sekundy;
    nas[NAS_MINUTY] = minuty;
    return {speed_counter.load()};
}

static void obnov_cas(ZASTAVENY_CAS z)
{
    sekundy = nas[NAS_SEKUNDY];
    minuty = nas[NAS_MINUTY];
    speed_counter = z.tiky;
}

static void pauza()
{
    ZASTAVENY_CAS z = zastav_cas();
    cekej_na_klavesu();
    plat_cti_klavesu(nullptr);
    obnov_cas(z);
}

static void menu_ve_hre(KOLO* k, BITMAPY_KOLA* b, const char* autor)
{
    ZASTAVENY_CAS z = zastav_cas();
    int x = mys_x, y = mys_y;
    plat_sejmi(b->pause.get());
    k->status = menu(MENU_VE_HRE);
    if (k->status == STAV_HRAJE) {
        kresli_prostredi(autor, b->base.get());
        kresli_prostredi(autor, b->scene.get());
        kresli_prostredi(autor, b->pause.get());
        plat_ukaz_vse(b->pause.get());
    }
    obnov_cas(z);
    plat_mys_pozice(x, y);
}

// The grey bricks turned at 7:00 are shown one by one; that pause is not play.
static void ukaz_sede(KOLO* k, BITMAP* scene)
{
    ZASTAVENY_CAS z = zastav_cas();
    ukaz_premenene(k->premenene, k->pocet_premenenych, scene);
    obnov_cas(z);
}

// Every tick that has come due, each with the mouse as it is now; a stall beyond the limit ends the round.
static void tiky(KOLO* k, BITMAP* scene)
{
    while (speed_counter > 0) {
        speed_counter--;
        plat_mys();
        if (speed_counter > NEJVIC_POZADU) {
            speed_counter = -10;
            if (k->status == STAV_HRAJE) k->status = STAV_POMALU;
        }
        tik_kola(k, mys_b & 1, mys_x);
        if (k->prkno->velikost != sirka_v_rozsahu) omez_mys_na_prkno(k->prkno->velikost);   // never into a wall
        if (k->pocet_premenenych > 0) ukaz_sede(k, scene);
    }
}

// Between two passes: the next frame falls due a frame's time after the last one was due (at once when
// the pass ran late), and a pass always has a tick to run.
static void cekej_na_pruchod(long long* snimek)
{
    if (strop_snimku > 0) {
        *snimek += (ZAKLAD_CASOVACE + strop_snimku - 1) / strop_snimku;
        long long ted = plat_cas();
        if (*snimek > ted) {
            plat_cekej_do(*snimek);
        } else {
            *snimek = ted;
        }
    }
    if (speed_counter <= 0) plat_cekej_tik();
}

static void smycka_kola(KOLO* k, BITMAPY_KOLA* b, const char* autor)
{
    long long snimek = plat_cas();
    while (k->status == STAV_HRAJE) {
        plat_vyprazdni_klavesy();
        plat_vstup();
        tiky(k, b->scene.get());
        if (k->status == STAV_HRAJE) {
            draw_all(k->prkno, k->pusky, k->pocet_pusek, k->koule, k->pocet_kouli, kostka, POCET_KOSTEK,
                     k->strely, k->pocet_strel, k->bonusy, k->pocet_bonusu, b->base.get(), b->scene.get(),
                     b->sprite.get());
            pis_texty(sekundy, minuty, b->base.get(), b->scene.get());
        }
        konec_snimku(k);
        if (!plat_midi_hraje()) re_midi();
        if (k->status != STAV_HRAJE) break;
        if (plat_drzi(KEY_P)) pauza();
        if ((mys_b & 2) || plat_drzi(KEY_ESC)) menu_ve_hre(k, b, autor);
        if (k->status == STAV_HRAJE) cekej_na_pruchod(&snimek);
    }
}

int hraj_kolo()
{
    KOLO k{};
    char autor[MAX_JMENO] = {};
    vynuluj_stav();
    plat_mys();
    plat_mys_pozice(400, 500);
    omez_mys_na_prkno(nas[NAS_SIRKA_PRKNA]);
    k.status = priprav_kostky(autor, MOD_HRY, LEVEL, ULOZENA, kostka, &POCET_KOSTEK);
    bool pokracuje = MOD_HRY == MOD_ULOZENA_HRA;   // a saved game keeps the ball speed it was saved with
    if (pokracuje) MOD_HRY = MOD_OBYCEJNA;
    if (!zaloz_objekty_kola(&k, mys_x)) {
        uvolni_kolo(&k);
        return 0;
    }
    BITMAPY_KOLA b;
    priprav_bitmapy(&b, autor);
    if (k.status == STAV_HRAJE) odhal_kolo(&b, autor);
    plat_mys_pozice(400, 500);
    k.posledni_minuta = nas[NAS_MINUTY];
    sekundy = nas[NAS_SEKUNDY];
    minuty = nas[NAS_MINUTY];
    if (!pokracuje) srovnat_rychlost();
    speed_counter = 0;
    hrane_kolo = &k;
    smycka_kola(&k, &b, autor);
    hrane_kolo = nullptr;
    uvolni_kolo(&k);
    plat_mys_rozsah(0, 0, SIRKA_OBRAZOVKY, VYSKA_OBRAZOVKY);
    return k.status;
}

int game()
{
    for (;;) {
        int status = hraj_kolo();
        int dalsi = 0;
        switch (status) {
        case STAV_POMALU: dalsi = game_error(); break;
        case STAV_CHYBI_SOUBOR: dalsi = game_error_soubor(); break;
        case STAV_PROHRA: dalsi = game_over(); break;
        case STAV_VYHRA: dalsi = game_next(); break;
        case STAV_NENI_UROVEN: dalsi = game_winner(); break;
        case STAV_NOVE_KOLO: dalsi = DALSI_KOLO; break;
        default: return 0;   // the end chosen in the in-game menu, or no paddle
        }
        if (dalsi != DALSI_KOLO) return dalsi;
    }
}

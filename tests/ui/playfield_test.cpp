// The playfield's frames: dirty rectangles must leave the screen exactly as a full redraw would,
// the status bar shows its values, the curtain and the level box.
#include "core/bitmap.h"
#include "core/globals.h"
#include "core/play_clock.h"
#include "platform/headless.h"
#include "shell/end_screens.h"
#include "support/game_setup.h"
#include "support/screen_check.h"
#include "ui/playfield.h"
#include "ui/screen_frame.h"
#include "world/bot.h"
#include "world/bricks.h"
#include "world/round.h"
#include "world/simulation.h"

#include <algorithm>
#include <cstdlib>

namespace {

struct SCENA {
    BITMAPA base, scene, sprite;
};

SCENA priprav_scenu(const char* autor)
{
    SCENA s{nova_bitmapa(800, 600), nova_bitmapa(800, 600), nova_bitmapa(800, 580)};
    kresli_pozadi_kola(POZADI_HRA, autor, s.base.get());
    kresli_pozadi_kola(POZADI_HRA, autor, s.scene.get());
    zakresli_kostky(kostka, POCET_KOSTEK, s.scene.get());
    tisk_vse(s.scene.get(), s.sprite.get());
    tisk_vse(s.scene.get(), screen);
    return s;
}

// The frame drawn from nothing: the standing bricks on the background, the live objects on top.
void od_zacatku(const KOLO& k, const SCENA& s, BITMAP* cil, BITMAP* pozadi)
{
    blit(s.base.get(), pozadi, 0, 0, 0, 0, 800, 600);
    zakresli_kostky(kostka, POCET_KOSTEK, pozadi);
    blit(s.scene.get(), pozadi, 0, 580, 0, 580, 800, 20);   // the status numbers
    blit(pozadi, cil, 0, 0, 0, 0, 800, 600);
    BITMAP* pole = create_sub_bitmap(cil, 0, 0, 800, 580);
    draw_sprite(pole, k.prkno->obrazek, int(k.prkno->x), int(k.prkno->y));
    int px = int(k.prkno->x), py = int(k.prkno->y), w = k.prkno->obrazek->w;
    if (nas[NAS_LEPIDLO] == 1) rectfill(pole, px + 16, py + 3, px + w - 17, py + 5, makecol(0, 51, 0));
    if (nas[NAS_NAHODNY_ODRAZ] == 1) rectfill(pole, px + 16, py + 14, px + w - 17, py + 16, makecol(0, 51, 0));
    const std::pair<OBJECT* const*, int> zive[] = {
        {k.pusky, k.pocet_pusek}, {k.koule, k.pocet_kouli}, {k.strely, k.pocet_strel}, {k.bonusy, k.pocet_bonusu}};
    for (auto [o, n] : zive)
        for (int i = 0; i < n; i++)
            if (o[i]->druh > 0) draw_sprite(pole, o[i]->obrazek, int(o[i]->x), int(o[i]->y));
    destroy_bitmap(pole);
}

}  // namespace

class Playfield : public Obrazovka {};

TEST_F(Playfield, DirtyRectanglesLeaveTheScreenAsAFullRedrawWould)
{
    std::srand(5);
    int bunky[POCET_BUNEK] = {};
    for (int i = 20; i < 260; i++) bunky[i] = 1 + (i * 7) % 10;
    postav_kostky(bunky);
    for (int i = 0; i < POCET_KOSTEK; i++)   // plenty of capsules, none that ends the round
        if (kostka[i]->druh < 8 && i % 2 == 0) kostka[i]->bonus = 1 + (i / 2) % 15;
    for (int i = 2; i < 12; i++) kostka[i]->bonus = 2 + i;
    nas[NAS_SKORE] = 0;
    nastav(99, 0, 0, 1, 12, 80, 1, 0);
    hlavni_krok = mini_krok;
    smaz_index_radku();
    KOLO k{};
    ASSERT_TRUE(zaloz_objekty_kola(&k, 400));
    SCENA s = priprav_scenu("Tester");
    minuty = k.posledni_minuta = 6, sekundy = 55;   // the grey bricks turn at 7:00, within the run
    BITMAPA cekano = nova_bitmapa(800, 600), pozadi = nova_bitmapa(800, 600);
    BITMAP* pole_pozadi = create_sub_bitmap(pozadi.get(), 0, 0, 800, 580);
    BITMAP* pole_sceny = create_sub_bitmap(s.scene.get(), 0, 0, 800, 580);
    SIM_BOT bot;
    bot_start(&bot, 3, false);
    int nejvic_objektu = 0, snimek = 0;
    for (; snimek < 2000 && k.status == 0; snimek++) {
        if (snimek % 10 == 0) nas[NAS_KOULE_NAVIC] = 1;      // another ball
        if (snimek % 300 == 0) nas[NAS_PUSKA] = 1;     // guns again after a capsule took them
        for (int t = 0; t < 1 + snimek % 4; t++) {
            hl_posun_cas(1);   // the timer: gun pacing and the play clock
            SIM_VSTUP v = bot_tah(&bot, &k);
            tik_kola(&k, v.tlacitko, std::clamp(v.mys_x, 10, 790 - nas[NAS_SIRKA_PRKNA]));
            ukaz_premenene(k.premenene, k.pocet_premenenych, s.scene.get());
        }
        draw_all(k.prkno, k.pusky, k.pocet_pusek, k.koule, k.pocet_kouli, kostka, POCET_KOSTEK, k.strely,
                 k.pocet_strel, k.bonusy, k.pocet_bonusu, s.base.get(), s.scene.get(), s.sprite.get());
        pis_texty(snimek % 59, snimek / 59, s.base.get(), s.scene.get());
        konec_snimku(&k);
        nejvic_objektu = std::max(nejvic_objektu, k.pocet_kouli + k.pocet_strel + k.pocet_bonusu);
        od_zacatku(k, s, cekano.get(), pozadi.get());
        ASSERT_TRUE(stejne_bitmapy(cekano.get(), screen)) << "frame " << snimek;
        ASSERT_TRUE(stejne_bitmapy(pole_pozadi, pole_sceny)) << "frame " << snimek;
    }
    for (int i = 0; i < POCET_KOSTEK; i++) EXPECT_NE(kostka[i]->druh, 10);
    EXPECT_GE(nejvic_objektu, 20) << snimek << " frames, status " << k.status << ", bricks " << POCET_KOSTEK;
    EXPECT_GT(snimek, 500);
    destroy_bitmap(pole_pozadi);
    destroy_bitmap(pole_sceny);
    uvolni_kolo(&k);
}

// Score, lives, level and the play clock right-aligned in their fields, the author at the right end; a try
// shows "Test" for the numbers; each new value wipes the old one.
TEST_F(Playfield, StatusBarValues)
{
    SCENA s = priprav_scenu("Abcdefghijkl");
    nas[NAS_SKORE] = 12340, nas[NAS_ZIVOTY] = 2, LEVEL = 17, MOD_HRY = 1;
    auto vpravo = [](const char* t, int x) { return text_je_videt(screen, t, x, 582, BARVA_1, VPRAVO); };
    pis_texty(58, 0, s.base.get(), s.scene.get());
    EXPECT_TRUE(vpravo("12340", 140) && vpravo("2", 260) && vpravo("17", 400) && vpravo("00:58", 570));
    EXPECT_TRUE(vpravo("Autor úrovně  Abcdefghijkl", 770));
    EXPECT_TRUE(text_je_videt(screen, "Skóre", 30, 582, BARVA_1, VLEVO));
    pis_texty(5, 123, s.base.get(), s.scene.get());
    EXPECT_TRUE(vpravo("123:05", 570));
    MOD_HRY = 2;
    pis_texty(7, 5, s.base.get(), s.scene.get());
    EXPECT_TRUE(vpravo("Test", 140) && vpravo("Test", 260) && vpravo("Test", 400) && vpravo("05:07", 570));
    EXPECT_FALSE(vpravo("12340", 140));
}

// The curtain of a new round reveals its whole picture, the level box included, in about 750 ms.
TEST_F(Playfield, CurtainRevealsTheLevelBoxInAbout750ms)
{
    BITMAPA obraz = nova_bitmapa(800, 600);
    kresli_pozadi_kola(POZADI_HRA, "X", obraz.get());
    hlaska_kolo(12, obraz.get());
    EXPECT_TRUE(text_je_videt(obraz.get(), "Ú R O V E Ň  12", 400, 253, BARVA_1));
    clear_to_color(screen, 0);
    long long pred = hl_tiku;
    speed_counter = 0;
    efektni_tisk(obraz.get());
    EXPECT_TRUE(stejne_bitmapy(obraz.get(), screen));
    EXPECT_NEAR(hl_tiku - pred, 455, 5);
    jazyk = 2;
    hlaska_kolo(3, obraz.get());
    EXPECT_TRUE(text_je_videt(obraz.get(), "L E V E L  3", 400, 253, BARVA_1));
}

// The picture rate of play: on a fast machine a pass comes only when a frame may be drawn, the ticks
// that fell due meanwhile run in it as they would on a slower machine, and the world goes the same way.
#include "core/globals.h"
#include "core/level_file.h"
#include "platform/headless.h"
#include "shell/game.h"
#include "support/game_setup.h"
#include "support/sandbox.h"
#include "world/bot.h"

#include <cstring>
#include <vector>

namespace {

// The round as a pass finds it, left by the ticks up to `tik`.
struct PRUCHOD {
    long long tik;
    int status, skore, zivoty, kouli;
    std::vector<int> kostky;   // cell and hits left of every brick standing
    float koule_x, koule_y;
    bool operator==(const PRUCHOD&) const = default;
};

PRUCHOD stav(long long tik, const KOLO* k)
{
    PRUCHOD p{tik, k->status, nas[NAS_SKORE], nas[NAS_ZIVOTY], k->pocet_kouli, {}, 0, 0};
    for (int i = 0; i < POCET_KOSTEK; i++) p.kostky.insert(p.kostky.end(), {kostka[i]->pozice, kostka[i]->zasahy});
    if (k->pocet_kouli > 0) std::tie(p.koule_x, p.koule_y) = std::tuple(k->koule[0]->x, k->koule[0]->y);
    return p;
}

// The mouse as the bot left it at the start of a pass of the capped game, for the ticks from `tik` on.
struct VSTUP {
    long long tik;
    int x;
    bool tlacitko;
};

class StropSnimku : public Obrazovka {
protected:
    PISKOVISTE piskoviste{S_DATY};
    void SetUp() override
    {
        Obrazovka::SetUp();
        UROVEN u{};
        for (int i = 0; i < 6; i++) u.bunky[10 * 20 + 7 + i] = 1 + i % 5;
        std::strcpy(u.autor, "Tester");
        zapis_uroven(jmeno_urovne(1).c_str(), u);
    }
    void TearDown() override
    {
        strop_snimku = NEJVIC_SNIMKU;
        Obrazovka::TearDown();
    }

    // One round on a machine that takes no time for a pass. The bot plays it and its moves are kept in
    // `vstupy`, or the moves kept are played back, each at the same tick as before. Each pass notes the
    // round as the ticks before it left it: PRUCHOD::tik is the last of them.
    std::vector<PRUCHOD> hraj(int strop, std::vector<VSTUP>* vstupy, bool prehrat, int* status, long long* konec)
    {
        hl_reset();
        std::srand(3);
        strop_snimku = strop;
        hl_tiku_na_vstup = 0;
        MOD_HRY = MOD_OBYCEJNA;
        LEVEL = 1;
        HRAJE_SE = 1;
        SIM_BOT bot;
        bot_start(&bot, 7, false);
        std::vector<PRUCHOD> pruchody;
        long long odehrano = -1;
        size_t dalsi = 0;
        VSTUP v{};
        hl_pri_vstupu([&](long long) {
            if (!hrane_kolo) return;
            if (odehrano >= 0) pruchody.push_back(stav(odehrano, hrane_kolo));
            odehrano = hl_tiku;   // this pass runs every tick up to here
            if (prehrat) {
                while (dalsi < vstupy->size() && (*vstupy)[dalsi].tik <= hl_tiku) v = (*vstupy)[dalsi++];
            } else {
                SIM_VSTUP t = bot_tah(&bot, hrane_kolo);
                v = {hl_tiku, t.mys_x, t.tlacitko};
                vstupy->push_back(v);
            }
            hl_mys(v.x, -1, v.tlacitko ? 1 : 0);
        });
        *status = hraj_kolo();
        *konec = hl_tiku;
        hl_pri_vstupu(nullptr);
        return pruchody;
    }
};

}  // namespace

// Dead objects and destroyed bricks go at the end of a frame, so the two games are compared where both
// have just ended one: at every frame of the capped game (the other ends one after every tick).
TEST_F(StropSnimku, SameCourseWithAndWithoutTheCapForTheSameInputPerTick)
{
    std::vector<VSTUP> vstupy;
    int se_stropem = 0, bez_stropu = 0;
    long long konec_se_stropem = 0, konec_bez_stropu = 0;
    std::vector<PRUCHOD> s = hraj(NEJVIC_SNIMKU, &vstupy, false, &se_stropem, &konec_se_stropem);
    std::vector<PRUCHOD> b = hraj(0, &vstupy, true, &bez_stropu, &konec_bez_stropu);

    ASSERT_EQ(se_stropem, STAV_VYHRA);
    ASSERT_GT(s.size(), 1000u);
    EXPECT_GT(b.size(), 4 * s.size());
    for (size_t i = 1; i < s.size(); i++) {   // a frame every 5 ticks (a sixth now and then): 120 a second
        long long d = s[i].tik - s[i - 1].tik;
        ASSERT_TRUE(d == 5 || d == 6) << "a pass of " << d << " ticks after tick " << s[i - 1].tik;
    }
    size_t j = 0, stejnych = 0;
    for (const PRUCHOD& p : s) {
        while (j < b.size() && b[j].tik < p.tik) j++;
        if (j == b.size()) break;   // the other game is over: the win waited for no frame there
        ASSERT_TRUE(b[j] == p) << "after tick " << p.tik;
        stejnych++;
    }
    EXPECT_GE(stejnych + 2, s.size());
    EXPECT_EQ(bez_stropu, se_stropem);
    EXPECT_LE(std::abs(konec_se_stropem - konec_bez_stropu), 6);   // the win waits for a frame end
}

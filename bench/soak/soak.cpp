// A long session in one process: thousands of rounds of the real game through the headless driver,
// games won by the bot (catching every capsule) and games lost on purpose, with the name entry, the
// best games and the main menu between them. At the start of every game it notes the resident memory,
// the heap in use and the live allocations; after the first hundred rounds none of them may grow.
//   odraz_soak [rounds]          (default 10000; ends with 1 when anything grew)
// Meant for an ordinary build: under AddressSanitizer freed memory is held back on purpose.
#include "core/globals.h"
#include "core/level_file.h"
#include "platform/headless.h"
#include "shell/game.h"
#include "shell/menu.h"
#include "shell/startup.h"
#include "sound/sound.h"
#include "support/headless_game.h"
#include "support/sandbox.h"
#include "support/screen_check.h"
#include "world/bot.h"
#include "world/capsules.h"
#include "world/round.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <new>
#include <unistd.h>

// Every C++ allocation of the process, counted: objects and bricks among them.
static std::atomic<long> zivych{0};
void* operator new(size_t n)
{
    void* p = std::malloc(n ? n : 1);
    if (!p) throw std::bad_alloc();
    zivych++;
    return p;
}
void* operator new(size_t n, const std::nothrow_t&) noexcept
{
    void* p = std::malloc(n ? n : 1);
    if (p) zivych++;
    return p;
}
void operator delete(void* p) noexcept
{
    if (p) zivych--;
    std::free(p);
}
void operator delete(void* p, size_t) noexcept { operator delete(p); }

namespace {

constexpr int UROVNI = 4;
constexpr long ZAHRIVANI = 100;           // rounds before the first measure that counts
constexpr long NEJVIC_RSS = 1024 * 1024;  // growth allowed after them
constexpr long NEJVIC_HALDY = 64 * 1024;  // the driver's event record keeps what its longest round needed

struct MIRA {
    long rss, halda, alokaci;
};

MIRA zmer()
{
    long stran = 0, rezidentni = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &stran, &rezidentni) != 2) rezidentni = 0;
        std::fclose(f);
    }
    return {rezidentni * sysconf(_SC_PAGESIZE), long(mallinfo2().uordblks), zivych.load()};
}

// Short levels: two rows of ordinary bricks, so that rounds end quickly yet carry capsules.
void urovne()
{
    for (int n = 1; n <= UROVNI; n++) {
        UROVEN u{};
        for (int i = 0; i < 8; i++) {
            u.bunky[8 * SLOUPCU + 6 + i] = 1 + (i + n) % 7;
            u.bunky[10 * SLOUPCU + 6 + i] = 1 + (i + 2 * n) % 7;
        }
        std::strcpy(u.autor, "Soak");
        zapis_uroven(jmeno_urovne(n).c_str(), u);
    }
}

struct SEZENI {
    long cil;                     // rounds to play
    long kol = 0, her = 0;
    int uroven = 0;
    bool prohrava = false;        // this game the paddle keeps away from the ball
    SIM_BOT bot{};
    long long akce_v = -1000;
    bool jmeno_zadano = false;
    MIRA zaklad{}, nejvic{};
    bool zmereno = false;
    bool kapsle[POCET_DRUHU_BONUSU + 1] = {};
};

bool vidi(const char* text, int y) { return text_je_videt(screen, text, 400, y, BARVA_1); }

void nova_hra_zacala(SEZENI* s)
{
    MIRA m = zmer();
    if (s->kol > ZAHRIVANI && !s->zmereno) {
        s->zaklad = s->nejvic = m;
        s->zmereno = true;
    } else if (s->zmereno) {
        s->nejvic = {std::max(s->nejvic.rss, m.rss), std::max(s->nejvic.halda, m.halda),
                     std::max(s->nejvic.alokaci, m.alokaci)};
    }
    s->prohrava = s->her % 4 == 3;
    s->her++;
}

void v_kole(SEZENI* s, const KOLO* k)
{
    if (LEVEL != s->uroven || s->kol == 0) {
        s->uroven = LEVEL;
        s->kol++;
        if (LEVEL == 1) nova_hra_zacala(s);
        bot_start(&s->bot, unsigned(s->kol), true);
        hl_zaznam.clear();
    }
    for (int i = 0; i < k->pocet_bonusu; i++)
        if (k->bonusy[i]->druh >= 1 && k->bonusy[i]->druh <= POCET_DRUHU_BONUSU) s->kapsle[k->bonusy[i]->druh] = true;
    if (s->prohrava) {
        int x = k->pocet_kouli > 0 && k->koule[0]->x < 400 ? 700 : 10;
        hl_mys(x, -1, 1);
        return;
    }
    SIM_VSTUP v = bot_tah(&s->bot, k);
    hl_mys(v.mys_x, -1, v.tlacitko ? 1 : 0);
}

// The screens between rounds, answered as a player would.
void mimo_kolo(SEZENI* s, long long pruchod)
{
    if (pruchod - s->akce_v < 20) return;
    s->akce_v = pruchod;
    if (vidi("Zadejte své jméno", 268)) {
        if (!s->jmeno_zadano) {
            for (char c : std::string("Soak")) hl_stisk(KEY_A, c);
            hl_stisk(KEY_ENTER, 13);
            s->jmeno_zadano = true;
        }
    } else if (vidi("N E J L E P Š Í   H R Y", 47)) {
        hl_klik(400, 560);
    } else if (vidi("GRATULUJI VÍTĚZÍTE", 147)) {
        hl_stisk(KEY_SPACE, ' ');
    } else if (vidi("Editor úrovní", 376)) {
        s->jmeno_zadano = false;
        s->uroven = 0;
        if (s->kol >= s->cil) hl_klik(400, 285 + 25 * 9);   // "Konec hry"
        else hl_klik(490, 285);                             // "Nová hra"
    }
}

}  // namespace

int main(int argc, char** argv)
{
    SEZENI s;
    s.cil = argc > 1 ? std::atol(argv[1]) : 10000;
    if (!spust_headless(ODRAZ_RUN_DIR "/odraz.dat")) {
        std::fprintf(stderr, "odraz.dat not built\n");
        return 2;
    }
    nastav_barvy_a_pismo();
    PISKOVISTE p(S_DATY);
    urovne();
    pocet_kol = UROVNI;
    volume_zvuk = volume_hudba = 200;
    jazyk = 1;
    std::srand(5);
    hl_limit_necinnosti = 1LL << 40;
    hl_pri_vstupu([&s](long long pruchod) {
        if (hrane_kolo) v_kole(&s, hrane_kolo);
        else mimo_kolo(&s, pruchod);
    });
    menu(MENU_HLAVNI);
    int druhu = int(std::count(s.kapsle + 1, s.kapsle + POCET_DRUHU_BONUSU + 1, true));
    MIRA m = zmer();
    std::printf("%ld rounds in %ld games; capsule kinds seen falling: %d of %d\n", s.kol, s.her, druhu, POCET_DRUHU_BONUSU);
    std::printf("after round %ld: resident %ld KiB, heap in use %ld KiB, live allocations %ld\n", ZAHRIVANI,
                s.zaklad.rss / 1024, s.zaklad.halda / 1024, s.zaklad.alokaci);
    std::printf("largest since:  resident %ld KiB (+%ld), heap %ld KiB (+%ld), allocations %ld (+%ld); at the end resident %ld KiB\n",
                s.nejvic.rss / 1024, (s.nejvic.rss - s.zaklad.rss) / 1024, s.nejvic.halda / 1024,
                (s.nejvic.halda - s.zaklad.halda) / 1024, s.nejvic.alokaci, s.nejvic.alokaci - s.zaklad.alokaci, m.rss / 1024);
    bool ok = s.kol >= s.cil && (!s.zmereno || (s.nejvic.rss - s.zaklad.rss <= NEJVIC_RSS &&
                                                 s.nejvic.halda - s.zaklad.halda <= NEJVIC_HALDY &&
                                                 s.nejvic.alokaci <= s.zaklad.alokaci));
    ukonci_headless();
    std::printf("%s\n", ok ? "1 passed, 0 failed" : "0 passed, 1 failed");
    return ok ? 0 : 1;
}

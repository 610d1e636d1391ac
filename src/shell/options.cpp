// Reading the command line and answering --help and --version.
#include "shell/options.h"

#include "core/version.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <utility>

constexpr int KOD_CHYBNE_VOLBY = 2;

// `--scale N` or `--scale=N`: the next argument or the part after '=' must be a whole number 1..3.
static bool cti_meritko(std::string_view text, int* meritko)
{
    if (text.size() != 1 || text[0] < '1' || text[0] > '0' + NEJVETSI_MERITKO) return false;
    *meritko = text[0] - '0';
    return true;
}

static VOLBY chyba(std::string argument)
{
    VOLBY v;
    v.akce = AKCE_CHYBA;
    v.chyba = std::move(argument);
    return v;
}

VOLBY cti_volby(int argc, const char* const* argv)
{
    VOLBY v;
    for (int i = 1; argv && i < argc; i++) {
        std::string_view a = argv[i];
        if (a == "--help" || a == "-h") v.akce = AKCE_NAPOVEDA;
        else if (a == "--version") v.akce = v.akce == AKCE_HRAJ ? AKCE_VERZE : v.akce;
        else if (a == "--window") v.zobrazeni.rezim = REZIM_OKNO;
        else if (a == "--fullscreen") v.zobrazeni.rezim = REZIM_CELA_OBRAZOVKA;
        else if (a.starts_with("--scale=")) {
            if (!cti_meritko(a.substr(8), &v.zobrazeni.meritko)) return chyba(std::string(a));
        } else if (a == "--scale") {
            if (i + 1 >= argc) return chyba(std::string(a));
            if (!cti_meritko(argv[i + 1], &v.zobrazeni.meritko)) return chyba(std::string(a) + " " + argv[i + 1]);
            i++;
        } else return chyba(std::string(a));
    }
    return v;
}

// The language of the messages on the terminal follows the locale, as the settings are not read yet.
static bool cesky()
{
    for (const char* promenna : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* h = std::getenv(promenna);
        if (h && *h) return std::strncmp(h, "cs", 2) == 0;
    }
    return false;
}

static const char NAPOVEDA_CS[] =
    "Použití: odraz [VOLBA]...\n"
    "Odraz: pálku vedete myší, míčky rozbíjejí cihly, kapsle přinášejí bonusy.\n"
    "\n"
    "  --window       hra v okně 800 × 600\n"
    "  --fullscreen   hra na celé obrazovce\n"
    "  --scale N      obraz zvětšený N krát (N = 1, 2 nebo 3), v okně i na celé obrazovce\n"
    "  --help         vypíše tuto nápovědu a skončí\n"
    "  --version      vypíše verzi a skončí\n"
    "\n"
    "Bez voleb vybírá mezi celou obrazovkou a oknem grafická knihovna; platí i její\n"
    "nastavení v ~/allegro.cfg nebo ~/.allegrorc.\n";

static const char NAPOVEDA_EN[] =
    "Usage: odraz [OPTION]...\n"
    "Odraz: steer the paddle with the mouse, let the balls break the bricks, catch the capsules.\n"
    "\n"
    "  --window       play in an 800 x 600 window\n"
    "  --fullscreen   play on the whole display\n"
    "  --scale N      enlarge the picture N times (N = 1, 2 or 3), in a window or on the whole display\n"
    "  --help         show this help and exit\n"
    "  --version      show the version and exit\n"
    "\n"
    "Without options the graphics library chooses between the whole display and a window;\n"
    "its settings in ~/allegro.cfg or ~/.allegrorc apply as well.\n";

int odpovez_na_volby(const VOLBY& v)
{
    const bool cs = cesky();
    switch (v.akce) {
    case AKCE_NAPOVEDA:
        std::fputs(cs ? NAPOVEDA_CS : NAPOVEDA_EN, stdout);
        return 0;
    case AKCE_VERZE:
        std::printf("odraz %s\n", ODRAZ_VERZE);
        return 0;
    case AKCE_CHYBA:
        std::fprintf(stderr, cs ? "odraz: neplatná volba nebo hodnota „%s“\nVíce řekne „odraz --help“.\n"
                                : "odraz: invalid option or value '%s'\nTry 'odraz --help' for more information.\n",
                     v.chyba.c_str());
        return KOD_CHYBNE_VOLBY;
    case AKCE_HRAJ:
        break;
    }
    return 0;
}

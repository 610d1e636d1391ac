// Writes that fail — a full disk, a read-only directory, data that never reaches the disk, a rename
// refused — run under the preloaded failing_writes.c. ODRAZ_SELHANI_ZPUSOB names the way for this run;
// the tests arm it (ODRAZ_SELHANI) only around the write they try.
#include "core/globals.h"
#include "persist/best_games.h"
#include "platform/headless.h"
#include "shell/startup.h"
#include "support/game_setup.h"
#include "support/sandbox.h"
#include "support/writers.h"
#include "world/objects.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// Makes every write of the scope fail the way of this run.
struct SELHANI {
    SELHANI()
    {
        const char* z = std::getenv("ODRAZ_SELHANI_ZPUSOB");
        setenv("ODRAZ_SELHANI", z ? z : "plny", 1);
    }
    ~SELHANI() { unsetenv("ODRAZ_SELHANI"); }
};

bool zapis_selhava(const ZAPISOVATEL& z)
{
    SELHANI s;
    return z.zapis(1);
}

}  // namespace

TEST(FailedWrites, ReportFailureAndKeepTheOldFile)
{
    for (const ZAPISOVATEL& z : zapisovatele()) {
        PISKOVISTE p;
        EXPECT_FALSE(zapis_selhava(z)) << z.nazev << ": a failed write reported as done";
        EXPECT_FALSE(std::filesystem::exists(z.soubor)) << z.nazev << ": a failed write left a file";
        ASSERT_TRUE(z.zapis(0)) << z.nazev;
        std::string stara = precti_bajty(z.soubor);
        EXPECT_FALSE(zapis_selhava(z)) << z.nazev;
        EXPECT_EQ(precti_bajty(z.soubor), stara) << z.nazev << ": the old file was damaged";
        EXPECT_TRUE(z.zapis(1)) << z.nazev << ": the next write after a failed one";
    }
}

// Settings are written at exit and the best games after the name: both fail without a word.
TEST(FailedExit, SettingsAtExitFailQuietly)
{
    spust_headless(nullptr);
    {
        PISKOVISTE p(S_DATY);
        zapisovatele()[0].zapis(1);
        std::string stara = precti_bajty("setdat.ddt");
        hl_klik(400, 285 + 25 * 9);   // "Konec hry"
        SELHANI s;
        EXPECT_EQ(hlavni(), 0);
        EXPECT_EQ(precti_bajty("setdat.ddt"), stara);
    }
    ukonci_headless();
}

class FailedGameWrites : public Obrazovka {};

TEST_F(FailedGameWrites, BestGameIsKeptInMemoryOnly)
{
    PISKOVISTE p;
    zapisovatele()[1].zapis(0);
    std::string stara = precti_bajty("n_score.ddt");
    nas[NAS_SKORE] = 999999;
    LEVEL = 3;
    for (char c : std::string("Ota\r")) hl_stisk(c == '\r' ? KEY_ENTER : KEY_A, c);
    SELHANI s;
    EXPECT_EQ(zapis_score(0), 1);
    EXPECT_STREQ(sampion_jmeno, "Ota");
    EXPECT_EQ(precti_bajty("n_score.ddt"), stara);
}

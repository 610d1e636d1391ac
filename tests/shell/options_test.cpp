// The command line: display choices, the two questions, and what is refused before anything starts.
#include "core/version.h"
#include "shell/options.h"
#include "shell/startup.h"
#include "support/sandbox.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

static VOLBY volby(std::vector<const char*> a)
{
    a.insert(a.begin(), "odraz");
    return cti_volby(int(a.size()), a.data());
}

TEST(CommandLine, DisplayChoices)
{
    auto co = [](VOLBY v) { return std::tuple(v.akce, v.zobrazeni.rezim, v.zobrazeni.meritko); };
    EXPECT_EQ(co(cti_volby(0, nullptr)), std::tuple(AKCE_HRAJ, REZIM_KNIHOVNY, 1));
    EXPECT_EQ(co(volby({"--scale=2", "--window", "--fullscreen"})),   // the last of the two choices holds
              std::tuple(AKCE_HRAJ, REZIM_CELA_OBRAZOVKA, 2));
    EXPECT_EQ(volby({"--window", "--scale", "3"}).zobrazeni.meritko, 3);
    EXPECT_EQ(volby({"--version", "--help"}).akce, AKCE_NAPOVEDA);
}

TEST(CommandLine, RefusedBeforeAnythingStarts)
{
    for (auto a : std::vector<std::vector<const char*>>{
             {"--scale"}, {"--scale", "4"}, {"--scale", "0"}, {"--scale=22"}, {"--scale", "two"}, {"-w"}, {"level.lvl"}})
        EXPECT_EQ(volby(a).akce, AKCE_CHYBA) << a[0];
    EXPECT_EQ(volby({"--scale", "5"}).chyba, "--scale 5");

    PISKOVISTE p(S_DATY);
    const char* spatne[] = {"odraz", "--windowed"};
    testing::internal::CaptureStderr();
    EXPECT_EQ(hlavni(2, spatne), 2);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("--windowed"), std::string::npos);
    const char* verze[] = {"odraz", "--version"};
    testing::internal::CaptureStdout();
    EXPECT_EQ(hlavni(2, verze), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), std::string("odraz ") + ODRAZ_VERZE + "\n");
    EXPECT_FALSE(std::filesystem::exists("setdat.ddt"));   // the game did not run
}

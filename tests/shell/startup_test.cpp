// Start-up and shutdown of the whole program in the headless driver.
#include "core/globals.h"
#include "core/resources.h"
#include "platform/headless.h"
#include "shell/startup.h"
#include "sound/sound.h"
#include "support/game_setup.h"
#include "support/sandbox.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

TEST(LevelFiles, CountedWithoutGaps)
{
    PISKOVISTE p;
    EXPECT_EQ(spocitej_urovne(), 0);
    for (int n : {1, 2, 3, 5}) vytvor_uroven(n);
    EXPECT_EQ(spocitej_urovne(), 3);
    EXPECT_EQ((vytvor_uroven(4), spocitej_urovne()), 5);
}

// The whole program: start, the main menu, "Konec hry", and the settings written at exit.
class Program : public ::testing::Test {
protected:
    void SetUp() override { spust_headless(nullptr); }
    void TearDown() override { ukonci_headless(); }
};

TEST_F(Program, FirstRunWritesTheDefaultsAndWithoutPiecesThereIsNoMusic)
{
    PISKOVISTE p(S_DATY | S_HUDBOU);
    hl_klik(400, 285 + 25 * 9);
    EXPECT_EQ(hlavni(), 0);
    const std::string vychozi("\xc8\0\0\0\xc8\0\0\0\x0a\0\0\0\x01\0\0\0Neuvedeno\0\0\0\0", 29);
    EXPECT_EQ(std::pair(precti_bajty("setdat.ddt"), data), std::pair(vychozi, (DATAFILE*)nullptr));   // all given back

    std::filesystem::remove("Midi");   // no piece at all: no music, whatever was chosen
    hl_reset();
    hl_klik(400, 285 + 25 * 9);
    hlavni();
    EXPECT_EQ(std::pair(pocet_midi, precti_bajty("setdat.ddt").substr(8, 4)), std::pair(0, std::string(4, '\0')));
}

TEST_F(Program, StartUpFailuresEndCleanly)
{
    const std::string cely = precti_bajty(ODRAZ_RUN_DIR "/odraz.dat");
    auto selze = [](int co, const std::function<void()>& priprav) {
        PISKOVISTE p(co);
        hl_reset();
        priprav();
        EXPECT_EQ(hlavni(), 1);   // a start-up that failed does not end as a success
        EXPECT_EQ(std::pair(data, std::filesystem::exists("setdat.ddt")), std::pair((DATAFILE*)nullptr, false));
    };
    selze(0, [] {});   // no odraz.dat
    selze(0, [] { zapis_bajty("odraz.dat", std::string(5000, 'x')); });       // a file that is no datafile
    selze(0, [&] { zapis_bajty("odraz.dat", cely.substr(0, cely.size() / 2)); });   // a datafile cut short
    selze(S_DATY, [] { hl_casovac_selze = true; });
    selze(S_DATY, [] { hl_grafika_selze = true; });
    hl_reset();
}

TEST_F(Program, DatafileWithMissingOrWrongEntriesIsRefused)
{
    DATAFILE* d = load_datafile(ODRAZ_RUN_DIR "/odraz.dat");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(std::pair(katalog_v_poradku(d), katalog_v_poradku(nullptr)), std::pair(true, false));
    auto se_zamenou = [d](int kam, int co) {   // entry `co` put at place `kam`; -1 ends the catalogue there
        std::vector<DATAFILE> kopie(d, d + POCET_ZDROJU + 1);
        if (co < 0) kopie[kam].type = DAT_END;
        else kopie[kam] = d[co];
        return katalog_v_poradku(kopie.data());
    };
    EXPECT_FALSE(se_zamenou(70, -1));                           // only 70 entries
    EXPECT_FALSE(se_zamenou(fnt_main, bmp_button));             // a picture where the font belongs
    EXPECT_FALSE(se_zamenou(snd_wall, bmp_shot));               // a picture where a sound belongs
    EXPECT_FALSE(se_zamenou(bmp_ball_grey_8 + 4, bmp_ball_grey_8));   // a ball of the wrong size
    EXPECT_TRUE(se_zamenou(55, snd_click));                     // the unused place may hold anything
    unload_datafile(d);
}

// Start-up and shutdown of the whole program in the headless driver.
#include "support/game_setup.h"
#include "core/level_file.h"
#include "persist/best_games_file.h"
#include "platform/headless.h"
#include "core/globals.h"
#include "core/resources.h"
#include "shell/startup.h"
#include "sound/sound.h"
#include "support/sandbox.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

TEST(LevelFiles, CountedWithoutGaps)
{
    PISKOVISTE p;
    EXPECT_EQ(spocitej_urovne(), 0);
    for (int n = 1; n <= 12; n++) vytvor_uroven(n);
    vytvor_uroven(14);
    EXPECT_EQ(spocitej_urovne(), 12);
    vytvor_uroven(13);
    EXPECT_EQ(spocitej_urovne(), 14);
}

TEST(Champion, NameFromTheTableOrNobody)
{
    PISKOVISTE p;
    char j[MAX_JMENO];
    nacti_sampiona("n_score.ddt", j);
    EXPECT_STREQ(j, "Neuvedeno");

    NEJ_SCORE t[POCET_NEJ];
    prazdna_tabulka(t);
    std::strcpy(t[0].jmeno, "Eva");
    t[0].skore = 900;
    ASSERT_TRUE(zapis_tabulku("n_score.ddt", t));
    nacti_sampiona("n_score.ddt", j);
    EXPECT_STREQ(j, "Eva");

    // A name field without its zero byte is cut, never read past its end.
    std::string b = precti_bajty("n_score.ddt");
    b.replace(8, 13, std::string(13, 'Z'));
    zapis_bajty("n_score.ddt", b);
    nacti_sampiona("n_score.ddt", j);
    EXPECT_EQ(std::string(j), std::string(12, 'Z'));

    zapis_bajty("n_score.ddt", "short");
    nacti_sampiona("n_score.ddt", j);
    EXPECT_STREQ(j, "");
}

// The whole program: start, the main menu, "Konec hry", and the settings written at exit.
class Program : public ::testing::Test {
protected:
    void SetUp() override { spust_headless(nullptr); }
    void TearDown() override { ukonci_headless(); }
};

TEST_F(Program, FirstRunLeavesDefaultSettings)
{
    PISKOVISTE p(S_DATY | S_HUDBOU);
    hl_klik(400, 285 + 25 * 9);
    EXPECT_EQ(hlavni(), 0);
    std::string b = precti_bajty("setdat.ddt");
    ASSERT_EQ(b.size(), 29u);
    int hodnoty[4];
    std::memcpy(hodnoty, b.data(), 16);
    EXPECT_EQ(hodnoty[0], 200);
    EXPECT_EQ(hodnoty[1], 200);
    EXPECT_EQ(hodnoty[2], 10);
    EXPECT_EQ(hodnoty[3], 1);
    EXPECT_EQ(b.substr(16), std::string("Neuvedeno\0\0\0\0", 13));
    EXPECT_EQ(data, nullptr);   // everything is given back on the way out
}

TEST_F(Program, MusicChoiceFittedToThePiecesFound)
{
    PISKOVISTE p(S_DATY | S_HUDBOU);
    ASSERT_GE(std::distance(std::filesystem::directory_iterator("Midi"), {}), 3);
    auto spust = [](int volba) {
        std::string s(16, '\0');
        int v[4] = {200, 200, volba, 1};
        std::memcpy(s.data(), v, 16);
        zapis_bajty("setdat.ddt", s + std::string(13, '\0'));
        hl_reset();
        hl_klik(400, 285 + 25 * 9);
        hlavni();
        int ulozeno;
        std::memcpy(&ulozeno, precti_bajty("setdat.ddt").data() + 8, 4);
        return ulozeno;
    };
    int kusu = 0;
    while (kusu < 9 && std::filesystem::exists("Midi/midi" + std::to_string(kusu + 1) + ".mid")) kusu++;
    EXPECT_EQ(spust(7), std::min(7, kusu));

    std::filesystem::remove("Midi");   // no piece at all: no music, whatever was chosen
    EXPECT_EQ(spust(7), 0);
    EXPECT_EQ(pocet_midi, 0);
}

TEST_F(Program, StartUpFailuresEndCleanly)
{
    {
        PISKOVISTE p;   // no odraz.dat
        EXPECT_EQ(hlavni(), 1);
        EXPECT_FALSE(std::filesystem::exists("setdat.ddt"));
    }
    {
        PISKOVISTE p;   // a file that is no datafile
        zapis_bajty("odraz.dat", std::string(5000, 'x'));
        EXPECT_EQ(hlavni(), 1);
        EXPECT_EQ(data, nullptr);
    }
    {
        PISKOVISTE p(S_DATY);
        hl_casovac_selze = true;
        EXPECT_EQ(hlavni(), 1);
        EXPECT_EQ(data, nullptr);
        EXPECT_FALSE(std::filesystem::exists("setdat.ddt"));
    }
    {
        PISKOVISTE p(S_DATY);
        hl_reset();
        hl_grafika_selze = true;
        EXPECT_EQ(hlavni(), 1);
        EXPECT_FALSE(std::filesystem::exists("setdat.ddt"));
        hl_reset();
    }
}

TEST_F(Program, DatafileWithMissingOrWrongEntriesIsRefused)
{
    DATAFILE* d = load_datafile(ODRAZ_RUN_DIR "/odraz.dat");
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(katalog_v_poradku(d));
    DATAFILE kopie[POCET_ZDROJU + 1];
    auto obnov = [&] {
        for (int i = 0; i <= POCET_ZDROJU; i++) kopie[i] = d[i];
    };
    obnov();
    kopie[70].type = DAT_END;                       // only 70 entries
    EXPECT_FALSE(katalog_v_poradku(kopie));
    obnov();
    kopie[fnt_main] = d[bmp_button];                // a picture where the font belongs
    EXPECT_FALSE(katalog_v_poradku(kopie));
    obnov();
    kopie[snd_wall] = d[bmp_shot];                  // a picture where a sound belongs
    EXPECT_FALSE(katalog_v_poradku(kopie));
    obnov();
    kopie[bmp_ball_grey_8 + 4] = d[bmp_ball_grey_8];   // a ball of the wrong size
    EXPECT_FALSE(katalog_v_poradku(kopie));
    obnov();
    kopie[55] = d[snd_click];                       // the unused place may hold anything
    EXPECT_TRUE(katalog_v_poradku(kopie));
    EXPECT_FALSE(katalog_v_poradku(nullptr));
    unload_datafile(d);

    PISKOVISTE p;   // a datafile cut short
    std::string cely = precti_bajty(ODRAZ_RUN_DIR "/odraz.dat");
    zapis_bajty("odraz.dat", cely.substr(0, cely.size() / 2));
    EXPECT_EQ(hlavni(), 1);
    EXPECT_EQ(data, nullptr);
    EXPECT_FALSE(std::filesystem::exists("setdat.ddt"));
}

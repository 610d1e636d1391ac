// Level files: the name rule, the exact byte layout, and reading files that players may have damaged.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <random>
#include <string>

#include "levels/level_file.h"
#include "support/sandbox.h"

namespace {

std::string le32(int32_t v)
{
    std::string s(4, '\0');
    zapis_le32(reinterpret_cast<unsigned char*>(s.data()), v);
    return s;
}

// The bytes of a level file made by hand: cells in order, then the 13 name bytes as given.
std::string soubor_urovne(const int* bunky, const char* jmeno13)
{
    std::string s;
    for (int i = 0; i < BUNEK_MRIZKY; i++) s += le32(bunky[i]);
    return s + std::string(jmeno13, MAX_JMENO);
}

UROVEN vzorova_uroven()
{
    UROVEN u{};
    for (int i = 0; i < BUNEK_MRIZKY; i++) u.bunky[i] = (i * 7 + i / 20) % 11;
    std::strcpy(u.autor, "Jana Dvorak");
    return u;
}

void ocekavej_stejne(const UROVEN& a, const UROVEN& b)
{
    for (int i = 0; i < BUNEK_MRIZKY; i++) ASSERT_EQ(a.bunky[i], b.bunky[i]) << "cell " << i;
    EXPECT_EQ(0, std::memcmp(a.autor, b.autor, MAX_JMENO));
}

// A level with something in every field, so that leftovers from an earlier read would show.
UROVEN zaplnena()
{
    UROVEN u;
    for (int& b : u.bunky) b = 7;
    std::memset(u.autor, 'Q', MAX_JMENO);
    return u;
}

void ocekavej_prazdne_od(const UROVEN& u, int od)
{
    for (int i = od; i < BUNEK_MRIZKY; i++) ASSERT_EQ(0, u.bunky[i]) << "cell " << i;
}

}  // namespace

TEST(LevelName, PaddingByNumberOfDigits)
{
    char b[DELKA_CESTY_UROVNE];
    const std::pair<int, const char*> pripady[] = {
        {1, "Level/level_001.lvl"},  {7, "Level/level_007.lvl"},  {9, "Level/level_009.lvl"},
        {10, "Level/level_010.lvl"}, {42, "Level/level_042.lvl"}, {99, "Level/level_099.lvl"},
        {100, "Level/level_100.lvl"}, {123, "Level/level_123.lvl"}, {999, "Level/level_999.lvl"},
    };
    for (const auto& [n, ocekavane] : pripady) {
        jmeno_urovne(n, b, sizeof b);
        EXPECT_STREQ(ocekavane, b) << n;
    }
}

TEST(LevelName, AnyIntFitsAndSmallBuffersStayTerminated)
{
    char b[DELKA_CESTY_UROVNE];
    jmeno_urovne(INT_MAX, b, sizeof b);
    EXPECT_STREQ("Level/level_2147483647.lvl", b);
    jmeno_urovne(INT_MIN, b, sizeof b);
    EXPECT_STREQ("Level/level_00-2147483648.lvl", b);

    char male[8];
    std::memset(male, 'x', sizeof male);
    jmeno_urovne(5, male, sizeof male);
    EXPECT_STREQ("Level/l", male);
}

TEST(LevelFile, ByteLayoutIsLittleEndianCellsThenName)
{
    PISKOVISTE p;
    UROVEN u{};
    u.bunky[0] = 10;
    u.bunky[1] = 1;
    u.bunky[439] = 9;
    std::strcpy(u.autor, "Ab");
    ASSERT_TRUE(zapis_uroven("a.lvl", u));
    std::string s = precti_bajty("a.lvl");
    ASSERT_EQ(VELIKOST_UROVNE, s.size());
    EXPECT_EQ(std::string("\x0a\0\0\0\x01\0\0\0", 8), s.substr(0, 8));
    EXPECT_EQ(std::string("\x09\0\0\0", 4), s.substr(1756, 4));
    EXPECT_EQ(std::string("Ab\0\0\0\0\0\0\0\0\0\0\0", 13), s.substr(1760));
}

TEST(LevelFile, RoundTripKeepsEveryCellAndTheName)
{
    PISKOVISTE p;
    UROVEN u = vzorova_uroven();
    ASSERT_TRUE(zapis_uroven("a.lvl", u));
    UROVEN zpet = zaplnena();
    int spatnych = -1;
    EXPECT_EQ(CTENI_CELE, nacti_uroven("a.lvl", &zpet, &spatnych));
    EXPECT_EQ(0, spatnych);
    ocekavej_stejne(u, zpet);

    std::strcpy(u.autor, "Twelve chars");   // the longest name a field can hold
    ASSERT_TRUE(zapis_uroven("a.lvl", u));
    nacti_uroven("a.lvl", &zpet);
    EXPECT_STREQ("Twelve chars", zpet.autor);
}

TEST(LevelFile, WriteFailsCleanlyWhereNoFileCanBe)
{
    PISKOVISTE p;
    EXPECT_FALSE(zapis_uroven("no/such/dir/a.lvl", vzorova_uroven()));
}

TEST(LevelFileBadInput, MissingFileClearsTheLevel)
{
    PISKOVISTE p;
    UROVEN u = zaplnena();
    EXPECT_EQ(CTENI_CHYBI, nacti_uroven("Level/level_001.lvl", &u));
    ocekavej_prazdne_od(u, 0);
    EXPECT_EQ('\0', u.autor[0]);
}

TEST(LevelFileBadInput, ShortFilesKeepWhatWasThere)
{
    PISKOVISTE p;
    UROVEN u = vzorova_uroven();
    std::string cely = soubor_urovne(u.bunky, "Jana Dvorak\0\0");
    UROVEN zpet;

    zapis_bajty("a.lvl", "");
    zpet = zaplnena();
    EXPECT_EQ(CTENI_KRATKE, nacti_uroven("a.lvl", &zpet));
    ocekavej_prazdne_od(zpet, 0);
    EXPECT_STREQ("", zpet.autor);

    zapis_bajty("a.lvl", cely.substr(0, 1002));   // 250 whole cells and half of the next
    zpet = zaplnena();
    EXPECT_EQ(CTENI_KRATKE, nacti_uroven("a.lvl", &zpet));
    for (int i = 0; i < 250; i++) ASSERT_EQ(u.bunky[i], zpet.bunky[i]);
    ocekavej_prazdne_od(zpet, 250);
    EXPECT_STREQ("", zpet.autor);

    zapis_bajty("a.lvl", cely.substr(0, 1765));   // the name cut after five letters
    EXPECT_EQ(CTENI_KRATKE, nacti_uroven("a.lvl", &zpet));
    UROVEN ocekavana = u;
    std::memset(ocekavana.autor, 0, MAX_JMENO);
    std::strcpy(ocekavana.autor, "Jana ");
    ocekavej_stejne(ocekavana, zpet);
}

TEST(LevelFileBadInput, ExtraBytesAfterTheNameAreIgnored)
{
    PISKOVISTE p;
    UROVEN u = vzorova_uroven();
    zapis_bajty("a.lvl", soubor_urovne(u.bunky, "Jana Dvorak\0\0") + std::string(5000, '\x7f'));
    UROVEN zpet;
    EXPECT_EQ(CTENI_CELE, nacti_uroven("a.lvl", &zpet));
    ocekavej_stejne(u, zpet);
}

TEST(LevelFileBadInput, CellsOutsideTheBrickTypesReadAsEmpty)
{
    PISKOVISTE p;
    int bunky[BUNEK_MRIZKY] = {};
    const int32_t spatne[] = {-1, 11, INT_MIN, INT_MAX, 0x0a000000, 256, -10};
    for (int i = 0; i < 7; i++) bunky[i] = spatne[i];
    bunky[7] = 10;
    bunky[8] = 1;
    zapis_bajty("a.lvl", soubor_urovne(bunky, "Ok\0\0\0\0\0\0\0\0\0\0\0"));
    UROVEN u;
    int spatnych = 0;
    EXPECT_EQ(CTENI_CELE, nacti_uroven("a.lvl", &u, &spatnych));
    EXPECT_EQ(7, spatnych);
    ocekavej_prazdne_od(u, 9);
    for (int i = 0; i < 7; i++) EXPECT_EQ(0, u.bunky[i]) << spatne[i];
    EXPECT_EQ(10, u.bunky[7]);
    EXPECT_EQ(1, u.bunky[8]);
}

TEST(LevelFileBadInput, NameWithoutZeroByteIsCutAtTwelve)
{
    PISKOVISTE p;
    int bunky[BUNEK_MRIZKY] = {};
    zapis_bajty("a.lvl", soubor_urovne(bunky, "ABCDEFGHIJKLM"));
    UROVEN u;
    nacti_uroven("a.lvl", &u);
    EXPECT_STREQ("ABCDEFGHIJKL", u.autor);
    EXPECT_EQ('\0', u.autor[MAX_JMENO - 1]);
}

TEST(LevelFileBadInput, RandomBytesNeverGiveAnUnusableLevel)
{
    std::mt19937 nahoda(1234);
    for (int pokus = 0; pokus < 300; pokus++) {
        size_t delka = nahoda() % 2200;
        std::string s(delka, '\0');
        for (char& c : s) c = static_cast<char>(nahoda() % 256);
        if (pokus % 3 == 0)   // mostly small values, so that real bricks turn up among the garbage
            for (size_t i = 0; i + 3 < delka && i < VELIKOST_MRIZKY; i += 4) s[i + 1] = s[i + 2] = s[i + 3] = 0;
        UROVEN u = zaplnena();
        uroven_z_bajtu(reinterpret_cast<const unsigned char*>(s.data()), delka, &u);
        for (int i = 0; i < BUNEK_MRIZKY; i++) ASSERT_TRUE(u.bunky[i] >= 0 && u.bunky[i] <= 10);
        ASSERT_LT(strnlen(u.autor, MAX_JMENO), size_t(MAX_JMENO));
        if (delka < VELIKOST_MRIZKY) ocekavej_prazdne_od(u, static_cast<int>(delka / 4));
    }
}

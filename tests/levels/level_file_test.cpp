// Level files: the name rule, the exact byte layout, and reading files that players may have damaged.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <iterator>
#include <string>

#include "core/level_file.h"
#include "support/sandbox.h"

namespace {

// The bytes of a level file made by hand: 440 little-endian cells, then the 13 name bytes as given.
std::string soubor_urovne(const int32_t* bunky, const char* jmeno13)
{
    std::string s;
    for (int i = 0; i < POCET_BUNEK; i++)
        for (int b = 0; b < 4; b++) s += static_cast<char>(static_cast<uint32_t>(bunky[i]) >> (8 * b));
    return s + std::string(jmeno13, MAX_JMENO);
}

// Something in every field, so that leftovers from an earlier read would show.
UROVEN zaplnena()
{
    UROVEN u;
    for (int& b : u.bunky) b = 7;
    std::memset(u.autor, 'Q', MAX_JMENO);
    return u;
}

}  // namespace

TEST(LevelName, PaddedToThreeDigits)
{
    const std::pair<int, const char*> pripady[] = {
        {9, "Level/level_009.lvl"},   {10, "Level/level_010.lvl"}, {99, "Level/level_099.lvl"},
        {100, "Level/level_100.lvl"}, {INT_MIN, "Level/level_00-2147483648.lvl"},   // any int fits
    };
    for (const auto& [n, ocekavane] : pripady) EXPECT_EQ(ocekavane, jmeno_urovne(n)) << n;
}

TEST(LevelFile, LittleEndianCellsThenTheNameReadBackExactly)
{
    PISKOVISTE p;
    UROVEN u{};
    for (int i = 0; i < POCET_BUNEK; i++) u.bunky[i] = (i * 7 + i / 20) % 11;
    u.bunky[0] = 10;
    u.bunky[1] = 1;
    u.bunky[439] = 9;
    std::strcpy(u.autor, "Twelve chars");   // the longest name the field holds
    ASSERT_TRUE(zapis_uroven("a.lvl", u));
    std::string s = precti_bajty("a.lvl");
    ASSERT_EQ(VELIKOST_UROVNE, s.size());
    EXPECT_EQ(std::string("\x0a\0\0\0\x01\0\0\0", 8), s.substr(0, 8));
    EXPECT_EQ(std::string("\x09\0\0\0", 4), s.substr(1756, 4));
    EXPECT_EQ(std::string("Twelve chars\0", 13), s.substr(1760));

    UROVEN zpet = zaplnena();
    int spatnych = -1;
    EXPECT_EQ(CTENI_CELE, nacti_uroven("a.lvl", &zpet, &spatnych));
    EXPECT_EQ(0, spatnych);
    EXPECT_EQ(0, std::memcmp(&u, &zpet, sizeof u));

    EXPECT_FALSE(zapis_uroven("no/such/dir/a.lvl", u));
}

TEST(LevelFile, DamagedFilesReadSafely)
{
    PISKOVISTE p;
    UROVEN u = zaplnena();
    const UROVEN prazdna{};
    EXPECT_EQ(CTENI_CHYBI, nacti_uroven("missing.lvl", &u));
    EXPECT_EQ(0, std::memcmp(&prazdna, &u, sizeof u)) << "a missing file leaves an empty level";

    int32_t bunky[POCET_BUNEK];
    for (int i = 0; i < POCET_BUNEK; i++) bunky[i] = 1 + i % KOSTKA_SEDA;
    const int32_t spatne[] = {-1, 11, INT_MIN, INT_MAX, 0x0a000000, 256, -10};   // these read as empty
    const int SPATNYCH = static_cast<int>(std::size(spatne));
    std::copy(std::begin(spatne), std::end(spatne), bunky);
    const std::string cely = soubor_urovne(bunky, "Jana Dvorak\0\0");
    struct PRIPAD {
        const char* co;
        std::string bajty;
        STAV_CTENI stav;
        int spatnych, celych;   // bad cell values met, whole cells there
        const char* autor;
    };
    const PRIPAD pripady[] = {
        {"whole", cely, CTENI_CELE, SPATNYCH, POCET_BUNEK, "Jana Dvorak"},
        {"empty", "", CTENI_KRATKE, 0, 0, ""},
        {"250 cells and half of the next", cely.substr(0, 1002), CTENI_KRATKE, SPATNYCH, 250, ""},
        {"name cut after five letters", cely.substr(0, 1765), CTENI_KRATKE, SPATNYCH, POCET_BUNEK, "Jana "},
        {"bytes after the name", cely + std::string(5000, '\x7f'), CTENI_CELE, SPATNYCH, POCET_BUNEK, "Jana Dvorak"},
        {"name without a zero byte", soubor_urovne(bunky, "ABCDEFGHIJKLM"), CTENI_CELE, SPATNYCH, POCET_BUNEK,
         "ABCDEFGHIJKL"},
    };
    for (const PRIPAD& c : pripady) {
        SCOPED_TRACE(c.co);
        zapis_bajty("a.lvl", c.bajty);
        u = zaplnena();
        int spatnych = -1;
        EXPECT_EQ(c.stav, nacti_uroven("a.lvl", &u, &spatnych));
        EXPECT_EQ(c.spatnych, spatnych);
        for (int i = 0; i < POCET_BUNEK; i++)
            ASSERT_EQ(i >= SPATNYCH && i < c.celych ? bunky[i] : 0, u.bunky[i]) << "cell " << i;
        ASSERT_EQ('\0', u.autor[MAX_JMENO - 1]);
        EXPECT_STREQ(c.autor, u.autor);
    }
}

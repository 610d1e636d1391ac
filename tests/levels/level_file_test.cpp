// Level files: the name rule, the exact byte layout, and reading files that players may have damaged.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <iterator>
#include <string>

#include "core/level_file.h"
#include "support/sandbox.h"

TEST(LevelFile, NamePaddedToThreeDigitsBytesLittleEndianAndReadBackExactly)
{
    EXPECT_EQ(jmeno_urovne(9) + jmeno_urovne(10), "Level/level_009.lvlLevel/level_010.lvl");
    EXPECT_EQ(jmeno_urovne(99) + jmeno_urovne(100), "Level/level_099.lvlLevel/level_100.lvl");
    PISKOVISTE p;
    UROVEN u{}, zpet;
    for (int i = 0; i < POCET_BUNEK; i++) u.bunky[i] = (10 + 2 * i) % 11;   // 10, 1, ... 8 in the last
    std::strcpy(u.autor, "Twelve chars");   // the longest name the field holds
    ASSERT_TRUE(zapis_uroven("a.lvl", u));
    std::string s = precti_bajty("a.lvl");
    EXPECT_EQ(std::string("\x0a\0\0\0\x01\0\0\0", 8), s.substr(0, 8));
    EXPECT_EQ(std::string("\x08\0\0\0Twelve chars\0", 17), s.substr(1756)) << "exactly 1773 bytes";
    std::memset(&zpet, 'Q', sizeof zpet);   // leftovers from an earlier read would show
    int spatnych = -1;
    EXPECT_EQ(CTENI_CELE, nacti_uroven("a.lvl", &zpet, &spatnych));
    EXPECT_EQ(0, spatnych);
    EXPECT_EQ(0, std::memcmp(&u, &zpet, sizeof u));
    EXPECT_FALSE(zapis_uroven("no/such/dir/a.lvl", u));
}

TEST(LevelFile, DamagedFilesReadSafely)
{
    PISKOVISTE p;
    UROVEN u;
    std::memset(&u, 'Q', sizeof u);
    EXPECT_EQ(CTENI_CHYBI, nacti_uroven("missing.lvl", &u));
    EXPECT_EQ(std::string(sizeof u, '\0'), std::string(reinterpret_cast<char*>(&u), sizeof u)) << "an empty level";

    std::string cely;   // bad cell values first, then 1..10 over and over; then the name
    const int32_t spatne[] = {-1, 11, INT_MIN, INT_MAX, 0x0a000000, 256};   // these read as empty
    const int SPATNYCH = static_cast<int>(std::size(spatne));
    auto hodnota = [&](int i) { return i < SPATNYCH ? spatne[i] : 1 + i % KOSTKA_SEDA; };
    for (int i = 0; i < POCET_BUNEK; i++)
        for (int b = 0; b < 4; b++) cely += static_cast<char>(static_cast<uint32_t>(hodnota(i)) >> (8 * b));
    cely += std::string("Jana Dvorak\0\0", 13);
    const struct {
        const char* co;
        std::string bajty;
        STAV_CTENI stav;
        int spatnych, celych;   // bad cell values met, whole cells there
        const char* autor;
    } pripady[] = {
        {"whole", cely, CTENI_CELE, SPATNYCH, POCET_BUNEK, "Jana Dvorak"},
        {"empty", "", CTENI_KRATKE, 0, 0, ""},
        {"250 cells and half of the next", cely.substr(0, 1002), CTENI_KRATKE, SPATNYCH, 250, ""},
        {"name cut after five letters", cely.substr(0, 1765), CTENI_KRATKE, SPATNYCH, POCET_BUNEK, "Jana "},
        {"bytes after the name", cely + std::string(5000, '\x7f'), CTENI_CELE, SPATNYCH, POCET_BUNEK, "Jana Dvorak"},
        {"name without a zero byte", cely.substr(0, 1760) + "ABCDEFGHIJKLM", CTENI_CELE, SPATNYCH, POCET_BUNEK,
         "ABCDEFGHIJKL"},
    };
    for (const auto& c : pripady) {
        SCOPED_TRACE(c.co);
        zapis_bajty("a.lvl", c.bajty);
        std::memset(&u, 'Q', sizeof u);
        int spatnych = -1;
        EXPECT_EQ(c.stav, nacti_uroven("a.lvl", &u, &spatnych));
        EXPECT_EQ(c.spatnych, spatnych);
        for (int i = 0; i < POCET_BUNEK; i++)
            ASSERT_EQ(i >= SPATNYCH && i < c.celych ? hodnota(i) : 0, u.bunky[i]) << "cell " << i;
        EXPECT_STREQ(c.autor, u.autor);
    }
}

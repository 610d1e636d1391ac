// setdat.ddt: defaults, round trip, short and garbage files, safe writing.
#include "core/binary_file.h"
#include "core/globals.h"
#include "shell/settings_file.h"
#include "sound/sound.h"
#include "support/sandbox.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

static std::string le(int v)
{
    std::string s(4, '\0');
    for (int i = 0; i < 4; i++) s[i] = char((unsigned(v) >> (8 * i)) & 0xff);
    return s;
}

// The values a fresh program holds before it reads anything.
static void pocatecni_hodnoty()
{
    volume_zvuk = 0;
    volume_hudba = 0;
    nastav_midi = 10;
    jazyk = 1;
    std::memset(autor_jmeno, 0, MAX_JMENO);
}

TEST(SettingsFile, DefaultsWithoutFile)
{
    PISKOVISTE p;
    pocatecni_hodnoty();
    cti_nastaveni("setdat.ddt");
    EXPECT_EQ(volume_zvuk, 200);
    EXPECT_EQ(volume_hudba, 200);
    EXPECT_EQ(nastav_midi, 10);
    EXPECT_EQ(jazyk, 1);
    EXPECT_STREQ(autor_jmeno, "Neuvedeno");
}

TEST(SettingsFile, RoundTripIsExactly29Bytes)
{
    PISKOVISTE p;
    volume_zvuk = 35;
    volume_hudba = 255;
    nastav_midi = 3;
    jazyk = 2;
    std::memset(autor_jmeno, 0, MAX_JMENO);
    std::strcpy(autor_jmeno, "Jan Novak");
    autor_jmeno[11] = 'x';   // bytes after the terminator are kept as they are
    ASSERT_TRUE(zapis_nastaveni("setdat.ddt"));
    std::string b = precti_bajty("setdat.ddt");
    ASSERT_EQ(b.size(), 29u);
    EXPECT_EQ(b.substr(0, 16), le(35) + le(255) + le(3) + le(2));
    EXPECT_EQ(b.substr(16), std::string("Jan Novak\0\0x\0", 13));
    EXPECT_FALSE(std::filesystem::exists("setdat.ddt.tmp"));

    pocatecni_hodnoty();
    cti_nastaveni("setdat.ddt");
    EXPECT_EQ(volume_zvuk, 35);
    EXPECT_EQ(volume_hudba, 255);
    EXPECT_EQ(nastav_midi, 3);
    EXPECT_EQ(jazyk, 2);
    EXPECT_STREQ(autor_jmeno, "Jan Novak");
}

TEST(SettingsFile, ShortFileKeepsWholeFieldsOnly)
{
    PISKOVISTE p;
    // Volumes complete, the music choice cut after two bytes.
    zapis_bajty("setdat.ddt", le(100) + le(150) + std::string("\x03\x00", 2));
    pocatecni_hodnoty();
    cti_nastaveni("setdat.ddt");
    EXPECT_EQ(volume_zvuk, 100);
    EXPECT_EQ(volume_hudba, 150);
    EXPECT_EQ(nastav_midi, 10);
    EXPECT_EQ(jazyk, 1);
    EXPECT_STREQ(autor_jmeno, "");

    // Everything but a name cut short: the name stays empty rather than half read.
    zapis_bajty("setdat.ddt", le(5) + le(10) + le(1) + le(2) + "Karel");
    pocatecni_hodnoty();
    cti_nastaveni("setdat.ddt");
    EXPECT_EQ(jazyk, 2);
    EXPECT_STREQ(autor_jmeno, "");

    zapis_bajty("setdat.ddt", "");
    pocatecni_hodnoty();
    cti_nastaveni("setdat.ddt");
    EXPECT_EQ(volume_zvuk, 0);
    EXPECT_EQ(nastav_midi, 10);
}

TEST(SettingsFile, GarbageValuesAreBroughtIntoRange)
{
    PISKOVISTE p;
    zapis_bajty("setdat.ddt", le(-7) + le(100000) + le(-3) + le(77) + std::string(13, 'A'));
    pocatecni_hodnoty();
    cti_nastaveni("setdat.ddt");
    EXPECT_EQ(volume_zvuk, 0);
    EXPECT_EQ(volume_hudba, 255);
    EXPECT_EQ(nastav_midi, 10);
    EXPECT_EQ(jazyk, 77);   // any value but 1 is English
    EXPECT_EQ(std::strlen(autor_jmeno), 12u);

    zapis_bajty("setdat.ddt", le(3) + le(254) + le(11) + le(1));
    cti_nastaveni("setdat.ddt");
    EXPECT_EQ(volume_zvuk, 3);     // in range values keep their remainder
    EXPECT_EQ(volume_hudba, 254);
    EXPECT_EQ(nastav_midi, 10);
}

TEST(SettingsFile, FailedWriteLeavesTheOldFile)
{
    PISKOVISTE p;
    volume_zvuk = 10;
    ASSERT_TRUE(zapis_nastaveni("setdat.ddt"));
    std::string stary = precti_bajty("setdat.ddt");
    std::filesystem::create_directory("setdat.ddt.tmp");   // the temporary cannot be created
    volume_zvuk = 20;
    EXPECT_FALSE(zapis_nastaveni("setdat.ddt"));
    EXPECT_EQ(precti_bajty("setdat.ddt"), stary);
}

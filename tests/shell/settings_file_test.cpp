// setdat.ddt: exact bytes of a round trip, short and garbage files (defaults: startup_test; a failed write:
// hardening/failing_writes).
#include "core/globals.h"
#include "shell/settings_file.h"
#include "sound/sound.h"
#include "support/sandbox.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <tuple>

namespace {

std::string le(int v)
{
    std::string s(4, '\0');
    for (int i = 0; i < 4; i++) s[i] = char((unsigned(v) >> (8 * i)) & 0xff);
    return s;
}

// Reads these bytes as the settings file into a program holding the values it starts with.
void nacti(const std::string& bajty)
{
    zapis_bajty("setdat.ddt", bajty);
    volume_zvuk = volume_hudba = 0;
    nastav_midi = 10;
    jazyk = 1;
    std::memset(autor_jmeno, 0, MAX_JMENO);
    cti_nastaveni("setdat.ddt");
}

std::tuple<int, int, int, int> cisla() { return {volume_zvuk, volume_hudba, nastav_midi, jazyk}; }

}  // namespace

TEST(SettingsFile, RoundTripIsExactly29Bytes)
{
    PISKOVISTE p;
    std::tie(volume_zvuk, volume_hudba, nastav_midi, jazyk) = std::tuple(35, 255, 3, 2);
    std::memset(autor_jmeno, 0, MAX_JMENO);
    std::strcpy(autor_jmeno, "Jan Novak");
    autor_jmeno[11] = 'x';   // bytes after the terminator are kept as they are
    ASSERT_TRUE(zapis_nastaveni("setdat.ddt"));
    const std::string b = precti_bajty("setdat.ddt");
    EXPECT_EQ(b, le(35) + le(255) + le(3) + le(2) + std::string("Jan Novak\0\0x\0", 13));
    EXPECT_FALSE(std::filesystem::exists("setdat.ddt.tmp"));
    nacti(b);
    EXPECT_EQ(std::tuple_cat(cisla(), std::tuple(std::string(autor_jmeno))), std::tuple(35, 255, 3, 2, "Jan Novak"));
}

TEST(SettingsFileBadInput, ShortFilesKeepWholeFieldsAndGarbageIsBroughtIntoRange)
{
    PISKOVISTE p;
    nacti("");
    EXPECT_EQ(cisla(), std::tuple(0, 0, 10, 1));
    nacti(le(100) + le(150) + std::string("\x03\x00", 2));   // the music choice cut after two bytes
    EXPECT_EQ(cisla(), std::tuple(100, 150, 10, 1));
    nacti(le(5) + le(10) + le(1) + le(2) + "Karel");         // a name cut short stays empty, not half read
    EXPECT_EQ(std::tuple_cat(cisla(), std::tuple(std::string(autor_jmeno))), std::tuple(5, 10, 1, 2, ""));

    nacti(le(-7) + le(100000) + le(-3) + le(77) + std::string(13, 'A'));   // any language but 1 is English
    EXPECT_EQ(std::tuple_cat(cisla(), std::tuple(std::strlen(autor_jmeno))), std::tuple(0, 255, 10, 77, 12u));
    nacti(le(256) + le(254) + le(11) + le(1));
    EXPECT_EQ(cisla(), std::tuple(255, 254, 10, 1));
}

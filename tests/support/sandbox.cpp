// Temporary working directories for tests.
#include "support/sandbox.h"

#include "core/level_file.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace fs = std::filesystem;

PISKOVISTE::PISKOVISTE(int co)
{
    puvodni = fs::current_path().string();
    std::string vzor = (fs::temp_directory_path() / "odraz-test-XXXXXX").string();
    cesta = mkdtemp(vzor.data());
    fs::current_path(cesta);
    std::string run = ODRAZ_RUN_DIR;
    if (co & S_DATY) fs::create_symlink(run + "/odraz.dat", "odraz.dat");
    if (co & S_UROVNEMI) fs::create_directory_symlink(run + "/Level", "Level");
    else fs::create_directory("Level");
    if (co & S_HUDBOU) fs::create_directory_symlink(run + "/Midi", "Midi");
}

PISKOVISTE::~PISKOVISTE()
{
    fs::current_path(puvodni);
    std::error_code e;
    fs::remove_all(cesta, e);
}

void zapis_bajty(const char* jmeno, const std::string& obsah)
{
    std::ofstream f(jmeno, std::ios::binary | std::ios::trunc);
    f.write(obsah.data(), std::streamsize(obsah.size()));
}

std::string precti_bajty(const char* jmeno)
{
    std::ifstream f(jmeno, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void vytvor_uroven(int n, int typ_vsude)
{
    UROVEN u{};
    for (int& b : u.bunky) b = typ_vsude;
    zapis_uroven(jmeno_urovne(n).c_str(), u);
}

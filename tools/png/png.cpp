// PNG writing: signature, IHDR, one zlib-compressed IDAT with filter 0 on every row, IEND.
#include "png.h"

#include <zlib.h>

#include <cstdio>
#include <memory>

namespace {

void b32(std::vector<uint8_t>& v, uint32_t x)
{
    for (int s = 24; s >= 0; s -= 8) v.push_back(uint8_t(x >> s));
}

void blok(std::vector<uint8_t>& soubor, const char* typ, const std::vector<uint8_t>& data)
{
    b32(soubor, uint32_t(data.size()));
    std::vector<uint8_t> telo(typ, typ + 4);
    telo.insert(telo.end(), data.begin(), data.end());
    soubor.insert(soubor.end(), telo.begin(), telo.end());
    b32(soubor, uint32_t(crc32(0, telo.data(), uInt(telo.size()))));
}

}  // namespace

bool zapis_png(const std::string& cesta, int w, int h, const std::vector<uint8_t>& px, int kanalu)
{
    if (w <= 0 || h <= 0 || (kanalu != 3 && kanalu != 4) || px.size() != size_t(w) * h * kanalu) return false;
    const size_t radek = size_t(w) * kanalu;
    std::vector<uint8_t> surova;
    surova.reserve((radek + 1) * h);
    for (int y = 0; y < h; y++) {
        surova.push_back(0);
        surova.insert(surova.end(), px.begin() + y * radek, px.begin() + (y + 1) * radek);
    }
    uLongf delka = compressBound(uLong(surova.size()));
    std::vector<uint8_t> zhustena(delka);
    if (compress2(zhustena.data(), &delka, surova.data(), uLong(surova.size()), 9) != Z_OK) return false;
    zhustena.resize(delka);

    std::vector<uint8_t> soubor = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> hlava;
    b32(hlava, uint32_t(w));
    b32(hlava, uint32_t(h));
    const uint8_t druh = kanalu == 4 ? 6 : 2;     // colour type: RGBA or RGB
    hlava.insert(hlava.end(), {8, druh, 0, 0, 0});  // 8 bits, deflate, filter set 0, no interlace
    blok(soubor, "IHDR", hlava);
    blok(soubor, "IDAT", zhustena);
    blok(soubor, "IEND", {});
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(cesta.c_str(), "wb"), std::fclose);
    return f && std::fwrite(soubor.data(), 1, soubor.size(), f.get()) == soubor.size();
}

// The Allegro 4 datafile writer: big-endian headers, object properties, unpacked object bodies.
#include "datafile.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace {

constexpr uint32_t F_NOPACK_MAGIC = 0x736C682E;  // "slh.": the rest of the file is not compressed
constexpr uint32_t DAT_MAGIC = dat_id('A', 'L', 'L', '.');
constexpr uint32_t DAT_PROPERTY = dat_id('p', 'r', 'o', 'p');
constexpr uint32_t DAT_NAME = dat_id('N', 'A', 'M', 'E');

void m16(std::vector<uint8_t>& v, uint32_t x)
{
    v.push_back(uint8_t(x >> 8));
    v.push_back(uint8_t(x));
}
void m32(std::vector<uint8_t>& v, uint32_t x)
{
    m16(v, x >> 16);
    m16(v, x & 0xFFFF);
}

}  // namespace

dat_polozka dat_bitmapa(const std::string& jmeno, const obraz16& o)
{
    if (o.w <= 0 || o.h <= 0 || o.w > 0x7FFF || o.h > 0x7FFF) throw std::runtime_error("bad bitmap size: " + jmeno);
    dat_polozka p{dat_id('B', 'M', 'P', ' '), jmeno, {}};
    m16(p.obsah, 16);
    m16(p.obsah, uint32_t(o.w));
    m16(p.obsah, uint32_t(o.h));
    for (uint16_t px : o.px) {  // pixels little-endian, unlike the headers
        p.obsah.push_back(uint8_t(px));
        p.obsah.push_back(uint8_t(px >> 8));
    }
    return p;
}

// Allegro keeps 16-bit samples unsigned and reads them little-endian.
dat_polozka dat_zvuk(const std::string& jmeno, const std::vector<int16_t>& pcm, int frekvence)
{
    if (frekvence <= 0 || frekvence > 0xFFFF || pcm.empty()) throw std::runtime_error("bad sample: " + jmeno);
    dat_polozka p{dat_id('S', 'A', 'M', 'P'), jmeno, {}};
    m16(p.obsah, 16);
    m16(p.obsah, uint32_t(frekvence));
    m32(p.obsah, uint32_t(pcm.size()));
    for (int16_t s : pcm) {
        uint16_t u = uint16_t(int32_t(s) + 0x8000);
        p.obsah.push_back(uint8_t(u));
        p.obsah.push_back(uint8_t(u >> 8));
    }
    return p;
}

dat_polozka dat_pismo(const std::string& jmeno, const std::vector<rozsah_pisma>& rozsahy)
{
    dat_polozka p{dat_id('F', 'O', 'N', 'T'), jmeno, {}};
    m16(p.obsah, 0);  // the ranged font format
    m16(p.obsah, uint32_t(rozsahy.size()));
    for (const rozsah_pisma& r : rozsahy) {
        if (r.po < r.od || r.glyfy.size() != size_t(r.po - r.od + 1)) throw std::runtime_error("bad font range");
        p.obsah.push_back(1);  // monochrome glyphs
        m32(p.obsah, r.od);
        m32(p.obsah, r.po);
        for (const glyf& g : r.glyfy) {
            if (g.bity.size() != size_t((g.w + 7) / 8) * g.h) throw std::runtime_error("bad glyph size");
            m16(p.obsah, uint32_t(g.w));
            m16(p.obsah, uint32_t(g.h));
            p.obsah.insert(p.obsah.end(), g.bity.begin(), g.bity.end());
        }
    }
    return p;
}

dat_polozka dat_data(const std::string& jmeno, const std::vector<uint8_t>& obsah)
{
    return {dat_id('D', 'A', 'T', 'A'), jmeno, obsah};
}

bool zapis_datafile(const std::string& cesta, const std::vector<dat_polozka>& polozky)
{
    std::vector<uint8_t> v;
    m32(v, F_NOPACK_MAGIC);
    m32(v, DAT_MAGIC);
    m32(v, uint32_t(polozky.size()));
    for (const dat_polozka& p : polozky) {
        if (!p.jmeno.empty()) {
            m32(v, DAT_PROPERTY);
            m32(v, DAT_NAME);
            m32(v, uint32_t(p.jmeno.size()));
            v.insert(v.end(), p.jmeno.begin(), p.jmeno.end());
        }
        m32(v, p.typ);
        m32(v, uint32_t(p.obsah.size()));
        m32(v, uint32_t(p.obsah.size()));
        v.insert(v.end(), p.obsah.begin(), p.obsah.end());
    }
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(cesta.c_str(), "wb"), std::fclose);
    if (!f) return false;
    return std::fwrite(v.data(), 1, v.size(), f.get()) == v.size();
}

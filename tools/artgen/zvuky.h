// Synthesized sound effects of the game: short, clean, mono, brought to one loudness without clipping.
#pragma once
#include <cstdint>
#include <vector>

constexpr int FREKVENCE_ZVUKU = 22050;

std::vector<int16_t> zvuk_kostka();      // a bright short knock
std::vector<int16_t> zvuk_prkno();       // a lower round bounce
std::vector<int16_t> zvuk_stena();       // a very short soft tick
std::vector<int16_t> zvuk_bonus();       // a rising two-note chime
std::vector<int16_t> zvuk_ztrata();      // a falling tone
std::vector<int16_t> zvuk_klik();        // a crisp keyboard tick

// A minimal PNG writer (8-bit RGB or RGBA, no interlace) on top of zlib, for the tools that write pictures.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// `px` holds w * h pixels of `kanalu` bytes each (3: RGB, 4: RGBA with straight alpha), row by row
// from the top.
bool zapis_png(const std::string& cesta, int w, int h, const std::vector<uint8_t>& px, int kanalu = 3);

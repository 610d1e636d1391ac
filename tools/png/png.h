// A minimal PNG writer (8-bit RGB, no interlace) on top of zlib.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// `rgb` holds w * h pixels, three bytes each, row by row from the top.
bool zapis_png(const std::string& cesta, int w, int h, const std::vector<uint8_t>& rgb);

// An .ico file holding one 32-bit image with alpha.
#pragma once

#include <cstdint>
#include <vector>

namespace gen {

// bgra: width × height pixels, rows top first, straight (not premultiplied) alpha.
std::vector<uint8_t> encodeIcon32(int width, int height, const std::vector<uint8_t>& bgra);

}  // namespace gen

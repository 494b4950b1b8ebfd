// The program's icon: 32 × 32, 32-bit with alpha.
#pragma once

#include <cstdint>
#include <vector>

namespace gen {

inline constexpr int kIconSize = 32;

// BGRA pixels, rows top first, straight alpha.
std::vector<uint8_t> drawAppIcon();

}  // namespace gen

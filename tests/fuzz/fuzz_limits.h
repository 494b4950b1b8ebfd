// Limits for the fuzzers: smaller pictures than the program allows, so
// that each run is quick; the size checks themselves are the same code.
#pragma once

#include "ui/pictures/decoded_picture.h"

inline constexpr pictures::DecodeLimits kFuzzLimits{4'000'000};

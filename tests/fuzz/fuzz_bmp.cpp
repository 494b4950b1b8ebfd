#include "fuzz_limits.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto image = pictures::decodeBmp({data, size}, kFuzzLimits);
  if (image && image->pixels.size() != image->stride * static_cast<std::size_t>(image->height)) __builtin_trap();
  return 0;
}

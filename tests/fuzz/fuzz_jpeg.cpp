#include "fuzz_limits.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto image = pictures::decodeJpeg({data, size}, kFuzzLimits);
  if (image && image->pixels.size() != std::size_t{3} * image->width * image->height) __builtin_trap();
  return 0;
}

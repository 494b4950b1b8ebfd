#include "fuzz_limits.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto icon = pictures::decodeIconDirectory({data, size});
  // The chosen image must be a copy of bytes inside the file.
  if (icon && (icon->resource.size() > size || icon->width <= 0 || icon->height <= 0)) __builtin_trap();
  return 0;
}

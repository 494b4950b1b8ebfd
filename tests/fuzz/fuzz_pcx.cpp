#include "fuzz_limits.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pictures::decodePcx({data, size}, kFuzzLimits);
  return 0;
}

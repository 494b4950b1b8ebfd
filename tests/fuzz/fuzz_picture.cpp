// Any bytes through the format sniff and whichever decoder it chooses.
#include "fuzz_limits.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pictures::decodePictureData({data, size}, kFuzzLimits);
  return 0;
}

// Every frame composed in turn, as the animation does, and round again.
// A smaller screen than elsewhere: each run fills it several times.
#include "ui/pictures/gif_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto gif = pictures::GifCompositor::create({data, size}, pictures::DecodeLimits{250'000});
  if (!gif) return 0;
  const std::size_t rounds = std::min<std::size_t>(gif->frameCount(), 200) + 2;
  for (std::size_t i = 0; i < rounds; ++i) {
    if (gif->advance() <= 0) __builtin_trap();
  }
  return 0;
}

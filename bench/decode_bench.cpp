// decodePicture against a bare libjpeg-turbo decode of the same bytes into
// a buffer (the limit), on a template-sized JPEG and a 12-megapixel photo.
// Runs alternate between the two, so both see the same machine state.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bare_jpeg_decode.h"
#include "host/pictures_fixtures.h"
#include "ui/pictures/decoded_picture.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsOf(const auto& run) {
  const auto start = Clock::now();
  run();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void compare(const char* name, const fixtures::Bytes& bytes, int rounds) {
  std::vector<double> ours, bare;
  std::size_t sink = 0;
  const auto runOurs = [&] { ours.push_back(millisecondsOf([&] { sink += pictures::decodePictureData(bytes)->width; })); };
  const auto runBare = [&] { bare.push_back(millisecondsOf([&] { sink += bench::bareJpegDecode(bytes).size(); })); };
  for (int i = 0; i < rounds; ++i) {
    // Alternate which goes first, so neither always finds a warm cache.
    if (i % 2 == 0) {
      runOurs();
      runBare();
    } else {
      runBare();
      runOurs();
    }
  }
  const double a = median(ours), b = median(bare);
  std::printf("%-28s %8zu bytes  decodePicture %9.3f ms  bare libjpeg %9.3f ms  ratio %.3f  (%d rounds, medians)%s\n", name,
              bytes.size(), a, b, a / b, rounds, sink ? "" : " ");
}

// Smooth shading with some texture: roughly what a template or photo holds.
fixtures::Rgb photoLike(int x, int y, int w, int h) {
  const auto noise = static_cast<std::uint8_t>(((x * 2654435761u) ^ (y * 40503u)) >> 27);
  return {static_cast<std::uint8_t>(255 * x / w / 2 + noise), static_cast<std::uint8_t>(255 * y / h / 2 + noise),
          static_cast<std::uint8_t>(128 + (((x / 16) + (y / 16)) % 2) * 40 + noise)};
}

}  // namespace

int main() {
  const auto templ = fixtures::makeJpeg(500, 316, [](int x, int y) { return photoLike(x, y, 500, 316); },
                                        fixtures::JpegColour::Rgb, 90);
  const auto photo = fixtures::makeJpeg(4000, 3000, [](int x, int y) { return photoLike(x, y, 4000, 3000); },
                                        fixtures::JpegColour::Rgb, 90);
  compare("template 500 x 316", templ, 301);
  compare("photo 4000 x 3000 (12 MP)", photo, 15);
  return 0;
}

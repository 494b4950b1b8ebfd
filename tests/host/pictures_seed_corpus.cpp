// The fuzzers' seed corpus: one small valid file per format and depth.
// Each seed must decode here; with JOKECERT_SEED_DIR set, they are also
// written to <dir>/<fuzz target>/<name> (scripts/fuzz does this).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "host/pictures_fixtures.h"
#include "ui/pictures/decoded_picture.h"

namespace {

using fixtures::Bytes;
using fixtures::Rgb;

struct Seed {
  const char* target;  // the fuzzer that takes it first; fuzz_picture takes every seed
  const char* name;
  Bytes bytes;
};

std::vector<Seed> seeds() {
  using namespace fixtures::colours;
  const auto pattern = [](int x, int y) {
    return Rgb{static_cast<std::uint8_t>(x * 9), static_cast<std::uint8_t>(y * 13), static_cast<std::uint8_t>(x ^ y)};
  };
  std::vector<Seed> out;
  const std::pair<int, const char*> depths[] = {{1, "bmp1"}, {4, "bmp4"}, {8, "bmp8_top_down"}, {24, "bmp24"}, {32, "bmp32"}};
  for (const auto& [bits, name] : depths) {
    fixtures::BmpSpec s;
    s.width = 5;
    s.height = bits == 8 ? -3 : 3;
    s.bitCount = bits;
    if (bits <= 8) {
      s.palette.assign(std::size_t{1} << bits, kGreen);
      s.palette[0] = kRed;
      s.indices = {0, 1, 0, 1, 1, 1, 0, 0, 1, 0, 0, 0, 1, 1, 1};
    } else {
      s.pixels.assign(15, kBlue);
    }
    out.push_back({"fuzz_bmp", name, fixtures::makeBmp(s)});
  }
  out.push_back({"fuzz_jpeg", "jpeg_colour", fixtures::makeJpeg(24, 16, pattern)});
  out.push_back({"fuzz_jpeg", "jpeg_grey", fixtures::makeJpeg(16, 16, pattern, fixtures::JpegColour::Grey)});
  out.push_back({"fuzz_jpeg", "jpeg_cmyk", fixtures::makeJpeg(16, 8, pattern, fixtures::JpegColour::AdobeCmyk)});
  out.push_back({"fuzz_jpeg", "jpeg_ycck", fixtures::makeJpeg(16, 8, pattern, fixtures::JpegColour::AdobeYcck)});
  out.push_back({"fuzz_jpeg_source", "jpeg", fixtures::makeJpeg(8, 8, pattern, fixtures::JpegColour::Rgb, 50)});
  out.push_back({"fuzz_icon", "ico", fixtures::makeIconFile(1, {{16, 0, fixtures::iconBitmap(16, kRed)}, {32, 16, fixtures::iconBitmap(32, kBlue)}})});
  out.push_back({"fuzz_icon", "cur", fixtures::makeIconFile(2, {{8, 0, fixtures::iconBitmap(8, kGreen)}})});
  {
    fixtures::GifFrameSpec a;
    a.width = 6, a.height = 5, a.delay = 5, a.disposal = 2;
    for (int i = 0; i < 30; ++i) a.indices.push_back(i % 3);
    fixtures::GifFrameSpec b = a;
    b.left = 2, b.width = 3, b.height = 3, b.interlaced = true, b.disposal = 3, b.transparentIndex = 1;
    b.indices = {0, 1, 2, 2, 1, 0, 1, 1, 1};
    b.localTable = {kBlue, kRed, kGreen, kRed};
    out.push_back({"fuzz_gif", "gif_two_frames", fixtures::makeGif(6, 5, {kRed, kGreen, kBlue}, {a, b})});
  }
  {
    fixtures::PcxSpec s;
    s.width = 5, s.height = 2;
    s.planeRows = {{0, 1, 2, 3, 4}, {4, 4, 4, 4, 4}};
    s.palette = {kRed, kGreen, kBlue};
    out.push_back({"fuzz_pcx", "pcx8", fixtures::makePcx(s)});
    s.planes = 3;
    s.palette.clear();
    s.planeRows = {std::vector<std::uint8_t>(15, 200), std::vector<std::uint8_t>(15, 7)};
    out.push_back({"fuzz_pcx", "pcx24", fixtures::makePcx(s)});
    out.push_back({"fuzz_pcx", "pcx1", fixtures::monoPcx(12, 2, {{0xF0, 0x30}, {0x0F, 0xC0}})});
  }
  return out;
}

void write(const std::filesystem::path& path, const Bytes& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}

TEST(FuzzSeedCorpus, EverySeedDecodes) {
  const char* dir = std::getenv("JOKECERT_SEED_DIR");
  for (const Seed& seed : seeds()) {
    EXPECT_TRUE(pictures::decodePictureData(seed.bytes).has_value()) << seed.name;
    if (!dir) continue;
    write(std::filesystem::path(dir) / seed.target / seed.name, seed.bytes);
    write(std::filesystem::path(dir) / "fuzz_picture" / seed.name, seed.bytes);
  }
}

}  // namespace

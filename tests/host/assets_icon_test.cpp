// The program icon: one 32 × 32 image, 32-bit with alpha: a black square in a
// rainbow frame with a flame-coloured glyph in the middle.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "assets_probe.h"

namespace {

uint32_t le(const std::vector<uint8_t>& b, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b.at(at + i);
  return v;
}

class AppIcon : public testing::Test {
 protected:
  void SetUp() override {
    file = assets_probe::readFile(std::string(JOKECERT_ASSETS_DIR) + "/app_icon.ico");
    ASSERT_EQ(file.size(), 6u + 16 + 40 + 32 * 32 * 4 + 32 * 4);
  }
  // Straight BGRA of the pixel at (x, y), y from the top.
  std::array<int, 4> pixel(int x, int y) const {
    const size_t at = 6 + 16 + 40 + (static_cast<size_t>(31 - y) * 32 + x) * 4;
    return {file[at], file[at + 1], file[at + 2], file[at + 3]};
  }
  std::vector<uint8_t> file;
};

TEST_F(AppIcon, HeadersDescribeOne32BitImage) {
  struct Field {
    const char* name;
    size_t offset;
    int bytes;
    uint32_t expected;
  };
  const Field fields[] = {
      {"reserved", 0, 2, 0},
      {"type", 2, 2, 1},
      {"count", 4, 2, 1},
      {"width", 6, 1, 32},
      {"height", 7, 1, 32},
      {"colours", 8, 1, 0},
      {"planes", 10, 2, 1},
      {"bit count", 12, 2, 32},
      {"bytes", 14, 4, 40 + 4096 + 128},
      {"offset", 18, 4, 22},
      {"biSize", 22, 4, 40},
      {"biWidth", 26, 4, 32},
      {"biHeight (with mask)", 30, 4, 64},
      {"biPlanes", 34, 2, 1},
      {"biBitCount", 36, 2, 32},
      {"biCompression", 38, 4, 0},
  };
  for (const Field& f : fields) EXPECT_EQ(le(file, f.offset, f.bytes), f.expected) << f.name;
}

TEST_F(AppIcon, ThePictureDecoderTakesIt) {
  const auto data = pictures::decodePictureData(file);
  ASSERT_TRUE(data.has_value());
  EXPECT_EQ(data->format, PictureFormat::Icon);
  EXPECT_EQ(data->width, 32);
  EXPECT_EQ(data->height, 32);
}

TEST_F(AppIcon, BlackSquareWithARainbowFrameAndAFlameGlyph) {
  // Inside the frame, away from the glyph: black and opaque.
  for (const auto& [x, y] : {std::pair{4, 4}, std::pair{27, 4}, std::pair{4, 28}, std::pair{28, 28}}) {
    const auto p = pixel(x, y);
    EXPECT_EQ(p[3], 255) << x << "," << y;
    EXPECT_LT(std::max({p[0], p[1], p[2]}), 40) << x << "," << y;
  }
  // The frame runs through the hues: red, green and blue each lead somewhere along it.
  std::set<int> dominant;
  for (int i = 2; i < 30; ++i) {
    for (const auto& p : {pixel(i, 1), pixel(30, i), pixel(i, 30), pixel(1, i)}) {
      if (std::max({p[0], p[1], p[2]}) > 120) dominant.insert(p[2] >= p[1] && p[2] >= p[0] ? 2 : p[1] >= p[0] ? 1 : 0);
    }
  }
  EXPECT_EQ(dominant.size(), 3u) << "red, green and blue all appear in the frame";
  // The glyph's fill: orange and yellow (strong red, some green, little blue).
  int flame = 0;
  for (int y = 6; y < 26; ++y) {
    for (int x = 6; x < 26; ++x) {
      const auto p = pixel(x, y);
      flame += p[2] > 200 && p[1] > 60 && p[1] < 240 && p[0] < 110;
    }
  }
  EXPECT_GT(flame, 40);
  // Alpha is used: the rounded corners are see-through.
  EXPECT_LT(pixel(0, 0)[3], 128);
}

}  // namespace

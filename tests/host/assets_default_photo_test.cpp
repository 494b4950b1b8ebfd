// The default photo: a light grey tile with near-white edge strips and three
// centred lines of black characters inviting a click.
#include <gtest/gtest.h>

#include "assets/embedded_pictures.h"
#include "assets_probe.h"

namespace {

using assets_probe::Image;

constexpr int kInk = 100;            // darker than this is a character's stroke
constexpr int kLinesLeft = 19, kLinesRight = 56;

Image photo() {
  auto image = assets_probe::decodePicture(assets::defaultPhoto());
  EXPECT_TRUE(image.has_value());
  return image.value_or(Image{});
}

int inkInRows(const Image& image, int top, int bottom, int left, int right) {
  int count = 0;
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x) count += image.at(x, y).luminance() < kInk;
  }
  return count;
}

TEST(DefaultPhoto, GreyTileWithNearWhiteEdges) {
  const Image image = photo();
  ASSERT_EQ(image.width, 79);
  for (int y = 0; y < image.height; ++y) {
    EXPECT_GE(image.at(0, y).darkest(), 245) << "left strip, row " << y;
    EXPECT_GE(image.at(78, y).darkest(), 245) << "right strip, row " << y;
  }
  for (const auto& [x, y] : {std::pair{5, 5}, std::pair{70, 45}, std::pair{10, 88}, std::pair{39, 33}}) {
    EXPECT_NEAR(image.at(x, y).luminance(), 237, 4) << x << "," << y;
  }
}

TEST(DefaultPhoto, ThreeLinesOfCharactersAtTheirRows) {
  const Image image = photo();
  ASSERT_EQ(image.width, 79);
  struct Line {
    int top, bottom;
  };
  for (const Line& line : {Line{11, 27}, Line{38, 54}, Line{69, 85}}) {
    EXPECT_GT(inkInRows(image, line.top, line.bottom, kLinesLeft, kLinesRight), 30) << "line at y " << line.top;
  }
  // Between and around the lines, and beside them, the tile is bare.
  for (const Line& gap : {Line{0, 8}, Line{31, 35}, Line{59, 65}, Line{88, 89}}) {
    EXPECT_EQ(inkInRows(image, gap.top, gap.bottom, 0, 78), 0) << "rows " << gap.top << " to " << gap.bottom;
  }
  EXPECT_EQ(inkInRows(image, 0, 89, 0, kLinesLeft - 3), 0) << "left of the lines";
  EXPECT_EQ(inkInRows(image, 0, 89, kLinesRight + 3, 78), 0) << "right of the lines";
}

}  // namespace

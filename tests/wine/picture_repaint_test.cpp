// A picture drawn again, at the same or another size, after earlier draws:
// what lands in the target is what a picture drawn for the first time at
// that size gives (a repaint reuses the last drawing only at its size).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <vector>

#include "host/pictures_fixtures.h"
#include "ui/handles.h"
#include "ui/pictures/picture.h"

namespace {

using fixtures::Rgb;

constexpr int kSide = 80;

// The pixels of a white kSide × kSide bitmap after `paint` drew into it.
template <typename Paint>
std::vector<std::uint32_t> pixelsAfter(Paint paint) {
  HDC screen = GetDC(nullptr);
  handles::UniqueBitmap bitmap(CreateCompatibleBitmap(screen, kSide, kSide));
  handles::UniqueMemoryDC dc(CreateCompatibleDC(screen));
  ReleaseDC(nullptr, screen);
  std::vector<std::uint32_t> pixels(kSide * kSide);
  {
    handles::ScopedSelect selected(dc.get(), bitmap.get());
    RECT all{0, 0, kSide, kSide};
    FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    paint(dc.get());
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kSide;
  info.bmiHeader.biHeight = -kSide;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  GetDIBits(dc.get(), bitmap.get(), 0, kSide, pixels.data(), &info, DIB_RGB_COLORS);
  return pixels;
}

// Quadrants of four colours with a diagonal, so stretching shows.
fixtures::Bytes quadrants() {
  fixtures::BmpSpec spec;
  spec.width = 12;
  spec.height = 10;
  spec.bitCount = 24;
  for (int y = 0; y < spec.height; ++y) {
    for (int x = 0; x < spec.width; ++x) {
      const Rgb c = x == y ? Rgb{0, 0, 0} : x < 6 ? (y < 5 ? Rgb{230, 20, 20} : Rgb{20, 200, 20})
                                                  : (y < 5 ? Rgb{20, 20, 230} : Rgb{240, 240, 40});
      spec.pixels.push_back(c);
    }
  }
  return fixtures::makeBmp(spec);
}

struct Size {
  int w, h;
};

struct RepaintCase {
  const char* name;
  std::vector<Size> before;  // earlier draws of the same picture
  Size last;
};

class PictureRepaint : public testing::TestWithParam<RepaintCase> {};

TEST_P(PictureRepaint, LastDrawEqualsAFirstDrawAtThatSize) {
  const auto bytes = quadrants();
  const RepaintCase& c = GetParam();
  const auto fresh = Picture::decode(bytes);
  const auto used = Picture::decode(bytes);
  ASSERT_TRUE(fresh && used);

  const auto expected = pixelsAfter([&](HDC dc) { fresh->draw(dc, 7, 5, c.last.w, c.last.h); });
  for (const Size& s : c.before) pixelsAfter([&](HDC dc) { used->draw(dc, 0, 0, s.w, s.h); });
  const auto got = pixelsAfter([&](HDC dc) { used->draw(dc, 7, 5, c.last.w, c.last.h); });

  EXPECT_EQ(got, expected);
  EXPECT_NE(expected[(5 + c.last.h / 4) * kSide + 7 + c.last.w / 4], expected[0]) << "nothing was drawn";
}

const RepaintCase kCases[] = {
    {"SameSizeAgain", {{60, 50}}, {60, 50}},
    {"SameSizeManyTimes", {{60, 50}, {60, 50}, {60, 50}}, {60, 50}},
    {"SmallerAfterLarger", {{70, 70}}, {30, 20}},
    {"LargerAfterSmaller", {{12, 10}}, {66, 55}},
    {"WidthChangedOnly", {{40, 40}}, {60, 40}},
    {"HeightChangedOnly", {{40, 40}}, {40, 70}},
    {"BackToAnEarlierSize", {{50, 50}, {20, 30}}, {50, 50}},
    {"NaturalSizeAfterAStretch", {{70, 60}}, {12, 10}},
};

INSTANTIATE_TEST_SUITE_P(Sizes, PictureRepaint, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<RepaintCase>& info) { return std::string(info.param.name); });

// Part of the target clipped away: the visible part is still the picture's.
TEST(PictureRepaintClipped, ARepaintUnderAClipRegionDrawsTheSamePixelsInside) {
  const auto bytes = quadrants();
  const auto fresh = Picture::decode(bytes);
  const auto used = Picture::decode(bytes);
  ASSERT_TRUE(fresh && used);
  pixelsAfter([&](HDC dc) { used->draw(dc, 0, 0, 60, 50); });

  auto clippedDraw = [](const Picture& picture) {
    return pixelsAfter([&](HDC dc) {
      handles::UniqueRegion clip(CreateRectRgn(10, 10, 40, 30));
      SelectClipRgn(dc, clip.get());
      picture.draw(dc, 4, 4, 60, 50);
      SelectClipRgn(dc, nullptr);
    });
  };
  EXPECT_EQ(clippedDraw(*used), clippedDraw(*fresh));
}

}  // namespace

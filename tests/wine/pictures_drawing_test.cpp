// Decoded pictures drawn with GDI into a 32-bit bitmap and read back.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <ostream>

#include "host/pictures_fixtures.h"
#include "ui/handles.h"
#include "ui/pictures/picture.h"

namespace {

using fixtures::Bytes;
using fixtures::Rgb;

using fixtures::Probe;
using namespace fixtures::colours;

// A white 64 × 64 target whose pixels can be read directly.
class Canvas {
 public:
  Canvas() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kSide;
    info.bmiHeader.biHeight = -kSide;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<const std::uint32_t*>(bits);
    dc_.reset(CreateCompatibleDC(nullptr));
    select_.emplace(dc_.get(), bitmap_.get());
    RECT all{0, 0, kSide, kSide};
    FillRect(dc_.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  HDC dc() const { return dc_.get(); }
  Rgb at(int x, int y) const {
    GdiFlush();
    const std::uint32_t p = bits_[y * kSide + x];
    return {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p)};
  }
  static constexpr int kSide = 64;

 private:
  handles::UniqueBitmap bitmap_;
  handles::UniqueMemoryDC dc_;
  std::optional<handles::ScopedSelect> select_;
  const std::uint32_t* bits_ = nullptr;
};

struct DrawCase {
  const char* name;
  std::function<Bytes()> bytes;
  PictureFormat format;
  int w, h;     // 0: natural size
  std::vector<Probe> probes;
};

void PrintTo(const DrawCase& c, std::ostream* os) { *os << c.name; }

Bytes stripesBmp() {  // 4 × 2: red, green, blue, white; bottom row black
  fixtures::BmpSpec s;
  s.width = 4;
  s.height = 2;
  s.pixels = {kRed, kGreen, kBlue, kWhite, kBlack, kBlack, kBlack, kBlack};
  return fixtures::makeBmp(s);
}

// 16 × 8: left half red, right half blue. Enlarged with HALFTONE, edges
// blend; the middle of each half keeps its colour.
Bytes halvesBmp() {
  fixtures::BmpSpec s;
  s.width = 16;
  s.height = 8;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 16; ++x) s.pixels.push_back(x < 8 ? kRed : kBlue);
  return fixtures::makeBmp(s);
}

Bytes halvesJpeg() {
  return fixtures::makeJpeg(32, 32, [](int x, int) { return x < 16 ? kRed : kBlue; });
}

Bytes pcx8() { return fixtures::indexedPcx(2, 2, {{0, 1}, {2, 0}}, {kRed, kGreen, kBlue}); }

Bytes pcx1() { return fixtures::monoPcx(8, 1, {{0b11110000}}); }

Bytes gif() {
  fixtures::GifFrameSpec f;
  f.left = 1;
  f.width = 2;
  f.height = 2;
  f.indices = {0, 1, 1, 0};
  return fixtures::makeGif(3, 2, {kRed, kBlue}, {f});
}

Bytes icon48() { return fixtures::makeIconFile(1, {{48, 0, fixtures::iconBitmap(48, kGreen)}}); }

const DrawCase kCases[] = {
    {"bmp_natural", stripesBmp, PictureFormat::Bmp, 0, 0, {{0, 0, kRed}, {3, 0, kWhite}, {1, 1, kBlack}, {4, 0, kWhite}}},
    {"bmp_enlarged", halvesBmp, PictureFormat::Bmp, 48, 24, {{6, 12, kRed}, {42, 12, kBlue}, {50, 12, kWhite}, {20, 26, kWhite}}},
    {"jpeg_shrunk", halvesJpeg, PictureFormat::Jpeg, 16, 16, {{2, 8, kRed}, {13, 8, kBlue}, {20, 8, kWhite}}},
    {"gif_on_its_screen", gif, PictureFormat::Gif, 0, 0, {{0, 0, kWhite}, {1, 0, kRed}, {2, 0, kBlue}, {2, 1, kRed}}},
    {"pcx8", pcx8, PictureFormat::Pcx8, 0, 0, {{0, 0, kRed}, {1, 0, kGreen}, {0, 1, kBlue}, {1, 1, kRed}}},
    {"pcx1", pcx1, PictureFormat::Pcx1, 16, 2, {{0, 0, kWhite}, {3, 1, kWhite}, {12, 0, kBlack}, {15, 1, kBlack}, {17, 0, kWhite}}},
    {"icon_48_natural", icon48, PictureFormat::Icon, 0, 0, {{0, 0, kGreen}, {47, 47, kGreen}, {48, 47, kWhite}, {47, 48, kWhite}}},
    {"icon_48_at_24", icon48, PictureFormat::Icon, 24, 24, {{23, 23, kGreen}, {24, 10, kWhite}}},
    {"cursor", [] { return fixtures::makeIconFile(2, {{16, 0, fixtures::iconBitmap(16, kBlue)}}); }, PictureFormat::Cursor, 0, 0,
     {{0, 0, kBlue}, {15, 15, kBlue}, {16, 16, kWhite}}},
};

class DrawEachFormat : public testing::TestWithParam<DrawCase> {};

TEST_P(DrawEachFormat, ShowsThePixelsWhereTheyBelong) {
  const DrawCase& c = GetParam();
  Canvas canvas;
  const long handlesBefore = handles::liveTotal();
  {
    const auto picture = Picture::decode(c.bytes());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->format(), c.format);
    if (c.w == 0) {
      picture->draw(canvas.dc(), 0, 0);
    } else {
      picture->draw(canvas.dc(), 0, 0, c.w, c.h);
    }
    for (const Probe& p : c.probes) {
      const Rgb got = canvas.at(p.x, p.y);
      EXPECT_TRUE(fixtures::closeTo(got, p.colour, 12)) << "at (" << p.x << ", " << p.y << "): " << int(got.r) << "," << int(got.g) << ","
                                       << int(got.b);
    }
  }
  EXPECT_EQ(handles::liveTotal(), handlesBefore) << "a picture left a handle behind";
}

INSTANTIATE_TEST_SUITE_P(Fixtures, DrawEachFormat, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PictureDecode, IconOnlyFortyEightWideIsShownAtFortyEight) {
  const auto picture = Picture::decode(icon48());
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->width(), 48);
  EXPECT_EQ(picture->height(), 48);
}

TEST(PictureDecode, NoPictureLeavesNoHandle) {
  const long before = handles::liveTotal();
  const Bytes damagedIcon = [] {
    Bytes b = icon48();
    fixtures::set32(b, 6 + 12, 0xFFFF0000u);  // image offset past the end
    return b;
  }();
  EXPECT_EQ(Picture::decode(damagedIcon), nullptr);
  EXPECT_EQ(Picture::decode(Bytes{'B', 'M', 0, 0, 0, 0, 0}), nullptr);
  EXPECT_EQ(handles::liveTotal(), before);
}

}  // namespace

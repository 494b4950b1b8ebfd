// Each format and depth decodes to the expected size and pixels.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>

#include "host/pictures_probe.h"

namespace {

using fixtures::Bytes;
using fixtures::Rgb;

using namespace fixtures::colours;
using fixtures::Probe;
constexpr Rgb kOlive{128, 128, 0}, kTeal{0, 128, 128};

struct DecodeCase {
  const char* name;
  std::function<Bytes()> bytes;
  PictureFormat format;
  int width, height;
  std::vector<Probe> probes;
  int tolerance = 0;  // lossy formats come back close, not exact
};

void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }

// A 4 × 3 picture: top row red, green, blue, white; then the palette
// indices 0..3 again shifted by one per row.
const std::vector<Rgb> kFour{kRed, kGreen, kBlue, kWhite};
std::vector<int> shiftedIndices(int width, int height, int colours) {
  std::vector<int> out;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) out.push_back((x + y) % colours);
  return out;
}
std::vector<Rgb> shiftedPixels(int width, int height) {
  std::vector<Rgb> out;
  for (int index : shiftedIndices(width, height, 4)) out.push_back(kFour[static_cast<std::size_t>(index)]);
  return out;
}
const std::vector<Probe> kShiftedProbes{{0, 0, kRed}, {3, 0, kWhite}, {0, 1, kGreen}, {3, 2, kGreen}, {1, 2, kWhite}};

Bytes indexedBmp(int bitCount, int height = 3, std::uint32_t infoSize = 40) {
  fixtures::BmpSpec s;
  s.width = 4;
  s.height = height;
  s.bitCount = bitCount;
  const int colours = bitCount == 1 ? 2 : 4;
  s.palette.assign(kFour.begin(), kFour.begin() + colours);
  s.palette.resize(std::size_t{1} << bitCount);
  s.indices = shiftedIndices(4, 3, colours);
  s.infoSize = infoSize;
  return fixtures::makeBmp(s);
}

Bytes directBmp(int bitCount, int width = 4, int height = 3) {
  fixtures::BmpSpec s;
  s.width = width;
  s.height = height;
  s.bitCount = bitCount;
  s.pixels = shiftedPixels(4, 3);
  return fixtures::makeBmp(s);
}

Rgb quadrant(int x, int y, int w, int h) {
  if (y < h / 2) return x < w / 2 ? kRed : kGreen;
  return x < w / 2 ? kBlue : kWhite;
}

Bytes quadrantJpeg(fixtures::JpegColour colour = fixtures::JpegColour::Rgb) {
  return fixtures::makeJpeg(64, 48, [](int x, int y) { return quadrant(x, y, 64, 48); }, colour);
}

// Grey levels rising from left to right.
Bytes greyJpeg() {
  return fixtures::makeJpeg(64, 16, [](int x, int) { auto v = static_cast<std::uint8_t>(x * 4); return Rgb{v, v, v}; },
                            fixtures::JpegColour::Grey);
}

Bytes readThroughFile(const Bytes& bytes, const char* name) {
  const auto path = std::filesystem::temp_directory_path() / name;
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
  std::ifstream in(path, std::ios::binary);
  Bytes back{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::filesystem::remove(path);
  return back;
}

Bytes pcx8() {
  std::vector<std::vector<std::uint8_t>> rows;
  for (int y = 0; y < 3; ++y) rows.push_back({std::uint8_t(y % 4), std::uint8_t((1 + y) % 4), std::uint8_t((2 + y) % 4), std::uint8_t((3 + y) % 4)});
  return fixtures::indexedPcx(4, 3, rows, kFour);
}

// 70 pixels wide: a row longer than one run of 63.
Bytes pcxPlanes() {
  fixtures::PcxSpec s;
  s.width = 70;
  s.height = 2;
  s.planes = 3;
  for (int y = 0; y < 2; ++y) {
    std::vector<std::uint8_t> row(70 * 3, 0);
    for (int x = 0; x < 70; ++x) {
      const Rgb c = y == 0 ? (x < 66 ? kOlive : kTeal) : kBlue;
      row[x] = c.r, row[70 + x] = c.g, row[140 + x] = c.b;
    }
    s.planeRows.push_back(row);
  }
  return fixtures::makePcx(s);
}

Bytes pcx1() { return fixtures::monoPcx(10, 2, {{0b10100000, 0b01000000}, {0xFF, 0x00}}); }

Bytes gifTwoColours() {
  fixtures::GifFrameSpec f;
  f.width = 5;
  f.height = 4;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) f.indices.push_back(x < y ? 1 : 0);
  return fixtures::makeGif(5, 4, {kRed, kBlue}, {f});
}

Bytes icon48() {
  return fixtures::makeIconFile(1, {{48, 0, fixtures::iconBitmap(48, kGreen)}});
}

Bytes iconChoosing32() {
  return fixtures::makeIconFile(1, {{16, 16, fixtures::iconBitmap(16, kRed)},
                                    {32, 0, fixtures::iconBitmap(32, kRed)},
                                    {32, 16, fixtures::iconBitmap(32, kGreen)},
                                    {64, 0, fixtures::iconBitmap(64, kBlue)}});
}

const DecodeCase kCases[] = {
    {"bmp1", [] { return indexedBmp(1); }, PictureFormat::Bmp, 4, 3, {{0, 0, kRed}, {1, 0, kGreen}, {0, 1, kGreen}, {1, 2, kGreen}, {2, 2, kRed}}},
    {"bmp4", [] { return indexedBmp(4); }, PictureFormat::Bmp, 4, 3, kShiftedProbes},
    {"bmp8", [] { return indexedBmp(8); }, PictureFormat::Bmp, 4, 3, kShiftedProbes},
    {"bmp8_v5_header_table_after_it", [] { return indexedBmp(8, 3, 124); }, PictureFormat::Bmp, 4, 3, kShiftedProbes},
    {"bmp8_top_down", [] { return indexedBmp(8, -3); }, PictureFormat::Bmp, 4, 3, kShiftedProbes},
    {"bmp24", [] { return directBmp(24); }, PictureFormat::Bmp, 4, 3, kShiftedProbes},
    {"bmp32", [] { return directBmp(32); }, PictureFormat::Bmp, 4, 3, kShiftedProbes},
    {"bmp24_top_down", [] { return directBmp(24, 4, -3); }, PictureFormat::Bmp, 4, 3, kShiftedProbes},
    {"bmp24_negative_width", [] { return directBmp(24, -4, 3); }, PictureFormat::Bmp, 4, 3, kShiftedProbes},
    {"jpeg_colour", [] { return quadrantJpeg(); }, PictureFormat::Jpeg, 64, 48,
     {{4, 4, kRed}, {60, 4, kGreen}, {4, 44, kBlue}, {60, 44, kWhite}}, 12},
    {"jpeg_grey", greyJpeg, PictureFormat::Jpeg, 64, 16, {{2, 8, {8, 8, 8}}, {40, 8, {160, 160, 160}}, {62, 2, {248, 248, 248}}}, 3},
    {"jpeg_adobe_cmyk", [] { return quadrantJpeg(fixtures::JpegColour::AdobeCmyk); }, PictureFormat::Jpeg, 64, 48,
     {{4, 4, kRed}, {60, 4, kGreen}, {4, 44, kBlue}, {60, 44, kWhite}}, 12},
    {"jpeg_adobe_ycck", [] { return quadrantJpeg(fixtures::JpegColour::AdobeYcck); }, PictureFormat::Jpeg, 64, 48,
     {{4, 4, kRed}, {60, 4, kGreen}, {4, 44, kBlue}, {60, 44, kWhite}}, 12},
    {"jpeg_in_a_file_named_gif", [] { return readThroughFile(quadrantJpeg(), "photo.gif"); }, PictureFormat::Jpeg, 64, 48,
     {{4, 4, kRed}}, 12},
    {"gif_first_frame", gifTwoColours, PictureFormat::Gif, 5, 4, {{0, 0, kRed}, {0, 3, kBlue}, {2, 3, kBlue}, {3, 3, kRed}, {4, 1, kRed}}},
    {"pcx8_palette", pcx8, PictureFormat::Pcx8, 4, 3, kShiftedProbes},
    {"pcx8_three_planes", pcxPlanes, PictureFormat::Pcx8, 70, 2, {{0, 0, kOlive}, {65, 0, kOlive}, {66, 0, kTeal}, {69, 1, kBlue}}},
    {"pcx1", pcx1, PictureFormat::Pcx1, 10, 2,
     {{0, 0, kWhite}, {1, 0, kBlack}, {2, 0, kWhite}, {8, 0, kBlack}, {9, 0, kWhite}, {7, 1, kWhite}, {8, 1, kBlack}}},
    {"ico_only_48", icon48, PictureFormat::Icon, 48, 48, {}},
    {"ico_first_32_with_16_colours", iconChoosing32, PictureFormat::Icon, 32, 32, {}},
    {"cur_last_entry", [] { return fixtures::makeIconFile(2, {{16, 0, fixtures::iconBitmap(16, kRed)}, {24, 0, fixtures::iconBitmap(24, kRed)}}); },
     PictureFormat::Cursor, 24, 24, {}},
};

class DecodeEachFormat : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeEachFormat, GivesSizeAndPixels) {
  const DecodeCase& c = GetParam();
  const auto decoded = pictures::decodePictureData(c.bytes());
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(decoded->format, c.format);
  EXPECT_EQ(decoded->width, c.width);
  EXPECT_EQ(decoded->height, c.height);
  for (const Probe& p : c.probes) {
    const Rgb got = fixtures::pixelAt(*decoded, p.x, p.y);
    EXPECT_TRUE(fixtures::closeTo(got, p.colour, c.tolerance))
        << "at (" << p.x << ", " << p.y << "): " << int(got.r) << "," << int(got.g) << "," << int(got.b);
  }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, DecodeEachFormat, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeJpeg, RowsAreBgrBottomUpWithoutGaps) {
  // 5 pixels a row: 15 bytes, not a multiple of 4, so a gap would show.
  const auto decoded = pictures::decodePictureData(fixtures::makeJpeg(5, 16, [](int, int y) { return y < 8 ? kRed : kBlue; }));
  ASSERT_TRUE(decoded);
  const auto& image = std::get<pictures::BgrImage>(decoded->image);
  ASSERT_EQ(image.stride, 15u);
  ASSERT_EQ(image.pixels.size(), 15u * 16);
  EXPECT_TRUE(fixtures::closeTo({image.pixels[2], image.pixels[1], image.pixels[0]}, kBlue, 12));  // first stored row: bottom
  EXPECT_TRUE(fixtures::closeTo({image.pixels[15 * 15 + 2], image.pixels[15 * 15 + 1], image.pixels[15 * 15]}, kRed, 12));
}

TEST(DecodeJpeg, GreyPicturesGiveGreyPixels) {
  const auto decoded = pictures::decodePictureData(greyJpeg());
  ASSERT_TRUE(decoded);
  const auto& image = std::get<pictures::BgrImage>(decoded->image);
  for (std::size_t i = 0; i < image.pixels.size(); i += 3) {
    ASSERT_EQ(image.pixels[i], image.pixels[i + 1]);
    ASSERT_EQ(image.pixels[i], image.pixels[i + 2]);
  }
}

TEST(DecodeJpeg, CutShortShowsTheDecodedPart) {
  // Top half red, bottom half blue, with noise so that the data outweighs
  // the headers; cut a third of the way into the scan data.
  const Bytes whole = fixtures::makeJpeg(64, 64, [](int x, int y) {
    const auto noise = static_cast<std::uint8_t>((x * 7 + y * 13) % 17);
    return y < 32 ? Rgb{255, noise, noise} : Rgb{noise, noise, 255};
  });
  std::size_t scan = 0;
  while (scan + 1 < whole.size() && !(whole[scan] == 0xFF && whole[scan + 1] == 0xDA)) ++scan;
  ASSERT_LT(scan + 1, whole.size());
  const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(scan + (whole.size() - scan) / 3));
  const auto decoded = pictures::decodePictureData(cut);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->width, 64);
  EXPECT_EQ(decoded->height, 64);
  EXPECT_TRUE(fixtures::closeTo(fixtures::pixelAt(*decoded, 10, 2), kRed, 12));
  EXPECT_FALSE(fixtures::closeTo(fixtures::pixelAt(*decoded, 10, 60), kBlue, 40));
}

TEST(DecodeIcon, KeepsTheChosenImageBytes) {
  const Bytes chosen = fixtures::iconBitmap(32, kGreen);
  const auto decoded = pictures::decodePictureData(iconChoosing32());
  ASSERT_TRUE(decoded);
  const auto& icon = std::get<pictures::IconImage>(decoded->image);
  EXPECT_EQ(icon.resource, chosen);
  EXPECT_EQ(icon.bitsPerPixel, 32);
}

TEST(SniffFormat, TakesOnlyTheFirstSixBytes) {
  struct Case {
    Bytes bytes;
    std::optional<PictureFormat> format;
  };
  const Case cases[] = {
      {{'B', 'M', 0, 0, 0, 0}, PictureFormat::Bmp},
      {{0xFF, 0xD8, 0xFF, 0xE0, 0, 0}, PictureFormat::Jpeg},
      {{0, 0, 1, 0, 1, 0}, PictureFormat::Icon},
      {{0, 0, 2, 0, 3, 0}, PictureFormat::Cursor},
      {{0, 0, 1, 0, 0, 0}, std::nullopt},  // no images
      {{0, 0, 3, 0, 1, 0}, std::nullopt},
      {{'G', 'I', 'F', '8', '7', 'a'}, PictureFormat::Gif},
      {{'G', 'I', 'F', '8', '9', 'a'}, PictureFormat::Gif},
      {{'G', 'I', 'F', '8', '8', 'a'}, std::nullopt},
      {{0x0A, 5, 1, 8, 0, 0}, PictureFormat::Pcx8},
      {{0x0A, 0, 1, 8, 0, 0}, PictureFormat::Pcx8},
      {{0x0A, 6, 1, 8, 0, 0}, std::nullopt},
      {{0x0A, 3, 1, 1, 0, 0}, PictureFormat::Pcx1},
      {{0x0A, 5, 1, 1, 0, 0}, std::nullopt},
      {{0x89, 'P', 'N', 'G', '\r', '\n'}, std::nullopt},
      {{'B', 'M', 0, 0, 0}, std::nullopt},  // five bytes
  };
  for (const Case& c : cases) EXPECT_EQ(pictures::sniffFormat(c.bytes), c.format) << int(c.bytes[0]) << "," << int(c.bytes[1]);
}

}  // namespace

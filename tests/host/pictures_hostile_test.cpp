// Bytes that are no picture, damaged or hostile: no picture, and no crash,
// over-read or huge allocation (the host build runs this under ASan/UBSan).
#include <gtest/gtest.h>

#include <ostream>

#include "host/pictures_probe.h"

namespace {

using fixtures::Bytes;
using fixtures::Rgb;

using namespace fixtures::colours;

Bytes smallBmp(int bitCount = 24) {
  fixtures::BmpSpec s;
  s.width = 3;
  s.height = 2;
  s.bitCount = bitCount;
  if (bitCount <= 8) {
    s.palette.assign(std::size_t{1} << bitCount, kRed);
    s.indices.assign(6, 0);
  } else {
    s.pixels.assign(6, kRed);
  }
  return fixtures::makeBmp(s);
}

Bytes patched(Bytes bytes, std::size_t at, std::uint32_t value) {
  fixtures::set32(bytes, at, value);
  return bytes;
}
Bytes patched16(Bytes bytes, std::size_t at, unsigned value) {
  bytes[at] = static_cast<std::uint8_t>(value);
  bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
  return bytes;
}
Bytes cut(Bytes bytes, std::size_t keep) {
  bytes.resize(keep);
  return bytes;
}

Bytes smallGif(int minimumCodeSize = 0) {
  fixtures::GifFrameSpec f;
  f.width = 4;
  f.height = 4;
  f.indices = fixtures::filled(16, 1);
  f.minimumCodeSize = minimumCodeSize;
  return fixtures::makeGif(4, 4, {kRed, kBlue}, {f});
}

Bytes smallPcx() {
  fixtures::PcxSpec s;
  s.width = 4;
  s.height = 2;
  s.planeRows = {{1, 2, 3, 4}, {5, 6, 7, 8}};
  s.palette.assign(256, kRed);
  return fixtures::makePcx(s);
}

Bytes smallIcon() { return fixtures::makeIconFile(1, {{16, 0, fixtures::iconBitmap(16, kRed)}}); }

// A header that claims far more pixels than anyone could want, with little data.
Bytes hugeJpeg() {
  Bytes bytes = fixtures::makeJpeg(8, 8, [](int, int) { return kRed; });
  for (std::size_t i = 0; i + 8 < bytes.size(); ++i) {
    if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) {  // SOF0: height at +5, width at +7, big-endian
      bytes[i + 5] = 0xEA, bytes[i + 6] = 0x60, bytes[i + 7] = 0xEA, bytes[i + 8] = 0x60;  // 60000 × 60000
      break;
    }
  }
  return bytes;
}

struct HostileCase {
  const char* name;
  std::function<Bytes()> bytes;
};

void PrintTo(const HostileCase& c, std::ostream* os) { *os << c.name; }

const HostileCase kCases[] = {
    {"empty", [] { return Bytes{}; }},
    {"five_bytes", [] { return Bytes{'B', 'M', 1, 2, 3}; }},
    {"png", [] { return Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'}; }},
    {"text", [] { return Bytes{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'}; }},
    // BMP
    {"bmp_rle8", [] { return patched(smallBmp(8), 30, 1); }},
    {"bmp_rle4", [] { return patched(smallBmp(4), 30, 2); }},
    {"bmp_16_bits", [] { return patched16(smallBmp(24), 28, 16); }},
    {"bmp_header_cut", [] { return cut(smallBmp(), 40); }},
    {"bmp_info_header_too_small", [] { return patched(smallBmp(), 14, 12); }},
    {"bmp_zero_width", [] { return patched(smallBmp(), 18, 0); }},
    {"bmp_zero_height", [] { return patched(smallBmp(), 22, 0); }},
    {"bmp_size_overflows", [] { return patched(patched(smallBmp(32), 18, 0x7FFFFFFF), 22, 0x7FFFFFFF); }},
    {"bmp_most_negative_height", [] { return patched(smallBmp(), 22, 0x80000000u); }},
    {"bmp_most_negative_width", [] { return patched(smallBmp(), 18, 0x80000000u); }},
    {"bmp_pixel_offset_past_end", [] { return patched(smallBmp(), 10, 0xFFFFFFF0u); }},
    {"bmp_rows_cut", [] { Bytes b = smallBmp(); return cut(b, b.size() - 13); }},
    {"bmp_colour_table_past_end", [] { return patched(smallBmp(8), 14, 0x7FFFFFF0); }},
    {"bmp_colour_table_cut", [] { return cut(smallBmp(8), 60); }},
    {"bmp_over_100_megapixels", [] {
       fixtures::BmpSpec s;  // 1 bit a pixel: a real 100.01-megapixel file is 12.5 MB
       s.width = 10001;
       s.height = 1;
       s.bitCount = 1;
       s.palette = {kRed, kBlue};
       s.indices.assign(10001, 0);
       Bytes b = fixtures::makeBmp(s);
       const std::size_t stride = (10001 + 31) / 32 * 4;
       b.resize(b.size() + stride * 9999, 0);
       return patched(b, 22, 10000);
     }},
    // JPEG
    {"jpeg_marker_only", [] { return Bytes{0xFF, 0xD8, 0xFF, 0xD9, 0, 0}; }},
    {"jpeg_header_cut", [] { return cut(fixtures::makeJpeg(16, 16, [](int, int) { return kRed; }), 100); }},
    {"jpeg_over_100_megapixels", hugeJpeg},
    // ICO / CUR
    {"ico_directory_cut", [] { return cut(smallIcon(), 12); }},
    {"ico_count_beyond_entries", [] { return patched16(smallIcon(), 4, 500); }},
    {"ico_entry_offset_past_end", [] { return patched(smallIcon(), 6 + 12, 0xFFFFFFF0u); }},
    {"ico_entry_size_past_end", [] { return patched(smallIcon(), 6 + 8, 0x7FFFFFFF); }},
    {"ico_image_smaller_than_its_header", [] { return patched(smallIcon(), 6 + 8, 20); }},
    {"ico_image_cut_before_mask", [] { Bytes b = smallIcon(); return cut(patched(b, 6 + 8, static_cast<std::uint32_t>(b.size() - 22 - 8)), b.size() - 8); }},
    {"ico_huge_bitmap_header", [] { return patched(patched(smallIcon(), 22 + 4, 0x7FFFFFFF), 22 + 8, 0x7FFFFFFE); }},
    {"ico_negative_height", [] { return patched(smallIcon(), 22 + 8, 0xFFFFFFE0u); }},
    {"ico_bad_bit_count", [] { return patched16(smallIcon(), 22 + 14, 7); }},
    {"ico_png_without_header", [] {
       Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 1, 2};
       return fixtures::makeIconFile(1, {{0, 0, png}});
     }},
    // GIF
    {"gif_screen_header_cut", [] { return cut(smallGif(), 10); }},
    {"gif_global_table_cut", [] { return cut(smallGif(), 15); }},
    {"gif_zero_screen", [] { return patched16(patched16(smallGif(), 6, 0), 8, 0); }},
    {"gif_screen_over_100_megapixels", [] { return patched16(patched16(smallGif(), 6, 65535), 8, 65535); }},
    {"gif_no_image", [] { return cut(smallGif(), 13 + 6); }},
    {"gif_minimum_code_size_12", [] { return smallGif(12); }},
    {"gif_minimum_code_size_0", [] { Bytes b = smallGif(); b[13 + 6 + 8 + 10] = 0; return b; }},
    // PCX
    {"pcx_header_cut", [] { return cut(smallPcx(), 100); }},
    {"pcx_right_before_left", [] { return patched16(smallPcx(), 4, 10); }},
    {"pcx_line_shorter_than_a_row", [] { return patched16(smallPcx(), 66, 2); }},
    {"pcx_data_cut", [] { return cut(smallPcx(), 131); }},
    {"pcx_two_planes", [] { Bytes b = smallPcx(); b[65] = 2; return b; }},
    {"pcx_mono_with_four_planes", [] {
       fixtures::PcxSpec s;
       s.width = 8, s.height = 1, s.bitsPerPixel = 1, s.version = 3, s.planes = 4;
       s.planeRows = {{1, 2, 3, 4}};
       return fixtures::makePcx(s);
     }},
};

class HostileBytes : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileBytes, GiveNoPicture) { EXPECT_FALSE(pictures::decodePictureData(GetParam().bytes()).has_value()); }

INSTANTIATE_TEST_SUITE_P(Fixtures, HostileBytes, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Damage that still leaves something to show: what is shown is safe.
TEST(DamagedButShown, PaletteIndicesBeyondTheTableShowBlack) {
  fixtures::BmpSpec s;
  s.width = 2;
  s.height = 1;
  s.bitCount = 8;
  s.palette = {kRed, kBlue};
  s.colorsUsed = 2;
  s.indices = {1, 200};
  const auto decoded = pictures::decodePictureData(fixtures::makeBmp(s));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(fixtures::pixelAt(*decoded, 0, 0), kBlue);
  EXPECT_EQ(fixtures::pixelAt(*decoded, 1, 0), (Rgb{0, 0, 0}));
}

TEST(DamagedButShown, BmpColourCountAboveTheDepthReadsOnlyWhatTheDepthNeeds) {
  Bytes b = patched(smallBmp(1), 46, 0xFFFFFFFFu);
  const auto decoded = pictures::decodePictureData(b);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(fixtures::pixelAt(*decoded, 2, 1), kRed);
}

TEST(DamagedButShown, PcxRunPastTheLastRowIsCutOff) {
  Bytes b = smallPcx();
  // Replace the data with one run of 63 that is longer than the whole picture.
  b.resize(128);
  b.push_back(0xFF);
  b.push_back(2);
  const auto decoded = pictures::decodePictureData(b);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->width, 4);
  EXPECT_EQ(decoded->height, 2);
}

}  // namespace

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "editing/bmp_file.h"

namespace {

uint32_t field(const std::vector<uint8_t>& file, size_t offset, int bytes) {
  uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | file.at(offset + i);
  return value;
}

struct HeaderCase {
  const char* field;
  size_t offset;
  int bytes;
  uint32_t expected;
};

// The certificate canvas is 515 × 332: rows of 1545 pixel bytes and 3 of padding.
constexpr int kWidth = 515;
constexpr int kHeight = 332;

const HeaderCase kCertificateHeader[] = {
    {"bfType", 0, 2, 0x4D42},       {"bfSize", 2, 4, 513990},    {"bfReserved1", 6, 2, 0},
    {"bfReserved2", 8, 2, 0},       {"bfOffBits", 10, 4, 54},    {"biSize", 14, 4, 40},
    {"biWidth", 18, 4, 515},        {"biHeight", 22, 4, 332},    {"biPlanes", 26, 2, 1},
    {"biBitCount", 28, 2, 24},      {"biCompression", 30, 4, 0}, {"biSizeImage", 34, 4, 513936},
    {"biXPelsPerMeter", 38, 4, 0},  {"biYPelsPerMeter", 42, 4, 0}, {"biClrUsed", 46, 4, 0},
    {"biClrImportant", 50, 4, 0},
};

TEST(BmpFileTest, CertificateHeaderHoldsEveryField) {
  const std::vector<uint8_t> file = makeBmpFile(kWidth, kHeight);
  ASSERT_EQ(file.size(), 513990u);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  for (const HeaderCase& c : kCertificateHeader) {
    EXPECT_EQ(field(file, c.offset, c.bytes), c.expected) << c.field;
  }
}

TEST(BmpFileTest, RowStridePadsToFourBytes) {
  struct StrideCase {
    int width;
    size_t stride;
  };
  const StrideCase cases[] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {515, 1548}, {516, 1548}};
  for (const StrideCase& c : cases) EXPECT_EQ(bmpRowStride(c.width), c.stride) << "width " << c.width;
}

TEST(BmpFileTest, SmallFileSizesFollowTheStride) {
  const std::vector<uint8_t> file = makeBmpFile(3, 2);  // stride 12
  ASSERT_EQ(file.size(), 54u + 24u);
  EXPECT_EQ(field(file, 2, 4), 78u);
  EXPECT_EQ(field(file, 34, 4), 24u);
}

TEST(BmpFileTest, FirstRowInTheFileIsTheBottomRow) {
  EXPECT_EQ(bmpPixelOffset(kWidth, kHeight, 0, kHeight - 1), 54u);
  EXPECT_EQ(bmpPixelOffset(kWidth, kHeight, 1, kHeight - 1), 57u);
  EXPECT_EQ(bmpPixelOffset(kWidth, kHeight, 0, kHeight - 2), 54u + 1548u);
  EXPECT_EQ(bmpPixelOffset(kWidth, kHeight, kWidth - 1, 0), 513990u - 3u - 3u);
}

TEST(BmpFileTest, PixelRowsStartAfterTheHeaders) {
  std::vector<uint8_t> file = makeBmpFile(kWidth, kHeight);
  const auto rows = bmpPixelRows(file);
  EXPECT_EQ(rows.data(), file.data() + 54);
  EXPECT_EQ(rows.size(), 513936u);
}

TEST(BmpFileTest, SizesThatCannotBeAFileGiveNothing) {
  struct SizeCase {
    int width, height;
  };
  const SizeCase cases[] = {{0, 332}, {515, 0}, {-1, 10}, {10, -1}, {1 << 30, 1 << 30}};
  for (const SizeCase& c : cases) EXPECT_TRUE(makeBmpFile(c.width, c.height).empty()) << c.width << "x" << c.height;
  std::vector<uint8_t> none;
  EXPECT_TRUE(bmpPixelRows(none).empty());
}

}  // namespace

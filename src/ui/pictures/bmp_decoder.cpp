// Uncompressed BMP files of 1, 4, 8, 24 and 32 bits per pixel, to BGR rows.
#include <array>
#include <cstdlib>

#include "ui/pictures/byte_reader.h"
#include "ui/pictures/decoded_picture.h"

namespace pictures {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kMinInfoHeaderSize = 40;

struct BmpHeader {
  std::uint32_t pixelOffset;
  std::uint32_t infoSize;
  std::int64_t width;   // magnitudes: a negative width is taken by its size
  std::int64_t height;
  bool topDown;
  int bitCount;
  std::uint32_t colorsUsed;
};

std::optional<BmpHeader> readHeader(const ByteReader& in) {
  if (!in.has(0, kFileHeaderSize + kMinInfoHeaderSize)) return std::nullopt;
  BmpHeader h{};
  h.pixelOffset = in.u32(10);
  h.infoSize = in.u32(14);
  if (h.infoSize < kMinInfoHeaderSize) return std::nullopt;
  const std::int64_t width = in.i32(18);
  const std::int64_t height = in.i32(22);
  h.width = std::llabs(width);
  h.height = std::llabs(height);
  h.topDown = height < 0;
  h.bitCount = in.u16(28);
  if (in.u32(30) != 0) return std::nullopt;  // compressed
  h.colorsUsed = in.u32(46);
  switch (h.bitCount) {
    case 1: case 4: case 8: case 24: case 32: return h;
    default: return std::nullopt;
  }
}

// The colour table lies right after the information header, whatever its size.
std::optional<std::array<std::uint32_t, 256>> readPalette(const ByteReader& in, const BmpHeader& h) {
  std::array<std::uint32_t, 256> palette{};  // indices beyond the table show black
  const std::uint32_t maxEntries = 1u << h.bitCount;
  const std::uint32_t entries = (h.colorsUsed == 0 || h.colorsUsed > maxEntries) ? maxEntries : h.colorsUsed;
  const std::uint64_t offset = kFileHeaderSize + static_cast<std::uint64_t>(h.infoSize);
  if (!in.has(offset, std::uint64_t{entries} * 4)) return std::nullopt;
  for (std::uint32_t i = 0; i < entries; ++i) palette[i] = in.u32(static_cast<std::size_t>(offset + i * 4)) & 0xFFFFFF;
  return palette;
}

void putPalette(std::uint8_t* out, std::uint32_t colour) {
  out[0] = static_cast<std::uint8_t>(colour);
  out[1] = static_cast<std::uint8_t>(colour >> 8);
  out[2] = static_cast<std::uint8_t>(colour >> 16);
}

void convertIndexedRow(const std::uint8_t* src, std::uint8_t* out, int width, int bitCount,
                       const std::array<std::uint32_t, 256>& palette) {
  const int perByte = 8 / bitCount;
  const int mask = (1 << bitCount) - 1;
  for (int x = 0; x < width; ++x) {
    const int shift = 8 - bitCount * (x % perByte + 1);
    const int index = (src[x / perByte] >> shift) & mask;
    putPalette(out + x * 3, palette[index]);
  }
}

void convertDirectRow(const std::uint8_t* src, std::uint8_t* out, int width, int bytesPerPixel) {
  for (int x = 0; x < width; ++x) {
    out[x * 3 + 0] = src[x * bytesPerPixel + 0];
    out[x * 3 + 1] = src[x * bytesPerPixel + 1];
    out[x * 3 + 2] = src[x * bytesPerPixel + 2];
  }
}

}  // namespace

std::optional<BgrImage> decodeBmp(std::span<const std::uint8_t> bytes, DecodeLimits limits) {
  const ByteReader in(bytes);
  const auto header = readHeader(in);
  if (!header) return std::nullopt;
  const BmpHeader& h = *header;
  if (h.width == 0 || h.height == 0 || static_cast<std::uint64_t>(h.width) > limits.maxPixels) return std::nullopt;

  const std::uint64_t rowBits = static_cast<std::uint64_t>(h.width) * h.bitCount;
  const std::uint64_t stride = (rowBits + 31) / 32 * 4;
  const std::uint64_t rowBytes = (rowBits + 7) / 8;
  // The last row may lack its padding; every row must otherwise be there.
  if (!in.has(h.pixelOffset, stride * static_cast<std::uint64_t>(h.height - 1) + rowBytes)) return std::nullopt;

  std::array<std::uint32_t, 256> palette{};
  if (h.bitCount <= 8) {
    auto table = readPalette(in, h);
    if (!table) return std::nullopt;
    palette = *table;
  }
  auto image = allocateBgr(h.width, h.height, limits, false);
  if (!image) return std::nullopt;

  for (int fileRow = 0; fileRow < image->height; ++fileRow) {
    const std::uint8_t* src = in.at(static_cast<std::size_t>(h.pixelOffset + stride * fileRow));
    const int y = h.topDown ? fileRow : image->height - 1 - fileRow;
    std::uint8_t* out = image->row(y);
    if (h.bitCount <= 8) {
      convertIndexedRow(src, out, image->width, h.bitCount, palette);
    } else {
      convertDirectRow(src, out, image->width, h.bitCount / 8);
    }
  }
  return image;
}

}  // namespace pictures

// ICO and CUR directories: which image to show, checked to be complete, so
// that the platform's icon maker never reads past what the file holds.
#include <cstring>

#include "ui/pictures/byte_reader.h"
#include "ui/pictures/decoded_picture.h"

namespace pictures {

namespace {

constexpr std::size_t kDirectoryHeader = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::uint32_t kBitmapHeaderSize = 40;
constexpr std::int64_t kMaxIconSide = 1024;
constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// The first 32-pixel image with more than 15 colours, else the last one.
std::size_t chooseEntry(const ByteReader& in, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = kDirectoryHeader + i * kEntrySize;
    if (in.u8(entry) == 32 && in.u8(entry + 2) > 15) return i;
  }
  return count - 1;
}

bool validSide(std::int64_t side) { return side > 0 && side <= kMaxIconSide; }

std::uint32_t bigEndian32(const ByteReader& in, std::size_t offset) {
  return (std::uint32_t{in.u8(offset)} << 24) | (std::uint32_t{in.u8(offset + 1)} << 16) |
         (std::uint32_t{in.u8(offset + 2)} << 8) | in.u8(offset + 3);
}

// PNG-compressed images (large icons) carry their size in the IHDR chunk.
std::optional<IconImage> describePng(const ByteReader& image) {
  if (!image.has(0, 24) || std::memcmp(image.at(12), "IHDR", 4) != 0) return std::nullopt;
  IconImage icon;
  icon.width = static_cast<int>(std::min<std::uint32_t>(bigEndian32(image, 16), kMaxIconSide + 1));
  icon.height = static_cast<int>(std::min<std::uint32_t>(bigEndian32(image, 20), kMaxIconSide + 1));
  icon.bitsPerPixel = 32;
  if (!validSide(icon.width) || !validSide(icon.height)) return std::nullopt;
  return icon;
}

// A bitmap image: header, colour table, colour rows and the mask rows must
// all be inside the image bytes.
std::optional<IconImage> describeBitmap(const ByteReader& image) {
  if (!image.has(0, kBitmapHeaderSize) || image.u32(0) != kBitmapHeaderSize) return std::nullopt;
  const std::int64_t width = image.i32(4);
  const std::int64_t fullHeight = image.i32(8);
  const int bitCount = image.u16(14);
  const std::uint32_t compression = image.u32(16);
  const std::uint32_t colorsUsed = image.u32(32);
  if (!validSide(width) || !validSide(fullHeight / 2) || image.u16(12) != 1) return std::nullopt;
  std::uint64_t tableBytes = 0;
  switch (bitCount) {
    case 1: case 4: case 8: {
      const std::uint32_t maxEntries = 1u << bitCount;
      if (compression != 0 || colorsUsed > maxEntries) return std::nullopt;
      tableBytes = std::uint64_t{colorsUsed == 0 ? maxEntries : colorsUsed} * 4;
      break;
    }
    case 16: case 24: case 32:
      if (compression == 3 && bitCount != 24) {
        tableBytes = 12;  // the three channel masks
      } else if (compression != 0) {
        return std::nullopt;
      }
      break;
    default:
      return std::nullopt;
  }
  const std::int64_t height = fullHeight / 2;
  const std::uint64_t colourRow = (static_cast<std::uint64_t>(width) * bitCount + 31) / 32 * 4;
  const std::uint64_t maskRow = (static_cast<std::uint64_t>(width) + 31) / 32 * 4;
  if (!image.has(0, kBitmapHeaderSize + tableBytes + (colourRow + maskRow) * height)) return std::nullopt;
  IconImage icon;
  icon.width = static_cast<int>(width);
  icon.height = static_cast<int>(height);
  icon.bitsPerPixel = bitCount;
  return icon;
}

}  // namespace

std::optional<IconImage> decodeIconDirectory(std::span<const std::uint8_t> bytes) {
  const ByteReader in(bytes);
  if (!in.has(0, kDirectoryHeader)) return std::nullopt;
  const std::size_t count = in.u16(4);
  if (count == 0 || !in.has(kDirectoryHeader, count * kEntrySize)) return std::nullopt;

  const std::size_t entry = kDirectoryHeader + chooseEntry(in, count) * kEntrySize;
  const std::uint32_t size = in.u32(entry + 8);
  const std::uint32_t offset = in.u32(entry + 12);
  if (!in.has(offset, size)) return std::nullopt;
  const ByteReader image(in.slice(offset, size));

  const bool png = image.has(0, sizeof kPngSignature) && std::memcmp(image.at(0), kPngSignature, sizeof kPngSignature) == 0;
  auto icon = png ? describePng(image) : describeBitmap(image);
  if (!icon) return std::nullopt;
  icon->resource.assign(image.at(0), image.at(0) + image.size());
  return icon;
}

}  // namespace pictures

#include "editing/bmp_file.h"

#include <limits>
#include <new>

namespace {

void putLittleEndian(uint8_t* at, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

size_t bmpRowStride(int width) { return ((24 * static_cast<size_t>(width) + 31) / 32) * 4; }

std::vector<uint8_t> makeBmpFile(int width, int height) {
  if (width <= 0 || height <= 0) return {};
  const size_t imageSize = bmpRowStride(width) * static_cast<size_t>(height);
  if (imageSize > std::numeric_limits<uint32_t>::max() - kBmpPixelOffset) return {};
  const auto fileSize = static_cast<uint32_t>(kBmpPixelOffset + imageSize);

  std::vector<uint8_t> file;
  try {
    file.resize(fileSize);
  } catch (const std::bad_alloc&) {
    return {};
  }

  struct Field {
    size_t offset;
    int bytes;
    uint32_t value;
  };
  const Field header[] = {
      {0, 2, 0x4D42},  // "BM"
      {2, 4, fileSize},
      {6, 2, 0},
      {8, 2, 0},
      {10, 4, static_cast<uint32_t>(kBmpPixelOffset)},
      {14, 4, static_cast<uint32_t>(kBmpInfoHeaderSize)},
      {18, 4, static_cast<uint32_t>(width)},
      {22, 4, static_cast<uint32_t>(height)},  // positive: bottom-up rows
      {26, 2, 1},
      {28, 2, 24},
      {30, 4, 0},  // BI_RGB
      {34, 4, static_cast<uint32_t>(imageSize)},
      {38, 4, 0},
      {42, 4, 0},
      {46, 4, 0},
      {50, 4, 0},
  };
  for (const Field& field : header) putLittleEndian(file.data() + field.offset, field.value, field.bytes);
  return file;
}

std::span<uint8_t> bmpPixelRows(std::vector<uint8_t>& file) {
  if (file.size() < kBmpPixelOffset) return {};
  return std::span<uint8_t>(file).subspan(kBmpPixelOffset);
}

size_t bmpPixelOffset(int width, int height, int x, int y) {
  return kBmpPixelOffset + bmpRowStride(width) * static_cast<size_t>(height - 1 - y) + 3 * static_cast<size_t>(x);
}

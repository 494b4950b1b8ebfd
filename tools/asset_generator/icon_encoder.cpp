#include "asset_generator/icon_encoder.h"

#include <cstddef>

namespace gen {

namespace {

void put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

}  // namespace

std::vector<uint8_t> encodeIcon32(int width, int height, const std::vector<uint8_t>& bgra) {
  const uint32_t maskStride = ((static_cast<uint32_t>(width) + 31) / 32) * 4;
  const uint32_t colourBytes = static_cast<uint32_t>(width) * height * 4;
  const uint32_t imageBytes = 40 + colourBytes + maskStride * height;
  std::vector<uint8_t> out;

  // Directory: one icon image.
  put16(out, 0);
  put16(out, 1);
  put16(out, 1);
  out.push_back(static_cast<uint8_t>(width));
  out.push_back(static_cast<uint8_t>(height));
  out.push_back(0);  // no palette
  out.push_back(0);
  put16(out, 1);   // planes
  put16(out, 32);  // bits a pixel
  put32(out, imageBytes);
  put32(out, 6 + 16);

  // The bitmap header counts the colour and mask bitmaps together: twice the height.
  put32(out, 40);
  put32(out, static_cast<uint32_t>(width));
  put32(out, static_cast<uint32_t>(height) * 2);
  put16(out, 1);
  put16(out, 32);
  put32(out, 0);  // BI_RGB
  put32(out, colourBytes + maskStride * height);
  put32(out, 0);
  put32(out, 0);
  put32(out, 0);
  put32(out, 0);

  for (int y = height - 1; y >= 0; --y) {
    const uint8_t* row = bgra.data() + static_cast<std::size_t>(y) * width * 4;
    out.insert(out.end(), row, row + static_cast<std::size_t>(width) * 4);
  }
  // AND mask: set where the pixel is fully transparent, for viewers that ignore alpha.
  for (int y = height - 1; y >= 0; --y) {
    std::vector<uint8_t> maskRow(maskStride, 0);
    for (int x = 0; x < width; ++x) {
      if (bgra[(static_cast<std::size_t>(y) * width + x) * 4 + 3] == 0) maskRow[x / 8] |= 0x80 >> (x % 8);
    }
    out.insert(out.end(), maskRow.begin(), maskRow.end());
  }
  return out;
}

}  // namespace gen

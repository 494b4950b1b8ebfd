// Reading pixels back out of decoded pictures, top row first.
#pragma once

#include <variant>

#include "host/pictures_fixtures.h"
#include "ui/pictures/decoded_picture.h"

namespace fixtures {

inline Rgb pixelAt(const pictures::BgrImage& image, int x, int y) {
  const std::uint8_t* p = image.row(y) + static_cast<std::size_t>(x) * 3;
  return {p[2], p[1], p[0]};
}

inline Rgb pixelAt(const pictures::IndexedImage& image, int x, int y) {
  const std::uint8_t* row = image.pixels.data() + image.stride * static_cast<std::size_t>(image.height - 1 - y);
  const int perByte = 8 / image.bitsPerPixel;
  const int shift = 8 - image.bitsPerPixel * (x % perByte + 1);
  const int index = (row[x / perByte] >> shift) & ((1 << image.bitsPerPixel) - 1);
  const std::uint32_t c = image.palette.at(static_cast<std::size_t>(index));
  return {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8), static_cast<std::uint8_t>(c)};
}

inline Rgb pixelAt(const pictures::DecodedData& data, int x, int y) {
  if (const auto* bgr = std::get_if<pictures::BgrImage>(&data.image)) return pixelAt(*bgr, x, y);
  return pixelAt(std::get<pictures::IndexedImage>(data.image), x, y);
}

}  // namespace fixtures

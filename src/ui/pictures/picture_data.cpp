// Format recognition by the first six bytes, and the dispatch to the decoders.
#include <cstring>
#include <new>

#include "ui/pictures/decoded_picture.h"

namespace pictures {

std::optional<PictureFormat> sniffFormat(std::span<const std::uint8_t> b) {
  if (b.size() < 6) return std::nullopt;
  if (b[0] == 'B' && b[1] == 'M') return PictureFormat::Bmp;
  if (b[0] == 0xFF && b[1] == 0xD8) return PictureFormat::Jpeg;
  if (b[0] == 0 && b[1] == 0 && (b[4] | (b[5] << 8)) > 0) {
    const int type = b[2] | (b[3] << 8);
    if (type == 1) return PictureFormat::Icon;
    if (type == 2) return PictureFormat::Cursor;
  }
  if (std::memcmp(b.data(), "GIF87a", 6) == 0 || std::memcmp(b.data(), "GIF89a", 6) == 0) return PictureFormat::Gif;
  if (b[0] == 0x0A && b[1] <= 5 && b[2] == 1 && b[3] == 8) return PictureFormat::Pcx8;
  if (b[0] == 0x0A && b[1] == 3 && b[2] == 1 && b[3] == 1) return PictureFormat::Pcx1;
  return std::nullopt;
}

std::optional<BgrImage> allocateBgr(std::int64_t width, std::int64_t height, DecodeLimits limits, bool alignRows) {
  if (width <= 0 || height <= 0) return std::nullopt;
  if (static_cast<std::uint64_t>(width) > limits.maxPixels / static_cast<std::uint64_t>(height)) return std::nullopt;
  BgrImage image;
  image.width = static_cast<int>(width);
  image.height = static_cast<int>(height);
  image.stride = static_cast<std::size_t>(width) * 3;
  if (alignRows) image.stride = (image.stride + 3) & ~std::size_t{3};
  try {
    image.pixels.resize(image.stride * static_cast<std::size_t>(height));
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  return image;
}

namespace {

template <typename Image>
DecodedData wrap(PictureFormat format, Image&& image) {
  DecodedData data;
  data.format = format;
  data.width = image.width;
  data.height = image.height;
  data.image = std::forward<Image>(image);
  return data;
}

template <typename Image>
std::optional<DecodedData> wrap(PictureFormat format, std::optional<Image>&& image) {
  if (!image) return std::nullopt;
  return wrap(format, std::move(*image));
}

std::optional<DecodedData> decodeAs(PictureFormat format, std::span<const std::uint8_t> bytes, DecodeLimits limits) {
  switch (format) {
    case PictureFormat::Jpeg:
      return wrap(format, decodeJpeg(bytes, limits));
    case PictureFormat::Bmp:
      return wrap(format, decodeBmp(bytes, limits));
    case PictureFormat::Icon:
    case PictureFormat::Cursor:
      return wrap(format, decodeIconDirectory(bytes));
    case PictureFormat::Gif:
      return wrap(format, decodeGifFirstFrame(bytes, limits));
    case PictureFormat::Pcx8:
    case PictureFormat::Pcx1: {
      auto pcx = decodePcx(bytes, limits);
      if (!pcx) return std::nullopt;
      return std::visit([format](auto&& image) { return wrap(format, std::move(image)); }, std::move(*pcx));
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<DecodedData> decodePictureData(std::span<const std::uint8_t> bytes, DecodeLimits limits) {
  const auto format = sniffFormat(bytes);
  if (!format) return std::nullopt;
  try {
    return decodeAs(*format, bytes, limits);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

}  // namespace pictures

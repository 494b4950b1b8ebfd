// What decoding picture bytes yields, before anything platform-specific is
// made from it. Pixel rows run from the bottom row upwards, as device-
// independent bitmaps want them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <variant>
#include <vector>

enum class PictureFormat : int { Jpeg = 1, Bmp = 2, Icon = 3, Cursor = 4, Gif = 5, Pcx8 = 6, Pcx1 = 7 };

namespace pictures {

// A picture larger than this many pixels is refused: its pixels alone would
// take hundreds of megabytes.
inline constexpr std::uint64_t kMaxPixels = 100'000'000;

// Blue, green, red per pixel, bottom row first; `stride` bytes from one row
// to the next (width × 3 for JPEG and BMP, a multiple of 4 where the decoder
// chose so).
struct BgrImage {
  int width = 0;
  int height = 0;
  std::size_t stride = 0;
  std::vector<std::uint8_t> pixels;

  std::uint8_t* row(int y) { return pixels.data() + static_cast<std::size_t>(height - 1 - y) * stride; }
  const std::uint8_t* row(int y) const { return pixels.data() + static_cast<std::size_t>(height - 1 - y) * stride; }
};

// 8 or 1 bits per pixel with a colour table, rows bottom row first, each row
// padded to a multiple of 4 bytes: the layout of a device-independent bitmap.
struct IndexedImage {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 8;
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB, as RGBQUAD in memory
  std::size_t stride = 0;
  std::vector<std::uint8_t> pixels;
};

// The chosen image of an icon or cursor file, checked to lie inside the
// file and to describe itself consistently; the platform makes the icon.
struct IconImage {
  std::vector<std::uint8_t> resource;  // the image bytes as the directory entry gives them
  int width = 0;
  int height = 0;  // half the bitmap header's height: without the mask
  int bitsPerPixel = 0;
};

struct DecodedData {
  PictureFormat format{};
  int width = 0;
  int height = 0;
  std::variant<BgrImage, IndexedImage, IconImage> image;
};

struct DecodeLimits {
  std::uint64_t maxPixels = kMaxPixels;
};

// Recognises the format by the first six bytes and decodes it. No value
// when the bytes are no picture this program shows, are damaged beyond use,
// too large, or memory runs out.
std::optional<DecodedData> decodePictureData(std::span<const std::uint8_t> bytes, DecodeLimits limits = {});

// The sniff alone: which decoder the first six bytes choose.
std::optional<PictureFormat> sniffFormat(std::span<const std::uint8_t> bytes);

// Each format's decoder, for callers (and fuzzers) that know the format.
std::optional<BgrImage> decodeJpeg(std::span<const std::uint8_t> bytes, DecodeLimits limits = {});
std::optional<BgrImage> decodeBmp(std::span<const std::uint8_t> bytes, DecodeLimits limits = {});
std::optional<IconImage> decodeIconDirectory(std::span<const std::uint8_t> bytes);
std::optional<BgrImage> decodeGifFirstFrame(std::span<const std::uint8_t> bytes, DecodeLimits limits = {});
// PCX: an IndexedImage for palette and mono pictures, a BgrImage for three planes.
std::optional<std::variant<BgrImage, IndexedImage>> decodePcx(std::span<const std::uint8_t> bytes,
                                                              DecodeLimits limits = {});

// Zeroed room for a width × height BGR picture (rows padded to 4 bytes when
// `alignRows`), or no value when it is empty, over the limit or cannot be had.
std::optional<BgrImage> allocateBgr(std::int64_t width, std::int64_t height, DecodeLimits limits,
                                    bool alignRows);

}  // namespace pictures

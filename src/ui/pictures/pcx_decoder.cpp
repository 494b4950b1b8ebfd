// PCX files with run-length encoding: 8 bits per pixel with a 256-colour
// table (or three colour planes), and 1 bit per pixel black and white.
#include <algorithm>

#include "ui/pictures/byte_reader.h"
#include "ui/pictures/decoded_picture.h"

namespace pictures {

namespace {

constexpr std::size_t kHeaderSize = 128;
constexpr std::size_t kPaletteSize = 769;  // marker byte 0C and 256 × RGB
constexpr std::uint8_t kPaletteMarker = 0x0C;

struct PcxHeader {
  int bitsPerPixel;
  int planes;
  std::int64_t width;
  std::int64_t height;
  std::size_t bytesPerLine;
};

std::optional<PcxHeader> readHeader(const ByteReader& in) {
  if (!in.has(0, kHeaderSize) || in.u8(0) != 0x0A || in.u8(2) != 1) return std::nullopt;
  PcxHeader h{};
  h.bitsPerPixel = in.u8(3);
  h.width = std::int64_t{in.u16(8)} - in.u16(4) + 1;
  h.height = std::int64_t{in.u16(10)} - in.u16(6) + 1;
  h.planes = in.u8(65);
  h.bytesPerLine = in.u16(66);
  if (h.width <= 0 || h.height <= 0) return std::nullopt;
  const bool colourPlanes = h.bitsPerPixel == 8 && (h.planes == 1 || h.planes == 3 || h.planes == 4);
  const bool mono = h.bitsPerPixel == 1 && h.planes == 1;
  if (!colourPlanes && !mono) return std::nullopt;
  if (h.bytesPerLine < static_cast<std::size_t>((h.width * h.bitsPerPixel + 7) / 8)) return std::nullopt;
  return h;
}

// Run-length decoding, one scan line (all planes) at a time. A run may go
// on into the next line, as some writers do; the data must not end early.
class RunReader {
 public:
  RunReader(const ByteReader& in, std::size_t end) : in_(in), pos_(kHeaderSize), end_(end) {}

  bool readLine(std::vector<std::uint8_t>& line) {
    std::size_t filled = 0;
    while (filled < line.size()) {
      if (runLeft_ == 0 && !startRun()) return false;
      const std::size_t count = std::min(runLeft_, line.size() - filled);
      std::fill_n(line.begin() + static_cast<std::ptrdiff_t>(filled), count, runValue_);
      filled += count;
      runLeft_ -= count;
    }
    return true;
  }

 private:
  bool startRun() {
    if (pos_ >= end_) return false;
    const std::uint8_t byte = in_.u8(pos_++);
    if ((byte & 0xC0) != 0xC0) {
      runValue_ = byte;
      runLeft_ = 1;
      return true;
    }
    if (pos_ >= end_) return false;
    runValue_ = in_.u8(pos_++);
    runLeft_ = byte & 0x3F;
    return true;
  }

  const ByteReader& in_;
  std::size_t pos_;
  std::size_t end_;
  std::size_t runLeft_ = 0;
  std::uint8_t runValue_ = 0;
};

bool hasPaletteAtEnd(const ByteReader& in) {
  return in.size() >= kHeaderSize + kPaletteSize && in.u8(in.size() - kPaletteSize) == kPaletteMarker;
}

std::vector<std::uint32_t> readPalette(const ByteReader& in, bool present) {
  std::vector<std::uint32_t> palette(256);
  for (std::uint32_t i = 0; i < 256; ++i) {
    if (!present) {
      palette[i] = i * 0x010101;  // no table: grey levels
      continue;
    }
    const std::size_t at = in.size() - kPaletteSize + 1 + i * 3;
    palette[i] = (std::uint32_t{in.u8(at)} << 16) | (std::uint32_t{in.u8(at + 1)} << 8) | in.u8(at + 2);
  }
  return palette;
}

constexpr std::uint64_t kLongestRun = 63;

// Within the pixel limit, and with enough data to fill every line even if
// it were all longest runs: a tiny file cannot claim a huge picture.
bool plausible(const PcxHeader& h, std::size_t dataBytes, DecodeLimits limits) {
  if (static_cast<std::uint64_t>(h.width) > limits.maxPixels / static_cast<std::uint64_t>(h.height)) return false;
  const std::uint64_t lineBytes = std::uint64_t{h.bytesPerLine} * static_cast<std::uint64_t>(h.planes);
  return lineBytes * static_cast<std::uint64_t>(h.height) <= dataBytes * kLongestRun;
}

std::optional<IndexedImage> decodeIndexed(const ByteReader& in, const PcxHeader& h, DecodeLimits limits) {
  const bool palette = h.bitsPerPixel == 8 && hasPaletteAtEnd(in);
  const std::size_t dataEnd = palette ? in.size() - kPaletteSize : in.size();
  if (!plausible(h, dataEnd - kHeaderSize, limits)) return std::nullopt;
  IndexedImage image;
  image.width = static_cast<int>(h.width);
  image.height = static_cast<int>(h.height);
  image.bitsPerPixel = h.bitsPerPixel;
  image.palette = h.bitsPerPixel == 8 ? readPalette(in, palette) : std::vector<std::uint32_t>{0x000000, 0xFFFFFF};
  const std::size_t rowBytes = static_cast<std::size_t>((h.width * h.bitsPerPixel + 7) / 8);
  image.stride = (rowBytes + 3) & ~std::size_t{3};
  image.pixels.resize(image.stride * static_cast<std::size_t>(image.height));

  RunReader runs(in, dataEnd);
  std::vector<std::uint8_t> line(h.bytesPerLine);
  for (int y = 0; y < image.height; ++y) {
    if (!runs.readLine(line)) return std::nullopt;
    std::copy_n(line.begin(), rowBytes, image.pixels.begin() + static_cast<std::ptrdiff_t>(image.stride * (image.height - 1 - y)));
  }
  return image;
}

// Planes red, green, blue (and an unused fourth) of each line become BGR.
std::optional<BgrImage> decodePlanes(const ByteReader& in, const PcxHeader& h, DecodeLimits limits) {
  if (!plausible(h, in.size() - kHeaderSize, limits)) return std::nullopt;
  auto image = allocateBgr(h.width, h.height, limits, true);
  if (!image) return std::nullopt;
  RunReader runs(in, in.size());
  std::vector<std::uint8_t> line(h.bytesPerLine * static_cast<std::size_t>(h.planes));
  const std::uint8_t* red = line.data();
  const std::uint8_t* green = red + h.bytesPerLine;
  const std::uint8_t* blue = green + h.bytesPerLine;
  for (int y = 0; y < image->height; ++y) {
    if (!runs.readLine(line)) return std::nullopt;
    std::uint8_t* out = image->row(y);
    for (int x = 0; x < image->width; ++x, out += 3) {
      out[0] = blue[x];
      out[1] = green[x];
      out[2] = red[x];
    }
  }
  return image;
}

}  // namespace

std::optional<std::variant<BgrImage, IndexedImage>> decodePcx(std::span<const std::uint8_t> bytes,
                                                              DecodeLimits limits) {
  const ByteReader in(bytes);
  const auto header = readHeader(in);
  if (!header) return std::nullopt;
  if (header->planes >= 3) {
    auto planes = decodePlanes(in, *header, limits);
    if (!planes) return std::nullopt;
    return std::move(*planes);
  }
  auto indexed = decodeIndexed(in, *header, limits);
  if (!indexed) return std::nullopt;
  return std::move(*indexed);
}

}  // namespace pictures

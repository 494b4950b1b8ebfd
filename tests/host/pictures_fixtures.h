// Small picture files built in memory, for the decoding tests, the Wine
// tests and the fuzzers' seed corpus. Pixels are given top row first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace fixtures {

using Bytes = std::vector<std::uint8_t>;

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

namespace colours {
inline constexpr Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255}, kBlack{0, 0, 0};
}  // namespace colours

// A pixel expected at (x, y), top row first.
struct Probe {
  int x, y;
  Rgb colour;
};

// Lossy formats and stretching give colours close to, not equal to, the source.
inline bool closeTo(Rgb a, Rgb b, int tolerance) {
  const auto close = [tolerance](int u, int v) { return u - v <= tolerance && v - u <= tolerance; };
  return close(a.r, b.r) && close(a.g, b.g) && close(a.b, b.b);
}

inline void put16(Bytes& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void put32(Bytes& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}
inline void set32(Bytes& out, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// ---- BMP ----

struct BmpSpec {
  int width = 0;
  int height = 0;               // negative: rows stored top-down
  int bitCount = 24;
  std::vector<Rgb> palette;     // for 1, 4, 8 bits
  std::vector<int> indices;     // for 1, 4, 8 bits, top row first
  std::vector<Rgb> pixels;      // for 24, 32 bits, top row first
  std::uint32_t infoSize = 40;  // 108 and 124 for V4 and V5 headers
  std::uint32_t compression = 0;
  std::uint32_t colorsUsed = 0;
};

inline Bytes makeBmp(const BmpSpec& s) {
  const int w = s.width < 0 ? -s.width : s.width;
  const int h = s.height < 0 ? -s.height : s.height;
  const std::size_t stride = (static_cast<std::size_t>(w) * s.bitCount + 31) / 32 * 4;
  Bytes out{'B', 'M'};
  put32(out, 0);  // file size, patched below
  put32(out, 0);
  const std::uint32_t offset = 14 + s.infoSize + static_cast<std::uint32_t>(s.palette.size()) * 4;
  put32(out, offset);
  put32(out, s.infoSize);
  put32(out, static_cast<std::uint32_t>(s.width));
  put32(out, static_cast<std::uint32_t>(s.height));
  put16(out, 1);
  put16(out, s.bitCount);
  put32(out, s.compression);
  put32(out, static_cast<std::uint32_t>(stride * h));
  put32(out, 2835);
  put32(out, 2835);
  put32(out, s.colorsUsed);
  put32(out, 0);
  out.resize(14 + s.infoSize, 0);
  for (const Rgb& c : s.palette) out.insert(out.end(), {c.b, c.g, c.r, 0});
  for (int fileRow = 0; fileRow < h; ++fileRow) {
    const int y = s.height < 0 ? fileRow : h - 1 - fileRow;
    Bytes row(stride, 0);
    for (int x = 0; x < w; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * w + x;
      if (s.bitCount <= 8) {
        const int perByte = 8 / s.bitCount;
        const int shift = 8 - s.bitCount * (x % perByte + 1);
        row[x / perByte] |= static_cast<std::uint8_t>(s.indices[i] << shift);
      } else {
        const int bpp = s.bitCount / 8;
        row[x * bpp + 0] = s.pixels[i].b;
        row[x * bpp + 1] = s.pixels[i].g;
        row[x * bpp + 2] = s.pixels[i].r;
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  set32(out, 2, static_cast<std::uint32_t>(out.size()));
  return out;
}

// ---- JPEG, through libjpeg's compressor ----

enum class JpegColour { Rgb, Grey, AdobeCmyk, AdobeYcck };

// `pixel(x, y)` gives the colour; for AdobeCmyk and AdobeYcck it is stored as
// inverted ink (C = R, M = G, Y = B, K = 255), as Adobe's writers do.
inline Bytes makeJpeg(int width, int height, const std::function<Rgb(int, int)>& pixel,
                      JpegColour colour = JpegColour::Rgb, int quality = 95) {
  jpeg_compress_struct c{};
  jpeg_error_mgr errors{};
  c.err = jpeg_std_error(&errors);
  jpeg_create_compress(&c);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &buffer, &size);
  c.image_width = static_cast<JDIMENSION>(width);
  c.image_height = static_cast<JDIMENSION>(height);
  const bool inks = colour == JpegColour::AdobeCmyk || colour == JpegColour::AdobeYcck;
  c.input_components = colour == JpegColour::Grey ? 1 : inks ? 4 : 3;
  c.in_color_space = colour == JpegColour::Grey ? JCS_GRAYSCALE : inks ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&c);
  if (colour == JpegColour::AdobeYcck) jpeg_set_colorspace(&c, JCS_YCCK);
  jpeg_set_quality(&c, quality, TRUE);
  jpeg_start_compress(&c, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * c.input_components);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb p = pixel(x, y);
      JSAMPLE* out = row.data() + static_cast<std::size_t>(x) * c.input_components;
      if (colour == JpegColour::Grey) {
        out[0] = p.g;
      } else {
        out[0] = p.r, out[1] = p.g, out[2] = p.b;
        if (inks) out[3] = 255;
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&c, rows, 1);
  }
  jpeg_finish_compress(&c);
  Bytes out(buffer, buffer + size);
  jpeg_destroy_compress(&c);
  std::free(buffer);
  return out;
}

// ---- GIF ----

// LZW as GIF writes it: codes least significant bit first, code size
// growing with the table, a clear code when the table is full.
inline Bytes lzwEncode(const std::vector<int>& indices, int minimumSize) {
  Bytes packed;
  std::uint32_t bits = 0;
  int held = 0;
  int size = minimumSize + 1;
  const auto emit = [&](int code) {
    bits |= static_cast<std::uint32_t>(code) << held;
    held += size;
    while (held >= 8) {
      packed.push_back(static_cast<std::uint8_t>(bits));
      bits >>= 8;
      held -= 8;
    }
  };
  const int clear = 1 << minimumSize;
  std::map<std::pair<int, int>, int> table;
  int next = clear + 2;
  emit(clear);
  int current = -1;
  for (int index : indices) {
    if (current < 0) {
      current = index;
      continue;
    }
    const auto found = table.find({current, index});
    if (found != table.end()) {
      current = found->second;
      continue;
    }
    emit(current);
    table[{current, index}] = next++;
    if (next - 1 == (1 << size) && size < 12) ++size;
    if (next == 4096) {
      emit(clear);
      table.clear();
      next = clear + 2;
      size = minimumSize + 1;
    }
    current = index;
  }
  if (current >= 0) {
    emit(current);
    // The reader adds one more entry on this code and may widen before the end code.
    if (next == (1 << size) && size < 12) ++size;
  }
  emit(clear + 1);
  if (held > 0) packed.push_back(static_cast<std::uint8_t>(bits));
  Bytes blocks;
  for (std::size_t at = 0; at < packed.size(); at += 255) {
    const std::size_t n = std::min<std::size_t>(255, packed.size() - at);
    blocks.push_back(static_cast<std::uint8_t>(n));
    blocks.insert(blocks.end(), packed.begin() + static_cast<std::ptrdiff_t>(at),
                  packed.begin() + static_cast<std::ptrdiff_t>(at + n));
  }
  blocks.push_back(0);
  return blocks;
}

struct GifFrameSpec {
  int left = 0, top = 0, width = 0, height = 0;
  std::vector<int> indices;  // top row first, in natural order (interlacing is done here)
  int delay = 0;             // hundredths of a second
  int disposal = 0;
  int transparentIndex = -1;
  std::vector<Rgb> localTable;  // 2, 4, …, 256 entries
  bool interlaced = false;
  int minimumCodeSize = 0;  // 0: from the table size
  bool withControl = true;
};

inline int tableBits(std::size_t entries) {
  int bits = 1;
  while ((std::size_t{1} << bits) < entries) ++bits;
  return bits;
}

inline void putTable(Bytes& out, const std::vector<Rgb>& table) {
  const std::size_t entries = std::size_t{1} << tableBits(table.size());
  for (std::size_t i = 0; i < entries; ++i) {
    const Rgb c = i < table.size() ? table[i] : Rgb{};
    out.insert(out.end(), {c.r, c.g, c.b});
  }
}

inline std::vector<int> interlaceRows(const std::vector<int>& indices, int width, int height) {
  std::vector<int> out;
  const int passes[4][2] = {{0, 8}, {4, 8}, {2, 4}, {1, 2}};
  for (const auto& pass : passes) {
    for (int y = pass[0]; y < height; y += pass[1]) {
      out.insert(out.end(), indices.begin() + y * width, indices.begin() + (y + 1) * width);
    }
  }
  return out;
}

inline Bytes makeGif(int width, int height, const std::vector<Rgb>& globalTable,
                     const std::vector<GifFrameSpec>& frames, bool trailer = true) {
  Bytes out{'G', 'I', 'F', '8', '9', 'a'};
  put16(out, width);
  put16(out, height);
  out.push_back(globalTable.empty() ? 0 : static_cast<std::uint8_t>(0x80 | (tableBits(globalTable.size()) - 1)));
  out.push_back(0);
  out.push_back(0);
  if (!globalTable.empty()) putTable(out, globalTable);
  for (const GifFrameSpec& f : frames) {
    if (f.withControl) {
      out.insert(out.end(), {0x21, 0xF9, 4});
      out.push_back(static_cast<std::uint8_t>((f.disposal << 2) | (f.transparentIndex >= 0 ? 1 : 0)));
      put16(out, f.delay);
      out.push_back(static_cast<std::uint8_t>(f.transparentIndex >= 0 ? f.transparentIndex : 0));
      out.push_back(0);
    }
    out.push_back(0x2C);
    put16(out, f.left);
    put16(out, f.top);
    put16(out, f.width);
    put16(out, f.height);
    std::uint8_t packed = f.interlaced ? 0x40 : 0;
    if (!f.localTable.empty()) packed |= static_cast<std::uint8_t>(0x80 | (tableBits(f.localTable.size()) - 1));
    out.push_back(packed);
    if (!f.localTable.empty()) putTable(out, f.localTable);
    const std::size_t entries = f.localTable.empty() ? globalTable.size() : f.localTable.size();
    const int minimumSize = f.minimumCodeSize ? f.minimumCodeSize : std::max(2, tableBits(entries));
    out.push_back(static_cast<std::uint8_t>(minimumSize));
    const Bytes data = lzwEncode(f.interlaced ? interlaceRows(f.indices, f.width, f.height) : f.indices,
                                 std::min(minimumSize, 11));
    out.insert(out.end(), data.begin(), data.end());
  }
  if (trailer) out.push_back(0x3B);
  return out;
}

// ---- PCX ----

inline void rleLine(Bytes& out, const std::vector<std::uint8_t>& line) {
  for (std::size_t i = 0; i < line.size();) {
    std::size_t run = 1;
    while (i + run < line.size() && line[i + run] == line[i] && run < 63) ++run;
    if (run > 1 || (line[i] & 0xC0) == 0xC0) out.push_back(static_cast<std::uint8_t>(0xC0 | run));
    out.push_back(line[i]);
    i += run;
  }
}

struct PcxSpec {
  int width = 0, height = 0;
  int bitsPerPixel = 8;  // 8 or 1
  int planes = 1;        // 1, or 3 for red, green, blue planes
  int version = 5;
  int bytesPerLine = 0;  // 0: the least that holds a row, made even
  std::vector<std::vector<std::uint8_t>> planeRows;  // per row top first: the planes one after another
  std::vector<Rgb> palette;                          // 256 entries for 8 bits and 1 plane; empty: none
};

inline Bytes makePcx(const PcxSpec& s) {
  Bytes out(128, 0);
  out[0] = 0x0A;
  out[1] = static_cast<std::uint8_t>(s.version);
  out[2] = 1;
  out[3] = static_cast<std::uint8_t>(s.bitsPerPixel);
  const auto set16 = [&](std::size_t at, unsigned v) {
    out[at] = static_cast<std::uint8_t>(v);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
  };
  set16(8, static_cast<unsigned>(s.width - 1));
  set16(10, static_cast<unsigned>(s.height - 1));
  set16(12, 72);
  set16(14, 72);
  out[65] = static_cast<std::uint8_t>(s.planes);
  int perLine = s.bytesPerLine;
  if (perLine == 0) perLine = ((s.width * s.bitsPerPixel + 7) / 8 + 1) & ~1;
  set16(66, static_cast<unsigned>(perLine));
  set16(68, 1);
  for (const auto& row : s.planeRows) {
    for (int p = 0; p < s.planes; ++p) {
      std::vector<std::uint8_t> line(static_cast<std::size_t>(perLine), 0);
      const std::size_t planeBytes = row.size() / s.planes;
      for (std::size_t i = 0; i < planeBytes && i < line.size(); ++i) line[i] = row[p * planeBytes + i];
      rleLine(out, line);
    }
  }
  if (!s.palette.empty()) {
    out.push_back(0x0C);
    for (int i = 0; i < 256; ++i) {
      const Rgb c = i < static_cast<int>(s.palette.size()) ? s.palette[i] : Rgb{};
      out.insert(out.end(), {c.r, c.g, c.b});
    }
  }
  return out;
}

// One plane of palette indices, rows top first.
inline Bytes indexedPcx(int width, int height, std::vector<std::vector<std::uint8_t>> rows, std::vector<Rgb> palette) {
  PcxSpec s;
  s.width = width;
  s.height = height;
  s.planeRows = std::move(rows);
  s.palette = std::move(palette);
  return makePcx(s);
}

// Black and white, 1 bit a pixel, most significant bit first.
inline Bytes monoPcx(int width, int height, std::vector<std::vector<std::uint8_t>> rows) {
  PcxSpec s;
  s.width = width;
  s.height = height;
  s.bitsPerPixel = 1;
  s.version = 3;
  s.planeRows = std::move(rows);
  return makePcx(s);
}

// ---- ICO / CUR ----

// A 32-bit image with an all-opaque mask; `colour` fills it.
inline Bytes iconBitmap(int side, Rgb colour) {
  Bytes out;
  put32(out, 40);
  put32(out, static_cast<std::uint32_t>(side));
  put32(out, static_cast<std::uint32_t>(side * 2));
  put16(out, 1);
  put16(out, 32);
  for (int i = 0; i < 6; ++i) put32(out, 0);
  for (int i = 0; i < side * side; ++i) out.insert(out.end(), {colour.b, colour.g, colour.r, 0xFF});
  const std::size_t maskRow = (static_cast<std::size_t>(side) + 31) / 32 * 4;
  out.insert(out.end(), maskRow * side, 0);
  return out;
}

struct IconEntrySpec {
  int widthByte = 0;   // as the directory says (0 means 256)
  int colourCount = 0;
  Bytes image;
};

inline Bytes makeIconFile(int type, const std::vector<IconEntrySpec>& entries) {
  Bytes out;
  put16(out, 0);
  put16(out, static_cast<unsigned>(type));
  put16(out, static_cast<unsigned>(entries.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
  for (const auto& e : entries) {
    out.push_back(static_cast<std::uint8_t>(e.widthByte));
    out.push_back(static_cast<std::uint8_t>(e.widthByte));
    out.push_back(static_cast<std::uint8_t>(e.colourCount));
    out.push_back(0);
    put16(out, 1);
    put16(out, 32);
    put32(out, static_cast<std::uint32_t>(e.image.size()));
    put32(out, offset);
    offset += static_cast<std::uint32_t>(e.image.size());
  }
  for (const auto& e : entries) out.insert(out.end(), e.image.begin(), e.image.end());
  return out;
}

inline std::vector<int> filled(int count, int index) { return std::vector<int>(static_cast<std::size_t>(count), index); }

}  // namespace fixtures

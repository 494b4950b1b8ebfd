#include "ui/pictures/gif_decoder.h"

#include <algorithm>
#include <cstring>

#include "ui/pictures/byte_reader.h"

namespace pictures {

namespace {

constexpr int kMaxCodeBits = 12;
constexpr int kTableSize = 1 << kMaxCodeBits;
constexpr int kMaxMinimumCodeSize = 11;

int tableCount(std::uint8_t packed) { return (packed & 0x80) ? 2 << (packed & 7) : 0; }

// The offset after a run of data sub-blocks, or none when the bytes end first.
std::optional<std::size_t> skipSubBlocks(const ByteReader& in, std::size_t pos) {
  while (in.has(pos, 1)) {
    const std::size_t length = in.u8(pos++);
    if (length == 0) return pos;
    if (!in.has(pos, length)) return std::nullopt;
    pos += length;
  }
  return std::nullopt;
}

// Bits of the LZW code stream, least significant first, across sub-blocks.
class CodeReader {
 public:
  CodeReader(const ByteReader& in, std::size_t pos) : in_(in), pos_(pos) {}

  std::optional<int> read(int bits) {
    while (held_ < bits) {
      const auto byte = nextByte();
      if (!byte) return std::nullopt;
      buffer_ |= std::uint32_t{*byte} << held_;
      held_ += 8;
    }
    const int code = static_cast<int>(buffer_ & ((1u << bits) - 1));
    buffer_ >>= bits;
    held_ -= bits;
    return code;
  }

 private:
  std::optional<std::uint8_t> nextByte() {
    if (blockLeft_ == 0) {
      if (!in_.has(pos_, 1)) return std::nullopt;
      blockLeft_ = in_.u8(pos_++);
      if (blockLeft_ == 0) {
        pos_ = in_.size();  // the terminator: no more data for this image
        return std::nullopt;
      }
    }
    if (!in_.has(pos_, 1)) return std::nullopt;
    --blockLeft_;
    return in_.u8(pos_++);
  }

  const ByteReader& in_;
  std::size_t pos_;
  std::size_t blockLeft_ = 0;
  std::uint32_t buffer_ = 0;
  int held_ = 0;
};

// Puts a frame's pixels onto the screen in the order the code stream gives
// them, following the interlaced row order where the frame has it.
class FrameWriter {
 public:
  FrameWriter(BgrImage& screen, const GifFrame& frame, const std::array<std::uint32_t, 256>& palette)
      : screen_(screen), frame_(frame), palette_(palette) {
    // Rows below the screen never show; without interlacing they are last.
    rowsThatShow_ = frame.interlaced ? frame.height : std::clamp(screen.height - frame.top, 0, frame.height);
    if (frame.width == 0 || rowsThatShow_ == 0 || frame.left >= screen.width || frame.top >= screen.height) {
      done_ = true;
    }
  }

  bool done() const { return done_; }

  void put(int index) {
    const int x = frame_.left + column_;
    const int y = frame_.top + row_;
    if (index != frame_.transparentIndex && x < screen_.width && y < screen_.height) {
      const std::uint32_t colour = index < 256 ? palette_[index] : 0;
      std::uint8_t* out = screen_.row(y) + static_cast<std::size_t>(x) * 3;
      out[0] = static_cast<std::uint8_t>(colour);
      out[1] = static_cast<std::uint8_t>(colour >> 8);
      out[2] = static_cast<std::uint8_t>(colour >> 16);
    }
    if (++column_ == frame_.width) {
      column_ = 0;
      nextRow();
    }
  }

 private:
  struct Pass {
    int start, step;
  };
  static constexpr Pass kPasses[4] = {{0, 8}, {4, 8}, {2, 4}, {1, 2}};

  void nextRow() {
    if (!frame_.interlaced) {
      done_ = ++row_ >= rowsThatShow_;
      return;
    }
    row_ += kPasses[pass_].step;
    while (row_ >= frame_.height) {
      if (++pass_ == 4) {
        done_ = true;
        return;
      }
      row_ = kPasses[pass_].start;
    }
  }

  BgrImage& screen_;
  const GifFrame& frame_;
  const std::array<std::uint32_t, 256>& palette_;
  int rowsThatShow_ = 0;
  int column_ = 0;
  int row_ = 0;
  int pass_ = 0;
  bool done_ = false;
};

// Decodes the LZW stream at `pos` until the frame is full, the stream ends,
// or a code makes no sense; what was decoded until then stays drawn.
void decodeLzw(const ByteReader& in, std::size_t pos, FrameWriter& out) {
  if (out.done() || !in.has(pos, 1)) return;
  const int minimumSize = in.u8(pos);
  if (minimumSize < 1 || minimumSize > kMaxMinimumCodeSize) return;
  CodeReader codes(in, pos + 1);
  const int clear = 1 << minimumSize;
  const int end = clear + 1;
  std::array<std::uint16_t, kTableSize> prefix{};
  std::array<std::uint16_t, kTableSize> suffix{};
  std::array<std::uint16_t, kTableSize + 1> stack{};
  int size = minimumSize + 1;
  int next = clear + 2;
  int previous = -1;
  int firstOfPrevious = 0;

  while (!out.done()) {
    const auto read = codes.read(size);
    if (!read) return;
    int code = *read;
    if (code == clear) {
      size = minimumSize + 1;
      next = clear + 2;
      previous = -1;
      continue;
    }
    if (code == end) return;
    if (previous < 0) {
      if (code >= clear) return;
      out.put(code);
      previous = firstOfPrevious = code;
      continue;
    }
    if (code > next) return;
    const int incoming = code;
    int depth = 0;
    if (code == next) {
      stack[depth++] = static_cast<std::uint16_t>(firstOfPrevious);
      code = previous;
    }
    while (code >= clear) {  // table entries point only at earlier codes
      stack[depth++] = suffix[code];
      code = prefix[code];
    }
    stack[depth++] = static_cast<std::uint16_t>(code);
    firstOfPrevious = code;
    if (next < kTableSize) {
      prefix[next] = static_cast<std::uint16_t>(previous);
      suffix[next] = static_cast<std::uint16_t>(code);
      if (++next == (1 << size) && size < kMaxCodeBits) ++size;
    }
    previous = incoming;
    while (depth > 0 && !out.done()) out.put(stack[--depth]);
  }
}

std::array<std::uint32_t, 256> readTable(const ByteReader& in, const GifFrame& frame) {
  std::array<std::uint32_t, 256> palette{};  // entries the file lacks show black
  for (int i = 0; i < frame.tableCount; ++i) {
    const std::size_t at = frame.tableOffset + static_cast<std::size_t>(i) * 3;
    palette[i] = (std::uint32_t{in.u8(at)} << 16) | (std::uint32_t{in.u8(at + 1)} << 8) | in.u8(at + 2);
  }
  return palette;
}

struct ControlExtension {
  int disposal = 0;
  int transparentIndex = -1;
  int delayHundredths = 0;
};

}  // namespace

int gifDelayMs(int hundredths) { return hundredths == 0 ? 50 : hundredths * 10; }

std::optional<GifStream> parseGif(std::span<const std::uint8_t> bytes, DecodeLimits limits) {
  const ByteReader in(bytes);
  if (!in.has(0, 13)) return std::nullopt;
  GifStream stream;
  stream.width = in.u16(6);
  stream.height = in.u16(8);
  if (stream.width == 0 || stream.height == 0) return std::nullopt;
  if (static_cast<std::uint64_t>(stream.width) * stream.height > limits.maxPixels) return std::nullopt;
  std::size_t pos = 13;
  const int globalCount = tableCount(in.u8(10));
  if (!in.has(pos, static_cast<std::size_t>(globalCount) * 3)) return std::nullopt;
  const std::size_t globalOffset = pos;
  pos += static_cast<std::size_t>(globalCount) * 3;

  ControlExtension control;
  while (in.has(pos, 1)) {
    const std::uint8_t introducer = in.u8(pos++);
    if (introducer == 0x21) {
      if (!in.has(pos, 1)) break;
      const std::uint8_t label = in.u8(pos++);
      if (label == 0xF9 && in.has(pos, 5) && in.u8(pos) >= 4) {
        const std::uint8_t packed = in.u8(pos + 1);
        control.disposal = (packed >> 2) & 7;
        control.delayHundredths = in.u16(pos + 2);
        control.transparentIndex = (packed & 1) ? in.u8(pos + 4) : -1;
      }
      const auto after = skipSubBlocks(in, pos);
      if (!after) break;
      pos = *after;
    } else if (introducer == 0x2C) {
      if (!in.has(pos, 9)) break;
      GifFrame frame;
      frame.left = in.u16(pos);
      frame.top = in.u16(pos + 2);
      frame.width = in.u16(pos + 4);
      frame.height = in.u16(pos + 6);
      const std::uint8_t packed = in.u8(pos + 8);
      frame.interlaced = (packed & 0x40) != 0;
      pos += 9;
      const int localCount = tableCount(packed);
      if (!in.has(pos, static_cast<std::size_t>(localCount) * 3 + 1)) break;
      frame.tableOffset = localCount ? pos : globalOffset;
      frame.tableCount = localCount ? localCount : globalCount;
      pos += static_cast<std::size_t>(localCount) * 3;
      frame.dataOffset = pos;
      const int minimumSize = in.u8(pos);
      if (minimumSize < 1 || minimumSize > kMaxMinimumCodeSize) break;  // damage: no image from here on
      frame.disposal = control.disposal;
      frame.transparentIndex = control.transparentIndex;
      frame.delayMs = gifDelayMs(control.delayHundredths);
      stream.frames.push_back(frame);
      control = {};
      const auto after = skipSubBlocks(in, pos + 1);
      if (!after) break;  // cut short: the frame keeps what its data holds
      pos = *after;
    } else {
      break;  // the trailer, or bytes that are no GIF block
    }
  }
  if (stream.frames.empty()) return std::nullopt;
  return stream;
}

std::optional<GifCompositor> GifCompositor::create(std::span<const std::uint8_t> bytes, DecodeLimits limits) {
  auto stream = parseGif(bytes, limits);
  if (!stream) return std::nullopt;
  auto screen = allocateBgr(stream->width, stream->height, limits, true);
  if (!screen) return std::nullopt;
  GifCompositor compositor(bytes, std::move(*stream), std::move(*screen));
  compositor.fillWhite(0, 0, compositor.screen_.width, compositor.screen_.height);
  return compositor;
}

void GifCompositor::fillWhite(int left, int top, int right, int bottom) {
  for (int y = top; y < bottom; ++y) {
    std::memset(screen_.row(y) + static_cast<std::size_t>(left) * 3, 0xFF, static_cast<std::size_t>(right - left) * 3);
  }
}

namespace {

struct Area {
  int left, top, right, bottom;
  int width() const { return right - left; }
};

Area visibleArea(const GifFrame& frame, const BgrImage& screen) {
  const int left = std::min(frame.left, screen.width);
  const int top = std::min(frame.top, screen.height);
  return {left, top, std::min(frame.left + frame.width, screen.width), std::min(frame.top + frame.height, screen.height)};
}

}  // namespace

void GifCompositor::dispose(const GifFrame& frame) {
  const Area area = visibleArea(frame, screen_);
  if (frame.disposal == 2) {
    fillWhite(area.left, area.top, area.right, area.bottom);
  } else if (frame.disposal == 3 && !saved_.empty()) {
    const std::size_t rowBytes = static_cast<std::size_t>(area.width()) * 3;
    for (int y = area.top; y < area.bottom; ++y) {
      std::memcpy(screen_.row(y) + static_cast<std::size_t>(area.left) * 3,
                  saved_.data() + static_cast<std::size_t>(y - area.top) * rowBytes, rowBytes);
    }
  }
}

void GifCompositor::draw(const GifFrame& frame) {
  saved_.clear();
  if (frame.disposal == 3) {
    const Area area = visibleArea(frame, screen_);
    const std::size_t rowBytes = static_cast<std::size_t>(area.width()) * 3;
    for (int y = area.top; y < area.bottom; ++y) {
      const std::uint8_t* from = screen_.row(y) + static_cast<std::size_t>(area.left) * 3;
      saved_.insert(saved_.end(), from, from + rowBytes);
    }
  }
  const ByteReader in(bytes_);
  const auto palette = readTable(in, frame);
  FrameWriter writer(screen_, frame, palette);
  decodeLzw(in, frame.dataOffset, writer);
}

int GifCompositor::advance() {
  const std::size_t count = stream_.frames.size();
  if (current_ < count) dispose(stream_.frames[current_]);
  const std::size_t next = current_ + 1 < count ? current_ + 1 : 0;
  if (next == 0) fillWhite(0, 0, screen_.width, screen_.height);
  current_ = next;
  draw(stream_.frames[next]);
  return stream_.frames[next].delayMs;
}

std::optional<BgrImage> decodeGifFirstFrame(std::span<const std::uint8_t> bytes, DecodeLimits limits) {
  auto compositor = GifCompositor::create(bytes, limits);
  if (!compositor) return std::nullopt;
  compositor->advance();
  return compositor->takeScreen();
}

}  // namespace pictures

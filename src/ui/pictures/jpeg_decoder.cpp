// JPEG through libjpeg's decompression interface, straight into BGR rows
// stored bottom-up. A fatal libjpeg error leaves by a long jump back here;
// warnings are silent and never stop decoding.
#include <csetjmp>
#include <memory>

#include "ui/pictures/decoded_picture.h"
#include "ui/pictures/jpeg_memory_source.h"

namespace pictures {

namespace {

// A damaged progressive file can hold endless tiny scans; no real picture
// has anywhere near this many.
constexpr int kMaxScans = 1000;
constexpr int kRowsPerRead = 16;

struct JumpingErrors {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

void leaveByJump(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<JumpingErrors*>(cinfo->err)->jump, 1); }
void stayQuiet(j_common_ptr) {}
void stayQuietLevel(j_common_ptr, int) {}

void limitScans(j_common_ptr cinfo) {
  auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (d->input_scan_number > kMaxScans) leaveByJump(cinfo);
}

// Everything that changes while libjpeg may jump lives here, on the heap,
// reached through one pointer that never changes after the jump is set.
struct Decompression {
  jpeg_decompress_struct cinfo{};
  JumpingErrors errors{};
  jpeg_progress_mgr progress{};
  JpegMemorySource source;
  bool created = false;
  bool allRowsRead = false;
  std::optional<BgrImage> image;
  std::vector<JSAMPLE> cmykRows;

  ~Decompression() {
    if (created) jpeg_destroy_decompress(&cinfo);
  }
};

std::uint8_t scale(int value, int by) { return static_cast<std::uint8_t>((value * by + 127) / 255); }

// Adobe writes CMYK inverted (0 = full ink); others store ink amounts.
void cmykToBgr(const JSAMPLE* cmyk, std::uint8_t* bgr, int width, bool inverted) {
  for (int x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
    int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
    if (!inverted) {
      c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
    }
    bgr[0] = scale(y, k);
    bgr[1] = scale(m, k);
    bgr[2] = scale(c, k);
  }
}

void readRows(Decompression& d) {
  jpeg_decompress_struct& c = d.cinfo;
  BgrImage& image = *d.image;
  const bool cmyk = c.out_color_space == JCS_CMYK;
  if (cmyk) d.cmykRows.resize(static_cast<std::size_t>(image.width) * 4 * kRowsPerRead);
  JSAMPROW rows[kRowsPerRead];
  while (c.output_scanline < c.output_height) {
    const int first = static_cast<int>(c.output_scanline);
    const int want = std::min<int>(kRowsPerRead, image.height - first);
    for (int i = 0; i < want; ++i) {
      rows[i] = cmyk ? d.cmykRows.data() + static_cast<std::size_t>(i) * image.width * 4 : image.row(first + i);
    }
    const int got = static_cast<int>(jpeg_read_scanlines(&c, rows, static_cast<JDIMENSION>(want)));
    if (got == 0) return;  // cannot happen with data in memory; guards an endless loop
    if (cmyk) {
      for (int i = 0; i < got; ++i) cmykToBgr(rows[i], image.row(first + i), image.width, c.saw_Adobe_marker);
    }
  }
}

void decode(Decompression& d, std::span<const std::uint8_t> bytes, DecodeLimits limits) {
  jpeg_decompress_struct& c = d.cinfo;
  jpeg_create_decompress(&c);
  d.created = true;
  useMemorySource(&c, d.source, bytes);
  d.progress.progress_monitor = limitScans;
  c.progress = &d.progress;
  if (jpeg_read_header(&c, TRUE) != JPEG_HEADER_OK) return;
  if (static_cast<std::uint64_t>(c.image_width) * c.image_height > limits.maxPixels) return;
  c.out_color_space = (c.jpeg_color_space == JCS_CMYK || c.jpeg_color_space == JCS_YCCK) ? JCS_CMYK : JCS_EXT_BGR;
  jpeg_start_decompress(&c);
  d.image = allocateBgr(c.output_width, c.output_height, limits, false);
  if (!d.image) return;
  readRows(d);
  d.allRowsRead = c.output_scanline == c.output_height;
  if (d.allRowsRead) jpeg_finish_decompress(&c);
}

}  // namespace

std::optional<BgrImage> decodeJpeg(std::span<const std::uint8_t> bytes, DecodeLimits limits) {
  const auto d = std::make_unique<Decompression>();
  d->cinfo.err = jpeg_std_error(&d->errors.manager);
  d->errors.manager.error_exit = leaveByJump;
  d->errors.manager.output_message = stayQuiet;
  d->errors.manager.emit_message = stayQuietLevel;
  if (setjmp(d->errors.jump) == 0) {
    decode(*d, bytes, limits);
  } else if (!d->allRowsRead) {
    return std::nullopt;  // rejected; an error after the last row (in trailing bytes) keeps the picture
  }
  if (!d->allRowsRead) return std::nullopt;
  return std::move(d->image);
}

}  // namespace pictures

// A libjpeg data source over bytes in memory, read through a 4096-byte
// buffer. When the bytes end before the image does, it supplies an
// end-of-image marker, so a picture cut short decodes as far as it goes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>

#include <jpeglib.h>

namespace pictures {

struct JpegMemorySource {
  static constexpr std::size_t kBufferSize = 4096;

  jpeg_source_mgr manager{};
  std::span<const std::uint8_t> data;
  std::size_t position = 0;  // next byte of `data` to copy into `buffer`
  bool endSupplied = false;  // the data ran out and a marker was made up
  JOCTET buffer[kBufferSize];
};

// Installs `source` (owned by the caller, living as long as `cinfo` reads)
// as the data source of `cinfo`.
void useMemorySource(j_decompress_ptr cinfo, JpegMemorySource& source, std::span<const std::uint8_t> data);

}  // namespace pictures

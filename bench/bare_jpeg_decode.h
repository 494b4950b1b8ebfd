// The yardstick for picture decoding: libjpeg-turbo decoding the bytes into
// one buffer, with nothing of the program around it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <vector>

#include <jpeglib.h>

namespace bench {

inline std::vector<unsigned char> bareJpegDecode(const std::vector<std::uint8_t>& bytes) {
  jpeg_decompress_struct c{};
  jpeg_error_mgr errors{};
  c.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&c);
  jpeg_mem_src(&c, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&c, TRUE);
  jpeg_start_decompress(&c);
  const std::size_t stride = std::size_t{c.output_width} * c.output_components;
  std::vector<unsigned char> out(stride * c.output_height);
  while (c.output_scanline < c.output_height) {
    JSAMPROW row = out.data() + stride * c.output_scanline;
    jpeg_read_scanlines(&c, &row, 1);
  }
  jpeg_finish_decompress(&c);
  jpeg_destroy_decompress(&c);
  return out;
}

}  // namespace bench

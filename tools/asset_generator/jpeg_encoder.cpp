#include "asset_generator/jpeg_encoder.h"

// jpeglib.h uses FILE and size_t without including their headers.
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace gen {

std::vector<uint8_t> encodeBaselineJpeg(const RgbImage& image, int quality, ChromaSampling sampling) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);

  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);

  info.image_width = static_cast<JDIMENSION>(image.width);
  info.image_height = static_cast<JDIMENSION>(image.height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  info.dct_method = JDCT_ISLOW;  // exact integer DCT: the same bytes on every machine
  info.optimize_coding = TRUE;   // still baseline (SOF0), only smaller Huffman tables
  info.write_JFIF_header = TRUE;
  info.JFIF_major_version = 1;
  info.JFIF_minor_version = 1;
  info.density_unit = 1;  // dots per inch
  info.X_density = 96;
  info.Y_density = 96;
  const int lumaFactor = sampling == ChromaSampling::Half420 ? 2 : 1;
  info.comp_info[0].h_samp_factor = lumaFactor;
  info.comp_info[0].v_samp_factor = lumaFactor;
  for (int c = 1; c < 3; ++c) {
    info.comp_info[c].h_samp_factor = 1;
    info.comp_info[c].v_samp_factor = 1;
  }

  jpeg_start_compress(&info, TRUE);
  const size_t stride = static_cast<size_t>(image.width) * 3;
  while (info.next_scanline < info.image_height) {
    auto* row = const_cast<JSAMPLE*>(image.rgb.data() + info.next_scanline * stride);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);

  std::vector<uint8_t> bytes(buffer, buffer + size);
  std::free(buffer);
  return bytes;
}

}  // namespace gen

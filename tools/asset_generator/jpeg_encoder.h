// Baseline JPEG files with a JFIF header, from 8-bit RGB pixels.
#pragma once

#include <cstdint>
#include <vector>

namespace gen {

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;  // rows top first, 3 bytes a pixel
};

enum class ChromaSampling { Full444, Half420 };

std::vector<uint8_t> encodeBaselineJpeg(const RgbImage& image, int quality, ChromaSampling sampling);

}  // namespace gen

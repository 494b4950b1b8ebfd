// The certificate file: a 24-bit, bottom-up, uncompressed BMP with a 14-byte
// file header and a 40-byte information header, no colour table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

inline constexpr size_t kBmpFileHeaderSize = 14;
inline constexpr size_t kBmpInfoHeaderSize = 40;
inline constexpr size_t kBmpPixelOffset = kBmpFileHeaderSize + kBmpInfoHeaderSize;

// Bytes of one pixel row, padded to a multiple of four.
size_t bmpRowStride(int width);

// A whole file of width × height pixels: both headers filled in, the pixel
// rows zeroed for the caller to fill. Empty for a size that is not positive
// or too large to hold.
std::vector<uint8_t> makeBmpFile(int width, int height);

// The pixel rows of a file made by makeBmpFile (bottom row first).
std::span<uint8_t> bmpPixelRows(std::vector<uint8_t>& file);

// File offset of the blue byte of pixel (x, y), y counted from the top.
size_t bmpPixelOffset(int width, int height, int x, int y);

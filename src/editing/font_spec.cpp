#include "editing/font_spec.h"

#include <cstdint>
#include <cstdlib>

namespace {
constexpr size_t kFaceNameCapacity = 32;  // LF_FACESIZE, terminator included
}

std::wstring faceNameOf(const FontSpec& font) {
  if (font.name.empty() || font.name.size() >= kFaceNameCapacity) return L"宋体";
  return font.name;
}

int mulDivRounded(int a, int b, int c) {
  if (c == 0) return -1;
  const int64_t product = static_cast<int64_t>(a) * b;
  const bool negative = (product < 0) != (c < 0);
  const int64_t magnitude = (std::llabs(product) + std::llabs(static_cast<int64_t>(c)) / 2) /
                            std::llabs(static_cast<int64_t>(c));
  const int64_t result = negative ? -magnitude : magnitude;
  if (result > INT32_MAX || result < INT32_MIN) return -1;
  return static_cast<int>(result);
}

int lfHeightForPoints(int points, int dpi) { return -mulDivRounded(points < 0 ? 0 : points, dpi, 72); }

int pointsForLfHeight(int lfHeight, int dpi) {
  // The magnitude of INT_MIN does not fit an int: such a height has no size in points.
  if (lfHeight == INT32_MIN) return -1;
  return mulDivRounded(std::abs(lfHeight), 72, dpi);
}

// The record in which a handler hands a font to a control.
#pragma once

#include <cstdint>
#include <string>

struct FontSpec {
  int32_t angle = 0;      // tenths of a degree: escapement and orientation
  int32_t bold = 0;       // non-zero: weight 700, else 0 (the platform's default)
  int32_t italic = 0;
  int32_t strikeout = 0;  // note: strikeout comes before underline
  int32_t underline = 0;
  int32_t size = 0;       // whole points; negative counts as 0
  std::wstring name;      // empty (missing) or 32 characters or more: "宋体"
};

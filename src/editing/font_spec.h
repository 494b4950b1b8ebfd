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

// The face a FontSpec stands for: missing names and names too long for a face
// name (32 characters or more) mean "宋体".
std::wstring faceNameOf(const FontSpec& font);

// MulDiv as Win32 computes it: a * b / c rounded to the nearest integer,
// halves away from zero; -1 when c is 0.
int mulDivRounded(int a, int b, int c);

// Points to LOGFONT height (negative: character height) at the given dpi, and back.
int lfHeightForPoints(int points, int dpi);
int pointsForLfHeight(int lfHeight, int dpi);

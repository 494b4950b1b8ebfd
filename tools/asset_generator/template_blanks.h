// Where a kind's template must print its blanks: the rectangles of the overlay
// controls after that kind's moves from their start-up places, in template pixels.
#pragma once

#include "editing/certificate_kinds.h"

namespace gen {

struct Rect {
  int x, y, width, height;
  int right() const { return x + width; }
  int bottom() const { return y + height; }
  double centreY() const { return y + height / 2.0; }
};

struct TemplateBlanks {
  Rect name, sex, age;  // 标签10, 标签11, 标签12
  Rect wordingName;     // 标签13
  Rect issueDate;       // 透明标签1
  Rect number;          // 透明标签2
  // The leftmost place 标签10–12 ever take on this template. The start-up
  // picture also shows them at their start-up places, left of the first
  // kind's own, so its name, sex and age captions must clear both.
  int detailsLeft;
};

// The template's top-left pixel lies at this window position.
inline constexpr int kCanvasLeft = 12;
inline constexpr int kCanvasTop = 4;

TemplateBlanks blanksOf(const CertificateKind& kind);

// The photo box's rectangle on the template.
Rect photoBoxRect();

}  // namespace gen

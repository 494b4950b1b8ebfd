// Small drawing helpers over cairo and pango shared by every picture.
#pragma once

#include <cairo.h>
#include <pango/pangocairo.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "asset_generator/jpeg_encoder.h"

namespace gen {

struct Rgb {
  double r, g, b;
};

constexpr Rgb rgb(uint32_t hex) {
  return {((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0};
}
Rgb mix(Rgb a, Rgb b, double t);
Rgb lighter(Rgb c, double t);  // towards white
Rgb darker(Rgb c, double t);   // towards black

void setColour(cairo_t* cr, Rgb c, double alpha = 1.0);

// An image surface with its context; pixels read back as RGB or BGRA.
class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }
  int width() const { return width_; }
  int height() const { return height_; }

  RgbImage toRgb() const;               // composited over white
  std::vector<uint8_t> toBgra() const;  // straight alpha

 private:
  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// Deterministic pseudo-random numbers for textures (xorshift; no library distributions).
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  uint64_t next();
  double unit();  // [0, 1)
  double between(double low, double high) { return low + (high - low) * unit(); }

 private:
  uint64_t state_;
};

// A linear gradient between two colours; the caller sets it as source and destroys it.
cairo_pattern_t* linearGradient(double x0, double y0, Rgb from, double x1, double y1, Rgb to);

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);
// A five-pointed star with one point up (rotation in radians turns it).
void starPath(cairo_t* cr, double cx, double cy, double outer, double rotation = 0.0);
void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry, double angle = 0.0);

// Fonts by family and pixel size; pango picks the face by family and weight.
struct Font {
  const char* family;
  double px;
  PangoWeight weight = PANGO_WEIGHT_NORMAL;
};

inline constexpr const char* kSerif = "Noto Serif CJK SC";
inline constexpr const char* kSans = "Noto Sans CJK SC";
inline constexpr const char* kKai = "AR PL UKai CN";

// The families the pictures are drawn with that fontconfig does not know;
// pango would silently draw them in another face.
std::vector<std::string> missingFontFamilies();

struct Ink {
  double x, y, width, height;  // ink rectangle relative to the layout origin
};

using LayoutPtr = std::unique_ptr<PangoLayout, void (*)(gpointer)>;
LayoutPtr makeLayout(cairo_t* cr, std::string_view text, const Font& font, double letterSpacing = 0.0);
Ink inkOf(PangoLayout* layout);
double baselineOf(PangoLayout* layout);

enum class Anchor { Left, Centre, Right };

// Places text by its ink horizontally and by its baseline vertically, then
// either fills it (draw) or leaves its outline as the current path (path).
// Returns the ink rectangle in picture coordinates.
Ink drawText(cairo_t* cr, std::string_view text, const Font& font, Rgb colour, double x, double baseline, Anchor anchor,
             double letterSpacing = 0.0);
Ink textPath(cairo_t* cr, std::string_view text, const Font& font, double x, double baseline, Anchor anchor,
             double letterSpacing = 0.0);
Ink measureText(cairo_t* cr, std::string_view text, const Font& font, double letterSpacing = 0.0);

// The baseline that centres CJK characters of this size on the line centre cy.
double baselineForCentre(const Font& font, double cy);

}  // namespace gen

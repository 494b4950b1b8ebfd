#include "asset_generator/app_icon.h"

#include <algorithm>
#include <cmath>

#include "asset_generator/drawing.h"

namespace gen {

namespace {

Rgb hue(double h) {
  // h in [0, 1): red, yellow, green, cyan, blue, magenta and back.
  const double k[3] = {5, 3, 1};
  double c[3];
  for (int i = 0; i < 3; ++i) {
    const double t = std::fmod(k[i] + h * 6, 6.0);
    c[i] = 1 - std::max(0.0, std::min({t, 4 - t, 1.0}));
  }
  return {c[0], c[1], c[2]};
}

// A flame: red at the foot, orange, then yellow at the tips, with rising tongues.
void fillFlame(cairo_t* cr, double top, double bottom) {
  cairo_pattern_t* fire = cairo_pattern_create_linear(0, bottom, 0, top);
  cairo_pattern_add_color_stop_rgb(fire, 0.0, 0.86, 0.16, 0.04);
  cairo_pattern_add_color_stop_rgb(fire, 0.4, 1.0, 0.50, 0.05);
  cairo_pattern_add_color_stop_rgb(fire, 0.8, 1.0, 0.84, 0.18);
  cairo_pattern_add_color_stop_rgb(fire, 1.0, 1.0, 0.96, 0.55);
  cairo_set_source(cr, fire);
  cairo_paint(cr);
  cairo_pattern_destroy(fire);
  Random random(7);
  for (int i = 0; i < 9; ++i) {
    const double x = random.between(4, 28);
    const double h = random.between(8, 18);
    cairo_move_to(cr, x - 2.2, bottom);
    cairo_curve_to(cr, x - 2.5, bottom - h * 0.5, x + 1.5, bottom - h * 0.7, x, bottom - h);
    cairo_curve_to(cr, x + 2.5, bottom - h * 0.6, x + 2.8, bottom - h * 0.3, x + 2.2, bottom);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 1.0, 0.93, 0.45, 0.45);
    cairo_fill(cr);
  }
}

}  // namespace

std::vector<uint8_t> drawAppIcon() {
  Canvas canvas(kIconSize, kIconSize);
  cairo_t* cr = canvas.cr();
  roundedRect(cr, 0, 0, kIconSize, kIconSize, 3);
  setColour(cr, {0, 0, 0});
  cairo_fill(cr);

  // The rainbow frame: short segments round the square, each its own hue.
  const int segments = 96;
  const double inset = 1.5, side = kIconSize - 2 * inset;
  cairo_set_line_width(cr, 1.0);
  for (int i = 0; i < segments; ++i) {
    auto along = [&](double t) {
      const double d = t * 4 * side;
      if (d < side) return std::pair{inset + d, inset};
      if (d < 2 * side) return std::pair{inset + side, inset + d - side};
      if (d < 3 * side) return std::pair{inset + 3 * side - d, inset + side};
      return std::pair{inset, inset + 4 * side - d};
    };
    auto [x0, y0] = along(static_cast<double>(i) / segments);
    auto [x1, y1] = along(static_cast<double>(i + 1) / segments);
    setColour(cr, hue(static_cast<double>(i) / segments));
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
  }

  // The calligraphic glyph, filled with flame; a light stroke thickens the thin brush lines.
  const Font font{kKai, 28};
  cairo_push_group(cr);
  fillFlame(cr, 4, 29);
  cairo_pattern_t* flame = cairo_pop_group(cr);
  cairo_push_group(cr);
  textPath(cr, "证", font, 16, baselineForCentre(font, 16.5), Anchor::Centre);
  setColour(cr, {1, 1, 1});
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
  cairo_pattern_t* shape = cairo_pop_group(cr);
  cairo_set_source(cr, flame);
  cairo_mask(cr, shape);
  cairo_pattern_destroy(shape);
  cairo_pattern_destroy(flame);
  return canvas.toBgra();
}

}  // namespace gen

#include "asset_generator/grounds.h"

#include <cmath>

namespace gen {

namespace {

// A soft light from the upper left makes flat colour read as card stock.
void paintSheen(cairo_t* cr, Rgb base, double x, double y, double w, double h) {
  cairo_pattern_t* light = cairo_pattern_create_linear(x, y, x + w * 0.6, y + h);
  cairo_pattern_add_color_stop_rgba(light, 0, 1, 1, 1, 0.10);
  cairo_pattern_add_color_stop_rgba(light, 0.55, 1, 1, 1, 0.0);
  cairo_pattern_add_color_stop_rgba(light, 1, 0, 0, 0, 0.12);
  cairo_rectangle(cr, x, y, w, h);
  cairo_set_source(cr, light);
  cairo_fill(cr);
  cairo_pattern_destroy(light);
}

void fillFlat(cairo_t* cr, Rgb base, double x, double y, double w, double h) {
  setColour(cr, base);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
}

// Leather: a grain of small irregular pebbles, lighter rims and darker creases.
void paintLeather(cairo_t* cr, Rgb base, double x, double y, double w, double h, Random& random) {
  fillFlat(cr, base, x, y, w, h);
  const int pebbles = static_cast<int>(w * h / 9);
  cairo_set_line_width(cr, 0.6);
  for (int i = 0; i < pebbles; ++i) {
    const double px = random.between(x, x + w);
    const double py = random.between(y, y + h);
    const double r = random.between(1.2, 3.2);
    const double shade = random.between(-0.16, 0.12);
    ellipsePath(cr, px, py, r, r * random.between(0.6, 1.0), random.between(0, M_PI));
    setColour(cr, shade < 0 ? darker(base, -shade) : lighter(base, shade), 0.9);
    cairo_fill_preserve(cr);
    setColour(cr, darker(base, 0.35), 0.35);
    cairo_stroke(cr);
  }
  // Fine creases wandering across the grain.
  cairo_set_line_width(cr, 0.5);
  for (int i = 0; i < static_cast<int>(w * h / 150); ++i) {
    const double px = random.between(x, x + w), py = random.between(y, y + h);
    const double a = random.between(0, 2 * M_PI), len = random.between(5, 13);
    const double bend = random.between(-0.8, 0.8);
    cairo_move_to(cr, px, py);
    cairo_curve_to(cr, px + len * 0.4 * std::cos(a), py + len * 0.4 * std::sin(a), px + len * 0.7 * std::cos(a + bend),
                   py + len * 0.7 * std::sin(a + bend), px + len * std::cos(a + bend), py + len * std::sin(a + bend));
  }
  setColour(cr, darker(base, 0.45), 0.30);
  cairo_stroke(cr);
}

// Cloth: a fine weave of crossing threads.
void paintCloth(cairo_t* cr, Rgb base, double x, double y, double w, double h, Random& random) {
  fillFlat(cr, base, x, y, w, h);
  cairo_set_line_width(cr, 1.0);
  for (double ty = y; ty < y + h; ty += 2) {
    setColour(cr, lighter(base, random.between(0.02, 0.10)), 0.55);
    cairo_move_to(cr, x, ty + 0.5);
    cairo_line_to(cr, x + w, ty + 0.5);
    cairo_stroke(cr);
  }
  for (double tx = x; tx < x + w; tx += 2) {
    setColour(cr, darker(base, random.between(0.04, 0.16)), 0.45);
    cairo_move_to(cr, tx + 0.5, y);
    cairo_line_to(cr, tx + 0.5, y + h);
    cairo_stroke(cr);
  }
}

void paintSkyBubbles(cairo_t* cr, Rgb base, double x, double y, double w, double h, Random& random) {
  cairo_pattern_t* sky = linearGradient(x, y, darker(base, 0.12), x, y + h, lighter(base, 0.55));
  cairo_rectangle(cr, x, y, w, h);
  cairo_set_source(cr, sky);
  cairo_fill(cr);
  cairo_pattern_destroy(sky);
  for (int i = 0; i < 46; ++i) {
    const double bx = random.between(x, x + w);
    const double by = random.between(y, y + h);
    const double r = random.between(3, 14);
    cairo_new_path(cr);
    cairo_arc(cr, bx, by, r, 0, 2 * M_PI);
    setColour(cr, {1, 1, 1}, 0.10);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.8);
    setColour(cr, {1, 1, 1}, 0.35);
    cairo_stroke(cr);
    cairo_arc(cr, bx - r * 0.35, by - r * 0.35, r * 0.22, 0, 2 * M_PI);
    setColour(cr, {1, 1, 1}, 0.45);
    cairo_fill(cr);
  }
}

void heartPath(cairo_t* cr, double cx, double cy, double size) {
  const double s = size / 2;
  cairo_new_sub_path(cr);
  cairo_move_to(cr, cx, cy + s);
  cairo_curve_to(cr, cx - s * 1.6, cy - s * 0.1, cx - s * 0.7, cy - s * 1.3, cx, cy - s * 0.45);
  cairo_curve_to(cr, cx + s * 0.7, cy - s * 1.3, cx + s * 1.6, cy - s * 0.1, cx, cy + s);
  cairo_close_path(cr);
}

void paintHearts(cairo_t* cr, Rgb base, double x, double y, double w, double h) {
  fillFlat(cr, base, x, y, w, h);
  int row = 0;
  for (double hy = y + 6; hy < y + h; hy += 16, ++row) {
    for (double hx = x + 6 + (row % 2) * 10; hx < x + w; hx += 20) {
      heartPath(cr, hx, hy, 7);
      setColour(cr, {1, 1, 1}, 0.30);
      cairo_fill(cr);
    }
  }
}

}  // namespace

void paintGround(cairo_t* cr, const TemplateDesign& design, double x, double y, double w, double h, uint64_t seed) {
  Random random(seed);
  const Rgb base = design.groundColour;
  switch (design.ground) {
    case Ground::Leather:
      paintLeather(cr, base, x, y, w, h, random);
      break;
    case Ground::Cloth:
      paintCloth(cr, base, x, y, w, h, random);
      break;
    case Ground::SkyBubbles:
      paintSkyBubbles(cr, base, x, y, w, h, random);
      break;
    case Ground::Hearts:
      paintHearts(cr, base, x, y, w, h);
      break;
    case Ground::Flat:
      fillFlat(cr, base, x, y, w, h);
      break;
  }
  paintSheen(cr, base, x, y, w, h);
}

}  // namespace gen

#include "asset_generator/emblems.h"

#include <cmath>
#include <vector>

namespace gen {

namespace {

// A metal look: a linear gradient from a light to a dark tone of the colour.
cairo_pattern_t* metal(Rgb c, double x0, double y0, double x1, double y1) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
  const Rgb hi = lighter(c, 0.45);
  const Rgb lo = darker(c, 0.30);
  cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(p, 0.45, c.r, c.g, c.b);
  cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
  return p;
}

void fillWith(cairo_t* cr, cairo_pattern_t* pattern) {
  cairo_set_source(cr, pattern);
  cairo_fill(cr);
  cairo_pattern_destroy(pattern);
}

void sparkle(cairo_t* cr, double x, double y, double s) {
  cairo_new_sub_path(cr);
  cairo_move_to(cr, x, y - s);
  cairo_curve_to(cr, x + s * 0.12, y - s * 0.12, x + s * 0.12, y - s * 0.12, x + s, y);
  cairo_curve_to(cr, x + s * 0.12, y + s * 0.12, x + s * 0.12, y + s * 0.12, x, y + s);
  cairo_curve_to(cr, x - s * 0.12, y + s * 0.12, x - s * 0.12, y + s * 0.12, x - s, y);
  cairo_curve_to(cr, x - s * 0.12, y - s * 0.12, x - s * 0.12, y - s * 0.12, x, y - s);
  cairo_close_path(cr);
}

// A ring of fine rays round a star: the seal-like badge of several kinds.
void paintRayStar(cairo_t* cr, Rgb c, double cx, double cy, double r) {
  const int rays = 144;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < rays; ++i) {
    const double a = 2 * M_PI * i / rays;
    const double outer = r * (i % 2 == 0 ? 0.98 : 0.86);
    cairo_move_to(cr, cx + r * 0.50 * std::cos(a), cy + r * 0.50 * std::sin(a));
    cairo_line_to(cr, cx + outer * std::cos(a), cy + outer * std::sin(a));
  }
  cairo_set_line_width(cr, 0.7);
  setColour(cr, c, 0.85);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 2.2);
  cairo_arc(cr, cx, cy, r * 0.47, 0, 2 * M_PI);
  setColour(cr, c);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 0.8);
  cairo_arc(cr, cx, cy, r * 0.41, 0, 2 * M_PI);
  cairo_stroke(cr);
  starPath(cr, cx, cy + r * 0.02, r * 0.36);
  fillWith(cr, metal(c, cx - r * 0.3, cy - r * 0.3, cx + r * 0.3, cy + r * 0.3));
}

void paintSun(cairo_t* cr, Rgb c, double cx, double cy, double r) {
  const int rays = 16;
  for (int i = 0; i < rays; ++i) {
    const double a = 2 * M_PI * i / rays;
    const double half = M_PI / rays * 0.55;
    const double inner = r * 0.50;
    const double outer = r * 0.97;
    // A wavy flame: two S-curves meeting at the tip.
    auto at = [&](double radius, double angle) {
      return std::pair{cx + radius * std::cos(angle), cy + radius * std::sin(angle)};
    };
    auto [x0, y0] = at(inner, a - half);
    auto [x1, y1] = at(inner + (outer - inner) * 0.35, a - half * 0.2);
    auto [x2, y2] = at(inner + (outer - inner) * 0.65, a - half * 1.2);
    auto [xt, yt] = at(outer, a + half * 0.3);
    auto [x3, y3] = at(inner + (outer - inner) * 0.65, a + half * 0.2);
    auto [x4, y4] = at(inner + (outer - inner) * 0.35, a + half * 1.4);
    auto [x5, y5] = at(inner, a + half);
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, x1, y1, x2, y2, xt, yt);
    cairo_curve_to(cr, x3, y3, x4, y4, x5, y5);
    cairo_close_path(cr);
  }
  const Rgb ray = mix(c, rgb(0xFF9A1F), 0.35);
  setColour(cr, ray);
  cairo_fill(cr);
  cairo_pattern_t* disc = cairo_pattern_create_radial(cx - r * 0.15, cy - r * 0.15, r * 0.05, cx, cy, r * 0.55);
  const Rgb hi = lighter(c, 0.6);
  cairo_pattern_add_color_stop_rgb(disc, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(disc, 0.7, c.r, c.g, c.b);
  cairo_pattern_add_color_stop_rgb(disc, 1, ray.r, ray.g, ray.b);
  cairo_arc(cr, cx, cy, r * 0.52, 0, 2 * M_PI);
  fillWith(cr, disc);
}

// Leaves or grains in pairs along an arc of a circle round (cx, cy), from
// angle `from` to `to`, getting smaller towards the tip.
struct LeafRow {
  int count;
  double size;    // length of the first leaf
  double shrink;  // how much smaller the last one is, as a fraction
  double lean;    // angle between a leaf and the stalk
  double aspect;  // width over length
};

// Returns the tip of every leaf with its direction, for awns or veins.
struct LeafTip {
  double x, y, angle, size;
};

std::vector<LeafTip> leavesAlongArc(cairo_t* cr, double cx, double cy, double ringR, double from, double to,
                                    const LeafRow& row) {
  std::vector<LeafTip> tips;
  for (int i = 0; i < row.count; ++i) {
    const double t = (i + 0.5) / row.count;
    const double a = from + (to - from) * t;
    const double px = cx + ringR * std::cos(a);
    const double py = cy + ringR * std::sin(a);
    const double tangent = a + (to > from ? M_PI / 2 : -M_PI / 2);
    const double size = row.size * (1.0 - row.shrink * t);
    for (int side : {-1, 1}) {
      const double lean = tangent + side * row.lean;
      ellipsePath(cr, px + size * 0.8 * std::cos(lean), py + size * 0.8 * std::sin(lean), size, size * row.aspect,
                  lean);
      tips.push_back({px + size * 1.8 * std::cos(lean), py + size * 1.8 * std::sin(lean), lean, size});
    }
  }
  return tips;
}

void paintCrest(cairo_t* cr, Rgb gold, double cx, double cy, double r) {
  // Red field inside a gold rim.
  cairo_arc(cr, cx, cy, r * 0.70, 0, 2 * M_PI);
  setColour(cr, rgb(0xC8281E));
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 2.0);
  setColour(cr, gold);
  cairo_stroke(cr);

  // Wheat ears up both sides.
  const LeafRow grains{13, r * 0.10, 0.35, 0.45, 0.42};
  auto tips = leavesAlongArc(cr, cx, cy, r * 0.80, M_PI * 0.62, M_PI * 1.32, grains);
  const auto right = leavesAlongArc(cr, cx, cy, r * 0.80, M_PI * 0.38, -M_PI * 0.32, grains);
  tips.insert(tips.end(), right.begin(), right.end());
  fillWith(cr, metal(gold, cx - r, cy - r, cx + r, cy + r));
  // Each grain's awn, a fine bristle carrying on from its tip.
  for (const LeafTip& tip : tips) {
    cairo_move_to(cr, tip.x, tip.y);
    cairo_line_to(cr, tip.x + tip.size * 0.9 * std::cos(tip.angle), tip.y + tip.size * 0.9 * std::sin(tip.angle));
  }
  cairo_set_line_width(cr, 0.5);
  setColour(cr, lighter(gold, 0.2), 0.8);
  cairo_stroke(cr);

  // Five stars: one large, four small in an arc to its right.
  const double bigX = -0.22, bigY = -0.44;
  starPath(cr, cx + bigX * r, cy + bigY * r, r * 0.15);
  const double arc[4][2] = {{-0.02, -0.60}, {0.10, -0.52}, {0.13, -0.40}, {0.06, -0.30}};
  for (const auto& p : arc) {
    // Each small star points at the large one.
    starPath(cr, cx + p[0] * r, cy + p[1] * r, r * 0.05, std::atan2(p[1] - bigY, p[0] - bigX) - M_PI / 2);
  }
  setColour(cr, gold);
  cairo_fill(cr);

  // The gate tower: a hall with a double roof on a broad wall with five gateways.
  const double wallTop = cy + r * 0.15;
  const double wallW = r * 0.92;
  cairo_rectangle(cr, cx - wallW / 2, wallTop, wallW, r * 0.26);
  cairo_rectangle(cr, cx - r * 0.34, wallTop - r * 0.16, r * 0.68, r * 0.16);  // hall
  // Lower and upper roofs with upturned eaves.
  for (const auto& roof : {std::array<double, 3>{wallTop - r * 0.16, r * 0.46, r * 0.07},
                           std::array<double, 3>{wallTop - r * 0.27, r * 0.36, r * 0.08}}) {
    const double y = roof[0], half = roof[1], rise = roof[2];
    cairo_move_to(cr, cx - half - r * 0.04, y - rise * 0.2);
    cairo_curve_to(cr, cx - half * 0.7, y, cx - half * 0.5, y - rise, cx - half * 0.35, y - rise * 1.2);
    cairo_line_to(cr, cx + half * 0.35, y - rise * 1.2);
    cairo_curve_to(cr, cx + half * 0.5, y - rise, cx + half * 0.7, y, cx + half + r * 0.04, y - rise * 0.2);
    cairo_close_path(cr);
  }
  cairo_rectangle(cr, cx - r * 0.28, wallTop - r * 0.33, r * 0.56, r * 0.06);
  fillWith(cr, metal(gold, cx, wallTop - r * 0.4, cx, wallTop + r * 0.4));
  // Gateways and the hall's columns in the red of the field.
  setColour(cr, rgb(0xC8281E));
  for (int i = -2; i <= 2; ++i) {
    const double gx = cx + i * r * 0.17;
    const double gw = r * (i == 0 ? 0.085 : 0.065);
    cairo_rectangle(cr, gx - gw / 2, wallTop + r * 0.26 - r * 0.14, gw, r * 0.14);
    cairo_arc(cr, gx, wallTop + r * 0.12, gw / 2, M_PI, 2 * M_PI);
    cairo_fill(cr);
  }
  for (int i = -3; i <= 3; ++i) {
    cairo_rectangle(cr, cx + i * r * 0.09 - r * 0.012, wallTop - r * 0.14, r * 0.024, r * 0.13);
  }
  cairo_fill(cr);

  // A gear and ribbon knot below, where the ears meet.
  const double gy = cy + r * 0.74;
  for (int i = 0; i < 12; ++i) {
    const double a = 2 * M_PI * i / 12;
    cairo_save(cr);
    cairo_translate(cr, cx, gy);
    cairo_rotate(cr, a);
    cairo_rectangle(cr, -r * 0.03, -r * 0.17, r * 0.06, r * 0.06);
    cairo_restore(cr);
  }
  cairo_arc(cr, cx, gy, r * 0.13, 0, 2 * M_PI);
  fillWith(cr, metal(gold, cx, gy - r * 0.17, cx, gy + r * 0.17));
  cairo_arc(cr, cx, gy, r * 0.05, 0, 2 * M_PI);
  setColour(cr, rgb(0xC8281E));
  cairo_fill(cr);
  for (int side : {-1, 1}) {
    cairo_move_to(cr, cx + side * r * 0.12, gy);
    cairo_curve_to(cr, cx + side * r * 0.35, gy - r * 0.05, cx + side * r * 0.45, gy + r * 0.08, cx + side * r * 0.55,
                   gy + r * 0.18);
    cairo_line_to(cr, cx + side * r * 0.42, gy + r * 0.20);
    cairo_curve_to(cr, cx + side * r * 0.35, gy + r * 0.10, cx + side * r * 0.25, gy + r * 0.06, cx + side * r * 0.12,
                   gy + r * 0.08);
    cairo_close_path(cr);
  }
  setColour(cr, rgb(0xC8281E));
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 0.8);
  setColour(cr, gold);
  cairo_stroke(cr);
}

void paintSilverArcs(cairo_t* cr, Rgb c, double cx, double cy, double r) {
  cairo_pattern_t* shine = metal(c, cx - r, cy - r, cx + r, cy + r);
  // Inner rosette: overlapping arcs whose ends meet round the centre.
  cairo_set_line_width(cr, 1.1);
  for (int i = 0; i < 24; ++i) {
    const double a = 2 * M_PI * i / 24;
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx + r * 0.42 * std::cos(a), cy + r * 0.42 * std::sin(a), r * 0.50, a + M_PI * 0.55, a + M_PI * 1.45);
  }
  cairo_set_source(cr, shine);
  cairo_stroke(cr);
  // Outer band: a scalloped ring of small arcs, each pair crossing.
  cairo_set_line_width(cr, 0.8);
  for (int i = 0; i < 40; ++i) {
    const double a = 2 * M_PI * i / 40;
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx + r * 0.80 * std::cos(a), cy + r * 0.80 * std::sin(a), r * 0.11, a - M_PI * 0.9, a + M_PI * 0.9);
  }
  cairo_set_source(cr, shine);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 2.4);
  cairo_arc(cr, cx, cy, r * 0.97, 0, 2 * M_PI);
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, r * 0.26, 0, 2 * M_PI);
  cairo_set_source(cr, shine);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 0.8);
  cairo_arc(cr, cx, cy, r * 0.64, 0, 2 * M_PI);
  cairo_set_source(cr, shine);
  cairo_stroke(cr);
  cairo_pattern_destroy(shine);
  // A dark disc makes the silver star stand out in the middle.
  cairo_arc(cr, cx, cy, r * 0.245, 0, 2 * M_PI);
  setColour(cr, darker(c, 0.75));
  cairo_fill(cr);
  starPath(cr, cx, cy, r * 0.20);
  fillWith(cr, metal(c, cx - r * 0.2, cy - r * 0.2, cx + r * 0.2, cy + r * 0.2));
}

void laurelBranch(cairo_t* cr, double cx, double cy, double ringR, double from, double to, double leaf) {
  cairo_arc(cr, cx, cy, ringR, std::min(from, to), std::max(from, to));
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
  leavesAlongArc(cr, cx, cy, ringR, from, to, {9, leaf, 0.3, 0.75, 0.36});
}

// A closed curve through points given in units of `scale` round (cx, cy).
void smoothClosedPath(cairo_t* cr, const std::vector<std::pair<double, double>>& points, double cx, double cy,
                      double scale) {
  const size_t n = points.size();
  auto at = [&](size_t i) {
    const auto& p = points[i % n];
    return std::pair{cx + p.first * scale, cy + p.second * scale};
  };
  cairo_new_sub_path(cr);
  cairo_move_to(cr, at(0).first, at(0).second);
  for (size_t i = 0; i < n; ++i) {
    // Catmull-Rom through the points, as Bezier segments.
    const auto p0 = at(i + n - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
    cairo_curve_to(cr, p1.first + (p2.first - p0.first) / 6, p1.second + (p2.second - p0.second) / 6,
                   p2.first - (p3.first - p1.first) / 6, p2.second - (p3.second - p1.second) / 6, p2.first, p2.second);
  }
  cairo_close_path(cr);
}

void paintGlobeLaurel(cairo_t* cr, Rgb c, double cx, double cy, double r) {
  const double g = r * 0.56;
  cairo_arc(cr, cx, cy, g, 0, 2 * M_PI);
  cairo_pattern_t* sphere = cairo_pattern_create_radial(cx - g * 0.35, cy - g * 0.4, g * 0.1, cx, cy, g);
  const Rgb hi = lighter(c, 0.7), lo = darker(c, 0.35);
  cairo_pattern_add_color_stop_rgb(sphere, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(sphere, 0.6, c.r, c.g, c.b);
  cairo_pattern_add_color_stop_rgb(sphere, 1, lo.r, lo.g, lo.b);
  fillWith(cr, sphere);
  // Land masses in a darker silver, under the grid.
  cairo_save(cr);
  cairo_arc(cr, cx, cy, g, 0, 2 * M_PI);
  cairo_clip(cr);
  const std::vector<std::vector<std::pair<double, double>>> lands{
      {{-0.75, -0.55},
       {-0.35, -0.70},
       {-0.15, -0.45},
       {-0.40, -0.15},
       {-0.30, 0.10},
       {-0.45, 0.35},
       {-0.35, 0.80},
       {-0.60, 0.55},
       {-0.75, 0.10},
       {-0.90, -0.25}},
      {{0.05, -0.75},
       {0.55, -0.70},
       {0.85, -0.40},
       {0.65, -0.10},
       {0.45, 0.00},
       {0.40, 0.45},
       {0.20, 0.70},
       {0.05, 0.40},
       {0.10, 0.05},
       {-0.05, -0.30}},
  };
  for (const auto& land : lands) smoothClosedPath(cr, land, cx, cy, g);
  setColour(cr, darker(c, 0.5), 0.6);
  cairo_fill(cr);
  cairo_restore(cr);
  // Meridians and parallels.
  setColour(cr, darker(c, 0.45), 0.8);
  cairo_set_line_width(cr, 0.9);
  for (double k : {0.0, 0.38, 0.72}) {
    ellipsePath(cr, cx, cy, g * std::max(k, 0.01), g);
  }
  for (double k : {-0.6, -0.3, 0.0, 0.3, 0.6}) {
    const double half = g * std::sqrt(1 - k * k);
    ellipsePath(cr, cx, cy + k * g, half, half * 0.16);
  }
  cairo_arc(cr, cx, cy, g, 0, 2 * M_PI);
  cairo_stroke(cr);

  cairo_pattern_t* leafMetal = metal(c, cx - r, cy - r, cx + r, cy + r);
  cairo_set_source(cr, leafMetal);
  laurelBranch(cr, cx, cy, r * 0.78, M_PI * 0.58, M_PI * 1.30, r * 0.11);
  cairo_fill(cr);
  cairo_set_source(cr, leafMetal);
  laurelBranch(cr, cx, cy, r * 0.78, M_PI * 0.42, -M_PI * 0.30, r * 0.11);
  cairo_fill(cr);
  cairo_pattern_destroy(leafMetal);
}

void paintFairy(cairo_t* cr, Rgb c, double cx, double cy, double r) {
  cairo_push_group(cr);
  setColour(cr, c);
  cairo_set_line_width(cr, 1.6);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  const double s = r / 70.0;
  auto P = [&](double x, double y) { return std::pair{cx + x * s, cy + y * s}; };
  auto move = [&](double x, double y) {
    auto [a, b] = P(x, y);
    cairo_move_to(cr, a, b);
  };
  auto curve = [&](double x1, double y1, double x2, double y2, double x3, double y3) {
    auto [a1, b1] = P(x1, y1);
    auto [a2, b2] = P(x2, y2);
    auto [a3, b3] = P(x3, y3);
    cairo_curve_to(cr, a1, b1, a2, b2, a3, b3);
  };
  // Wings: two lobes on each side.
  for (int side : {-1, 1}) {
    move(side * 4, -8);
    curve(side * 30, -58, side * 66, -40, side * 46, -8);
    curve(side * 38, 2, side * 16, 0, side * 4, -4);
    move(side * 4, -2);
    curve(side * 28, 6, side * 48, 22, side * 34, 36);
    curve(side * 22, 44, side * 10, 18, side * 4, 2);
  }
  cairo_stroke(cr);
  // Wing veins, thinner.
  cairo_set_line_width(cr, 0.8);
  for (int side : {-1, 1}) {
    move(side * 6, -6);
    curve(side * 22, -26, side * 36, -34, side * 44, -20);
    move(side * 6, 0);
    curve(side * 18, 10, side * 26, 20, side * 30, 30);
  }
  cairo_stroke(cr);
  cairo_set_line_width(cr, 1.6);
  // The wings go behind her: clear the shapes of the head and dress out of them.
  {
    auto [hx, hy] = P(0, -28);
    cairo_new_sub_path(cr);
    cairo_arc(cr, hx, hy, 9 * s, 0, 2 * M_PI);
  }
  move(-6, -17);
  curve(-10, 0, -20, 22, -24, 42);
  cairo_line_to(cr, cx + 24 * s, cy + 42 * s);
  curve(20, 22, 10, 0, 6, -17);
  cairo_close_path(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  setColour(cr, c);
  // Head with a bun of hair.
  {
    auto [hx, hy] = P(0, -28);
    cairo_new_sub_path(cr);
    cairo_arc(cr, hx, hy, 9 * s, 0, 2 * M_PI);
    auto [bx, by] = P(-6, -38);
    cairo_new_sub_path(cr);
    cairo_arc(cr, bx, by, 4.5 * s, 0, 2 * M_PI);
  }
  cairo_stroke(cr);
  // A face: closed, smiling eyes and a small mouth; hair falling to one side.
  cairo_set_line_width(cr, 1.0);
  for (int side : {-1, 1}) {
    auto [ex, ey] = P(side * 3.5, -29);
    cairo_new_sub_path(cr);
    cairo_arc(cr, ex, ey, 1.8 * s, M_PI * 1.1, M_PI * 1.9);
  }
  {
    auto [mx, my] = P(0, -25);
    cairo_new_sub_path(cr);
    cairo_arc(cr, mx, my, 2.2 * s, M_PI * 0.2, M_PI * 0.8);
  }
  move(-8, -33);
  curve(-14, -26, -13, -18, -16, -12);
  move(-6, -35);
  curve(-10, -28, -9, -22, -11, -16);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 1.6);
  // Dress: a bell from the shoulders, with a scalloped hem.
  move(-6, -17);
  curve(-10, 0, -20, 22, -24, 40);
  for (int i = 0; i < 4; ++i) {
    const double x0 = -24 + i * 12;
    curve(x0 + 3, 45, x0 + 9, 45, x0 + 12, 40);
  }
  curve(20, 22, 10, 0, 6, -17);
  cairo_stroke(cr);
  // Legs.
  move(-6, 44);
  curve(-7, 52, -8, 58, -10, 62);
  move(6, 44);
  curve(7, 52, 9, 56, 13, 58);
  cairo_stroke(cr);
  // An arm raising the wand, with a star at its tip.
  move(5, -14);
  curve(14, -16, 22, -24, 28, -34);
  move(28, -34);
  curve(34, -42, 40, -50, 44, -56);
  cairo_stroke(cr);
  {
    auto [wx, wy] = P(46, -59);
    starPath(cr, wx, wy, 7 * s, 0.2);
    cairo_fill(cr);
  }
  // The other arm on the hip.
  move(-5, -14);
  curve(-16, -8, -18, 2, -10, 6);
  cairo_stroke(cr);
  // Sparkles trailing from the wand.
  const double sparkles[][3] = {{56, -44, 4}, {38, -70, 3}, {62, -62, 2.5}, {-52, -56, 3}, {-60, 20, 2.5}, {54, 30, 3}};
  for (const auto& sp : sparkles) {
    auto [x, y] = P(sp[0], sp[1]);
    sparkle(cr, x, y, sp[2] * s * 1.4);
  }
  cairo_fill(cr);
  cairo_pop_group_to_source(cr);
  cairo_paint(cr);
}

void paintLips(cairo_t* cr, Rgb c, double cx, double cy, double r) {
  const double w = r * 1.05, h = r * 0.6;
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, -0.12);
  // Upper lip with its bow, lower lip full and round.
  cairo_move_to(cr, -w, 0);
  cairo_curve_to(cr, -w * 0.6, -h * 0.55, -w * 0.35, -h * 1.05, -w * 0.14, -h * 0.85);
  cairo_curve_to(cr, -w * 0.06, -h * 0.8, -w * 0.02, -h * 0.6, 0, -h * 0.55);
  cairo_curve_to(cr, w * 0.02, -h * 0.6, w * 0.06, -h * 0.8, w * 0.14, -h * 0.85);
  cairo_curve_to(cr, w * 0.35, -h * 1.05, w * 0.6, -h * 0.55, w, 0);
  cairo_curve_to(cr, w * 0.5, -h * 0.12, w * 0.2, h * 0.02, 0, -h * 0.02);
  cairo_curve_to(cr, -w * 0.2, h * 0.02, -w * 0.5, -h * 0.12, -w, 0);
  cairo_close_path(cr);
  cairo_move_to(cr, -w * 0.96, h * 0.06);
  cairo_curve_to(cr, -w * 0.5, h * 0.05, -w * 0.2, h * 0.14, 0, h * 0.10);
  cairo_curve_to(cr, w * 0.2, h * 0.14, w * 0.5, h * 0.05, w * 0.96, h * 0.06);
  cairo_curve_to(cr, w * 0.7, h * 0.75, w * 0.3, h * 1.05, 0, h * 1.02);
  cairo_curve_to(cr, -w * 0.3, h * 1.05, -w * 0.7, h * 0.75, -w * 0.96, h * 0.06);
  cairo_close_path(cr);
  cairo_pattern_t* gloss = linearGradient(0, -h, lighter(c, 0.25), 0, h, darker(c, 0.2));
  cairo_set_source(cr, gloss);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(gloss);
  // A kiss print: broken creases fanning from the middle, and specks where the
  // paint did not take.
  cairo_clip(cr);
  Random random(5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = -22; i <= 22; ++i) {
    const double x = i * w / 22.5;
    double y = -h * 1.1;
    while (y < h * 1.1) {
      const double run = random.between(h * 0.15, h * 0.55);
      const double bend = x * 0.08 * (y / h);
      cairo_move_to(cr, x + bend, y);
      cairo_line_to(cr, x + bend + x * 0.02, y + run);
      y += run + random.between(h * 0.05, h * 0.2);
    }
    cairo_set_line_width(cr, random.between(0.6, 1.4));
    setColour(cr, lighter(c, 0.6), random.between(0.35, 0.7));
    cairo_stroke(cr);
  }
  for (int i = 0; i < 70; ++i) {
    cairo_arc(cr, random.between(-w, w), random.between(-h, h), random.between(0.4, 1.3), 0, 2 * M_PI);
    cairo_new_sub_path(cr);
  }
  setColour(cr, lighter(c, 0.7), 0.6);
  cairo_fill(cr);
  cairo_restore(cr);
}

void paintTap(cairo_t* cr, Rgb c, double cx, double cy, double r) {
  const double s = r / 70.0;
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, s, s);
  setColour(cr, c);
  // Wall plate and pipe.
  roundedRect(cr, -66, -34, 12, 30, 3);
  cairo_rectangle(cr, -56, -26, 30, 14);
  // Body.
  roundedRect(cr, -28, -34, 36, 30, 8);
  // Spout bending down.
  cairo_move_to(cr, 6, -28);
  cairo_curve_to(cr, 40, -28, 50, -16, 50, 6);
  cairo_line_to(cr, 36, 6);
  cairo_curve_to(cr, 36, -6, 30, -14, 6, -12);
  cairo_close_path(cr);
  roundedRect(cr, 32, 4, 22, 7, 2);
  // Stem and cross handle.
  cairo_rectangle(cr, -14, -50, 8, 18);
  roundedRect(cr, -40, -58, 60, 9, 4.5);
  cairo_arc(cr, -10, -54, 7, 0, 2 * M_PI);
  cairo_fill(cr);
  // A grey sheen on the body and pipe, so the white metal has some shape.
  setColour(cr, {0.78, 0.82, 0.86});
  roundedRect(cr, -24, -30, 28, 5, 2.5);
  cairo_rectangle(cr, -54, -24, 26, 3);
  cairo_fill(cr);
  // Falling drops and a splash.
  const double drops[][3] = {{43, 22, 4.2}, {43, 40, 5.2}, {43, 60, 6.2}};
  for (const auto& d : drops) {
    const double x = d[0], y = d[1], size = d[2];
    cairo_move_to(cr, x, y - size * 1.9);
    cairo_curve_to(cr, x + size * 0.3, y - size * 0.9, x + size, y - size * 0.3, x + size, y + size * 0.2);
    cairo_arc(cr, x, y + size * 0.2, size, 0, M_PI);
    cairo_curve_to(cr, x - size, y - size * 0.3, x - size * 0.3, y - size * 0.9, x, y - size * 1.9);
    cairo_close_path(cr);
  }
  setColour(cr, c);
  cairo_fill(cr);
  cairo_set_line_width(cr, 2.0);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int side : {-1, 1}) {
    cairo_move_to(cr, 43 + side * 8, 74);
    cairo_line_to(cr, 43 + side * 16, 68);
    cairo_move_to(cr, 43 + side * 10, 79);
    cairo_line_to(cr, 43 + side * 22, 78);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
}

void paintCartoonFace(cairo_t* cr, Rgb c, double cx, double cy, double r) {
  const Rgb hair = rgb(0x3C7FE0);
  const Rgb hairDark = rgb(0x245BB0);
  const Rgb skin = rgb(0xFFE1CC);
  const Rgb outline = rgb(0x8A5A44);
  // Shoulders in a high-collared blouse with a string of pearls, then the neck.
  cairo_move_to(cr, cx - r * 0.62, cy + r * 1.0);
  cairo_curve_to(cr, cx - r * 0.6, cy + r * 0.72, cx - r * 0.35, cy + r * 0.64, cx, cy + r * 0.64);
  cairo_curve_to(cr, cx + r * 0.35, cy + r * 0.64, cx + r * 0.6, cy + r * 0.72, cx + r * 0.62, cy + r * 1.0);
  cairo_close_path(cr);
  setColour(cr, rgb(0xF7C6DC));
  cairo_fill_preserve(cr);
  setColour(cr, outline);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  cairo_rectangle(cr, cx - r * 0.11, cy + r * 0.5, r * 0.22, r * 0.2);
  setColour(cr, skin);
  cairo_fill(cr);
  for (int i = -4; i <= 4; ++i) {
    const double a = M_PI / 2 + i * 0.22;
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx + r * 0.2 * std::cos(a), cy + r * 0.58 + r * 0.12 * std::sin(a), r * 0.028, 0, 2 * M_PI);
  }
  setColour(cr, c);
  cairo_fill(cr);
  // Curls behind the face, in a mane round its top and sides.
  Random random(11);
  for (int i = 0; i < 30; ++i) {
    const double a = M_PI * 0.80 + (M_PI * 1.40) * i / 29.0;
    const double rr = r * random.between(0.62, 0.80);
    const double curl = r * random.between(0.16, 0.22);
    const double x = cx + rr * std::cos(a), y = cy - r * 0.05 + rr * std::sin(a) * 0.95;
    cairo_arc(cr, x, y, curl, 0, 2 * M_PI);
    setColour(cr, hair);
    cairo_fill_preserve(cr);
    setColour(cr, hairDark);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    cairo_arc(cr, x, y, curl * 0.45, a, a + M_PI * 1.3);
    cairo_stroke(cr);
  }
  // Face and neck.
  ellipsePath(cr, cx, cy + r * 0.08, r * 0.45, r * 0.52);
  setColour(cr, skin);
  cairo_fill_preserve(cr);
  setColour(cr, outline);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  // Fringe of curls over the forehead.
  for (int i = 0; i < 7; ++i) {
    const double x = cx - r * 0.36 + i * r * 0.12;
    const double y = cy - r * 0.36 + std::abs(i - 3) * r * 0.03;
    cairo_arc(cr, x, y, r * 0.11, 0, 2 * M_PI);
    setColour(cr, hair);
    cairo_fill_preserve(cr);
    setColour(cr, hairDark);
    cairo_stroke(cr);
  }
  // Closed eyes with lashes.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  setColour(cr, rgb(0x3A2418));
  cairo_set_line_width(cr, 1.6);
  for (int side : {-1, 1}) {
    const double ex = cx + side * r * 0.19, ey = cy + r * 0.02;
    cairo_arc(cr, ex, ey - r * 0.05, r * 0.10, M_PI * 0.15, M_PI * 0.85);
    cairo_stroke(cr);
    for (int k = 0; k < 3; ++k) {
      const double a = M_PI * (0.3 + 0.2 * k);
      cairo_move_to(cr, ex + r * 0.10 * std::cos(a), ey - r * 0.05 + r * 0.10 * std::sin(a));
      cairo_line_to(cr, ex + r * 0.14 * std::cos(a), ey - r * 0.05 + r * 0.14 * std::sin(a));
    }
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1.6);
    // Blush.
    ellipsePath(cr, cx + side * r * 0.27, cy + r * 0.18, r * 0.08, r * 0.05);
    setColour(cr, rgb(0xF49AA8), 0.8);
    cairo_fill(cr);
    setColour(cr, rgb(0x3A2418));
  }
  // A small smile.
  cairo_set_line_width(cr, 1.8);
  setColour(cr, rgb(0xD23A5A));
  cairo_arc(cr, cx, cy + r * 0.22, r * 0.10, M_PI * 0.2, M_PI * 0.8);
  cairo_stroke(cr);
  // Earrings in the card's white.
  setColour(cr, c);
  for (int side : {-1, 1}) {
    cairo_arc(cr, cx + side * r * 0.46, cy + r * 0.22, r * 0.04, 0, 2 * M_PI);
    cairo_fill(cr);
  }
}

}  // namespace

void paintEmblem(cairo_t* cr, const TemplateDesign& design, double cx, double cy, double r) {
  cairo_save(cr);
  cairo_new_path(cr);
  const Rgb c = design.emblemColour;
  switch (design.emblem) {
    case Emblem::Crest:
      paintCrest(cr, c, cx, cy, r);
      break;
    case Emblem::SilverArcs:
      paintSilverArcs(cr, c, cx, cy, r);
      break;
    case Emblem::Fairy:
      paintFairy(cr, c, cx, cy, r);
      break;
    case Emblem::GlobeLaurel:
      paintGlobeLaurel(cr, c, cx, cy, r);
      break;
    case Emblem::Lips:
      paintLips(cr, c, cx, cy, r);
      break;
    case Emblem::Sun:
      paintSun(cr, c, cx, cy, r);
      break;
    case Emblem::RayStar:
      paintRayStar(cr, c, cx, cy, r);
      break;
    case Emblem::Tap:
      paintTap(cr, c, cx, cy, r);
      break;
    case Emblem::CartoonFace:
      paintCartoonFace(cr, c, cx, cy, r);
      break;
  }
  cairo_restore(cr);
}

}  // namespace gen

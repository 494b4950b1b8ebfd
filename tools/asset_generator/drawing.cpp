#include "asset_generator/drawing.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>

namespace gen {

Rgb mix(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
Rgb lighter(Rgb c, double t) { return mix(c, {1, 1, 1}, t); }
Rgb darker(Rgb c, double t) { return mix(c, {0, 0, 0}, t); }

void setColour(cairo_t* cr, Rgb c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
  if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cairo: cannot create a canvas");
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GRAY);
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

namespace {

// One ARGB32 pixel, premultiplied, as straight components.
struct Pixel {
  uint8_t r, g, b, a;
};

Pixel pixelAt(cairo_surface_t* surface, int x, int y) {
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  uint32_t v;
  std::memcpy(&v, data + static_cast<size_t>(y) * stride + static_cast<size_t>(x) * 4, 4);
  const uint8_t a = v >> 24;
  auto unpremultiply = [a](uint32_t c) { return a == 0 ? uint8_t{0} : static_cast<uint8_t>((c * 255 + a / 2) / a); };
  return {unpremultiply((v >> 16) & 0xFF), unpremultiply((v >> 8) & 0xFF), unpremultiply(v & 0xFF), a};
}

}  // namespace

RgbImage Canvas::toRgb() const {
  cairo_surface_flush(surface_);
  RgbImage image{width_, height_, std::vector<uint8_t>(static_cast<size_t>(width_) * height_ * 3)};
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const Pixel p = pixelAt(surface_, x, y);
      auto overWhite = [&p](uint8_t c) { return static_cast<uint8_t>((c * p.a + 255 * (255 - p.a) + 127) / 255); };
      uint8_t* out = &image.rgb[(static_cast<size_t>(y) * width_ + x) * 3];
      out[0] = overWhite(p.r);
      out[1] = overWhite(p.g);
      out[2] = overWhite(p.b);
    }
  }
  return image;
}

std::vector<uint8_t> Canvas::toBgra() const {
  cairo_surface_flush(surface_);
  std::vector<uint8_t> out(static_cast<size_t>(width_) * height_ * 4);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const Pixel p = pixelAt(surface_, x, y);
      uint8_t* o = &out[(static_cast<size_t>(y) * width_ + x) * 4];
      o[0] = p.b;
      o[1] = p.g;
      o[2] = p.r;
      o[3] = p.a;
    }
  }
  return out;
}

uint64_t Random::next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 7;
  state_ ^= state_ << 17;
  return state_;
}

double Random::unit() { return static_cast<double>(next() >> 11) / 9007199254740992.0; }

cairo_pattern_t* linearGradient(double x0, double y0, Rgb from, double x1, double y1, Rgb to) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
  cairo_pattern_add_color_stop_rgb(p, 0, from.r, from.g, from.b);
  cairo_pattern_add_color_stop_rgb(p, 1, to.r, to.g, to.b);
  return p;
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
  const double r = std::min(radius, std::min(w, h) / 2);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void starPath(cairo_t* cr, double cx, double cy, double outer, double rotation) {
  // The inner radius of a regular star: its points' edges lie on straight lines.
  const double inner = outer * std::sin(M_PI / 10) / std::sin(7 * M_PI / 10);
  cairo_new_sub_path(cr);
  for (int i = 0; i < 10; ++i) {
    const double r = i % 2 == 0 ? outer : inner;
    const double angle = rotation - M_PI / 2 + i * M_PI / 5;
    const double px = cx + r * std::cos(angle);
    const double py = cy + r * std::sin(angle);
    if (i == 0) {
      cairo_move_to(cr, px, py);
    } else {
      cairo_line_to(cr, px, py);
    }
  }
  cairo_close_path(cr);
}

void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry, double angle) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, angle);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

namespace {

void applyFontOptions(PangoContext* context) {
  // Fixed rendering options so the output does not depend on the desktop's font settings.
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  pango_cairo_context_set_font_options(context, options);
  pango_cairo_context_set_resolution(context, 96);
  cairo_font_options_destroy(options);
}

}  // namespace

std::vector<std::string> missingFontFamilies() {
  PangoFontFamily** families = nullptr;
  int count = 0;
  pango_font_map_list_families(pango_cairo_font_map_get_default(), &families, &count);
  std::vector<std::string> missing;
  for (const char* wanted : {kSerif, kSans, kKai}) {
    bool found = false;
    for (int i = 0; i < count && !found; ++i) found = std::string(pango_font_family_get_name(families[i])) == wanted;
    if (!found) missing.emplace_back(wanted);
  }
  g_free(families);
  return missing;
}

LayoutPtr makeLayout(cairo_t* cr, std::string_view text, const Font& font, double letterSpacing) {
  LayoutPtr layout(pango_cairo_create_layout(cr), g_object_unref);
  applyFontOptions(pango_layout_get_context(layout.get()));
  pango_layout_context_changed(layout.get());

  PangoFontDescription* description = pango_font_description_new();
  pango_font_description_set_family(description, font.family);
  pango_font_description_set_weight(description, font.weight);
  pango_font_description_set_absolute_size(description, font.px * PANGO_SCALE);
  pango_layout_set_font_description(layout.get(), description);
  pango_font_description_free(description);

  if (letterSpacing != 0.0) {
    PangoAttrList* attributes = pango_attr_list_new();
    pango_attr_list_insert(attributes, pango_attr_letter_spacing_new(static_cast<int>(letterSpacing * PANGO_SCALE)));
    pango_layout_set_attributes(layout.get(), attributes);
    pango_attr_list_unref(attributes);
  }
  pango_layout_set_text(layout.get(), text.data(), static_cast<int>(text.size()));
  return layout;
}

Ink inkOf(PangoLayout* layout) {
  PangoRectangle ink, logical;
  pango_layout_get_extents(layout, &ink, &logical);
  const double s = PANGO_SCALE;
  return {ink.x / s, ink.y / s, ink.width / s, ink.height / s};
}

double baselineOf(PangoLayout* layout) { return pango_layout_get_baseline(layout) / static_cast<double>(PANGO_SCALE); }

namespace {

// The layout origin that puts the ink at x (by anchor) and the baseline at baseline.
std::pair<double, double> originFor(PangoLayout* layout, double x, double baseline, Anchor anchor) {
  const Ink ink = inkOf(layout);
  double left = x - ink.x;
  if (anchor == Anchor::Centre) left = x - (ink.x + ink.width / 2);
  if (anchor == Anchor::Right) left = x - (ink.x + ink.width);
  return {left, baseline - baselineOf(layout)};
}

Ink placed(PangoLayout* layout, std::pair<double, double> origin) {
  Ink ink = inkOf(layout);
  ink.x += origin.first;
  ink.y += origin.second;
  return ink;
}

}  // namespace

Ink drawText(cairo_t* cr, std::string_view text, const Font& font, Rgb colour, double x, double baseline, Anchor anchor,
             double letterSpacing) {
  LayoutPtr layout = makeLayout(cr, text, font, letterSpacing);
  const auto origin = originFor(layout.get(), x, baseline, anchor);
  setColour(cr, colour);
  cairo_move_to(cr, origin.first, origin.second);
  pango_cairo_show_layout(cr, layout.get());
  cairo_new_path(cr);
  return placed(layout.get(), origin);
}

Ink textPath(cairo_t* cr, std::string_view text, const Font& font, double x, double baseline, Anchor anchor,
             double letterSpacing) {
  LayoutPtr layout = makeLayout(cr, text, font, letterSpacing);
  const auto origin = originFor(layout.get(), x, baseline, anchor);
  cairo_move_to(cr, origin.first, origin.second);
  pango_cairo_layout_path(cr, layout.get());
  return placed(layout.get(), origin);
}

Ink measureText(cairo_t* cr, std::string_view text, const Font& font, double letterSpacing) {
  LayoutPtr layout = makeLayout(cr, text, font, letterSpacing);
  return inkOf(layout.get());
}

double baselineForCentre(const Font& font, double cy) {
  // CJK characters sit in an em box from 0.88 em above the baseline to 0.12 em below.
  return cy + 0.38 * font.px;
}

}  // namespace gen

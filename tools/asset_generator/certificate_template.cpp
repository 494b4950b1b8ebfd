#include "asset_generator/certificate_template.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "asset_generator/emblems.h"
#include "asset_generator/grounds.h"

namespace gen {

namespace {

constexpr double kCardLeft = 8, kCardTop = 8, kCardRight = 495, kCardBottom = 310, kCardRadius = 12;
constexpr double kFoldX = 250.5;
constexpr double kPanelLeft = 265, kPanelTop = 18, kPanelRight = 476, kPanelBottom = 299;
constexpr double kTextLeft = 277;   // where wording lines start
constexpr double kTextRight = 468;  // and where they must end
constexpr double kCaptionGap = 3;   // caption ink ends this far left of its blank
constexpr double kLineStep = 19;    // wording line pitch
constexpr double kHalfCentre = (kCardLeft + kFoldX) / 2;
constexpr Rgb kInk = {0.07, 0.07, 0.07};

void paintShadow(cairo_t* cr) {
  // Layers growing outwards, offset right and down, build a soft edge.
  for (int i = 6; i >= 1; --i) {
    roundedRect(cr, kCardLeft + 3 - i * 0.5, kCardTop + 3 - i * 0.5, kCardRight - kCardLeft + i,
                kCardBottom - kCardTop + i, kCardRadius + i * 0.5);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.045);
    cairo_fill(cr);
  }
}

void paintFold(cairo_t* cr, Rgb ground) {
  const double dash[] = {4, 3};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_set_line_width(cr, 1);
  setColour(cr, darker(ground, 0.45), 0.8);
  cairo_move_to(cr, kFoldX, kCardTop + 4);
  cairo_line_to(cr, kFoldX, kCardBottom - 4);
  cairo_stroke(cr);
  setColour(cr, lighter(ground, 0.45), 0.6);
  cairo_move_to(cr, kFoldX + 1, kCardTop + 4);
  cairo_line_to(cr, kFoldX + 1, kCardBottom - 4);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
}

// A fine double rule round the cover, in the emblem's colour, as printed on booklets.
void paintCoverRule(cairo_t* cr, const TemplateDesign& d) {
  cairo_set_line_width(cr, 1.2);
  roundedRect(cr, kCardLeft + 7.5, kCardTop + 7.5, kFoldX - kCardLeft - 15, kCardBottom - kCardTop - 15, 7);
  setColour(cr, d.emblemColour, 0.55);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 0.6);
  roundedRect(cr, kCardLeft + 10.5, kCardTop + 10.5, kFoldX - kCardLeft - 21, kCardBottom - kCardTop - 21, 5);
  setColour(cr, d.emblemColour, 0.40);
  cairo_stroke(cr);
}

void paintTitle(cairo_t* cr, const TemplateDesign& d) {
  const std::string title = d.title;
  const int characters = static_cast<int>(g_utf8_strlen(title.c_str(), -1));
  const bool compact = d.titleLayout == TitleLayout::Compact;
  const double available = 198;  // inside the cover rule, with a margin
  const double spacingRatio = d.titleLayout == TitleLayout::Wide ? 0.45 : 0.08;
  double px = std::min(compact ? 34.0 : 48.0, available / (characters + (characters - 1) * spacingRatio));
  const Font font{kSerif, px, PANGO_WEIGHT_BOLD};
  const double titleCentre = compact ? 196 : 206;
  const double baseline = baselineForCentre(font, titleCentre);
  const double spacing = px * spacingRatio;

  switch (d.titleEffect) {
    case TitleEffect::Outline:
      textPath(cr, title, font, kHalfCentre, baseline, Anchor::Centre, spacing);
      cairo_set_line_width(cr, 3.0);
      cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
      setColour(cr, d.titleEffectColour);
      cairo_stroke(cr);
      break;
    case TitleEffect::Shadow:
      textPath(cr, title, font, kHalfCentre + 2, baseline + 2, Anchor::Centre, spacing);
      setColour(cr, d.titleEffectColour, 0.75);
      cairo_fill(cr);
      break;
    case TitleEffect::None:
      // Even a plain title gets a faint press shadow, so it sits in the cover.
      textPath(cr, title, font, kHalfCentre + 1.2, baseline + 1.2, Anchor::Centre, spacing);
      setColour(cr, {0, 0, 0}, 0.30);
      cairo_fill(cr);
      break;
  }
  drawText(cr, title, font, d.titleColour, kHalfCentre, baseline, Anchor::Centre, spacing);

  double below = baseline + px * 0.2;
  if (d.subtitle) {
    const Font sub{kSerif, 11, PANGO_WEIGHT_BOLD};
    drawText(cr, d.subtitle, sub, d.titleColour, kHalfCentre, below + 13, Anchor::Centre, 1.0);
  }

  const Font issuer{kSerif, 13, PANGO_WEIGHT_BOLD};
  const double issuerCentre = compact ? below + 16 : 268;
  if (d.issuerBand) {
    cairo_rectangle(cr, kCardLeft, issuerCentre - 11, kFoldX - kCardLeft - 0.5, 22);
    setColour(cr, {0, 0, 0}, 0.85);
    cairo_fill(cr);
  }
  drawText(cr, d.issuer, issuer, d.issuerColour, kHalfCentre, baselineForCentre(issuer, issuerCentre), Anchor::Centre,
           1.0);
  if (d.creditLine) {
    const Font credit{kSerif, 10};
    const double y = compact ? 292 : issuerCentre + 18;
    drawText(cr, "设计制作：", credit, lighter(d.issuerColour, 0.1), kHalfCentre - 40, baselineForCentre(credit, y),
             Anchor::Left);
  }
}

void paintSilhouette(cairo_t* cr, const TemplateDesign& d, const Rect& frame) {
  const double x = frame.x, y = frame.y, w = frame.width, h = frame.height;
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_pattern_t* ground = linearGradient(x, y, lighter(d.photoGround, 0.12), x, y + h, darker(d.photoGround, 0.08));
  cairo_set_source(cr, ground);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(ground);
  cairo_clip(cr);

  const double cx = x + w / 2;
  const double headY = y + h * 0.38, headR = w * 0.19;
  setColour(cr, {1, 1, 1}, 0.96);
  if (d.female) {
    // Long hair hanging beside the neck, its tips clear of narrow shoulders.
    const double R = headR;
    cairo_move_to(cr, cx, headY - R * 1.22);
    cairo_curve_to(cr, cx + R * 1.25, headY - R * 1.22, cx + R * 1.55, headY - R * 0.2, cx + R * 1.45, headY + R * 0.8);
    cairo_curve_to(cr, cx + R * 1.4, headY + R * 1.4, cx + R * 1.6, headY + R * 1.8, cx + R * 1.75, headY + R * 2.0);
    cairo_curve_to(cr, cx + R * 1.2, headY + R * 2.05, cx + R * 0.75, headY + R * 1.7, cx + R * 0.55, headY + R * 1.05);
    cairo_line_to(cr, cx - R * 0.55, headY + R * 1.05);
    cairo_curve_to(cr, cx - R * 0.75, headY + R * 1.7, cx - R * 1.2, headY + R * 2.05, cx - R * 1.75, headY + R * 2.0);
    cairo_curve_to(cr, cx - R * 1.6, headY + R * 1.8, cx - R * 1.4, headY + R * 1.4, cx - R * 1.45, headY + R * 0.8);
    cairo_curve_to(cr, cx - R * 1.55, headY - R * 0.2, cx - R * 1.25, headY - R * 1.22, cx, headY - R * 1.22);
    cairo_close_path(cr);
    cairo_fill(cr);
    // Face, slender neck and sloping shoulders.
    ellipsePath(cr, cx, headY + R * 0.1, R * 0.82, R * 1.05);
    cairo_fill(cr);
    cairo_rectangle(cr, cx - R * 0.32, headY + R * 0.8, R * 0.64, R * 1.3);
    cairo_fill(cr);
    cairo_move_to(cr, cx - w * 0.46, y + h + 2);
    cairo_curve_to(cr, cx - w * 0.46, headY + R * 2.55, cx - w * 0.30, headY + R * 2.1, cx - R * 0.5, headY + R * 2.0);
    cairo_line_to(cr, cx + R * 0.5, headY + R * 2.0);
    cairo_curve_to(cr, cx + w * 0.30, headY + R * 2.1, cx + w * 0.46, headY + R * 2.55, cx + w * 0.46, y + h + 2);
    cairo_close_path(cr);
    cairo_fill(cr);
  } else {
    ellipsePath(cr, cx, headY, headR, headR * 1.15);
    cairo_fill(cr);
    // Neck and broad shoulders.
    cairo_rectangle(cr, cx - headR * 0.45, headY + headR * 0.8, headR * 0.9, headR * 0.9);
    cairo_fill(cr);
    cairo_move_to(cr, cx - w * 0.50, y + h + 2);
    cairo_curve_to(cr, cx - w * 0.48, headY + headR * 1.75, cx - w * 0.25, headY + headR * 1.55, cx,
                   headY + headR * 1.55);
    cairo_curve_to(cr, cx + w * 0.25, headY + headR * 1.55, cx + w * 0.48, headY + headR * 1.75, cx + w * 0.50,
                   y + h + 2);
    cairo_close_path(cr);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  if (d.photoFrameLine) {
    cairo_rectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1);
    cairo_set_line_width(cr, 1);
    setColour(cr, {0.2, 0.2, 0.2});
    cairo_stroke(cr);
  }
}

// Text laid so its ink starts at left and ends exactly at right: the characters
// are spaced out, or the size is brought down where they would crowd.
void drawJustified(cairo_t* cr, std::string_view text, Font font, double left, double right, double baseline) {
  const int gaps = static_cast<int>(g_utf8_strlen(text.data(), static_cast<gssize>(text.size()))) - 1;
  const double span = right - left;
  const Ink natural = measureText(cr, text, font);
  if (natural.width > span) font.px *= span / natural.width;
  const double width = measureText(cr, text, font).width;
  const double spacing = gaps > 0 ? std::max(0.0, span - width) / gaps : 0;
  drawText(cr, text, font, kInk, right, baseline, Anchor::Right, spacing);
}

// Lines of the wording after the one with the name; fails if one would leave the panel.
double paintWording(cairo_t* cr, const TemplateDesign& d, const TemplateBlanks& b, const Font& font) {
  const double nameCentre = b.wordingName.centreY();
  drawJustified(cr, d.wordingLead, font, kTextLeft, b.wordingName.x - kCaptionGap, baselineForCentre(font, nameCentre));
  drawText(cr, "同志，", font, kInk, b.wordingName.right() + kCaptionGap, baselineForCentre(font, nameCentre),
           Anchor::Left);
  double centre = nameCentre;
  for (const char* line : d.wordingMore) {
    if (!line) break;
    centre += kLineStep;
    const Ink ink = drawText(cr, line, font, kInk, kTextLeft, baselineForCentre(font, centre), Anchor::Left);
    if (ink.x + ink.width > kTextRight) throw std::runtime_error(std::string("wording too wide: ") + line);
  }
  return centre;
}

void paintSealRing(cairo_t* cr, const char* text, double cx, double cy, double radius, const Font& font) {
  const int count = static_cast<int>(g_utf8_strlen(text, -1));
  const double sweep = M_PI * 1.30;
  const char* p = text;
  for (int i = 0; i < count; ++i) {
    const char* next = g_utf8_next_char(p);
    const std::string glyph(p, next);
    p = next;
    const double a = -M_PI / 2 - sweep / 2 + sweep * (i + 0.5) / count;
    cairo_save(cr);
    cairo_translate(cr, cx + radius * std::cos(a), cy + radius * std::sin(a));
    cairo_rotate(cr, a + M_PI / 2);
    textPath(cr, glyph, font, 0, font.px * 0.38, Anchor::Centre);
    cairo_restore(cr);
  }
}

void paintSeal(cairo_t* cr, const TemplateDesign& d, const TemplateBlanks& b) {
  const double r = 30;
  const double cx = 436, cy = b.issueDate.y - r - 4;
  // Drawn opaque into a group, then laid on at the seal's strength.
  cairo_push_group(cr);
  setColour(cr, d.sealColour);
  cairo_set_line_width(cr, 2.4);
  cairo_arc(cr, cx, cy, r - 1.2, 0, 2 * M_PI);
  cairo_stroke(cr);
  starPath(cr, cx, cy - 1, 9.5);
  const Font ring{kSans, 8.6, PANGO_WEIGHT_BOLD};
  paintSealRing(cr, d.sealRing, cx, cy, r - 9.5, ring);
  cairo_fill(cr);
  const Font under{kSans, 6.5, PANGO_WEIGHT_BOLD};
  drawText(cr, "专用章", under, d.sealColour, cx, cy + 19, Anchor::Centre, 0.5);
  cairo_pop_group_to_source(cr);
  // Multiplied, as ink over ink: the black text under the seal stays black.
  cairo_set_operator(cr, CAIRO_OPERATOR_MULTIPLY);
  cairo_paint_with_alpha(cr, d.sealAlpha);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

void paintPanelPattern(cairo_t* cr) {
  cairo_save(cr);
  roundedRect(cr, kPanelLeft, kPanelTop, kPanelRight - kPanelLeft, kPanelBottom - kPanelTop, 8);
  cairo_clip(cr);
  setColour(cr, rgb(0x5C9BE0), 0.12);
  cairo_set_line_width(cr, 1.2);
  for (double y = kPanelTop - 20; y < kPanelBottom + 20; y += 12) {
    cairo_move_to(cr, kPanelLeft, y);
    for (double x = kPanelLeft; x < kPanelRight; x += 12) {
      cairo_curve_to(cr, x + 3, y - 4, x + 9, y + 4, x + 12, y);
    }
  }
  cairo_stroke(cr);
  cairo_restore(cr);
}

// A faint rosette of rotated ellipses behind the wording, as on security
// paper, kept between the name in the wording and the issue date.
void paintRosette(cairo_t* cr, Rgb colour, const TemplateBlanks& b) {
  const double top = b.wordingName.bottom(), bottom = b.issueDate.y;
  const double r = std::min(45.0, (bottom - top) / 2 - 4);
  const double cx = 325, cy = (top + bottom) / 2;
  cairo_set_line_width(cr, 0.5);
  setColour(cr, colour, 0.14);
  for (int i = 0; i < 36; ++i) ellipsePath(cr, cx, cy, r, r / 3, M_PI * i / 36);
  cairo_stroke(cr);
}

void paintPanel(cairo_t* cr, const TemplateDesign& d, const TemplateBlanks& b) {
  roundedRect(cr, kPanelLeft + 1, kPanelTop + 1, kPanelRight - kPanelLeft, kPanelBottom - kPanelTop, 8);
  setColour(cr, {0, 0, 0}, 0.25);
  cairo_fill(cr);
  roundedRect(cr, kPanelLeft, kPanelTop, kPanelRight - kPanelLeft, kPanelBottom - kPanelTop, 8);
  setColour(cr, {1, 1, 1});
  cairo_fill(cr);
  if (d.panelPattern) {
    paintPanelPattern(cr);
  } else {
    paintRosette(cr, d.groundColour, b);
  }
  roundedRect(cr, kPanelLeft + 3.5, kPanelTop + 3.5, kPanelRight - kPanelLeft - 7, kPanelBottom - kPanelTop - 7, 6);
  cairo_set_line_width(cr, 0.8);
  setColour(cr, mix(d.groundColour, {1, 1, 1}, 0.35), 0.7);
  cairo_stroke(cr);

  const Font caption{kSerif, 13, d.boldCaptions ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL};
  for (const auto& [text, blank] :
       {std::pair{"姓名：", b.name}, std::pair{"性别：", b.sex}, std::pair{"年龄：", b.age}}) {
    // One right edge for the three, clear of every place their labels take.
    drawText(cr, text, caption, kInk, b.detailsLeft - kCaptionGap, baselineForCentre(caption, blank.centreY()),
             Anchor::Right);
  }

  const Rect box = photoBoxRect();
  paintSilhouette(cr, d, {box.x + 4, box.y + 1, box.width - 5, box.height - 6});

  const Font wording{kSerif, 12, d.boldCaptions ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL};
  const double lastLine = paintWording(cr, d, b, wording);

  const Font small{kSerif, 11, d.boldCaptions ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL};
  const double validityCentre = d.validityLow ? b.issueDate.centreY() - 16 : lastLine + kLineStep;
  drawText(cr, d.validity, small, kInk, kTextLeft, baselineForCentre(small, validityCentre), Anchor::Left);

  drawText(cr, "颁发日期：", small, kInk, b.issueDate.x - kCaptionGap, baselineForCentre(small, b.issueDate.centreY()),
           Anchor::Right);
  std::string numberCaption = "证件编号：";
  if (d.numberPrefix) numberCaption += d.numberPrefix;
  drawText(cr, numberCaption, small, kInk, b.number.x - kCaptionGap, baselineForCentre(small, b.number.centreY()),
           Anchor::Right);
  if (d.numberClosing) {
    drawText(cr, d.numberClosing, small, kInk, b.number.right() + kCaptionGap,
             baselineForCentre(small, b.number.centreY()), Anchor::Left);
  }

  paintSeal(cr, d, b);
}

}  // namespace

RgbImage drawCertificateTemplate(const TemplateDesign& design, const TemplateBlanks& blanks, uint64_t seed) {
  Canvas canvas(kTemplateWidth, kTemplateHeight);
  cairo_t* cr = canvas.cr();
  setColour(cr, {1, 1, 1});
  cairo_paint(cr);
  paintShadow(cr);

  cairo_save(cr);
  roundedRect(cr, kCardLeft, kCardTop, kCardRight - kCardLeft, kCardBottom - kCardTop, kCardRadius);
  cairo_clip(cr);
  paintGround(cr, design, kCardLeft, kCardTop, kCardRight - kCardLeft, kCardBottom - kCardTop, seed);
  paintCoverRule(cr, design);
  paintEmblem(cr, design, kHalfCentre, 92, 72);
  paintTitle(cr, design);
  paintFold(cr, design.groundColour);
  cairo_restore(cr);

  paintPanel(cr, design, blanks);
  return canvas.toRgb();
}

}  // namespace gen

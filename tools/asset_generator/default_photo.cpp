#include "asset_generator/default_photo.h"

#include "asset_generator/drawing.h"

namespace gen {

RgbImage drawDefaultPhoto() {
  Canvas canvas(kDefaultPhotoWidth, kDefaultPhotoHeight);
  cairo_t* cr = canvas.cr();
  setColour(cr, rgb(0xEDEDED));
  cairo_paint(cr);
  // Near-white strips down both edges, as on a mounted print.
  setColour(cr, rgb(0xFBFBFB));
  cairo_rectangle(cr, 0, 0, 1, kDefaultPhotoHeight);
  cairo_rectangle(cr, kDefaultPhotoWidth - 1, 0, 1, kDefaultPhotoHeight);
  cairo_fill(cr);

  const Font font{kSans, 17, PANGO_WEIGHT_NORMAL};
  const struct {
    const char* text;
    double centreY;
  } lines[] = {{"点击", 19}, {"上传", 46}, {"头像", 77}};
  for (const auto& line : lines) {
    drawText(cr, line.text, font, {0, 0, 0}, 37.5, baselineForCentre(font, line.centreY), Anchor::Centre);
  }
  return canvas.toRgb();
}

}  // namespace gen

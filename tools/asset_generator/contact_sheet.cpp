// Lays the committed templates side by side with their blanks outlined, to look at:
//   contact_sheet <assets folder> <output folder>
// writes contact-sheet.png (all kinds) and kind01.png … kind16.png (one each, at full size).
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "asset_generator/drawing.h"
#include "asset_generator/template_blanks.h"
#include "ui/pictures/decoded_picture.h"

namespace {

constexpr int kWidth = 500, kHeight = 316, kColumns = 4, kLabel = 18;

std::vector<uint8_t> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Decoded as the program decodes it, so the sheet shows what the canvas shows.
std::optional<pictures::BgrImage> decodeTemplate(const std::vector<uint8_t>& bytes) {
  auto data = pictures::decodePictureData(bytes);
  if (!data || data->format != PictureFormat::Jpeg) return std::nullopt;
  return std::get<pictures::BgrImage>(std::move(data->image));
}

void paintImage(cairo_t* cr, const pictures::BgrImage& image, double x, double y) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width, image.height);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int row = 0; row < image.height; ++row) {
    for (int col = 0; col < image.width; ++col) {
      const uint8_t* p = image.row(row) + static_cast<size_t>(col) * 3;
      const uint32_t v = 0xFF000000u | (p[2] << 16) | (p[1] << 8) | p[0];
      std::memcpy(data + row * stride + col * 4, &v, 4);
    }
  }
  cairo_surface_mark_dirty(surface);
  cairo_set_source_surface(cr, surface, x, y);
  cairo_paint(cr);
  cairo_surface_destroy(surface);
}

void outline(cairo_t* cr, const gen::Rect& r, double x, double y, gen::Rgb colour) {
  cairo_rectangle(cr, x + r.x - 0.5, y + r.y - 0.5, r.width + 1, r.height + 1);
  gen::setColour(cr, colour, 0.9);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void paintKind(cairo_t* cr, const CertificateKind& kind, const pictures::BgrImage& image, double x, double y) {
  paintImage(cr, image, x, y);
  const gen::TemplateBlanks b = gen::blanksOf(kind);
  for (const gen::Rect& r : {b.name, b.sex, b.age, b.wordingName, b.issueDate, b.number}) {
    outline(cr, r, x, y, gen::rgb(0xFF0000));
  }
  outline(cr, gen::photoBoxRect(), x, y, gen::rgb(0x0060FF));
}

}  // namespace

// Fontconfig keeps its caches for the life of the process: not a leak to fail on.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: contact_sheet <assets folder> <output folder>\n");
    return 2;
  }
  const std::string assets = std::string(argv[1]) + "/", out = std::string(argv[2]) + "/";
  const auto kinds = certificateKinds();
  const int rows = static_cast<int>((kinds.size() + kColumns - 1) / kColumns);
  gen::Canvas sheet(kColumns * (kWidth + 8), rows * (kHeight + kLabel + 8));
  cairo_set_source_rgb(sheet.cr(), 0.85, 0.85, 0.85);
  cairo_paint(sheet.cr());
  int failures = 0;
  for (size_t i = 0; i < kinds.size(); ++i) {
    char file[32];
    std::snprintf(file, sizeof file, "template%02d.jpg", static_cast<int>(kinds[i].templatePicture) + 1);
    const auto decoded = decodeTemplate(readFile(assets + file));
    if (!decoded || decoded->width != kWidth || decoded->height != kHeight) {
      std::fprintf(stderr, "contact_sheet: %s is not a %dx%d JPEG\n", file, kWidth, kHeight);
      ++failures;
      continue;
    }
    const double x = 4 + (i % kColumns) * (kWidth + 8), y = 4 + (i / kColumns) * (kHeight + kLabel + 8);
    char label[64];
    std::snprintf(label, sizeof label, "%zu  %s", i + 1, file);
    gen::drawText(sheet.cr(), label, {gen::kSans, 12}, {0, 0, 0}, x, y + 13, gen::Anchor::Left);
    const pictures::BgrImage& image = *decoded;
    paintKind(sheet.cr(), kinds[i], image, x, y + kLabel);

    gen::Canvas single(kWidth, kHeight);
    paintKind(single.cr(), kinds[i], image, 0, 0);
    char name[32];
    std::snprintf(name, sizeof name, "kind%02zu.png", i + 1);
    cairo_surface_write_to_png(single.surface(), (out + name).c_str());
  }
  cairo_surface_write_to_png(sheet.surface(), (out + "contact-sheet.png").c_str());
  return failures == 0 ? 0 : 1;
}

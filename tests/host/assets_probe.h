// Helpers for the tests of the built-in pictures: decoding them, reading their
// pixels and working out where each kind's overlay controls land on them.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "editing/certificate_kinds.h"
#include "ui/pictures/decoded_picture.h"
#include "ui/window_template.h"

namespace assets_probe {

struct Rgb {
  int r, g, b;
  int darkest() const { return std::min({r, g, b}); }
  int luminance() const { return (299 * r + 587 * g + 114 * b) / 1000; }
};

struct Image {
  int width = 0, height = 0;
  std::vector<uint8_t> rgb;
  Rgb at(int x, int y) const {
    const uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
    return {p[0], p[1], p[2]};
  }
};

// Decodes through the program's own decoder, as the canvas and the photo box do.
inline std::optional<Image> decodePicture(std::span<const uint8_t> bytes) {
  auto data = pictures::decodePictureData(bytes);
  if (!data || data->format != PictureFormat::Jpeg) return std::nullopt;
  const auto* bgr = std::get_if<pictures::BgrImage>(&data->image);
  if (!bgr) return std::nullopt;
  Image image{bgr->width, bgr->height, std::vector<uint8_t>(static_cast<size_t>(bgr->width) * bgr->height * 3)};
  for (int y = 0; y < bgr->height; ++y) {
    const uint8_t* in = bgr->row(y);
    uint8_t* out = &image.rgb[static_cast<size_t>(y) * bgr->width * 3];
    for (int x = 0; x < bgr->width; ++x) {
      out[3 * x] = in[3 * x + 2];
      out[3 * x + 1] = in[3 * x + 1];
      out[3 * x + 2] = in[3 * x];
    }
  }
  return image;
}

inline std::vector<uint8_t> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Rect {
  int x, y, width, height;
  int right() const { return x + width; }
  int bottom() const { return y + height; }
};

// The canvas puts a template's top-left pixel at this window position.
inline constexpr int kCanvasLeft = 12, kCanvasTop = 4;

inline Rect onTemplate(ControlId id, int left, int top) {
  const ControlRow& row = controlRow(id);
  return {left - kCanvasLeft, top - kCanvasTop, row.width, row.height};
}

struct Blank {
  ControlId control;
  const char* role;
  Rect rect;
};

inline constexpr std::array<ControlId, 6> kOverlayControls{ControlId::标签10,    ControlId::标签11,
                                                           ControlId::标签12,    ControlId::标签13,
                                                           ControlId::透明标签1, ControlId::透明标签2};

// Where the kind's moves, applied from the start-up places, put each overlay
// control, in template pixels. Kinds that do not move a control leave it at
// its start-up place, which is where their template prints that blank.
inline std::array<Blank, 6> blanksOf(const CertificateKind& kind) {
  std::array<std::pair<int, int>, 6> at{};
  auto slot = [](ControlId id) {
    for (size_t i = 0; i < kOverlayControls.size(); ++i) {
      if (kOverlayControls[i] == id) return i;
    }
    return kOverlayControls.size();
  };
  for (size_t i = 0; i < kOverlayControls.size(); ++i) {
    at[i] = {controlRow(kOverlayControls[i]).left, controlRow(kOverlayControls[i]).top};
  }
  for (const OverlayMove& move : kind.moves()) {
    const int left = move.copyLeftOf标签10 ? at[slot(ControlId::标签10)].first : move.left;
    at[slot(move.control)] = {left, move.top};
  }
  const char* roles[] = {"name", "sex", "age", "name in wording", "issue date", "number"};
  std::array<Blank, 6> blanks{};
  for (size_t i = 0; i < kOverlayControls.size(); ++i) {
    blanks[i] = {kOverlayControls[i], roles[i], onTemplate(kOverlayControls[i], at[i].first, at[i].second)};
  }
  return blanks;
}

inline Rect photoBox() {
  const ControlRow& row = controlRow(ControlId::图片框1);
  return onTemplate(ControlId::图片框1, row.left, row.top);
}

}  // namespace assets_probe

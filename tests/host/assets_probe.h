// Helpers for the tests of the built-in pictures: decoding them, reading their
// pixels and working out where each kind's overlay controls land on them.
#pragma once

#include <jpeglib.h>

#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "editing/certificate_kinds.h"
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

// Decodes with libjpeg itself, independently of the program's own decoder.
inline std::optional<Image> decodeWithLibjpeg(std::span<const uint8_t> bytes) {
  struct Failure {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
  };
  jpeg_decompress_struct info{};
  Failure failure{};
  info.err = jpeg_std_error(&failure.manager);
  failure.manager.error_exit = [](j_common_ptr c) { std::longjmp(reinterpret_cast<Failure*>(c->err)->jump, 1); };
  failure.manager.output_message = [](j_common_ptr) {};
  Image image;
  if (setjmp(failure.jump)) {
    jpeg_destroy_decompress(&info);
    return std::nullopt;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  image.width = static_cast<int>(info.output_width);
  image.height = static_cast<int>(info.output_height);
  image.rgb.resize(static_cast<size_t>(image.width) * image.height * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPLE* row = image.rgb.data() + static_cast<size_t>(info.output_scanline) * image.width * 3;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
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

inline constexpr std::array<ControlId, 6> kOverlayControls{ControlId::标签10, ControlId::标签11, ControlId::标签12,
                                                           ControlId::标签13, ControlId::透明标签1, ControlId::透明标签2};

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

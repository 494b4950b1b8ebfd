#include "canvas_capture.h"

#include "common/real_input.h"

namespace capture {

Screen client(HWND main) {
  RECT r{};
  GetClientRect(main, &r);
  MapWindowPoints(main, nullptr, reinterpret_cast<POINT*>(&r), 2);
  Screen s;
  s.width = r.right - r.left;
  s.height = r.bottom - r.top;
  for (uint32_t p : real_input::screenPixels(r)) s.pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
  return s;
}

pictures::BgrImage decode(assets::PictureId id) {
  auto data = pictures::decodePictureData(assets::pictureBytes(id));
  if (!data) return {};
  return std::get<pictures::BgrImage>(data->image);
}

COLORREF pixel(const pictures::BgrImage& img, int x, int y) {
  const uint8_t* p = img.row(y) + static_cast<size_t>(x) * 3;
  return RGB(p[2], p[1], p[0]);
}

RECT rectOf(MainWindow& window, ControlId id) {
  RECT r{};
  GetWindowRect(window.control(id)->hwnd(), &r);
  MapWindowPoints(nullptr, window.hwnd(), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

bool insideAnyOverlay(MainWindow& window, int x, int y) {
  using C = ControlId;
  for (C id : {C::标签10, C::标签11, C::标签12, C::标签13, C::透明标签1, C::透明标签2, C::图片框1}) {
    const RECT r = rectOf(window, id);
    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
  }
  return false;
}

int templateMismatches(const Screen& s, const pictures::BgrImage& img, MainWindow& window) {
  if (img.width == 0) return -1;
  std::vector<RECT> overlays;
  using C = ControlId;
  for (C id : {C::标签10, C::标签11, C::标签12, C::标签13, C::透明标签1, C::透明标签2, C::图片框1})
    overlays.push_back(rectOf(window, id));
  int bad = 0;
  for (int py = 0; py < img.height; ++py)
    for (int px = 0; px < img.width; ++px) {
      const POINT at{px + 12, py + 4};
      bool covered = false;
      for (const RECT& r : overlays) covered = covered || PtInRect(&r, at);
      if (!covered && s.at(at.x, at.y) != pixel(img, px, py)) ++bad;
    }
  return bad;
}

}  // namespace capture

// What the screen shows of the main window, and how it compares with a
// decoded template.
#pragma once

#include <windows.h>

#include <vector>

#include "assets/embedded_pictures.h"
#include "ui/main_window.h"
#include "ui/pictures/decoded_picture.h"

namespace capture {

struct Screen {
  int width = 0, height = 0;
  std::vector<COLORREF> pixels;  // the main window's client area
  COLORREF at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The main window's client area as the screen shows it now.
Screen client(HWND main);

pictures::BgrImage decode(assets::PictureId id);
COLORREF pixel(const pictures::BgrImage& img, int x, int y);

// The rectangle of a control in the main window's client coordinates.
RECT rectOf(MainWindow& window, ControlId id);
// Inside one of the controls laid over the template (labels and photo).
bool insideAnyOverlay(MainWindow& window, int x, int y);

// Template pixels, placed at (12, 4), that differ on screen outside the overlays.
int templateMismatches(const Screen& s, const pictures::BgrImage& img, MainWindow& window);

}  // namespace capture

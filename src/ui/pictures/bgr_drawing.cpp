#include "ui/pictures/bgr_drawing.h"

#include <cstring>
#include <vector>

#include "ui/handles.h"

namespace pictures {

namespace {

// Colour tables follow the header directly; 256 entries is the most any
// picture here has.
struct BitmapInfoWithTable {
  BITMAPINFOHEADER header;
  RGBQUAD colours[256];
};

BITMAPINFOHEADER headerFor(int width, int height, int bitCount) {
  BITMAPINFOHEADER h{};
  h.biSize = sizeof h;
  h.biWidth = width;
  h.biHeight = height;  // positive: rows bottom-up
  h.biPlanes = 1;
  h.biBitCount = static_cast<WORD>(bitCount);
  h.biCompression = BI_RGB;
  return h;
}

void blit(HDC dc, const BITMAPINFO* info, const void* bits, int width, int height, int x, int y, int w, int h) {
  setStretchModeForDisplay(dc);
  handles::UniqueBitmap bitmap(CreateDIBitmap(dc, &info->bmiHeader, CBM_INIT, bits, info, DIB_RGB_COLORS));
  if (!bitmap) return;
  handles::UniqueMemoryDC memory(CreateCompatibleDC(dc));
  if (!memory) return;
  handles::ScopedSelect selected(memory.get(), bitmap.get());
  StretchBlt(dc, x, y, w, h, memory.get(), 0, 0, width, height, SRCCOPY);
}

}  // namespace

void setStretchModeForDisplay(HDC dc) {
  DEVMODEW mode{};
  mode.dmSize = sizeof mode;
  const bool known = EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode) != 0;
  SetStretchBltMode(dc, known && mode.dmBitsPerPel > 16 ? HALFTONE : COLORONCOLOR);
}

void drawBgr(HDC dc, const BgrImage& image, int x, int y, int w, int h) {
  BITMAPINFO info{};
  info.bmiHeader = headerFor(image.width, image.height, 24);
  const std::size_t aligned = (static_cast<std::size_t>(image.width) * 3 + 3) & ~std::size_t{3};
  if (image.stride == aligned) {
    blit(dc, &info, image.pixels.data(), image.width, image.height, x, y, w, h);
    return;
  }
  // Rows without gaps: copy them into rows of a multiple of 4 bytes.
  std::vector<std::uint8_t> rows(aligned * static_cast<std::size_t>(image.height));
  const std::size_t rowBytes = static_cast<std::size_t>(image.width) * 3;
  for (int i = 0; i < image.height; ++i) {
    std::memcpy(rows.data() + aligned * i, image.pixels.data() + image.stride * i, rowBytes);
  }
  blit(dc, &info, rows.data(), image.width, image.height, x, y, w, h);
}

void drawIndexed(HDC dc, const IndexedImage& image, int x, int y, int w, int h) {
  BitmapInfoWithTable info{};
  info.header = headerFor(image.width, image.height, image.bitsPerPixel);
  const std::size_t entries = std::min<std::size_t>(image.palette.size(), 256);
  info.header.biClrUsed = static_cast<DWORD>(entries);
  std::memcpy(info.colours, image.palette.data(), entries * sizeof(RGBQUAD));
  blit(dc, reinterpret_cast<const BITMAPINFO*>(&info), image.pixels.data(), image.width, image.height, x, y, w, h);
}

}  // namespace pictures

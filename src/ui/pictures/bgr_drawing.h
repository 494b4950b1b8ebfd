// Drawing decoded pixels with GDI: a bitmap made for this one drawing from
// the pixel rows, stretched into the target rectangle, and deleted after.
#pragma once

#include <windows.h>

#include "ui/pictures/decoded_picture.h"

namespace pictures {

// HALFTONE on displays of more than 16 bits per pixel, else COLORONCOLOR.
void setStretchModeForDisplay(HDC dc);

void drawBgr(HDC dc, const BgrImage& image, int x, int y, int w, int h);
void drawIndexed(HDC dc, const IndexedImage& image, int x, int y, int w, int h);

}  // namespace pictures

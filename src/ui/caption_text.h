// Drawing a label's caption: the font rules and DrawText format shared by
// Label and TransLabel.
#pragma once

#include <windows.h>

#include "ui/control_font.h"
#include "ui/window_template.h"

struct CaptionStyle {
  StoredFont font;
  COLORREF textColour;
  HAlign hAlign;
  VAlign vAlign;
  bool wordWrap;
};

UINT captionFormat(HAlign hAlign, VAlign vAlign, bool wordWrap);

// Draws the window text of `hwnd` in `area`, with a transparent background.
void drawCaption(HDC dc, HWND hwnd, const RECT& area, const CaptionStyle& style);

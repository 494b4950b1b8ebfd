#include "ui/caption_text.h"

#include <string>

UINT captionFormat(HAlign hAlign, VAlign vAlign, bool wordWrap) {
  UINT format = DT_NOCLIP;
  format |= hAlign == HAlign::Centre ? DT_CENTER : hAlign == HAlign::Right ? DT_RIGHT : DT_LEFT;
  if (wordWrap) return format | DT_WORDBREAK | DT_VCENTER;
  format |= DT_SINGLELINE;
  format |= vAlign == VAlign::Centre ? DT_VCENTER : vAlign == VAlign::Bottom ? DT_BOTTOM : DT_TOP;
  return format;
}

void drawCaption(HDC dc, HWND hwnd, const RECT& area, const CaptionStyle& style) {
  const int length = GetWindowTextLengthW(hwnd);
  if (length <= 0) return;
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), length + 1)));
  if (text.empty()) return;

  ControlFont font(style.font);
  handles::ScopedSelect select(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, style.textColour);
  RECT r = area;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
            captionFormat(style.hAlign, style.vAlign, style.wordWrap));
}

#include "ui/trans_label.h"

#include "ui/refresh_underneath.h"

TransLabel::TransLabel(const ControlRow& row, ControlEvents& events)
    : CustomControl(row, events),
      style_{storedFontFromTemplate(row.font), resolveColour(row.textColour), row.hAlign, row.vAlign,
             row.wordWrap} {}

bool TransLabel::create(HWND parent) {
  return createCustom(parent, L"JokeCertTransLabel", 0, WS_EX_TRANSPARENT) != nullptr;
}

void TransLabel::setCaption(const std::wstring& caption) {
  SetWindowTextW(hwnd_, caption.c_str());
  refreshUnderneath(hwnd_);
}

void TransLabel::setFont(const FontSpec& font) {
  style_.font = logFontFromSpec(font);
  refreshUnderneath(hwnd_);
}

LRESULT TransLabel::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      handles::PaintScope ps(hwnd_);
      RECT client{};
      GetClientRect(hwnd_, &client);
      drawCaption(ps.dc(), hwnd_, client, style_);
      return 0;
    }
    case WM_MOVE: {
      const LRESULT result = CustomControl::handleMessage(msg, wp, lp);
      // Only once the window is shown: the build moves nothing.
      if (IsWindowVisible(hwnd_)) refreshUnderneath(hwnd_);
      return result;
    }
  }
  return CustomControl::handleMessage(msg, wp, lp);
}

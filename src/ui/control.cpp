#include "ui/control.h"

Control::~Control() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

DWORD Control::commonStyle() const {
  return WS_CHILD | WS_CLIPSIBLINGS | (row_.tabStop ? WS_TABSTOP : 0);
}

HWND Control::createStandard(HWND parent, const wchar_t* className, DWORD style, DWORD exStyle) {
  hwnd_ = CreateWindowExW(exStyle, className, row_.text, commonStyle() | style, row_.left, row_.top,
                          row_.width, row_.height, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(rowOf(row_.id))),
                          GetModuleHandleW(nullptr), nullptr);
  return hwnd_;
}

COLORREF resolveColour(Colour colour) {
  return colour == kButtonFace ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(colour);
}

HWND CustomControl::createCustom(HWND parent, const wchar_t* className, DWORD style, DWORD exStyle) {
  WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
  if (!GetClassInfoExW(GetModuleHandleW(nullptr), className, &wc)) {
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &CustomControl::windowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    wc.lpszClassName = className;
    if (!RegisterClassExW(&wc)) return nullptr;
  }
  return CreateWindowExW(exStyle, className, row_.text, commonStyle() | style, row_.left, row_.top,
                         row_.width, row_.height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(rowOf(row_.id))),
                         GetModuleHandleW(nullptr), this);
}

LRESULT CustomControl::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK CustomControl::windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  CustomControl* self = nullptr;
  if (msg == WM_NCCREATE) {
    self = static_cast<CustomControl*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<CustomControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  const LRESULT result = self->handleMessage(msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

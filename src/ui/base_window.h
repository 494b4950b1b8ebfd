// A window as a C++ object: the static window procedure stores `this` at
// WM_NCCREATE and forwards every message to the object's handleMessage.
#pragma once

#include <windows.h>

template <typename Derived>
class BaseWindow {
 public:
  HWND hwnd() const { return hwnd_; }

 protected:
  BaseWindow() = default;
  BaseWindow(const BaseWindow&) = delete;
  BaseWindow& operator=(const BaseWindow&) = delete;
  ~BaseWindow() = default;

  static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Derived* self = nullptr;
    if (msg == WM_NCCREATE) {
      auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
      self = static_cast<Derived*>(cs->lpCreateParams);
      self->hwnd_ = hwnd;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
      self = reinterpret_cast<Derived*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    const LRESULT result = self->handleMessage(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      self->hwnd_ = nullptr;
    }
    return result;
  }

  // Registers the class once per process; returns its atom name.
  static const wchar_t* registerClass(const wchar_t* className, UINT style, HBRUSH background) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), className, &wc)) return className;
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = &BaseWindow::windowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    RegisterClassExW(&wc);
    return className;
  }

  LRESULT defaultProc(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_, msg, wp, lp); }

  HWND hwnd_ = nullptr;
};

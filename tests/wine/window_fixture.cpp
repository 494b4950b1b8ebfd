#include "window_fixture.h"

#include "common/real_input.h"

#include <thread>
#include <vector>

namespace wintest {

void pump(MainWindow* window, std::chrono::milliseconds time) {
  const auto end = std::chrono::steady_clock::now() + time;
  MSG msg;
  do {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (window && window->hwnd() && window->preTranslate(msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  } while (std::chrono::steady_clock::now() < end);
}

bool pumpUntil(MainWindow* window, const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    pump(window, std::chrono::milliseconds(10));
  }
  return true;
}

LiveWindow::LiveWindow(std::span<const EventBinding> bindings) : events_(bindings) {
  window_ = buildWindow(events_, nullptr);
  if (window_) {
    SetForegroundWindow(window_->hwnd());
    pumpUntil([&] { return GetForegroundWindow() == window_->hwnd(); }, std::chrono::seconds(2));
    // A new window takes the X server's input focus a moment after Windows'
    // foreground: keys sent before that can be lost under Wine.
    pump(std::chrono::milliseconds(400));
  }
}

LiveWindow::~LiveWindow() {
  events_.setForm(nullptr);
  if (window_ && window_->hwnd()) DestroyWindow(window_->hwnd());
  window_.reset();
  wintest::pump(nullptr, std::chrono::milliseconds(20));
}

void LiveWindow::focus(ControlId id) {
  SetForegroundWindow(hwnd());
  SetFocus(control(id));
  pumpUntil([&] { return GetForegroundWindow() == hwnd() && GetFocus() == control(id); }, std::chrono::seconds(2));
  pump(std::chrono::milliseconds(30));
}

std::wstring LiveWindow::captionOf(HWND w) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(w)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(w, text.data(), static_cast<int>(text.size()))));
  return text;
}

void sendKey(WORD vk, bool up) { real_input::sendKey(vk, up); }
void pressKey(WORD vk) { real_input::pressKey(vk); }
void pressChord(std::initializer_list<WORD> keys) { real_input::pressChord(keys); }
void typeText(const std::wstring& text) { real_input::typeText(text); }

void clickScreen(POINT p, bool right) {
  // Put the pointer there first, as a hand on the mouse would.
  SetCursorPos(p.x, p.y);
  real_input::click(p, right);
}

void mouseTo(POINT p) { real_input::mouseTo(p); }

POINT screenCentre(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

COLORREF pixelOf(HWND w, int x, int y) {
  HDC dc = GetDC(w);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(w, dc);
  return c;
}

}  // namespace wintest

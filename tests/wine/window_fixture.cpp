#include "window_fixture.h"

#include <thread>
#include <vector>

namespace wintest {

namespace {
// Arrows and the navigation block are extended keys; sent without the flag
// they would be the number pad's (and Alt with them an Alt+number code).
bool isExtendedKey(WORD vk) {
  switch (vk) {
    case VK_UP: case VK_DOWN: case VK_LEFT: case VK_RIGHT: case VK_HOME: case VK_END:
    case VK_PRIOR: case VK_NEXT: case VK_INSERT: case VK_DELETE:
      return true;
  }
  return false;
}
}  // namespace

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

void sendKey(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (isExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
  SendInput(1, &in, sizeof(in));
}

void pressKey(WORD vk) {
  sendKey(vk);
  sendKey(vk, true);
}

// One SendInput call for the whole chord: nothing can come between the
// modifier and the key (under Wine a focus change may reset key state).
void pressChord(std::initializer_list<WORD> keys) {
  std::vector<INPUT> in;
  auto add = [&](WORD vk, bool up) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = vk;
    i.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    i.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (isExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    in.push_back(i);
  };
  for (WORD k : keys) add(k, false);
  for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) add(*it, true);
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

void typeText(const std::wstring& text) {
  for (wchar_t ch : text) {
    INPUT in[2]{};
    for (int i = 0; i < 2; ++i) {
      in[i].type = INPUT_KEYBOARD;
      in[i].ki.wScan = ch;
      in[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
    }
    SendInput(2, in, sizeof(INPUT));
  }
}

void clickScreen(POINT p, bool right) {
  SetCursorPos(p.x, p.y);
  INPUT in[2]{};
  for (int i = 0; i < 2; ++i) {
    in[i].type = INPUT_MOUSE;
    in[i].mi.dwFlags = right ? (i ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_RIGHTDOWN)
                             : (i ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN);
  }
  SendInput(2, in, sizeof(INPUT));
}

void mouseTo(POINT p) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = MulDiv(p.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
  in.mi.dy = MulDiv(p.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  in.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  SendInput(1, &in, sizeof(in));
}

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

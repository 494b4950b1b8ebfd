// Real keyboard and mouse input through SendInput, and the screen read back, shared by the in-process
// tests, the end-to-end tests and the demo. Header-only so that every test
// program can use it without a library of its own.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <thread>
#include <vector>

namespace real_input {

// Arrows and the navigation block are extended keys; sent without the flag
// they would be the number pad's (and Alt with them an Alt+number code).
inline bool isExtendedKey(WORD vk) {
  switch (vk) {
    case VK_UP: case VK_DOWN: case VK_LEFT: case VK_RIGHT: case VK_HOME: case VK_END:
    case VK_PRIOR: case VK_NEXT: case VK_INSERT: case VK_DELETE:
      return true;
  }
  return false;
}

inline INPUT keyInput(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (isExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
  return in;
}

// A short pause after each event, so a program in another process sees them paced like typing.
inline void pace(int ms = 8) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

inline void sendKey(WORD vk, bool up) {
  INPUT in = keyInput(vk, up);
  SendInput(1, &in, sizeof(in));
  pace();
}

inline void pressKey(WORD vk) {
  sendKey(vk, false);
  sendKey(vk, true);
}

// One SendInput call for the whole chord: nothing can come between the
// modifier and the key (under Wine a focus change may reset key state).
inline void pressChord(std::initializer_list<WORD> keys) {
  std::vector<INPUT> in;
  for (WORD k : keys) in.push_back(keyInput(k, false));
  for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) in.push_back(keyInput(*it, true));
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
  pace(15);
}

// Press and release of one character as itself (KEYEVENTF_UNICODE), whatever the keyboard layout.
inline void sendCharacter(wchar_t ch) {
  INPUT in[2]{};
  for (int i = 0; i < 2; ++i) {
    in[i].type = INPUT_KEYBOARD;
    in[i].ki.wScan = ch;
    in[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
  }
  SendInput(2, in, sizeof(INPUT));
}

inline void typeText(const std::wstring& text) {
  for (wchar_t ch : text) {
    sendCharacter(ch);
    pace();
  }
}

// The screen's pixels in `area`, 0x00RRGGBB, rows top-down.
inline std::vector<uint32_t> screenPixels(const RECT& area) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, 0);
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, dib);
  BitBlt(mem, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  GdiFlush();
  const auto* src = static_cast<const uint32_t*>(bits);
  for (size_t i = 0; src && i < pixels.size(); ++i) pixels[i] = src[i] & 0xFFFFFF;
  SelectObject(mem, old);
  DeleteObject(dib);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return pixels;
}

inline void mouse(POINT screen, DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
  in.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  in.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
  SendInput(1, &in, sizeof(in));
  pace(15);
}

inline void mouseTo(POINT screen) { mouse(screen, 0); }

inline void click(POINT screen, bool right = false) {
  mouse(screen, 0);
  mouse(screen, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
  mouse(screen, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}

inline void doubleClick(POINT screen) {
  mouse(screen, 0);
  for (int i = 0; i < 2; ++i) {
    mouse(screen, MOUSEEVENTF_LEFTDOWN);
    mouse(screen, MOUSEEVENTF_LEFTUP);
  }
}

}  // namespace real_input

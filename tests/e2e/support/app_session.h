// Drives the real program from outside: starts the executable, finds its
// windows, sends real input (SendInput) and reads back what the user sees.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

// The folder that holds the e2e program and the program under test.
std::wstring buildFolder();
// Full path of an executable built beside the tests (e.g. L"src\\jokecert.exe").
std::wstring builtProgram(const std::wstring& relative);

// Polls `done` until it holds or the time is up.
bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = std::chrono::seconds(10));

// A top-level window of the given process whose title contains `title` (any title when empty).
HWND findTopLevel(DWORD pid, const std::wstring& title, const std::wstring& className = L"");

std::wstring windowText(HWND w);
std::wstring className(HWND w);
RECT windowRect(HWND w);
// Position of a window in its parent's client area.
POINT positionInParent(HWND w);

// Real input.
void pressKey(WORD vk);
void keyDown(WORD vk);
void keyUp(WORD vk);
void pressChord(std::initializer_list<WORD> keys);  // e.g. {VK_MENU, VK_F4}
void typeText(const std::wstring& text);             // KEYEVENTF_UNICODE per character
void clickAt(POINT screen, bool right = false);
void doubleClickAt(POINT screen);
void mouseTo(POINT screen);

// A picture of the screen, 32-bit BGRA rows top-down.
struct Capture {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB
  uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
Capture captureScreen(const RECT& area);
// Writes the capture as a 24-bit BMP, for looking at a failed test.
void saveBmp(const Capture& c, const std::wstring& path);

class AppSession {
 public:
  explicit AppSession(const std::wstring& program = builtProgram(L"src\\jokecert.exe"),
                      const std::wstring& workingDir = L"");
  ~AppSession();
  AppSession(const AppSession&) = delete;
  AppSession& operator=(const AppSession&) = delete;

  bool started() const { return main_ != nullptr; }
  HWND main() const { return main_; }
  DWORD pid() const { return pi_.dwProcessId; }
  DWORD thread() const { return pi_.dwThreadId; }
  HANDLE process() const { return pi_.hProcess; }

  // A control by its template row (window ID); searches inside the group box too.
  HWND control(int row) const;
  // The window that has the keyboard focus in the program's GUI thread.
  HWND focus() const;
  // Makes the program's window the foreground one, so that input reaches it.
  void activate();
  // Lets the program process what it has been sent.
  void settle(std::chrono::milliseconds extra = std::chrono::milliseconds(60));

  // Waits for the process to end; its exit code, or STILL_ACTIVE on timeout.
  DWORD waitForExit(std::chrono::milliseconds timeout = std::chrono::seconds(10));
  bool running() const;

  // Client-area point of a window in screen coordinates.
  POINT screenPoint(HWND w, int x, int y) const;

 private:
  PROCESS_INFORMATION pi_{};
  HWND main_ = nullptr;
};

inline constexpr wchar_t kTitle[] = L"Drollix 更多软件来此www.drollix.cn";

}  // namespace e2e

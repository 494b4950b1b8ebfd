#include "support/app_session.h"

#include "common/real_input.h"

#include <cstdio>
#include <thread>

namespace e2e {


std::wstring buildFolder() {
  wchar_t path[MAX_PATH * 2] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
  std::wstring p(path);
  p = p.substr(0, p.find_last_of(L'\\'));  // …\tests
  return p.substr(0, p.find_last_of(L'\\'));
}

std::wstring builtProgram(const std::wstring& relative) { return buildFolder() + L"\\" + relative; }

bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (done()) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(15));
  }
}

std::wstring windowText(HWND w) {
  wchar_t buf[4096] = {};
  DWORD_PTR got = 0;
  // WM_GETTEXT with a timeout, so a hung program does not hang the test.
  if (!SendMessageTimeoutW(w, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG, 2000, &got))
    return {};
  return std::wstring(buf, got);
}

std::wstring className(HWND w) {
  wchar_t buf[256] = {};
  GetClassNameW(w, buf, 256);
  return buf;
}

RECT windowRect(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r;
}

POINT positionInParent(HWND w) {
  RECT r = windowRect(w);
  POINT p{r.left, r.top};
  ScreenToClient(GetParent(w), &p);
  return p;
}

HWND findTopLevel(DWORD pid, const std::wstring& title, const std::wstring& cls) {
  struct Search {
    DWORD pid;
    const std::wstring* title;
    const std::wstring* cls;
    HWND found;
  } search{pid, &title, &cls, nullptr};
  EnumWindows(
      [](HWND w, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner != s->pid || !IsWindowVisible(w)) return TRUE;
        if (!s->cls->empty() && className(w) != *s->cls) return TRUE;
        if (!s->title->empty() && windowText(w).find(*s->title) == std::wstring::npos) return TRUE;
        s->found = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void keyDown(WORD vk) { real_input::sendKey(vk, false); }
void keyUp(WORD vk) { real_input::sendKey(vk, true); }
void pressKey(WORD vk) { real_input::pressKey(vk); }
void pressChord(std::initializer_list<WORD> keys) { real_input::pressChord(keys); }
void typeText(const std::wstring& text) { real_input::typeText(text); }
void mouseTo(POINT screen) { real_input::mouseTo(screen); }
void clickAt(POINT screen, bool right) { real_input::click(screen, right); }
void doubleClickAt(POINT screen) { real_input::doubleClick(screen); }

Capture captureScreen(const RECT& area) {
  Capture c;
  c.width = area.right - area.left;
  c.height = area.bottom - area.top;
  c.pixels = real_input::screenPixels(area);
  return c;
}

void saveBmp(const Capture& c, const std::wstring& path) {
  const int stride = (c.width * 3 + 3) & ~3;
  BITMAPFILEHEADER fh{};
  BITMAPINFOHEADER ih{};
  ih.biSize = sizeof(ih);
  ih.biWidth = c.width;
  ih.biHeight = c.height;
  ih.biPlanes = 1;
  ih.biBitCount = 24;
  fh.bfType = 0x4D42;
  fh.bfOffBits = sizeof(fh) + sizeof(ih);
  fh.bfSize = fh.bfOffBits + stride * c.height;
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (!out) return;
  fwrite(&fh, sizeof(fh), 1, out);
  fwrite(&ih, sizeof(ih), 1, out);
  std::vector<uint8_t> row(stride, 0);
  for (int y = c.height - 1; y >= 0; --y) {
    for (int x = 0; x < c.width; ++x) {
      const uint32_t p = c.at(x, y);
      row[x * 3] = p & 0xFF;
      row[x * 3 + 1] = (p >> 8) & 0xFF;
      row[x * 3 + 2] = (p >> 16) & 0xFF;
    }
    fwrite(row.data(), 1, stride, out);
  }
  fclose(out);
}

AppSession::AppSession(const std::wstring& program, const std::wstring& workingDir) {
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  std::wstring commandLine = L"\"" + program + L"\"";
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      workingDir.empty() ? nullptr : workingDir.c_str(), &si, &pi_))
    return;
  WaitForInputIdle(pi_.hProcess, 10000);
  waitUntil([&] { return (main_ = findTopLevel(pi_.dwProcessId, kTitle)) != nullptr; });
  if (main_) {
    activate();
    // A new window takes the X server's input focus a moment after Windows'
    // foreground: keys sent before that can be lost under Wine.
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    settle();
  }
}

AppSession::~AppSession() {
  if (!pi_.hProcess) return;
  if (running()) {
    if (main_ && IsWindow(main_)) PostMessageW(main_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi_.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(pi_.hProcess, 1);
  }
  CloseHandle(pi_.hThread);
  CloseHandle(pi_.hProcess);
}

HWND AppSession::control(int row) const {
  if (HWND w = GetDlgItem(main_, row)) return w;
  return GetDlgItem(GetDlgItem(main_, 15), row);
}

HWND AppSession::focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  GetGUIThreadInfo(pi_.dwThreadId, &info);
  return info.hwndFocus;
}

void AppSession::activate() {
  if (GetForegroundWindow() == main_ && focus()) return;
  SetForegroundWindow(main_);
  waitUntil([&] { return GetForegroundWindow() == main_ && focus() != nullptr; }, std::chrono::seconds(3));
  // Under Wine the X server confirms the new focus a moment later, and key
  // state sent before that can be reset by it.
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
}

void AppSession::settle(std::chrono::milliseconds extra) {
  // Idle: the program waits for input with none pending.
  WaitForInputIdle(pi_.hProcess, 2000);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
  std::this_thread::sleep_for(extra);
  SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
}

DWORD AppSession::waitForExit(std::chrono::milliseconds timeout) {
  if (WaitForSingleObject(pi_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) return STILL_ACTIVE;
  DWORD code = 0;
  GetExitCodeProcess(pi_.hProcess, &code);
  return code;
}

bool AppSession::running() const { return WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT; }

POINT AppSession::screenPoint(HWND w, int x, int y) const {
  POINT p{x, y};
  ClientToScreen(w, &p);
  return p;
}

}  // namespace e2e

#include "shell/application.h"

#include <windows.h>
#include <ole2.h>

#include <memory>

#include "shell/event_dispatch.h"
#include "ui/main_window.h"

namespace {

struct Shell {
  EventDispatcher events{programEventBindings()};
  std::unique_ptr<MainWindow> window;
  bool loopStarted = false;
  void (*exitHook)() = nullptr;
  bool oleInitialised = false;
  bool cleanedUp = false;
  int quitCode = 0;
};

Shell& shell() {
  static Shell instance;
  return instance;
}

std::wstring programDirectory() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  const size_t slash = path.find_last_of(L'\\');
  return slash == std::wstring::npos ? std::wstring{} : path.substr(0, slash);
}

void onMainWindowGone() {
  // Quit only once the loop runs: a window destroyed during a failed build must not.
  if (shell().loopStarted) PostQuitMessage(0);
}

}  // namespace

void programInit() {}
void exitHook() {}
void onWindowCreated(Form&) {}

int startApplication() {
  Shell& s = shell();
  s.oleInitialised = SUCCEEDED(OleInitialize(nullptr));
  const std::wstring dir = programDirectory();
  if (!dir.empty()) SetCurrentDirectoryW(dir.c_str());

  programInit();
  s.exitHook = &exitHook;

  if (!buildMainWindow()) reportFatalError(L"载入启动窗口失败", 0);
  s.quitCode = runMessageLoop();
  return 0;
}

std::unique_ptr<MainWindow> buildWindow(EventDispatcher& events, std::function<void()> onGone) {
  // Nothing that happens while the window is built reaches a handler.
  events.hold();
  auto window = std::make_unique<MainWindow>(events, std::move(onGone));
  const bool built = window->build();
  events.release();
  if (!built) return nullptr;
  events.setForm(window.get());
  events.raise(ControlId::None, ControlEvent::Created);
  window->show();
  return window;
}

bool buildMainWindow() {
  Shell& s = shell();
  s.window = buildWindow(s.events, &onMainWindowGone);
  return s.window != nullptr;
}

int runMessageLoop() {
  Shell& s = shell();
  s.loopStarted = true;
  if (!s.window || !IsWindow(s.window->hwnd())) return 0;
  MSG msg{};
  for (;;) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    if (s.window && s.window->preTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

int quitCode() { return shell().quitCode; }

void finalCleanup() {
  Shell& s = shell();
  if (s.cleanedUp) return;
  s.cleanedUp = true;
  if (auto hook = s.exitHook) {
    s.exitHook = nullptr;
    hook();
  }
  s.events.setForm(nullptr);
  s.window.reset();
  if (s.oleInitialised) OleUninitialize();
}

std::wstring fatalErrorText(const std::wstring& message, int code) {
  std::wstring text = L"运行时出错!\r\n\r\n";
  if (code != 0) text += L"错误代码：" + std::to_wstring(code) + L"\r\n\r\n";
  if (!message.empty()) text += L"错误信息：" + message + L"\r\n";
  return text;
}

void reportFatalError(const std::wstring& message, int code) {
  Shell& s = shell();
  s.events.hold();
  MessageBoxW(nullptr, fatalErrorText(message, code).c_str(), L"错误", MB_ICONERROR);
  s.exitHook = nullptr;
  finalCleanup();
  ExitProcess(static_cast<UINT>(-1));
}

// The yardstick for start-up and memory: the least Win32 program of the same
// toolchain that opens a window of the main window's size and paints it.
// With --ole it also does what any program with common dialogs pays for
// before its first window: OLE initialised, the dialog libraries loaded.
#include <windows.h>
#include <ole2.h>

#include <cwchar>

namespace {

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int show) {
  if (wcsstr(commandLine, L"--ole")) {
    OleInitialize(nullptr);
    LoadLibraryW(L"comdlg32.dll");
    LoadLibraryW(L"comctl32.dll");
  }
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"EmptyWindow";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"空窗口",
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                                (GetSystemMetrics(SM_CXSCREEN) - 534) / 2, (GetSystemMetrics(SM_CYSCREEN) - 544) / 2,
                                534, 544, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

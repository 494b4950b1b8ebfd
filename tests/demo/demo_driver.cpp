// The demo that scripts/run plays when there is no display: it drives the
// real program with real input and writes pictures of what the user sees.
// Usage: demo_driver.exe <output folder>
#include <windows.h>

#include <cstdio>
#include <string>

#include "output_demo_steps.h"
#include "support/app_session.h"

using namespace e2e;

namespace {

std::wstring outDir;

void shot(const AppSession& app, const wchar_t* name) {
  const Capture c = captureScreen(windowRect(app.main()));
  saveBmp(c, outDir + L"\\" + name + L".bmp");
  wprintf(L"[demo] %ls\n", name);
  fflush(stdout);
}

void focusRow(AppSession& app, int row) {
  app.activate();
  for (int i = 0; i < 9 && app.focus() != app.control(row); ++i) {
    HWND before = app.focus();
    pressKey(VK_TAB);
    waitUntil([&] { return app.focus() != before; }, std::chrono::seconds(3));
  }
}

void replaceText(AppSession& app, int row, const std::wstring& text) {
  focusRow(app, row);
  pressChord({VK_CONTROL, 'A'});
  pressKey(VK_DELETE);
  typeText(text);
  app.settle();
}

// Opens the kind list with Alt+Down, walks to the item and confirms it with Enter.
void chooseKind(AppSession& app, int index) {
  focusRow(app, 14);
  HWND combo = app.control(14);
  pressChord({VK_MENU, VK_DOWN});
  waitUntil([&] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }, std::chrono::seconds(2));
  pressKey(VK_HOME);
  for (int i = 0; i < index; ++i) pressKey(VK_DOWN);
  pressKey(VK_RETURN);
  app.settle(std::chrono::milliseconds(250));
}

// "字体": the font dialog, a face and a size typed in, confirmed with OK.
bool chooseFont(AppSession& app, const std::wstring& face, const std::wstring& size) {
  app.activate();
  clickAt(app.screenPoint(app.control(1), 20, 10));
  HWND dialog = dialog_driver::waitForDialog(app.thread(), {}, 5000);
  if (!dialog) {
    fwprintf(stderr, L"[demo] the font dialog did not open\n");
    return false;
  }
  const bool typed =
      dialog_driver::typeInto(dialog, dialog_driver::editInside(GetDlgItem(dialog, dialog_driver::kFontFaceCombo)), face) &&
      dialog_driver::typeInto(dialog, dialog_driver::editInside(GetDlgItem(dialog, dialog_driver::kFontSizeCombo)), size);
  dialog_driver::clickButton(dialog, typed ? IDOK : IDCANCEL);
  dialog_driver::waitUntilClosed(dialog);
  app.settle(std::chrono::milliseconds(300));
  return typed;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  outDir = argc > 1 ? argv[1] : L".";
  AppSession app;
  if (!app.started()) {
    fwprintf(stderr, L"[demo] the program did not open its window\n");
    return 2;
  }
  app.settle(std::chrono::milliseconds(400));
  shot(app, L"window");

  replaceText(app, 9, L"张小明");
  replaceText(app, 8, L"男");
  replaceText(app, 7, L"28");
  replaceText(app, 4, L"2026-12-11");
  replaceText(app, 2, L"20261211");
  app.settle(std::chrono::milliseconds(300));
  shot(app, L"filled");

  // Every kind once, the first last (so the demo ends where it started).
  for (int kind = 1; kind <= 16; ++kind) {
    chooseKind(app, kind % 16);
    wchar_t name[16];
    swprintf(name, 16, L"kind-%02d", kind % 16 + 1);
    shot(app, name);
  }

  const bool saved = output_demo::photoAndCertificate(app, outDir);
  shot(app, L"with-photo");

  const bool fontChanged = chooseFont(app, L"黑体", L"12");
  shot(app, L"font");

  app.activate();
  pressKey(VK_ESCAPE);
  const DWORD code = app.waitForExit(std::chrono::seconds(10));
  wprintf(L"[demo] exit code %lu\n", code);
  return code == 0 && saved && fontChanged ? 0 : 1;
}

#include "wine/output_dialog_driver.h"

#include <commctrl.h>
#include <commdlg.h>

#include <chrono>

namespace dialog_driver {
namespace {

struct DialogSearch {
  const std::vector<HWND>* except;
  HWND found = nullptr;
};

BOOL CALLBACK considerWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<DialogSearch*>(context);
  if (!IsWindowVisible(window) || className(window) != L"#32770") return TRUE;
  for (HWND skipped : *search->except) {
    if (skipped == window) return TRUE;
  }
  search->found = window;
  return FALSE;
}

BOOL CALLBACK collectListView(HWND window, LPARAM context) {
  if (className(window) != WC_LISTVIEWW) return TRUE;
  *reinterpret_cast<HWND*>(context) = window;
  return FALSE;
}

BOOL CALLBACK collectLongestStatic(HWND window, LPARAM context) {
  auto* longest = reinterpret_cast<std::wstring*>(context);
  if (className(window) != L"Static") return TRUE;
  std::wstring text = windowText(window);
  if (text.size() > longest->size()) *longest = std::move(text);
  return TRUE;
}

BOOL CALLBACK findEdit(HWND window, LPARAM context) {
  if (className(window) != L"Edit") return TRUE;
  *reinterpret_cast<HWND*>(context) = window;
  return FALSE;
}

void sendKey(WORD virtualKey, wchar_t unicode, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = unicode;
  input.ki.dwFlags = (unicode ? KEYEVENTF_UNICODE : 0) | (up ? KEYEVENTF_KEYUP : 0);
  SendInput(1, &input, sizeof input);
}

void settle() { Sleep(50); }

}  // namespace

HWND waitForDialog(DWORD threadId, const std::vector<HWND>& except, int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (std::chrono::steady_clock::now() < deadline) {
    DialogSearch search{&except};
    EnumThreadWindows(threadId, considerWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
      settle();  // let it finish WM_INITDIALOG and take the focus
      return search.found;
    }
    Sleep(20);
  }
  return nullptr;
}

bool waitUntilClosed(HWND window, int timeoutMs) {
  for (int waited = 0; waited < timeoutMs; waited += 20) {
    if (!IsWindow(window) || !IsWindowVisible(window)) return true;
    Sleep(20);
  }
  return false;
}

std::wstring windowText(HWND window) {
  const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const auto copied = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(copied));
  return text;
}

std::wstring className(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

HWND fileNameEdit(HWND dialog) {
  if (HWND edit = GetDlgItem(dialog, kFileNameEdit); edit && IsWindowVisible(edit)) return edit;
  HWND combo = GetDlgItem(dialog, kFileNameCombo);
  return combo ? editInside(combo) : nullptr;
}

std::wstring proposedPath(HWND dialog) {
  wchar_t path[MAX_PATH] = {};
  const auto length = SendMessageW(dialog, CDM_GETFILEPATH, MAX_PATH, reinterpret_cast<LPARAM>(path));
  return length > 0 ? std::wstring(path) : std::wstring();
}

HWND editInside(HWND control) {
  HWND edit = nullptr;
  EnumChildWindows(control, findEdit, reinterpret_cast<LPARAM>(&edit));
  return edit;
}

std::wstring messageText(HWND box) {
  std::wstring longest;
  EnumChildWindows(box, collectLongestStatic, reinterpret_cast<LPARAM>(&longest));
  return longest;
}

std::vector<std::wstring> comboItems(HWND combo) {
  std::vector<std::wstring> items;
  const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring text(static_cast<size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
    items.push_back(text);
  }
  return items;
}

std::wstring comboSelection(HWND combo) {
  const auto selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  if (selected == CB_ERR) return {};
  const auto items = comboItems(combo);
  return static_cast<size_t>(selected) < items.size() ? items[static_cast<size_t>(selected)] : std::wstring();
}

std::vector<std::wstring> fileListItems(HWND dialog) {
  HWND list = nullptr;
  EnumChildWindows(dialog, collectListView, reinterpret_cast<LPARAM>(&list));
  std::vector<std::wstring> items;
  if (!list) return items;
  const auto count = SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t text[MAX_PATH] = {};
    LVITEMW item = {};
    item.iSubItem = 0;
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    SendMessageW(list, LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
    items.emplace_back(text);
  }
  return items;
}

void bringToFront(HWND dialog) {
  SetForegroundWindow(dialog);
  settle();
}

void typeText(const std::wstring& text) {
  for (wchar_t c : text) {
    sendKey(0, c, false);
    sendKey(0, c, true);
  }
  settle();
}

void pressKey(WORD virtualKey) {
  sendKey(virtualKey, 0, false);
  sendKey(virtualKey, 0, true);
  settle();
}

bool typeInto(HWND dialog, HWND control, const std::wstring& text) {
  bringToFront(dialog);
  // The focus belongs to the dialog's thread: ask that thread to move it.
  SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
  settle();
  SendMessageW(control, EM_SETSEL, 0, -1);
  pressKey(VK_DELETE);
  typeText(text);
  for (int waited = 0; waited < 2000 && windowText(control) != text; waited += 20) Sleep(20);
  return windowText(control) == text;
}

void clickButton(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
  settle();
}

void cancelRemainingDialogs(DWORD threadId) {
  // Whatever a failed script left open is cancelled, so the GUI thread gets
  // out of its modal loop and the test can report the failure.
  for (int quietRounds = 0, rounds = 0; quietRounds < 5 && rounds < 500; ++rounds) {
    DialogSearch search{nullptr};
    const std::vector<HWND> none;
    search.except = &none;
    EnumThreadWindows(threadId, considerWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
      quietRounds = 0;
      PostMessageW(search.found, WM_COMMAND, IDCANCEL, 0);
    } else {
      ++quietRounds;
    }
    Sleep(40);
  }
}

void whileDialogRuns(const std::function<void(DWORD guiThread)>& script, const std::function<void()>& body) {
  const DWORD guiThread = GetCurrentThreadId();
  std::thread helper([&] {
    script(guiThread);
    cancelRemainingDialogs(guiThread);
  });
  body();
  helper.join();
}

}  // namespace dialog_driver

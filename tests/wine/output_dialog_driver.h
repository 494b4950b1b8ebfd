// Drives the real common dialogs from a helper thread while the GUI thread
// waits inside them: finds the dialog windows, reads their controls and
// types into them with real keystrokes.
#pragma once

#include <windows.h>
// after windows.h, which they need
#include <commctrl.h>
#include <commdlg.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace dialog_driver {

// Control IDs of the common dialog templates (dlgs.h).
inline constexpr int kFileNameEdit = 0x480;   // edt1
inline constexpr int kFileNameCombo = 0x47c;  // cmb13: a ComboBoxEx in the explorer-style dialog
inline constexpr int kFileTypeCombo = 0x470;  // cmb1
inline constexpr int kFontFaceCombo = 0x470;  // cmb1
inline constexpr int kFontStyleCombo = 0x471; // cmb2
inline constexpr int kFontSizeCombo = 0x472;  // cmb3

// A visible dialog window (#32770) of the given thread, other than `except`;
// waits up to `timeoutMs`. Null when none appeared.
inline HWND waitForDialog(DWORD threadId, const std::vector<HWND>& except = {}, int timeoutMs = 10000);
// Waits until the window is gone. False on timeout.
inline bool waitUntilClosed(HWND window, int timeoutMs = 10000);

inline std::wstring windowText(HWND window);
inline std::wstring className(HWND window);
// The edit box that holds the file name in a file dialog.
inline HWND fileNameEdit(HWND dialog);
// The same, waiting up to three seconds for the dialog to build it.
inline HWND waitForFileNameEdit(HWND dialog);
// The full path a file dialog would return now: its folder and the name typed.
inline std::wstring proposedPath(HWND dialog);
// The edit box of a combo box (at any depth inside `control`).
inline HWND editInside(HWND control);
// The text of a message box: its longest static text.
inline std::wstring messageText(HWND box);
inline std::vector<std::wstring> comboItems(HWND combo);
inline std::wstring comboSelection(HWND combo);
// The item texts of the file list (the list view of the shell view).
inline std::vector<std::wstring> fileListItems(HWND dialog);

// Real keystrokes to whatever has the keyboard focus of the foreground window.
inline void bringToFront(HWND dialog);
inline void typeText(const std::wstring& text);
inline void pressKey(WORD virtualKey);
// Focuses `control`, replaces its text by typing, and checks it arrived.
inline bool typeInto(HWND dialog, HWND control, const std::wstring& text);
inline void clickButton(HWND dialog, int id);
// Types `path` into a file dialog's name box and presses its OK button (Enter
// could pick an entry of the name box's completion list instead). False when
// the typed name did not arrive.
inline bool typePathAndConfirm(HWND dialog, const std::wstring& path);
// Cancels the thread's dialogs until none is left, so that a GUI thread a
// failed script left inside a dialog comes out of it.
inline void cancelRemainingDialogs(DWORD threadId);

// Runs `script` on a helper thread while `body` runs on this thread (which
// enters the modal dialog). The script gets this thread's ID.
inline void whileDialogRuns(const std::function<void(DWORD guiThread)>& script, const std::function<void()>& body);

// Implementation, inline so that the in-process and the end-to-end tests
// can both use it.

namespace detail {

struct DialogSearch {
  const std::vector<HWND>* except;
  HWND found = nullptr;
};

inline BOOL CALLBACK considerWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<DialogSearch*>(context);
  // A dialog still being built has no controls yet.
  if (!IsWindowVisible(window) || className(window) != L"#32770" || !GetWindow(window, GW_CHILD)) return TRUE;
  for (HWND skipped : *search->except) {
    if (skipped == window) return TRUE;
  }
  search->found = window;
  return FALSE;
}

inline BOOL CALLBACK collectListView(HWND window, LPARAM context) {
  if (className(window) != WC_LISTVIEWW) return TRUE;
  *reinterpret_cast<HWND*>(context) = window;
  return FALSE;
}

inline BOOL CALLBACK collectLongestStatic(HWND window, LPARAM context) {
  auto* longest = reinterpret_cast<std::wstring*>(context);
  if (className(window) != L"Static") return TRUE;
  std::wstring text = windowText(window);
  if (text.size() > longest->size()) *longest = std::move(text);
  return TRUE;
}

inline BOOL CALLBACK findEdit(HWND window, LPARAM context) {
  if (className(window) != L"Edit") return TRUE;
  *reinterpret_cast<HWND*>(context) = window;
  return FALSE;
}

inline void sendKey(WORD virtualKey, wchar_t unicode, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = unicode;
  input.ki.dwFlags = (unicode ? KEYEVENTF_UNICODE : 0) | (up ? KEYEVENTF_KEYUP : 0);
  SendInput(1, &input, sizeof input);
}

inline void settle() { Sleep(50); }

inline std::wstring settledText(HWND control) {
  std::wstring last = windowText(control);
  for (int quiet = 0, waited = 0; quiet < 300 && waited < 5000; waited += 50) {
    Sleep(50);
    std::wstring now = windowText(control);
    if (now == last) {
      quiet += 50;
    } else {
      quiet = 0;
      last = std::move(now);
    }
  }
  return last;
}

}  // namespace detail

inline HWND waitForDialog(DWORD threadId, const std::vector<HWND>& except, int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (std::chrono::steady_clock::now() < deadline) {
    detail::DialogSearch search{&except};
    EnumThreadWindows(threadId, detail::considerWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
      detail::settle();  // let it finish WM_INITDIALOG and take the focus
      return search.found;
    }
    Sleep(20);
  }
  return nullptr;
}

inline bool waitUntilClosed(HWND window, int timeoutMs) {
  for (int waited = 0; waited < timeoutMs; waited += 20) {
    if (!IsWindow(window)) {
      detail::settle();  // let the activation move on before the next input
      return true;
    }
    Sleep(20);
  }
  return false;
}

inline std::wstring windowText(HWND window) {
  const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const auto copied = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(copied));
  return text;
}

inline std::wstring className(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

inline HWND fileNameEdit(HWND dialog) {
  if (HWND edit = GetDlgItem(dialog, kFileNameEdit); edit && IsWindowVisible(edit)) return edit;
  HWND combo = GetDlgItem(dialog, kFileNameCombo);
  return combo ? editInside(combo) : nullptr;
}

inline HWND waitForFileNameEdit(HWND dialog) {
  HWND edit = nullptr;
  for (int waited = 0; waited < 3000 && !(edit = fileNameEdit(dialog)); waited += 50) Sleep(50);
  return edit;
}

inline std::wstring proposedPath(HWND dialog) {
  wchar_t path[MAX_PATH] = {};
  const auto length = SendMessageW(dialog, CDM_GETFILEPATH, MAX_PATH, reinterpret_cast<LPARAM>(path));
  return length > 0 ? std::wstring(path) : std::wstring();
}

inline HWND editInside(HWND control) {
  HWND edit = nullptr;
  EnumChildWindows(control, detail::findEdit, reinterpret_cast<LPARAM>(&edit));
  return edit;
}

inline std::wstring messageText(HWND box) {
  std::wstring longest;
  EnumChildWindows(box, detail::collectLongestStatic, reinterpret_cast<LPARAM>(&longest));
  return longest;
}

inline std::vector<std::wstring> comboItems(HWND combo) {
  std::vector<std::wstring> items;
  const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring text(static_cast<size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
    items.push_back(text);
  }
  return items;
}

inline std::wstring comboSelection(HWND combo) {
  const auto selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  if (selected == CB_ERR) return {};
  const auto items = comboItems(combo);
  return static_cast<size_t>(selected) < items.size() ? items[static_cast<size_t>(selected)] : std::wstring();
}

inline std::vector<std::wstring> fileListItems(HWND dialog) {
  HWND list = nullptr;
  EnumChildWindows(dialog, detail::collectListView, reinterpret_cast<LPARAM>(&list));
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

inline void bringToFront(HWND dialog) {
  if (GetForegroundWindow() != dialog) SetForegroundWindow(dialog);
  detail::settle();
}

inline void typeText(const std::wstring& text) {
  for (wchar_t c : text) {
    detail::sendKey(0, c, false);
    detail::sendKey(0, c, true);
  }
  detail::settle();
}

inline void pressKey(WORD virtualKey) {
  detail::sendKey(virtualKey, 0, false);
  detail::sendKey(virtualKey, 0, true);
  detail::settle();
}

inline bool typeInto(HWND dialog, HWND control, const std::wstring& text) {
  const DWORD owner = GetWindowThreadProcessId(dialog, nullptr);
  auto focusIsOnControl = [&] {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(owner, &info) && info.hwndFocus == control && GetForegroundWindow() == dialog;
  };
  // A dialog that has just opened may not have taken the foreground yet:
  // keystrokes sent before it does go elsewhere, so wait and try again.
  for (int attempt = 0; attempt < 3; ++attempt) {
    for (int waited = 0; waited < 2000 && !focusIsOnControl(); waited += 50) {
      bringToFront(dialog);
      // The focus belongs to the dialog's thread: ask that thread to move it.
      SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
      Sleep(50);
    }
    SendMessageW(control, EM_SETSEL, 0, -1);
    pressKey(VK_DELETE);
    typeText(text);
    // A busy dialog (listing a folder, completing the name) takes the keys
    // late: judge the text once it has stopped changing.
    const std::wstring typed = detail::settledText(control);
    if (typed == text) return true;
    fwprintf(stderr, L"[dialog driver] attempt %d: focus on the box %d, the box holds \"%ls\"\n", attempt,
             focusIsOnControl() ? 1 : 0, typed.c_str());
  }
  return false;
}

inline void clickButton(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
  detail::settle();
}

inline bool typePathAndConfirm(HWND dialog, const std::wstring& path) {
  HWND edit = waitForFileNameEdit(dialog);
  if (!edit || !typeInto(dialog, edit, path)) return false;
  clickButton(dialog, IDOK);
  return true;
}

inline void cancelRemainingDialogs(DWORD threadId) {
  const std::vector<HWND> none;
  for (int quietRounds = 0, rounds = 0; quietRounds < 5 && rounds < 500; ++rounds) {
    detail::DialogSearch search{&none};
    EnumThreadWindows(threadId, detail::considerWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
      quietRounds = 0;
      PostMessageW(search.found, WM_COMMAND, IDCANCEL, 0);
    } else {
      ++quietRounds;
    }
    Sleep(40);
  }
}

inline void whileDialogRuns(const std::function<void(DWORD guiThread)>& script, const std::function<void()>& body) {
  const DWORD guiThread = GetCurrentThreadId();
  std::thread helper([&] {
    script(guiThread);
    cancelRemainingDialogs(guiThread);
  });
  body();
  helper.join();
}

}  // namespace dialog_driver

// Drives the real common dialogs from a helper thread while the GUI thread
// waits inside them: finds the dialog windows, reads their controls and
// types into them with real keystrokes.
#pragma once

#include <windows.h>

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
HWND waitForDialog(DWORD threadId, const std::vector<HWND>& except = {}, int timeoutMs = 10000);
// Waits until the window is gone. False on timeout.
bool waitUntilClosed(HWND window, int timeoutMs = 10000);

std::wstring windowText(HWND window);
std::wstring className(HWND window);
// The edit box that holds the file name in a file dialog.
HWND fileNameEdit(HWND dialog);
// The full path a file dialog would return now: its folder and the name typed.
std::wstring proposedPath(HWND dialog);
// The edit box of a combo box (at any depth inside `control`).
HWND editInside(HWND control);
// The text of a message box: its longest static text.
std::wstring messageText(HWND box);
std::vector<std::wstring> comboItems(HWND combo);
std::wstring comboSelection(HWND combo);
// The item texts of the file list (the list view of the shell view).
std::vector<std::wstring> fileListItems(HWND dialog);

// Real keystrokes to whatever has the keyboard focus of the foreground window.
void bringToFront(HWND dialog);
void typeText(const std::wstring& text);
void pressKey(WORD virtualKey);
// Focuses `control`, replaces its text by typing, and checks it arrived.
bool typeInto(HWND dialog, HWND control, const std::wstring& text);
void clickButton(HWND dialog, int id);

// Runs `script` on a helper thread while `body` runs on this thread (which
// enters the modal dialog). The script gets this thread's ID.
void whileDialogRuns(const std::function<void(DWORD guiThread)>& script, const std::function<void()>& body);

}  // namespace dialog_driver

// Start-up, the message loop, shutdown and the fatal error report.
#pragma once

#include <functional>
#include <memory>
#include <string>

class EventDispatcher;
class MainWindow;

// The program's start-up: returns 0 once the message loop has ended.
int startApplication();

// The program's own initialisation routine and exit hook: both empty.
void programInit();
void exitHook();

// Builds the main window with every control, with events held; shows it.
bool buildMainWindow();

// The steps of buildMainWindow for any set of bindings: events held while
// building, the created event, then the window shown. Null on failure.
std::unique_ptr<MainWindow> buildWindow(EventDispatcher& events, std::function<void()> onGone);

// Runs until WM_QUIT; returns its code.
int runMessageLoop();

// Shows the error box and ends the process with exit code -1.
[[noreturn]] void reportFatalError(const std::wstring& message, int code);

// Handler of the main window's created event: does nothing.
void onWindowCreated(class Form& form);

// Runs once after the loop: exit hook, icons, OLE.
void finalCleanup();

// The code of the WM_QUIT that ended the loop.
int quitCode();

// The text of the fatal error box.
std::wstring fatalErrorText(const std::wstring& message, int code);

// Builds the real main window inside the test process, with the bindings a
// test chooses, and pumps its messages the way the program's loop does.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "shell/application.h"
#include "shell/event_dispatch.h"
#include "ui/main_window.h"

namespace wintest {

// Runs the message loop (keyboard handling first) for the given time.
void pump(MainWindow* window, std::chrono::milliseconds time);
// Pumps until `done` holds or the time is up.
bool pumpUntil(MainWindow* window, const std::function<bool()>& done,
               std::chrono::milliseconds timeout = std::chrono::seconds(5));

class LiveWindow {
 public:
  explicit LiveWindow(std::span<const EventBinding> bindings);
  ~LiveWindow();

  MainWindow& window() { return *window_; }
  HWND hwnd() const { return window_->hwnd(); }
  HWND control(ControlId id) const { return window_->control(id)->hwnd(); }
  EventDispatcher& events() { return events_; }

  void pump(std::chrono::milliseconds time = std::chrono::milliseconds(50)) { wintest::pump(window_.get(), time); }
  bool pumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
    return wintest::pumpUntil(window_.get(), done, timeout);
  }
  // Foreground and focus on a control, so that real keystrokes reach it.
  void focus(ControlId id);
  // A window's text: a label's caption.
  static std::wstring captionOf(HWND w);

 private:
  EventDispatcher events_;
  std::unique_ptr<MainWindow> window_;
};

// Real input for the test process's own windows.
void sendKey(WORD vk, bool up = false);
void pressKey(WORD vk);
void pressChord(std::initializer_list<WORD> keys);
void typeText(const std::wstring& text);
void clickScreen(POINT p, bool right = false);
void mouseTo(POINT p);
POINT screenCentre(HWND w);

// The colour of a pixel as the window's own DC shows it.
COLORREF pixelOf(HWND w, int x, int y);

}  // namespace wintest

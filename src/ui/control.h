// The controls of the main window: one object per template row, owning its
// window and its settings.
#pragma once

#include <windows.h>

#include <optional>

#include "editing/font_spec.h"
#include "ui/window_template.h"

// Where controls send their events; the shell decides whether a handler runs.
class ControlEvents {
 public:
  virtual ~ControlEvents() = default;
  virtual void raise(ControlId control, ControlEvent event) = 0;
  virtual void raiseLeftButton(ControlId control, int x, int y, int keys) = 0;
};

class Control {
 public:
  Control(const ControlRow& row, ControlEvents& events) : row_(row), events_(events) {}
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // Creates the window, hidden, as a child of `parent` at the row's position.
  virtual bool create(HWND parent) = 0;

  const ControlRow& row() const { return row_; }
  ControlId id() const { return row_.id; }
  HWND hwnd() const { return hwnd_; }

  // A notification (WM_COMMAND code) from the control's own window.
  virtual void onNotify(WORD code) {}
  // WM_CTLCOLOR* for this control: the brush to paint with, after setting the DC's colours.
  virtual std::optional<HBRUSH> onControlColour(HDC dc) { return std::nullopt; }
  // A new font from a handler; each kind reacts in its own way.
  virtual void setFont(const FontSpec& font) {}

 protected:
  // The common creation styles: child, clipped by siblings, tab stop where the row says.
  DWORD commonStyle() const;
  HWND createStandard(HWND parent, const wchar_t* className, DWORD style, DWORD exStyle);

  const ControlRow& row_;
  ControlEvents& events_;
  HWND hwnd_ = nullptr;
};

// The colour a setting stands for: button face where the template says so.
COLORREF resolveColour(Colour colour);

// A control with a window class of the program's own: the window procedure
// finds the object through the pointer stored at WM_NCCREATE.
class CustomControl : public Control {
 public:
  using Control::Control;

 protected:
  HWND createCustom(HWND parent, const wchar_t* className, DWORD style, DWORD exStyle);
  virtual LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp);

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

// The main window: built from the window template, owner of every control,
// keyboard handling ahead of dispatch, and the Form the handlers work on.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include "editing/form.h"
#include "ui/base_window.h"
#include "ui/control.h"
#include "ui/handles.h"

class CommonDialog;

class MainWindow : public BaseWindow<MainWindow>, public Form {
 public:
  // `onDestroyed` runs once the window object is gone (WM_NCDESTROY).
  MainWindow(ControlEvents& events, std::function<void()> onDestroyed);
  ~MainWindow() override;

  // Creates the window and its controls, hidden. On failure nothing is left.
  bool build();
  void show();

  // The keyboard handling and the left-button look that come before dispatch.
  // True when the message was consumed.
  bool preTranslate(const MSG& msg);

  Control* control(ControlId id) const;
  Control* controlOfWindow(HWND w) const;

  // Form
  std::wstring text(ControlId id) override;
  void setCaption(ControlId id, const std::wstring& caption) override;
  int left(ControlId id) override;
  int top(ControlId id) override;
  void setLeft(ControlId id, int left) override;
  void setTop(ControlId id, int top) override;
  void setPicture(ControlId id, std::span<const uint8_t> bytes) override;
  void setFont(ControlId id, const FontSpec& font) override;
  CommonDialog& commonDialog() override;
  NativeWindow window(ControlId id) override;
  NativeWindow mainWindow() override;

  LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp);

 private:
  friend class BaseWindow<MainWindow>;

  bool createFrame();
  bool createControls();
  void stackControls();
  void moveFocus(bool forward);
  void restoreFocus();
  bool activateMnemonic(wchar_t key);
  RECT rectInParent(HWND w) const;
  std::optional<LRESULT> controlColour(HDC dc, HWND from);

  ControlEvents& events_;
  std::function<void()> onDestroyed_;
  std::array<std::unique_ptr<Control>, kControlCount> controls_;
  std::unique_ptr<CommonDialog> dialog_;
  handles::UniqueIcon bigIcon_;
  handles::UniqueIcon smallIcon_;
  HWND lastFocus_ = nullptr;
};

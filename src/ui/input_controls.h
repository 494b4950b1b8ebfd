// The input panel's kinds, built on the platform's standard controls:
// edit boxes, push buttons, the drop-down list of kinds and the group box.
#pragma once

#include <memory>

#include "ui/control.h"
#include "ui/control_font.h"
#include "ui/handles.h"

class EditBox : public Control {
 public:
  EditBox(const ControlRow& row, ControlEvents& events);
  bool create(HWND parent) override;
  void onNotify(WORD code) override;
  std::optional<HBRUSH> onControlColour(HDC dc) override;
  void setFont(const FontSpec& font) override;
  const StoredFont& storedFont() const { return stored_; }

 private:
  void applyFont();

  StoredFont stored_;
  std::unique_ptr<ControlFont> font_;
  handles::UniqueBrush background_;
};

class PushButton : public Control {
 public:
  PushButton(const ControlRow& row, ControlEvents& events);
  bool create(HWND parent) override;
  void onNotify(WORD code) override;

 private:
  ControlFont font_;
};

class ComboBox : public Control {
 public:
  ComboBox(const ControlRow& row, ControlEvents& events);
  ~ComboBox() override;
  bool create(HWND parent) override;
  void onNotify(WORD code) override;
  std::optional<HBRUSH> onControlColour(HDC dc) override;
  void setFont(const FontSpec& font) override;
  const StoredFont& storedFont() const { return stored_; }
  bool ownsWindow(HWND w) const;

 private:
  static LRESULT CALLBACK subclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  int listItemHeight() const;
  void setListItemHeight(int height);

  StoredFont stored_;
  std::unique_ptr<ControlFont> font_;
  handles::UniqueBrush background_;
};

class GroupBox : public Control {
 public:
  GroupBox(const ControlRow& row, ControlEvents& events);
  ~GroupBox() override;
  bool create(HWND parent) override;
  std::optional<HBRUSH> onControlColour(HDC dc) override;

 private:
  // Notifications of the controls inside go on to the main window.
  static LRESULT CALLBACK subclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
};

// The window of a component without a visible part (通用对话框): created
// hidden and never shown.
class HiddenComponent : public CustomControl {
 public:
  using CustomControl::CustomControl;
  bool create(HWND parent) override;
};

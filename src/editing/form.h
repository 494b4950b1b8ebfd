// What the event handlers see of the main window: its controls by name.
// The main window implements it; tests may supply their own.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "editing/font_spec.h"
#include "ui/control_id.h"

struct HWND__;
using NativeWindow = HWND__*;  // HWND, without <windows.h>

class CommonDialog;

class Form {
 public:
  virtual ~Form() = default;

  // The whole window text of an edit box or of the combo box, as the user sees it.
  virtual std::wstring text(ControlId id) = 0;
  // The caption of a Label or TransLabel: replaced by the given text, unchanged.
  virtual void setCaption(ControlId id, const std::wstring& caption) = 0;

  // Position in the parent's client area, from the live window rectangle.
  virtual int left(ControlId id) = 0;
  virtual int top(ControlId id) = 0;
  // Clamped to -32627..32627, moved at once with repainting.
  virtual void setLeft(ControlId id, int left) = 0;
  virtual void setTop(ControlId id, int top) = 0;

  // The picture of a Label (background) or of the PicBox: a copy of the bytes is kept.
  virtual void setPicture(ControlId id, std::span<const uint8_t> bytes) = 0;

  // The font of a Label, TransLabel, EditBox or ComboBox.
  virtual void setFont(ControlId id, const FontSpec& font) = 0;

  // The one common dialog component (通用对话框).
  virtual CommonDialog& commonDialog() = 0;

  // The window of a control (for the certificate capture and tests).
  virtual NativeWindow window(ControlId id) = 0;
  // The main window: owner of dialogs and message boxes.
  virtual NativeWindow mainWindow() = 0;
};

// A stand-in for the main window in the output tests: a real top-level window
// with a 515 × 332 bordered canvas that paints four known quadrants, and a
// record of the pictures handed to the photo box. Each form has a fresh
// common dialog; the window itself is made once and kept for the whole run,
// because Wine under Xvfb now and then trips over a destroyed top-level
// window that a dialog was owned by. Between tests it is hidden.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "editing/form.h"
#include "ui/common_dialog.h"
#include "ui/handles.h"

class OutputTestForm : public Form {
 public:
  static constexpr int kCanvasWidth = 515;
  static constexpr int kCanvasHeight = 332;
  // Colours of the canvas's client area: top-left, top-right, bottom-left, bottom-right.
  static constexpr COLORREF kQuadrants[4] = {RGB(200, 30, 30), RGB(30, 200, 30), RGB(30, 30, 200), RGB(220, 200, 40)};

  OutputTestForm();
  // Hidden, not destroyed: other tests' windows must not lie under it.
  ~OutputTestForm() override;

  // The colour the canvas paints at a point of its client area.
  static COLORREF canvasColourAt(int clientX, int clientY);

  void destroyCanvas();

  std::wstring text(ControlId) override { return {}; }
  void setCaption(ControlId, const std::wstring&) override {}
  int left(ControlId) override { return 0; }
  int top(ControlId) override { return 0; }
  void setLeft(ControlId, int) override {}
  void setTop(ControlId, int) override {}
  void setPicture(ControlId id, std::span<const uint8_t> bytes) override;
  void setFont(ControlId, const FontSpec&) override {}
  CommonDialog& commonDialog() override { return dialog_; }
  NativeWindow window(ControlId id) override;
  NativeWindow mainWindow() override { return main_; }

  struct PictureWrite {
    ControlId id;
    std::vector<uint8_t> bytes;
  };
  const std::vector<PictureWrite>& pictureWrites() const { return pictureWrites_; }

 private:
  HWND main_;
  HWND canvas_;
  CommonDialog dialog_;
  std::vector<PictureWrite> pictureWrites_;
};

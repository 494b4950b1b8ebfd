// A static text with an optional background picture and border. Used for the
// caption labels of the input panel and for the certificate canvas.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "ui/caption_text.h"
#include "ui/control.h"
#include "ui/pictures/picture.h"

class Label : public CustomControl {
 public:
  Label(const ControlRow& row, ControlEvents& events);
  ~Label() override;

  bool create(HWND parent) override;
  void setFont(const FontSpec& font) override;

  void setCaption(const std::wstring& caption);
  // A copy of the bytes is kept; decoding waits for the next paint.
  void setPicture(std::span<const uint8_t> bytes);
  const std::vector<uint8_t>& picture() const { return picture_; }
  const StoredFont& storedFont() const { return style_.font; }

 protected:
  LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void paint(HDC dc);
  void drawPicture(HDC dc, const RECT& client, const RECT& clip, HRGN areaToFill);
  void redrawTransparentSiblingsOver(const RECT& clip);

  CaptionStyle style_;
  COLORREF backColour_;
  std::vector<uint8_t> picture_;
  std::unique_ptr<Picture> decoded_;
  int pictureMode_;
};

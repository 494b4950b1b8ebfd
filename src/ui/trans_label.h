// A label that draws only its text, over whatever lies beneath it.
#pragma once

#include "ui/caption_text.h"
#include "ui/control.h"

class TransLabel : public CustomControl {
 public:
  TransLabel(const ControlRow& row, ControlEvents& events);

  bool create(HWND parent) override;
  void setFont(const FontSpec& font) override;
  void setCaption(const std::wstring& caption);
  const StoredFont& storedFont() const { return style_.font; }

 protected:
  LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  CaptionStyle style_;
};

// Fonts of controls: a control stores a LOGFONTW (or none, meaning the stock
// GUI font) and makes a font object from it whenever it draws.
#pragma once

#include <windows.h>

#include <optional>

#include "editing/font_spec.h"
#include "ui/handles.h"
#include "ui/window_template.h"

using StoredFont = std::optional<LOGFONTW>;

// Vertical resolution of a device context of the whole screen, read now.
int screenDpiY();

// The LOGFONTW a control stores for a FontSpec.
LOGFONTW logFontFromSpec(const FontSpec& spec);
// The reverse; a control without a stored font reads as DEFAULT_GUI_FONT.
FontSpec specFromLogFont(const StoredFont& font);

StoredFont storedFontFromTemplate(const TemplateFont& font);

// A drawable font: made from the stored LOGFONTW with charset, precision,
// quality and pitch overridden; the stock GUI font when there is none or the
// font cannot be made.
class ControlFont {
 public:
  explicit ControlFont(const StoredFont& stored);
  HFONT get() const { return owned_ ? owned_.get() : stock_; }

 private:
  handles::UniqueFont owned_;
  HFONT stock_;
};

// Height of the text "吴" in the font, for sizing single-line edit boxes.
int sampleTextHeight(HFONT font);

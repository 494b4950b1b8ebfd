#include "ui/control_font.h"

#include <cwchar>

int screenDpiY() {
  handles::WindowDC screen(nullptr);
  return screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
}

LOGFONTW logFontFromSpec(const FontSpec& font) {
  LOGFONTW lf{};
  lf.lfEscapement = font.angle;
  lf.lfOrientation = font.angle;
  lf.lfWeight = font.bold ? FW_BOLD : 0;
  lf.lfItalic = font.italic ? 1 : 0;
  lf.lfStrikeOut = font.strikeout ? 1 : 0;
  lf.lfUnderline = font.underline ? 1 : 0;
  lf.lfHeight = lfHeightForPoints(font.size, screenDpiY());
  const std::wstring face = faceNameOf(font);
  wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return lf;
}

FontSpec specFromLogFont(const StoredFont& font) {
  LOGFONTW lf{};
  if (font) {
    lf = *font;
  } else {
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
  }
  FontSpec spec;
  spec.angle = lf.lfOrientation;
  spec.bold = lf.lfWeight >= FW_BOLD ? 1 : 0;
  spec.italic = lf.lfItalic ? 1 : 0;
  spec.strikeout = lf.lfStrikeOut ? 1 : 0;
  spec.underline = lf.lfUnderline ? 1 : 0;
  spec.size = pointsForLfHeight(lf.lfHeight, screenDpiY());
  spec.name.assign(lf.lfFaceName, wcsnlen(lf.lfFaceName, LF_FACESIZE));
  return spec;
}

StoredFont storedFontFromTemplate(const TemplateFont& font) {
  if (!font.face) return std::nullopt;
  LOGFONTW lf{};
  lf.lfHeight = -font.pixelHeight;
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = static_cast<BYTE>(font.charSet);
  wcsncpy(lf.lfFaceName, font.face, LF_FACESIZE - 1);
  return lf;
}

ControlFont::ControlFont(const StoredFont& stored)
    : stock_(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))) {
  if (!stored) return;
  LOGFONTW lf = *stored;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = PROOF_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  owned_.reset(CreateFontIndirectW(&lf));
}

int sampleTextHeight(HFONT font) {
  handles::WindowDC screen(nullptr);
  if (!screen) return 0;
  handles::ScopedSelect select(screen.get(), font);
  SIZE size{};
  GetTextExtentPoint32W(screen.get(), L"吴", 1, &size);
  return size.cy;
}

#include "ui/common_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <cwchar>

#include "editing/dialog_filter.h"
#include "editing/font_spec.h"
#include "ui/control_font.h"

namespace {

constexpr size_t kFileNameCapacity = MAX_PATH;  // 260 characters, the last one for the NUL

// The owner is disabled while the dialog is up; afterwards the control that
// had the keyboard focus gets it back.
class ModalScope {
 public:
  explicit ModalScope(HWND owner) : owner_(owner), focus_(GetFocus()) {
    if (owner_) EnableWindow(owner_, FALSE);
  }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;
  ~ModalScope() {
    if (owner_) EnableWindow(owner_, TRUE);
    if (focus_ && IsWindow(focus_)) SetFocus(focus_);
  }

 private:
  HWND owner_;
  HWND focus_;
};

}  // namespace

CommonDialog::CommonDialog(HWND owner) : owner_(owner) {}

void CommonDialog::setFontName(std::wstring name) {
  if (name.size() >= LF_FACESIZE) name.resize(LF_FACESIZE - 1);
  fontName_ = std::move(name);
}

bool CommonDialog::runDialog() {
  switch (kind_) {
    case DialogKind::OpenFile:
    case DialogKind::SaveFile:
      return runFileDialog();
    case DialogKind::Font:
      return runFontDialog();
  }
  return false;
}

DWORD CommonDialog::fileDialogFlags() const {
  DWORD flags = OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLESIZING;
  if (promptCreate_) flags |= OFN_CREATEPROMPT;
  // On Windows this flag makes the save dialog refuse every name that does
  // not exist yet, so no new certificate could be saved; Wine ignores it
  // there. The open dialog keeps it: a photo must be an existing file.
  if (fileMustExist_ && kind_ != DialogKind::SaveFile) flags |= OFN_FILEMUSTEXIST;
  if (promptOverwrite_) flags |= OFN_OVERWRITEPROMPT;
  if (pathMustExist_) flags |= OFN_PATHMUSTEXIST;
  if (keepCurrentDir_) flags |= OFN_NOCHANGEDIR;
  return flags;
}

bool CommonDialog::runFileDialog() {
  const std::wstring filter = toDialogFilter(filter_);

  wchar_t name[kFileNameCapacity] = {};
  const size_t taken = std::min(fileName_.size(), kFileNameCapacity - 1);
  std::copy_n(fileName_.data(), taken, name);

  OPENFILENAMEW request = {};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner_;
  request.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  request.nFilterIndex = filter.empty() ? 0 : static_cast<DWORD>(filterIndex_) + 1;
  request.lpstrFile = name;
  request.nMaxFile = static_cast<DWORD>(kFileNameCapacity);
  request.lpstrTitle = title_.empty() ? nullptr : title_.c_str();
  request.lpstrInitialDir = initialDir_.empty() ? nullptr : initialDir_.c_str();
  request.lpstrDefExt = defaultExt_.empty() ? nullptr : defaultExt_.c_str();
  request.Flags = fileDialogFlags();

  BOOL confirmed;
  {
    ModalScope modal(owner_);
    confirmed = kind_ == DialogKind::OpenFile ? GetOpenFileNameW(&request) : GetSaveFileNameW(&request);
  }
  if (!confirmed) return false;
  fileName_ = name;
  return true;
}

LOGFONTW CommonDialog::initialLogFont() const {
  LOGFONTW font = {};
  if (fontBold_) font.lfWeight = FW_BOLD;
  if (fontItalic_) font.lfItalic = 1;
  if (fontUnderline_) font.lfUnderline = 1;
  if (fontStrikeout_) font.lfStrikeOut = 1;
  std::copy_n(fontName_.data(), std::min(fontName_.size(), size_t{LF_FACESIZE - 1}), font.lfFaceName);
  if (fontSize_ != 0) font.lfHeight = lfHeightForPoints(fontSize_, screenDpiY());
  return font;
}

bool CommonDialog::runFontDialog() {
  LOGFONTW font = initialLogFont();

  CHOOSEFONTW request = {};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner_;
  request.hDC = nullptr;
  request.lpLogFont = &font;
  request.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS | CF_EFFECTS;
  request.rgbColors = fontColor_;

  BOOL confirmed;
  {
    ModalScope modal(owner_);
    confirmed = ChooseFontW(&request);
  }
  if (!confirmed) return false;

  takeChosenFont(font, request.rgbColors);
  return true;
}

void CommonDialog::takeChosenFont(const LOGFONTW& font, COLORREF colour) {
  fontColor_ = colour;
  fontBold_ = font.lfWeight >= FW_BOLD;
  fontItalic_ = font.lfItalic != 0;
  fontStrikeout_ = font.lfStrikeOut != 0;
  fontUnderline_ = font.lfUnderline != 0;
  setFontName(std::wstring(font.lfFaceName, wcsnlen(font.lfFaceName, LF_FACESIZE)));
  setFontSize(pointsForLfHeight(font.lfHeight, screenDpiY()));
}

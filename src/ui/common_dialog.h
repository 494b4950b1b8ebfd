// 通用对话框: the one component through which the handlers ask for a photo
// file, a file name to save the certificate under, and a font. Its settings
// live as long as the main window, so what one use leaves behind (the last
// confirmed path, the last confirmed font) is where the next use starts.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>

enum class DialogKind : int { OpenFile = 0, SaveFile = 1, Font = 2 };

class CommonDialog {
 public:
  explicit CommonDialog(HWND owner);

  // Shows the dialog of the current kind, modal over the owner. True when the
  // user confirmed it; on cancel, close or platform failure nothing changes.
  bool runDialog();

  DialogKind kind() const { return kind_; }
  void setKind(DialogKind kind) { kind_ = kind; }

  // File dialogs.
  const std::wstring& title() const { return title_; }
  void setTitle(std::wstring title) { title_ = std::move(title); }
  const std::wstring& fileName() const { return fileName_; }
  void setFileName(std::wstring name) { fileName_ = std::move(name); }
  const std::wstring& filter() const { return filter_; }
  void setFilter(std::wstring filter) { filter_ = std::move(filter); }
  int filterIndex() const { return filterIndex_; }
  void setFilterIndex(int index) { filterIndex_ = index < 0 ? 0 : index; }
  const std::wstring& initialDir() const { return initialDir_; }
  void setInitialDir(std::wstring dir) { initialDir_ = std::move(dir); }
  const std::wstring& defaultExt() const { return defaultExt_; }
  void setDefaultExt(std::wstring ext) { defaultExt_ = std::move(ext); }
  bool promptCreate() const { return promptCreate_; }
  void setPromptCreate(bool on) { promptCreate_ = on; }
  bool fileMustExist() const { return fileMustExist_; }
  void setFileMustExist(bool on) { fileMustExist_ = on; }
  bool promptOverwrite() const { return promptOverwrite_; }
  void setPromptOverwrite(bool on) { promptOverwrite_ = on; }
  bool pathMustExist() const { return pathMustExist_; }
  void setPathMustExist(bool on) { pathMustExist_ = on; }
  bool keepCurrentDir() const { return keepCurrentDir_; }
  void setKeepCurrentDir(bool on) { keepCurrentDir_ = on; }

  // Font dialog.
  COLORREF fontColor() const { return fontColor_; }
  void setFontColor(COLORREF colour) { fontColor_ = colour; }
  bool fontBold() const { return fontBold_; }
  void setFontBold(bool on) { fontBold_ = on; }
  bool fontItalic() const { return fontItalic_; }
  void setFontItalic(bool on) { fontItalic_ = on; }
  bool fontStrikeout() const { return fontStrikeout_; }
  void setFontStrikeout(bool on) { fontStrikeout_ = on; }
  bool fontUnderline() const { return fontUnderline_; }
  void setFontUnderline(bool on) { fontUnderline_ = on; }
  const std::wstring& fontName() const { return fontName_; }
  void setFontName(std::wstring name);  // cut to the 31 characters a face name can hold
  int fontSize() const { return fontSize_; }  // whole points, 0: none
  void setFontSize(int points) { fontSize_ = points < 0 ? 0 : points; }

  // What runDialog hands to the platform, built from the settings.
  DWORD fileDialogFlags() const;
  LOGFONTW initialLogFont() const;
  // What a confirmed font dialog does with its choice.
  void takeChosenFont(const LOGFONTW& font, COLORREF colour);

 private:
  bool runFileDialog();
  bool runFontDialog();

  HWND owner_;
  DialogKind kind_ = DialogKind::SaveFile;
  std::wstring title_;
  std::wstring fileName_;
  std::wstring filter_ = L"jpg图片|*.jpg";
  int filterIndex_ = 0;
  std::wstring initialDir_;
  std::wstring defaultExt_ = L".jpg";
  bool promptCreate_ = false;
  bool fileMustExist_ = true;
  bool promptOverwrite_ = true;
  bool pathMustExist_ = true;
  bool keepCurrentDir_ = false;
  COLORREF fontColor_ = 0;
  bool fontBold_ = false;
  bool fontItalic_ = false;
  bool fontStrikeout_ = false;
  bool fontUnderline_ = false;
  std::wstring fontName_;
  int fontSize_ = 0;
};

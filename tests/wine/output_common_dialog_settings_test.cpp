// What the common dialog component hands to the platform, built from its
// settings: start values, dialog flags, the font dialog's LOGFONTW and the
// size read back from it.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h, which it needs
#include <commdlg.h>

#include <cstdlib>
#include <cstring>
#include <functional>

#include "ui/common_dialog.h"
#include "ui/control_font.h"

namespace {

TEST(CommonDialogSettingsTest, StartsWithTheLayoutValues) {
  const CommonDialog dialog(nullptr);
  EXPECT_EQ(dialog.kind(), DialogKind::SaveFile);
  EXPECT_EQ(dialog.title(), L"");
  EXPECT_EQ(dialog.fileName(), L"");
  EXPECT_EQ(dialog.filter(), L"jpg图片|*.jpg");
  EXPECT_EQ(dialog.filterIndex(), 0);
  EXPECT_EQ(dialog.initialDir(), L"");
  EXPECT_EQ(dialog.defaultExt(), L".jpg");
  EXPECT_FALSE(dialog.promptCreate());
  EXPECT_TRUE(dialog.fileMustExist());
  EXPECT_TRUE(dialog.promptOverwrite());
  EXPECT_TRUE(dialog.pathMustExist());
  EXPECT_FALSE(dialog.keepCurrentDir());
  EXPECT_EQ(dialog.fontColor(), 0u);
  EXPECT_FALSE(dialog.fontBold() || dialog.fontItalic() || dialog.fontStrikeout() || dialog.fontUnderline());
  EXPECT_EQ(dialog.fontName(), L"");
  EXPECT_EQ(dialog.fontSize(), 0);
}

TEST(CommonDialogSettingsTest, NegativeIndexAndSizeAreStoredAsZero) {
  CommonDialog dialog(nullptr);
  dialog.setFilterIndex(-3);
  dialog.setFontSize(-12);
  EXPECT_EQ(dialog.filterIndex(), 0);
  EXPECT_EQ(dialog.fontSize(), 0);
  dialog.setFilterIndex(2);
  dialog.setFontSize(12);
  EXPECT_EQ(dialog.filterIndex(), 2);
  EXPECT_EQ(dialog.fontSize(), 12);
}

TEST(CommonDialogSettingsTest, FaceNamesAreCutToWhatLogFontHolds) {
  CommonDialog dialog(nullptr);
  dialog.setFontName(std::wstring(40, L'字'));
  EXPECT_EQ(dialog.fontName(), std::wstring(31, L'字'));
}

constexpr DWORD kStyle = OFN_EXPLORER | OFN_ENABLESIZING;

TEST(CommonDialogSettingsTest, LayoutFlagsForBothFileDialogs) {
  CommonDialog dialog(nullptr);
  dialog.setKind(DialogKind::OpenFile);
  EXPECT_EQ(dialog.fileDialogFlags(), 0x1806u | kStyle);
  // A save dialog that insists on existing files could never save a new certificate.
  dialog.setKind(DialogKind::SaveFile);
  EXPECT_EQ(dialog.fileDialogFlags(), (0x1806u & ~static_cast<DWORD>(OFN_FILEMUSTEXIST)) | kStyle);
}

TEST(CommonDialogSettingsTest, EachSettingAddsItsFlag) {
  struct FlagCase {
    const char* setting;
    std::function<void(CommonDialog&, bool)> set;
    DWORD flag;
  };
  const FlagCase cases[] = {
      {"promptCreate", &CommonDialog::setPromptCreate, OFN_CREATEPROMPT},
      {"fileMustExist", &CommonDialog::setFileMustExist, OFN_FILEMUSTEXIST},
      {"promptOverwrite", &CommonDialog::setPromptOverwrite, OFN_OVERWRITEPROMPT},
      {"pathMustExist", &CommonDialog::setPathMustExist, OFN_PATHMUSTEXIST},
      {"keepCurrentDir", &CommonDialog::setKeepCurrentDir, OFN_NOCHANGEDIR},
  };
  for (const FlagCase& c : cases) {
    CommonDialog dialog(nullptr);
    dialog.setKind(DialogKind::OpenFile);
    for (const FlagCase& other : cases) other.set(dialog, false);
    EXPECT_EQ(dialog.fileDialogFlags(), OFN_HIDEREADONLY | kStyle) << c.setting;
    c.set(dialog, true);
    EXPECT_EQ(dialog.fileDialogFlags(), OFN_HIDEREADONLY | kStyle | c.flag) << c.setting;
  }
}

TEST(CommonDialogSettingsTest, FirstFontDialogStartsFromAnAllZeroLogFont) {
  const LOGFONTW font = CommonDialog(nullptr).initialLogFont();
  const LOGFONTW zero = {};
  EXPECT_EQ(std::memcmp(&font, &zero, sizeof font), 0);
}

TEST(CommonDialogSettingsTest, LogFontCarriesTheFontSettings) {
  ASSERT_EQ(screenDpiY(), 96) << "the sizes below are those of a 96-DPI screen";
  CommonDialog dialog(nullptr);
  dialog.setFontName(L"黑体");
  dialog.setFontSize(12);
  dialog.setFontBold(true);
  dialog.setFontItalic(true);
  dialog.setFontUnderline(true);
  dialog.setFontStrikeout(true);
  const LOGFONTW font = dialog.initialLogFont();
  EXPECT_EQ(font.lfHeight, -16);
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_EQ(font.lfItalic, 1);
  EXPECT_EQ(font.lfUnderline, 1);
  EXPECT_EQ(font.lfStrikeOut, 1);
  EXPECT_STREQ(font.lfFaceName, L"黑体");
  EXPECT_EQ(font.lfWidth, 0);
  EXPECT_EQ(font.lfCharSet, 0);
}

TEST(CommonDialogSettingsTest, ChosenFontIsReadBackInWholePoints) {
  ASSERT_EQ(screenDpiY(), 96);
  struct SizeCase {
    LONG height;
    int points;
  };
  // MulDiv rounds: 14 × 72 / 96 = 10.5 becomes 11.
  const SizeCase cases[] = {{-16, 12}, {-14, 11}, {16, 12}, {-13, 10}, {-15, 11}, {0, 0}, {-1, 1}};
  for (const SizeCase& c : cases) {
    CommonDialog dialog(nullptr);
    LOGFONTW font = {};
    font.lfHeight = c.height;
    dialog.takeChosenFont(font, 0);
    EXPECT_EQ(dialog.fontSize(), c.points) << "lfHeight " << c.height;
    EXPECT_EQ(dialog.fontSize(), MulDiv(std::abs(c.height), 72, 96)) << "lfHeight " << c.height;
  }
}

TEST(CommonDialogSettingsTest, ChosenFontSetsEveryFontSetting) {
  CommonDialog dialog(nullptr);
  LOGFONTW font = {};
  font.lfWeight = FW_HEAVY;
  font.lfItalic = 1;
  font.lfStrikeOut = 1;
  font.lfUnderline = 0;
  wcscpy(font.lfFaceName, L"宋体");
  dialog.takeChosenFont(font, RGB(10, 20, 30));
  EXPECT_TRUE(dialog.fontBold());
  EXPECT_TRUE(dialog.fontItalic());
  EXPECT_TRUE(dialog.fontStrikeout());
  EXPECT_FALSE(dialog.fontUnderline());
  EXPECT_EQ(dialog.fontName(), L"宋体");
  EXPECT_EQ(dialog.fontColor(), RGB(10, 20, 30));

  font.lfWeight = FW_SEMIBOLD;  // below 700 is not bold
  dialog.takeChosenFont(font, 0);
  EXPECT_FALSE(dialog.fontBold());
}

}  // namespace

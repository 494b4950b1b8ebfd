// The real font dialog: a confirmed choice is kept, and the next dialog opens
// on it; a cancelled one changes nothing.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "ui/common_dialog.h"
#include "wine/output_dialog_driver.h"
#include "wine/output_test_form.h"

namespace {

namespace dd = dialog_driver;

// The style list's item data holds the weight (low word) and italic (high word).
int boldStyleItem(HWND styles) {
  const auto count = SendMessageW(styles, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const auto data = static_cast<DWORD>(SendMessageW(styles, CB_GETITEMDATA, i, 0));
    if (LOWORD(data) >= FW_BOLD && HIWORD(data) == 0) return static_cast<int>(i);
  }
  return -1;
}

bool selectedStyleIsBold(HWND styles) {
  const auto selected = SendMessageW(styles, CB_GETCURSEL, 0, 0);
  if (selected == CB_ERR) return false;
  const auto data = static_cast<DWORD>(SendMessageW(styles, CB_GETITEMDATA, selected, 0));
  return LOWORD(data) >= FW_BOLD && HIWORD(data) == 0;
}

void pick(HWND dialog, int comboId, int item) {
  HWND combo = GetDlgItem(dialog, comboId);
  SendMessageW(combo, CB_SETCURSEL, item, 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

TEST(FontDialogTest, ConfirmedChoiceIsKeptAndProposedNextTime) {
  OutputTestForm form;
  CommonDialog& dialog = form.commonDialog();
  dialog.setKind(DialogKind::Font);
  std::wstring face;

  bool confirmed = false;
  dd::whileDialogRuns(
      [&](DWORD gui) {
        HWND window = dd::waitForDialog(gui);
        if (!window) return;
        // The last horizontal face: not what the dialog preselects.
        const auto faces = dd::comboItems(GetDlgItem(window, dd::kFontFaceCombo));
        int item = -1;
        for (int i = 0; i < static_cast<int>(faces.size()); ++i) {
          if (!faces[i].starts_with(L"@")) item = i;
        }
        if (item < 0) {
          ADD_FAILURE() << "the font dialog lists no faces";
          return;
        }
        face = faces[item];
        pick(window, dd::kFontFaceCombo, item);
        const int bold = boldStyleItem(GetDlgItem(window, dd::kFontStyleCombo));
        if (bold < 0) {
          ADD_FAILURE() << "no bold style offered";
          return;
        }
        pick(window, dd::kFontStyleCombo, bold);
        HWND size = dd::editInside(GetDlgItem(window, dd::kFontSizeCombo));
        if (!dd::typeInto(window, size, L"12")) {
          ADD_FAILURE() << "typing the size failed";
          return;
        }
        dd::clickButton(window, IDOK);
        dd::waitUntilClosed(window);
      },
      [&] { confirmed = dialog.runDialog(); });

  ASSERT_TRUE(confirmed);
  EXPECT_EQ(dialog.fontName(), face);
  EXPECT_EQ(dialog.fontSize(), 12);
  EXPECT_TRUE(dialog.fontBold());
  EXPECT_FALSE(dialog.fontItalic());

  std::wstring shownFace, shownSize;
  bool shownBold = false;
  bool cancelled = true;
  dd::whileDialogRuns(
      [&](DWORD gui) {
        HWND window = dd::waitForDialog(gui);
        if (!window) return;
        shownFace = dd::windowText(dd::editInside(GetDlgItem(window, dd::kFontFaceCombo)));
        shownSize = dd::windowText(dd::editInside(GetDlgItem(window, dd::kFontSizeCombo)));
        shownBold = selectedStyleIsBold(GetDlgItem(window, dd::kFontStyleCombo));
        // A change made and then cancelled must not stick.
        pick(window, dd::kFontStyleCombo, 0);
        dd::clickButton(window, IDCANCEL);
      },
      [&] { cancelled = !dialog.runDialog(); });

  EXPECT_EQ(shownFace, face);
  EXPECT_EQ(shownSize, L"12");
  EXPECT_TRUE(shownBold);
  EXPECT_TRUE(cancelled);
  EXPECT_EQ(dialog.fontName(), face);
  EXPECT_EQ(dialog.fontSize(), 12);
  EXPECT_TRUE(dialog.fontBold());
}

}  // namespace

// The photo and save dialogs driven for real: keystrokes into the platform's
// file dialogs while the handlers wait inside them.
#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>
// after windows.h, which it needs
#include <commdlg.h>

#include <algorithm>
#include <string>
#include <vector>

#include "editing/bmp_file.h"
#include "editing/certificate_output.h"
#include "editing/photo_loading.h"
#include "editing/save_error_message.h"
#include "editing/system_error_text.h"
#include "wine/output_dialog_driver.h"
#include "wine/output_test_files.h"
#include "wine/output_test_form.h"

namespace {

namespace dd = dialog_driver;

class FileDialogTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { OleInitialize(nullptr); }
  static void TearDownTestSuite() { OleUninitialize(); }

  static bool confirmPath(HWND dialog, const std::wstring& path) {
    if (dd::typePathAndConfirm(dialog, path)) return true;
    ADD_FAILURE() << "could not type " << utf8(path) << " into the file dialog";
    return false;
  }

  // Runs the save handler, typing `path` and answering an overwrite question
  // with yes; returns the text of any box shown after the dialog closed.
  std::wstring generateInto(const std::wstring& path, bool expectOverwriteQuestion = false) {
    std::wstring boxText = L"(none)";
    dd::whileDialogRuns(
        [&](DWORD gui) {
          HWND dialog = dd::waitForDialog(gui);
          if (!dialog) {
            ADD_FAILURE() << "no save dialog";
            return;
          }
          if (!confirmPath(dialog, path)) return;
          if (expectOverwriteQuestion) {
            HWND question = dd::waitForDialog(gui, {dialog});
            if (!question) {
              ADD_FAILURE() << "no overwrite question";
              return;
            }
            dd::clickButton(question, IDYES);
          }
          if (!dd::waitUntilClosed(dialog)) {
            ADD_FAILURE() << "the save dialog stayed open";
            return;
          }
          if (HWND box = dd::waitForDialog(gui, {dialog}, 1500)) {
            boxText = dd::messageText(box);
            boxCaption_ = dd::windowText(box);
            boxOwner_ = GetWindow(box, GW_OWNER);
            dd::pressKey(VK_RETURN);
          }
        },
        [&] { onGenerateButtonClicked(form_); });
    return boxText;
  }

  OutputTestForm form_;
  ScratchFolder folder_;
  std::wstring boxCaption_;
  HWND boxOwner_ = nullptr;
};

TEST_F(FileDialogTest, FirstDialogShowsAnEmptyNameAndOnlyTheJpgFilter) {
  ASSERT_TRUE(writeWholeFile(folder_.file(L"a.jpg"), bytesOf("jpeg")));
  ASSERT_TRUE(writeWholeFile(folder_.file(L"b.png"), bytesOf("png")));
  ASSERT_TRUE(writeWholeFile(folder_.file(L"c.bmp"), bytesOf("bmp")));
  CommonDialog& dialog = form_.commonDialog();
  dialog.setInitialDir(folder_.path());
  dialog.setKind(DialogKind::OpenFile);
  SetFocus(form_.window(ControlId::标签生成));

  std::wstring shownName = L"(not read)";
  std::vector<std::wstring> filters, listed;
  bool ownerEnabledDuring = true;
  dd::whileDialogRuns(
      [&](DWORD gui) {
        HWND window = dd::waitForDialog(gui);
        if (!window) return;
        ownerEnabledDuring = IsWindowEnabled(form_.mainWindow());
        if (HWND edit = dd::fileNameEdit(window)) shownName = dd::windowText(edit);
        filters = dd::comboItems(GetDlgItem(window, dd::kFileTypeCombo));
        for (int waited = 0; waited < 3000 && listed.empty(); waited += 100, Sleep(100)) {
          listed = dd::fileListItems(window);
        }
        dd::clickButton(window, IDCANCEL);
      },
      [&] { EXPECT_FALSE(dialog.runDialog()); });

  EXPECT_EQ(shownName, L"");
  EXPECT_EQ(filters, std::vector<std::wstring>{L"jpg图片"});
  EXPECT_EQ(listed, std::vector<std::wstring>{L"a.jpg"});
  EXPECT_FALSE(ownerEnabledDuring) << "the main window stayed enabled under the dialog";
  EXPECT_TRUE(IsWindowEnabled(form_.mainWindow()));
  EXPECT_EQ(GetFocus(), form_.window(ControlId::标签生成)) << "the focus did not come back";
  EXPECT_EQ(dialog.fileName(), L"");
}

TEST_F(FileDialogTest, TitleFolderAndFilterIndexReachTheDialog) {
  CommonDialog& dialog = form_.commonDialog();
  dialog.setKind(DialogKind::OpenFile);
  dialog.setTitle(L"选择照片");
  dialog.setInitialDir(folder_.path());
  dialog.setFilter(L"jpg图片|*.jpg|bmp图片|*.bmp  ");
  dialog.setFilterIndex(1);

  std::wstring title, selectedFilter, folder;
  std::vector<std::wstring> filters;
  dd::whileDialogRuns(
      [&](DWORD gui) {
        HWND window = dd::waitForDialog(gui);
        if (!window) return;
        title = dd::windowText(window);
        HWND types = GetDlgItem(window, dd::kFileTypeCombo);
        filters = dd::comboItems(types);
        selectedFilter = dd::comboSelection(types);
        wchar_t path[MAX_PATH] = {};
        SendMessageW(window, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(path));
        folder = path;
        dd::clickButton(window, IDCANCEL);
      },
      [&] { EXPECT_FALSE(dialog.runDialog()); });

  EXPECT_EQ(title, L"选择照片");
  EXPECT_EQ(filters, (std::vector<std::wstring>{L"jpg图片", L"bmp图片"}));
  EXPECT_EQ(selectedFilter, L"bmp图片");
  EXPECT_EQ(folder, folder_.path());
}

TEST_F(FileDialogTest, OpenDialogAcceptsOnlyAnExistingFile) {
  const std::wstring photo = folder_.file(L"photo.jpg");
  ASSERT_TRUE(writeWholeFile(photo, bytesOf("jpeg bytes")));
  CommonDialog& dialog = form_.commonDialog();
  dialog.setKind(DialogKind::OpenFile);

  bool refused = false;
  bool confirmed = false;
  dd::whileDialogRuns(
      [&](DWORD gui) {
        HWND window = dd::waitForDialog(gui);
        if (!window || !confirmPath(window, folder_.file(L"nosuch.jpg"))) return;
        HWND complaint = dd::waitForDialog(gui, {window}, 3000);
        refused = complaint != nullptr && IsWindowVisible(window);
        if (complaint) {
          dd::clickButton(complaint, IDOK);
          dd::waitUntilClosed(complaint);
        }
        if (!confirmPath(window, photo)) return;
        dd::waitUntilClosed(window);
      },
      [&] { confirmed = dialog.runDialog(); });

  EXPECT_TRUE(refused) << "a name of no existing file was accepted";
  EXPECT_TRUE(confirmed);
  EXPECT_EQ(dialog.fileName(), photo);
}

TEST_F(FileDialogTest, SaveDialogAddsTheDefaultExtension) {
  CommonDialog& dialog = form_.commonDialog();
  dialog.setKind(DialogKind::SaveFile);
  bool confirmed = false;
  dd::whileDialogRuns(
      [&](DWORD gui) {
        HWND window = dd::waitForDialog(gui);
        if (window && confirmPath(window, folder_.file(L"newcert"))) dd::waitUntilClosed(window);
      },
      [&] { confirmed = dialog.runDialog(); });
  EXPECT_TRUE(confirmed);
  EXPECT_EQ(dialog.fileName(), folder_.file(L"newcert.jpg"));
}

TEST_F(FileDialogTest, PhotoPathIsProposedForSavingAndCancelKeepsIt) {
  const std::wstring photo = folder_.file(L"我的照片.jpg");
  const std::vector<uint8_t> photoBytes = bytesOf("\xFF\xD8\xFF\xE0 not really a jpeg");
  ASSERT_TRUE(writeWholeFile(photo, photoBytes));

  dd::whileDialogRuns(
      [&](DWORD gui) {
        HWND window = dd::waitForDialog(gui);
        if (window && confirmPath(window, photo)) dd::waitUntilClosed(window);
      },
      [&] { onPhotoPressed(form_, 10, 20, MK_LBUTTON); });
  ASSERT_EQ(form_.pictureWrites().size(), 1u);
  EXPECT_EQ(form_.pictureWrites()[0].id, ControlId::图片框1);
  EXPECT_EQ(form_.pictureWrites()[0].bytes, photoBytes);

  std::wstring proposed, shownName;
  bool askedToOverwrite = false;
  dd::whileDialogRuns(
      [&](DWORD gui) {
        HWND window = dd::waitForDialog(gui);
        if (!window) return;
        proposed = dd::proposedPath(window);
        if (HWND edit = dd::fileNameEdit(window)) shownName = dd::windowText(edit);
        dd::clickButton(window, IDOK);
        HWND question = dd::waitForDialog(gui, {window}, 3000);
        askedToOverwrite = question != nullptr;
        if (question) {
          dd::clickButton(question, IDNO);
          dd::waitUntilClosed(question);
        }
        dd::clickButton(window, IDCANCEL);
      },
      [&] { onGenerateButtonClicked(form_); });

  EXPECT_EQ(proposed, photo);
  EXPECT_EQ(shownName, L"我的照片.jpg");
  EXPECT_TRUE(askedToOverwrite);
  EXPECT_EQ(form_.commonDialog().fileName(), photo);
  EXPECT_EQ(contentOf(photo), photoBytes);
}

TEST_F(FileDialogTest, CancelledPhotoDialogLeavesThePhoto) {
  dd::whileDialogRuns(
      [&](DWORD gui) {
        if (HWND window = dd::waitForDialog(gui)) dd::clickButton(window, IDCANCEL);
      },
      [&] { onPhotoPressed(form_, 0, 0, 0); });
  EXPECT_TRUE(form_.pictureWrites().empty());
}

TEST_F(FileDialogTest, SavedFileIsTheCanvasWhateverTheExtension) {
  const std::wstring names[] = {L"cert", L"cert.png", L"cert.bmp"};
  std::vector<std::vector<uint8_t>> saved;
  for (const std::wstring& name : names) {
    EXPECT_EQ(generateInto(folder_.file(name)), L"(none)") << "a successful save showed a box";
    const std::wstring written = form_.commonDialog().fileName();
    saved.push_back(contentOf(written));
  }
  EXPECT_EQ(form_.commonDialog().fileName(), folder_.file(L"cert.bmp"));
  EXPECT_TRUE(fileExists(folder_.file(L"cert.jpg")));
  EXPECT_EQ(folderSnapshot(folder_.path()).size(), 3u);

  const std::vector<uint8_t>& file = saved[0];
  ASSERT_EQ(file.size(), 513990u);
  EXPECT_EQ(saved[1], file);
  EXPECT_EQ(saved[2], file);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');

  const int w = OutputTestForm::kCanvasWidth, h = OutputTestForm::kCanvasHeight;
  auto pixelAt = [&](int x, int y) {
    const size_t at = bmpPixelOffset(w, h, x, y);
    return RGB(file[at + 2], file[at + 1], file[at]);
  };
  struct Sample {
    int x, y;
  };
  // Window coordinates inside the border, near each corner and edge of the quadrants.
  const Sample inside[] = {{1, 1}, {255, 1}, {257, 1}, {513, 1}, {1, 164}, {1, 166}, {1, 330}, {513, 330}, {300, 200}};
  for (const Sample& s : inside) {
    EXPECT_EQ(pixelAt(s.x, s.y), OutputTestForm::canvasColourAt(s.x - 1, s.y - 1)) << s.x << "," << s.y;
  }
  const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
  const Sample border[] = {{0, 0}, {0, 200}, {514, 100}, {200, 0}, {200, 331}};
  for (const Sample& s : border) EXPECT_EQ(pixelAt(s.x, s.y), frame) << "border at " << s.x << "," << s.y;

  std::wstring proposed;
  dd::whileDialogRuns(
      [&](DWORD gui) {
        HWND window = dd::waitForDialog(gui);
        if (!window) return;
        proposed = dd::proposedPath(window);
        dd::clickButton(window, IDCANCEL);
      },
      [&] { onPhotoPressed(form_, 0, 0, 0); });
  EXPECT_EQ(proposed, folder_.file(L"cert.bmp"));
}

TEST_F(FileDialogTest, FailedSaveIsReportedAndKeepsTheOldFile) {
  const std::wstring target = folder_.file(L"old.jpg");
  const std::vector<uint8_t> old = bytesOf("the certificate saved last time");
  ASSERT_TRUE(writeWholeFile(target, old));
  ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));

  const std::wstring text = generateInto(target, true);

  EXPECT_EQ(text, saveErrorMessage(target, systemErrorText(ERROR_ACCESS_DENIED))) << utf8(text);
  EXPECT_EQ(boxCaption_, L"错误");
  EXPECT_EQ(boxOwner_, form_.mainWindow());
  EXPECT_EQ(contentOf(target), old);
  EXPECT_EQ(folderSnapshot(folder_.path()).size(), 1u);
  SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FileDialogTest, EmptyCaptureWritesNothingAndIsReported) {
  form_.destroyCanvas();
  const std::wstring target = folder_.file(L"cert");

  const std::wstring text = generateInto(target);

  EXPECT_EQ(text, saveErrorMessage(target + L".jpg", kEmptyCaptureReason)) << utf8(text);
  EXPECT_EQ(boxCaption_, L"错误");
  EXPECT_TRUE(folderSnapshot(folder_.path()).empty());
}

}  // namespace

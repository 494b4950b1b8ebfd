// Loading a photo and saving the certificate in the real program: real
// clicks on the photo and on "生成", keystrokes into the real dialogs, and
// the saved file compared with what the screen shows.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "host/pictures_fixtures.h"
#include "support/app_session.h"
#include "wine/output_dialog_driver.h"
#include "wine/output_test_files.h"

using namespace e2e;

namespace {

namespace dd = dialog_driver;
using fixtures::Bytes;
using fixtures::Rgb;

constexpr int kGenerateButton = 6;
constexpr int kPhotoBox = 23;
constexpr int kCanvas = 24;

std::wstring fileNameOf(const std::wstring& path) { return path.substr(path.find_last_of(L'\\') + 1); }

Bytes solidJpeg(Rgb colour, fixtures::JpegColour kind = fixtures::JpegColour::Rgb) {
  return fixtures::makeJpeg(40, 50, [=](int, int) { return colour; }, kind);
}

Bytes solidBmp(Rgb colour, int bitCount = 24, uint32_t compression = 0) {
  fixtures::BmpSpec spec;
  spec.width = 8;
  spec.height = 8;
  spec.bitCount = bitCount;
  spec.compression = compression;
  if (bitCount <= 8) {
    spec.palette = {colour, colour};
    spec.indices = fixtures::filled(64, 0);
  } else {
    spec.pixels.assign(64, colour);
  }
  return fixtures::makeBmp(spec);
}

bool closeTo(uint32_t pixel, Rgb expected, int tolerance) {
  const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
  return std::abs(r - expected.r) <= tolerance && std::abs(g - expected.g) <= tolerance &&
         std::abs(b - expected.b) <= tolerance;
}

uint32_t buttonFace() {
  const COLORREF c = GetSysColor(COLOR_BTNFACE);
  return (static_cast<uint32_t>(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

uint32_t field(const std::vector<uint8_t>& file, size_t offset, int bytes) {
  uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | file.at(offset + i);
  return value;
}

class OutputE2eTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(app.started()) << "the program did not open its window"; }
  void TearDown() override { dd::cancelRemainingDialogs(app.thread()); }

  HWND openPhotoDialog() {
    app.activate();
    clickAt(app.screenPoint(app.control(kPhotoBox), 38, 46));
    return dd::waitForDialog(app.thread(), {}, 5000);
  }

  HWND openSaveDialog() {
    app.activate();
    clickAt(app.screenPoint(app.control(kGenerateButton), 20, 10));
    return dd::waitForDialog(app.thread(), {}, 5000);
  }

  bool confirm(HWND dialog, const std::wstring& path) {
    if (dd::typePathAndConfirm(dialog, path)) return true;
    ADD_FAILURE() << "could not type " << utf8(path) << " into the file dialog";
    return false;
  }

  bool loadPhoto(const std::wstring& path) {
    HWND dialog = openPhotoDialog();
    if (!dialog) {
      ADD_FAILURE() << "no open dialog after a click on the photo";
      return false;
    }
    if (!confirm(dialog, path) || !dd::waitUntilClosed(dialog)) return false;
    app.settle(std::chrono::milliseconds(300));
    return true;
  }

  Capture photoOnScreen() { return captureScreen(windowRect(app.control(kPhotoBox))); }

  // Saves through "生成"; answers an overwrite question with yes. Returns
  // the text of a box that followed, "(none)" when none did.
  std::wstring saveAs(const std::wstring& path, bool expectQuestion = false) {
    HWND dialog = openSaveDialog();
    if (!dialog) {
      ADD_FAILURE() << "no save dialog after a click on 生成";
      return L"(no dialog)";
    }
    if (!confirm(dialog, path)) return L"(not typed)";
    if (expectQuestion) {
      HWND question = dd::waitForDialog(app.thread(), {dialog}, 5000);
      if (!question) {
        ADD_FAILURE() << "no overwrite question";
        return L"(no question)";
      }
      dd::clickButton(question, IDYES);
    }
    if (!dd::waitUntilClosed(dialog)) return L"(dialog stayed)";
    std::wstring text = L"(none)";
    if (HWND box = dd::waitForDialog(app.thread(), {dialog}, 1500)) {
      text = dd::messageText(box);
      boxCaption = dd::windowText(box);
      boxOwner = GetWindow(box, GW_OWNER);
      dd::clickButton(box, IDOK);
      dd::waitUntilClosed(box);
    }
    app.settle();
    return text;
  }

  AppSession app;
  ScratchFolder folder;
  std::wstring boxCaption;
  HWND boxOwner = nullptr;
};

// ---- photo loading ----

enum class Shows { Colour, Grey, Nothing };

struct PhotoCase {
  const char* name;
  const wchar_t* fileName;
  std::function<Bytes()> bytes;
  Shows shows;
  Rgb colour;
};

const PhotoCase kPhotoCases[] = {
    {"Jpeg", L"photo.jpg", [] { return solidJpeg({200, 40, 40}); }, Shows::Colour, {200, 40, 40}},
    {"GreyJpeg", L"grey.jpg", [] { return solidJpeg({0, 128, 0}, fixtures::JpegColour::Grey); }, Shows::Grey, {128, 128, 128}},
    {"Png", L"photo.png", [] { return Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13}; }, Shows::Nothing, {}},
    {"ZeroBytes", L"empty.jpg", [] { return Bytes{}; }, Shows::Nothing, {}},
    {"FiveBytes", L"short.bmp", [] { return Bytes{'B', 'M', 1, 2, 3}; }, Shows::Nothing, {}},
    {"RunLengthBmp", L"rle.bmp", [] { return solidBmp({10, 200, 10}, 8, 1); }, Shows::Nothing, {}},
    {"SixteenBitBmp", L"16.bmp", [] { return solidBmp({10, 200, 10}, 16); }, Shows::Nothing, {}},
    {"JpegNamedBmp", L"really-a-jpeg.bmp", [] { return solidJpeg({40, 40, 210}); }, Shows::Colour, {40, 40, 210}},
    {"BmpNamedJpg", L"really-a-bmp.jpg", [] { return solidBmp({30, 160, 220}); }, Shows::Colour, {30, 160, 220}},
    {"IconWith48PixelImageOnly", L"only48.ico",
     [] { return fixtures::makeIconFile(1, {{48, 0, fixtures::iconBitmap(48, {20, 180, 90})}}); }, Shows::Colour,
     {20, 180, 90}},
};

class PhotoLoadingTest : public OutputE2eTest, public testing::WithParamInterface<PhotoCase> {};

TEST_P(PhotoLoadingTest, ShowsWhatTheBytesHold) {
  const PhotoCase& c = GetParam();
  const std::wstring path = folder.file(c.fileName);
  ASSERT_TRUE(writeWholeFile(path, c.bytes()));
  ASSERT_TRUE(loadPhoto(path));

  const Capture box = photoOnScreen();
  ASSERT_EQ(box.width, 76);
  ASSERT_EQ(box.height, 93);
  const uint32_t centre = box.at(38, 46);
  switch (c.shows) {
    case Shows::Colour:
    case Shows::Grey: {
      // Stretched over the whole box: the middle and points near every edge.
      const POINT points[] = {{38, 46}, {3, 3}, {72, 3}, {3, 89}, {72, 89}};
      const int tolerance = c.shows == Shows::Grey ? 4 : 10;
      for (const POINT& p : points) {
        if (std::string(c.name).starts_with("Icon") && !(p.x == 38 && p.y == 46)) continue;
        EXPECT_TRUE(closeTo(box.at(p.x, p.y), c.colour, tolerance)) << std::hex << box.at(p.x, p.y) << " at " << p.x << "," << p.y;
      }
      if (c.shows == Shows::Grey) {
        EXPECT_EQ((centre >> 16) & 0xFF, centre & 0xFF);
        EXPECT_EQ((centre >> 8) & 0xFF, centre & 0xFF);
      }
      break;
    }
    case Shows::Nothing:
      for (uint32_t pixel : box.pixels) ASSERT_EQ(pixel, buttonFace()) << "the box is not empty";
      break;
  }
  EXPECT_TRUE(app.running());
}

INSTANTIATE_TEST_SUITE_P(Files, PhotoLoadingTest, testing::ValuesIn(kPhotoCases),
                         [](const testing::TestParamInfo<PhotoCase>& info) { return std::string(info.param.name); });

TEST_F(OutputE2eTest, FirstPhotoDialogShowsAnEmptyNameTheJpgFilterAndWantsAnExistingFile) {
  const Capture before = photoOnScreen();
  HWND dialog = openPhotoDialog();
  ASSERT_TRUE(dialog) << "no open dialog after a click on the photo";
  HWND edit = dd::waitForFileNameEdit(dialog);
  ASSERT_TRUE(edit);
  EXPECT_EQ(dd::windowText(edit), L"");
  EXPECT_EQ(dd::comboItems(GetDlgItem(dialog, dd::kFileTypeCombo)), std::vector<std::wstring>{L"jpg图片"});
  EXPECT_FALSE(IsWindowEnabled(app.main())) << "the main window stays usable under the dialog";

  ASSERT_TRUE(confirm(dialog, folder.file(L"nosuch.jpg")));
  HWND complaint = dd::waitForDialog(app.thread(), {dialog}, 3000);
  EXPECT_TRUE(complaint) << "a name of no existing file was accepted";
  if (complaint) {
    dd::clickButton(complaint, IDOK);
    dd::waitUntilClosed(complaint);
  }
  EXPECT_TRUE(IsWindow(dialog));
  dd::clickButton(dialog, IDCANCEL);
  ASSERT_TRUE(dd::waitUntilClosed(dialog));
  app.settle(std::chrono::milliseconds(200));

  EXPECT_TRUE(IsWindowEnabled(app.main()));
  EXPECT_EQ(photoOnScreen().pixels, before.pixels) << "a cancelled dialog changed the photo";
}

TEST_F(OutputE2eTest, RightButtonOnThePhotoOpensNothing) {
  const Capture before = photoOnScreen();
  app.activate();
  clickAt(app.screenPoint(app.control(kPhotoBox), 38, 46), true);
  EXPECT_EQ(dd::waitForDialog(app.thread(), {}, 1500), nullptr);
  EXPECT_EQ(photoOnScreen().pixels, before.pixels);
}

TEST_F(OutputE2eTest, SameFileTwiceGivesTheSamePicture) {
  const std::wstring path = folder.file(L"gradient.jpg");
  ASSERT_TRUE(writeWholeFile(path, fixtures::makeJpeg(60, 80, [](int x, int y) {
    return Rgb{static_cast<uint8_t>(x * 4), static_cast<uint8_t>(y * 3), 90};
  })));
  ASSERT_TRUE(loadPhoto(path));
  const Capture first = photoOnScreen();
  ASSERT_TRUE(loadPhoto(path));
  const Capture second = photoOnScreen();
  EXPECT_EQ(first.pixels, second.pixels);
  EXPECT_NE(first.at(5, 5), first.at(70, 88)) << "the gradient did not show";
}

TEST_F(OutputE2eTest, FileHeldOpenForWritingEmptiesTheBox) {
  const std::wstring path = folder.file(L"busy.jpg");
  ASSERT_TRUE(writeWholeFile(path, solidJpeg({200, 40, 40})));
  HANDLE writer = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  const bool loaded = loadPhoto(path);
  const Capture box = photoOnScreen();
  CloseHandle(writer);
  ASSERT_TRUE(loaded);
  for (uint32_t pixel : box.pixels) ASSERT_EQ(pixel, buttonFace());
}

TEST_F(OutputE2eTest, GifPhotoAnimates) {
  const std::vector<Rgb> table = {{230, 20, 20}, {20, 20, 230}};
  std::vector<fixtures::GifFrameSpec> frames(2);
  for (int i = 0; i < 2; ++i) {
    frames[i].width = 8;
    frames[i].height = 8;
    frames[i].indices = fixtures::filled(64, i);
    frames[i].delay = 10;  // 100 ms
  }
  const std::wstring path = folder.file(L"blink.gif");
  ASSERT_TRUE(writeWholeFile(path, fixtures::makeGif(8, 8, table, frames)));
  ASSERT_TRUE(loadPhoto(path));

  bool sawRed = false, sawBlue = false;
  for (int i = 0; i < 60 && !(sawRed && sawBlue); ++i) {
    const RECT r = windowRect(app.control(kPhotoBox));
    const uint32_t pixel = captureScreen({r.left + 38, r.top + 46, r.left + 39, r.top + 47}).at(0, 0);
    sawRed = sawRed || closeTo(pixel, table[0], 4);
    sawBlue = sawBlue || closeTo(pixel, table[1], 4);
    Sleep(30);
  }
  EXPECT_TRUE(sawRed && sawBlue) << "red " << sawRed << ", blue " << sawBlue;
}

// ---- saving the certificate ----

TEST_F(OutputE2eTest, SavedFileIsTheCanvasOnScreen) {
  const std::wstring photo = folder.file(L"me.jpg");
  ASSERT_TRUE(writeWholeFile(photo, solidJpeg({200, 40, 40})));
  ASSERT_TRUE(loadPhoto(photo));

  // The photo's path is proposed, and confirming it asks before overwriting.
  HWND dialog = openSaveDialog();
  ASSERT_TRUE(dialog);
  HWND edit = dd::waitForFileNameEdit(dialog);
  ASSERT_TRUE(edit);
  EXPECT_EQ(dd::windowText(edit), fileNameOf(photo));
  dd::clickButton(dialog, IDOK);
  HWND question = dd::waitForDialog(app.thread(), {dialog}, 3000);
  ASSERT_TRUE(question) << "saving over the photo did not ask";
  dd::clickButton(question, IDNO);
  dd::waitUntilClosed(question);
  dd::clickButton(dialog, IDCANCEL);
  ASSERT_TRUE(dd::waitUntilClosed(dialog));
  app.settle(std::chrono::milliseconds(200));

  // Cancelling kept the photo's path; now save under a name without extension.
  dialog = openSaveDialog();
  ASSERT_TRUE(dialog);
  edit = dd::waitForFileNameEdit(dialog);
  EXPECT_EQ(dd::windowText(edit), fileNameOf(photo));
  dd::clickButton(dialog, IDCANCEL);
  ASSERT_TRUE(dd::waitUntilClosed(dialog));
  ASSERT_EQ(saveAs(folder.file(L"证书")), L"(none)") << "a successful save showed a box";
  app.settle(std::chrono::milliseconds(300));

  const std::vector<uint8_t> file = contentOf(folder.file(L"证书.jpg"));
  ASSERT_EQ(file.size(), 513990u);
  struct Field {
    const char* name;
    size_t offset;
    int bytes;
    uint32_t value;
  };
  const Field header[] = {{"bfType", 0, 2, 0x4D42},    {"bfSize", 2, 4, 513990},    {"bfReserved", 6, 4, 0},
                          {"bfOffBits", 10, 4, 54},     {"biSize", 14, 4, 40},       {"biWidth", 18, 4, 515},
                          {"biHeight", 22, 4, 332},     {"biPlanes", 26, 2, 1},      {"biBitCount", 28, 2, 24},
                          {"biCompression", 30, 4, 0},  {"biSizeImage", 34, 4, 513936}, {"biXPelsPerMeter", 38, 4, 0},
                          {"biYPelsPerMeter", 42, 4, 0}, {"biClrUsed", 46, 4, 0},    {"biClrImportant", 50, 4, 0}};
  for (const Field& f : header) EXPECT_EQ(field(file, f.offset, f.bytes), f.value) << f.name;

  // Pixel for pixel what the screen shows, the first row in the file being
  // the bottom one; the four top rows lie under the title bar and are the
  // platform's to fill.
  const Capture screen = captureScreen(windowRect(app.control(kCanvas)));
  ASSERT_EQ(screen.width, 515);
  ASSERT_EQ(screen.height, 332);
  int differing = 0;
  for (int y = 4; y < 332; ++y) {
    for (int x = 0; x < 515; ++x) {
      const size_t at = 54 + static_cast<size_t>(331 - y) * 1548 + 3 * static_cast<size_t>(x);
      const uint32_t saved = (file[at + 2] << 16) | (file[at + 1] << 8) | file[at];
      if (saved != screen.at(x, y) && differing++ < 5) {
        ADD_FAILURE() << "pixel " << x << "," << y << ": file " << std::hex << saved << ", screen " << screen.at(x, y);
      }
    }
  }
  EXPECT_EQ(differing, 0);

  // The photo lies at its place in the file: the box's middle, in canvas coordinates.
  const RECT canvasRect = windowRect(app.control(kCanvas));
  const RECT photoRect = windowRect(app.control(kPhotoBox));
  const int px = photoRect.left - canvasRect.left + 38, py = photoRect.top - canvasRect.top + 46;
  const size_t at = 54 + static_cast<size_t>(331 - py) * 1548 + 3 * static_cast<size_t>(px);
  EXPECT_TRUE(closeTo((file[at + 2] << 16) | (file[at + 1] << 8) | file[at], {200, 40, 40}, 10));

  // Other extensions get the same BMP bytes.
  for (const wchar_t* name : {L"证书.png", L"证书.bmp"}) {
    ASSERT_EQ(saveAs(folder.file(name)), L"(none)");
    EXPECT_EQ(contentOf(folder.file(name)), file) << utf8(name);
  }

  // The photo dialog now proposes the file saved last.
  dialog = openPhotoDialog();
  ASSERT_TRUE(dialog);
  edit = dd::waitForFileNameEdit(dialog);
  EXPECT_EQ(dd::windowText(edit), L"证书.bmp");
  dd::clickButton(dialog, IDCANCEL);
  dd::waitUntilClosed(dialog);
}

struct FailedSaveCase {
  const char* name;
  bool readOnly;  // the target has the read-only attribute
  bool heldOpen;  // this process holds the target open without sharing
};

const std::vector<uint8_t> kOldCertificate = bytesOf("the certificate saved last time");

const FailedSaveCase kFailedSaves[] = {
    {"ReadOnlyTarget", true, false},
    {"TargetHeldOpenByAnotherProgram", false, true},
};

class FailedSaveTest : public OutputE2eTest, public testing::WithParamInterface<FailedSaveCase> {};

TEST_P(FailedSaveTest, OldFileKeptAndTheReasonShown) {
  const std::wstring target = folder.file(L"old.jpg");
  ASSERT_TRUE(writeWholeFile(target, kOldCertificate));
  const auto before = folderSnapshot(folder.path());
  if (GetParam().readOnly) ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
  HANDLE holder = INVALID_HANDLE_VALUE;
  if (GetParam().heldOpen) {
    holder = CreateFileW(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  }

  const std::wstring text = saveAs(target, true);
  if (holder != INVALID_HANDLE_VALUE) CloseHandle(holder);

  EXPECT_TRUE(text.starts_with(L"证件图片没有保存。")) << utf8(text);
  EXPECT_NE(text.find(target), std::wstring::npos) << utf8(text);
  EXPECT_NE(text.find(L"原因："), std::wstring::npos) << utf8(text);
  EXPECT_EQ(boxCaption, L"错误");
  EXPECT_EQ(boxOwner, app.main());
  EXPECT_EQ(folderSnapshot(folder.path()), before) << "the folder changed";
  EXPECT_TRUE(app.running());
  SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);

  // The program goes on working: the next save succeeds.
  EXPECT_EQ(saveAs(folder.file(L"next.jpg")), L"(none)");
  EXPECT_EQ(contentOf(folder.file(L"next.jpg")).size(), 513990u);
}

INSTANTIATE_TEST_SUITE_P(Cases, FailedSaveTest, testing::ValuesIn(kFailedSaves),
                         [](const testing::TestParamInfo<FailedSaveCase>& info) { return std::string(info.param.name); });

// A filesystem too small for a certificate, prepared by scripts/test-output-drives.
TEST_F(OutputE2eTest, FullDiskKeepsTheOldFileAndSaysSo) {
  const wchar_t* small = _wgetenv(L"JOKECERT_TEST_FULL_DIR");
  if (!small) GTEST_SKIP() << "JOKECERT_TEST_FULL_DIR is not set (scripts/test-output-drives sets it)";
  ScratchFolder full(small);
  const std::wstring target = full.file(L"old.jpg");
  ASSERT_TRUE(writeWholeFile(target, kOldCertificate));
  const auto before = folderSnapshot(full.path());

  const std::wstring text = saveAs(target, true);

  EXPECT_TRUE(text.starts_with(L"证件图片没有保存。")) << utf8(text);
  EXPECT_NE(text.find(target), std::wstring::npos) << utf8(text);
  EXPECT_EQ(folderSnapshot(full.path()), before);
  EXPECT_TRUE(app.running());
}

}  // namespace

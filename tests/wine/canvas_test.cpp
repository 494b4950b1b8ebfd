// The certificate canvas as it appears on screen: real pixels read back from
// the screen under Wine, compared with the decoded pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <vector>

#include "assets/embedded_pictures.h"
#include "ui/pictures/decoded_picture.h"
#include "ui/label.h"
#include "window_fixture.h"

namespace {

using C = ControlId;

struct Screen {
  int width = 0, height = 0;
  std::vector<COLORREF> pixels;  // client area of the main window, COLORREF layout
  COLORREF at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The main window's client area as the screen shows it now.
Screen captureClient(HWND main) {
  RECT client{};
  GetClientRect(main, &client);
  POINT origin{0, 0};
  ClientToScreen(main, &origin);
  Screen s;
  s.width = client.right;
  s.height = client.bottom;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = s.width;
  bi.bmiHeader.biHeight = -s.height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, dib);
  BitBlt(mem, 0, 0, s.width, s.height, screen, origin.x, origin.y, SRCCOPY);
  GdiFlush();
  const auto* p = static_cast<const uint32_t*>(bits);
  s.pixels.resize(static_cast<size_t>(s.width) * s.height);
  for (size_t i = 0; i < s.pixels.size(); ++i) s.pixels[i] = RGB((p[i] >> 16) & 0xFF, (p[i] >> 8) & 0xFF, p[i] & 0xFF);
  SelectObject(mem, old);
  DeleteObject(dib);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return s;
}

COLORREF templatePixel(const pictures::BgrImage& img, int x, int y) {
  const uint8_t* p = img.row(y) + static_cast<size_t>(x) * 3;
  return RGB(p[2], p[1], p[0]);
}

pictures::BgrImage decodedTemplate(assets::PictureId id) {
  auto data = pictures::decodePictureData(assets::pictureBytes(id));
  EXPECT_TRUE(data);
  return std::get<pictures::BgrImage>(data->image);
}

class Canvas : public testing::Test {
 protected:
  void SetUp() override {
    live = std::make_unique<wintest::LiveWindow>(programEventBindings());
    ASSERT_TRUE(live->hwnd());
    live->pump(std::chrono::milliseconds(300));
  }
  void TearDown() override { live.reset(); }

  Form& form() { return live->window(); }
  RECT rectOf(C id) {
    RECT r{};
    GetWindowRect(live->control(id), &r);
    MapWindowPoints(nullptr, live->hwnd(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  bool insideAnyOverlay(int x, int y) {
    for (C id : {C::标签10, C::标签11, C::标签12, C::标签13, C::透明标签1, C::透明标签2, C::图片框1}) {
      const RECT r = rectOf(id);
      if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
    }
    return false;
  }
  // Pixels of the template outside the overlays that differ on screen.
  int templateMismatches(const Screen& s, const pictures::BgrImage& img) {
    int bad = 0;
    for (int py = 0; py < img.height; ++py)
      for (int px = 0; px < img.width; ++px) {
        const int x = px + 12, y = py + 4;
        if (insideAnyOverlay(x, y)) continue;
        if (s.at(x, y) != templatePixel(img, px, py)) ++bad;
      }
    return bad;
  }
  void settle() { live->pump(std::chrono::milliseconds(150)); }

  std::unique_ptr<wintest::LiveWindow> live;
};

TEST_F(Canvas, TemplateIsShownUnscaledAtTwelveFourInsideWhiteMarginsAndABorder) {
  const Screen s = captureClient(live->hwnd());
  const auto img = decodedTemplate(assets::PictureId::Template01);
  ASSERT_EQ(img.width, 500);
  ASSERT_EQ(img.height, 316);
  EXPECT_EQ(templateMismatches(s, img), 0);

  const COLORREF white = RGB(255, 255, 255);
  for (int y = 0; y < 327; ++y) {
    for (int x = 6; x < 12; ++x) EXPECT_EQ(s.at(x, y), white) << x << "," << y;     // 6 on the left
    for (int x = 512; x < 519; ++x) EXPECT_EQ(s.at(x, y), white) << x << "," << y;  // 7 on the right
  }
  for (int y = 320; y < 327; ++y)  // 7 at the bottom
    for (int x = 6; x < 519; ++x) EXPECT_EQ(s.at(x, y), white) << x << "," << y;
  // The one-pixel border: left column 5, right column 519, bottom row 327.
  const COLORREF frame = s.at(5, 100);
  EXPECT_NE(frame, white);
  for (int y = 0; y < 328; ++y) {
    EXPECT_EQ(s.at(5, y), frame) << y;
    EXPECT_EQ(s.at(519, y), frame) << y;
  }
  for (int x = 5; x < 520; ++x) EXPECT_EQ(s.at(x, 327), frame) << x;
  EXPECT_NE(s.at(4, 100), frame) << "nothing of the canvas left of its border";
}

TEST_F(Canvas, DefaultPhotoFillsThePictureBoxStretched) {
  const Screen s = captureClient(live->hwnd());
  const RECT r = rectOf(C::图片框1);
  EXPECT_EQ(r.right - r.left, 76);
  EXPECT_EQ(r.bottom - r.top, 93);
  auto photo = pictures::decodePictureData(assets::defaultPhoto());
  ASSERT_TRUE(photo);
  const auto& img = std::get<pictures::BgrImage>(photo->image);
  ASSERT_EQ(img.width, 79);
  ASSERT_EQ(img.height, 90);
  // Every pixel of the box comes from the photo: nothing of the button-face background shows,
  // and the centre of the box shows the photo's light-grey tile.
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  int background = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (s.at(x, y) == face && face != templatePixel(img, (x - r.left) * 79 / 76, (y - r.top) * 90 / 93)) ++background;
  EXPECT_EQ(background, 0);
  const COLORREF tile = templatePixel(img, 5, 5);
  EXPECT_EQ(s.at(r.left + 5, r.top + 5), tile);
  EXPECT_EQ(s.at(r.right - 7, r.bottom - 6), templatePixel(img, 72, 84));
}

int countColour(const Screen& s, const RECT& r, const std::function<bool(COLORREF)>& match) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (match(s.at(x, y))) ++n;
  return n;
}

bool dark(COLORREF c) { return GetRValue(c) < 110 && GetGValue(c) < 110 && GetBValue(c) < 110; }
bool reddish(COLORREF c) { return GetRValue(c) > 150 && GetGValue(c) < 110 && GetBValue(c) < 110; }
bool white(COLORREF c) { return c == RGB(255, 255, 255); }

TEST_F(Canvas, LabelsPaintWhiteWithTheirTextAndTheNameInTheWordingIsRed) {
  const Screen s = captureClient(live->hwnd());
  for (C id : {C::标签10, C::标签11, C::标签12, C::标签13}) {
    const RECT r = rectOf(id);
    const int area = (r.right - r.left) * (r.bottom - r.top);
    const int whites = countColour(s, r, white);
    EXPECT_GT(whites, area / 2) << rowOf(id);
    EXPECT_LT(whites, area) << "label " << rowOf(id) << " shows no text";
  }
  EXPECT_GT(countColour(s, rectOf(C::标签13), reddish), 5);
  EXPECT_EQ(countColour(s, rectOf(C::标签13), dark), 0);
  EXPECT_EQ(countColour(s, rectOf(C::标签10), reddish), 0);
  EXPECT_EQ(form().text(C::编辑框1), L"");
  EXPECT_EQ(form().text(C::组合框证件类型), L"光棍证");
  EXPECT_EQ(wintest::LiveWindow::captionOf(live->control(C::标签10)), L"Quenvar");
}

TEST_F(Canvas, TransparentLabelsShowTextOnTheTemplateWithoutABox) {
  const Screen s = captureClient(live->hwnd());
  const auto img = decodedTemplate(assets::PictureId::Template01);
  for (C id : {C::透明标签1, C::透明标签2}) {
    const RECT r = rectOf(id);
    // Pixels that differ from the template are the text; there must be some, and no box.
    int textPixels = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if (s.at(x, y) != templatePixel(img, x - 12, y - 4)) ++textPixels;
    EXPECT_GT(textPixels, 5) << "no text in transparent label " << rowOf(id);
    // Where there is no text, the template shows through: the label's corners.
    EXPECT_EQ(s.at(r.right - 1, r.top), templatePixel(img, r.right - 1 - 12, r.top - 4));
  }
}

TEST_F(Canvas, BytesThatAreNoPictureLeaveTheCanvasWhiteAndThePictureEmpty) {
  const uint8_t junk[] = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'};
  form().setPicture(C::标签生成, junk);
  settle();
  const Screen s = captureClient(live->hwnd());
  for (int y = 0; y < 327; y += 3)
    for (int x = 6; x < 519; x += 3)
      if (!insideAnyOverlay(x, y)) ASSERT_TRUE(white(s.at(x, y))) << x << "," << y;
  auto* canvas = dynamic_cast<Label*>(live->window().control(C::标签生成));
  ASSERT_TRUE(canvas);
  EXPECT_TRUE(canvas->picture().empty());
}

TEST_F(Canvas, ALongNameIsCutAtTheLabelsEdgeAndTheLabelKeepsItsSize) {
  const RECT before = rectOf(C::标签10);
  form().setCaption(C::标签10, L"欧阳上官诸葛司马慕容皇甫长孙宇文");
  settle();
  const RECT after = rectOf(C::标签10);
  EXPECT_TRUE(EqualRect(&before, &after));
  const Screen s = captureClient(live->hwnd());
  const auto img = decodedTemplate(assets::PictureId::Template01);
  for (int y = after.top; y < after.bottom; ++y)
    for (int x = after.right; x < after.right + 30; ++x)
      if (!insideAnyOverlay(x, y)) ASSERT_EQ(s.at(x, y), templatePixel(img, x - 12, y - 4)) << x << "," << y;
  EXPECT_GT(countColour(s, after, dark), 20);
}

TEST_F(Canvas, AnEmptyCaptionShowsOnlyTheBackgroundOrTheTemplate) {
  form().setCaption(C::标签10, L"");
  form().setCaption(C::透明标签1, L"");
  settle();
  const Screen s = captureClient(live->hwnd());
  const RECT label = rectOf(C::标签10);
  EXPECT_EQ(countColour(s, label, white), (label.right - label.left) * (label.bottom - label.top));
  const auto img = decodedTemplate(assets::PictureId::Template01);
  const RECT trans = rectOf(C::透明标签1);
  for (int y = trans.top; y < trans.bottom; ++y)
    for (int x = trans.left; x < trans.right; ++x)
      if (!insideAnyOverlay(x, y) || PtInRect(&trans, {x, y}))
        ASSERT_EQ(s.at(x, y), templatePixel(img, x - 12, y - 4)) << x << "," << y;
}

TEST_F(Canvas, MovingALabelLeavesNoTraceAtItsOldPlace) {
  const RECT old = rectOf(C::标签13);
  form().setLeft(C::标签13, 300);
  form().setTop(C::标签13, 200);
  settle();
  EXPECT_EQ(form().left(C::标签13), 300);
  EXPECT_EQ(form().top(C::标签13), 200);
  const Screen s = captureClient(live->hwnd());
  const auto img = decodedTemplate(assets::PictureId::Template01);
  for (int y = old.top; y < old.bottom; ++y)
    for (int x = old.left; x < old.right; ++x)
      if (!insideAnyOverlay(x, y)) ASSERT_EQ(s.at(x, y), templatePixel(img, x - 12, y - 4)) << x << "," << y;
}

TEST_F(Canvas, PositionsAreClampedAndKeepTheOtherCoordinate) {
  form().setLeft(C::标签12, 40000);
  EXPECT_EQ(form().left(C::标签12), 32627);
  EXPECT_EQ(form().top(C::标签12), 94);
  form().setTop(C::标签12, -40000);
  EXPECT_EQ(form().top(C::标签12), -32627);
  EXPECT_EQ(form().left(C::标签12), 32627);
}

TEST_F(Canvas, WritingTheSameCaptionTwiceLeavesTheSamePicture) {
  form().setCaption(C::透明标签2, L"A123");
  settle();
  const Screen once = captureClient(live->hwnd());
  form().setCaption(C::透明标签2, L"A123");
  settle();
  const Screen twice = captureClient(live->hwnd());
  EXPECT_EQ(once.pixels, twice.pixels);
}

TEST_F(Canvas, TransparentTextSurvivesARepaintOfTheCanvasBeneath) {
  const Screen before = captureClient(live->hwnd());
  // Repaint the whole canvas without touching the transparent labels.
  RedrawWindow(live->control(C::标签生成), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  settle();
  const Screen after = captureClient(live->hwnd());
  const RECT r = rectOf(C::透明标签2);
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) ASSERT_EQ(after.at(x, y), before.at(x, y)) << x << "," << y;
}

// Typing with real keystrokes: each box's text goes into its label or labels.
TEST_F(Canvas, TypedTextGoesIntoItsLabelsUnchanged) {
  struct Case {
    C box;
    std::vector<C> labels;
  };
  const Case cases[] = {{C::编辑框1, {C::标签10, C::标签13}},
                        {C::编辑框2, {C::标签11}},
                        {C::编辑框3, {C::透明标签1}},
                        {C::编辑框4, {C::标签12}},
                        {C::编辑框5, {C::透明标签2}}};
  const C all[] = {C::标签10, C::标签11, C::标签12, C::标签13, C::透明标签1, C::透明标签2};
  for (const Case& c : cases) {
    std::map<C, std::wstring> before;
    for (C l : all) before[l] = wintest::LiveWindow::captionOf(live->control(l));
    live->focus(c.box);
    SendMessageW(live->control(c.box), EM_SETSEL, 0, -1);
    wintest::typeText(L"  李 四 ");
    ASSERT_TRUE(live->pumpUntil([&] { return form().text(c.box) == L"  李 四 "; }));
    live->pump();
    for (C l : all) {
      const bool target = std::find(c.labels.begin(), c.labels.end(), l) != c.labels.end();
      EXPECT_EQ(wintest::LiveWindow::captionOf(live->control(l)), target ? L"  李 四 " : before[l])
          << "box " << rowOf(c.box) << " label " << rowOf(l);
    }
  }
  // Clearing the number box empties its label.
  live->focus(C::编辑框5);
  SendMessageW(live->control(C::编辑框5), EM_SETSEL, 0, -1);
  wintest::pressKey(VK_DELETE);
  ASSERT_TRUE(live->pumpUntil([&] { return form().text(C::编辑框5).empty(); }));
  live->pump();
  EXPECT_EQ(wintest::LiveWindow::captionOf(live->control(C::透明标签2)), L"");
}

}  // namespace

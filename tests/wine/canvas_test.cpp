// The certificate canvas as it appears on screen: real pixels read back from
// the screen under Wine, compared with the decoded pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <vector>

#include "assets/embedded_pictures.h"
#include "ui/pictures/decoded_picture.h"
#include "canvas_capture.h"
#include "ui/label.h"
#include "window_fixture.h"

namespace {

using C = ControlId;

using capture::Screen;
using capture::pixel;

COLORREF templatePixel(const pictures::BgrImage& img, int x, int y) { return pixel(img, x, y); }
pictures::BgrImage decodedTemplate(assets::PictureId id) { return capture::decode(id); }
Screen captureClient(HWND main) { return capture::client(main); }

class Canvas : public testing::Test {
 protected:
  void SetUp() override {
    live = std::make_unique<wintest::LiveWindow>(programEventBindings());
    ASSERT_TRUE(live->hwnd());
    live->pump(std::chrono::milliseconds(300));
  }
  void TearDown() override { live.reset(); }

  Form& form() { return live->window(); }
  RECT rectOf(C id) { return capture::rectOf(live->window(), id); }
  bool insideAnyOverlay(int x, int y) { return capture::insideAnyOverlay(live->window(), x, y); }
  int templateMismatches(const Screen& s, const pictures::BgrImage& img) {
    return capture::templateMismatches(s, img, live->window());
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
  // Stretched, the photo's own edges land on the box's edges: the near-white strips on the
  // left and right columns, its bottom row on the box's bottom row (drawn at its natural
  // 79 x 90 it would be cut on the right and leave three rows of background below).
  // The stretch filter blends neighbouring pixels, hence the tolerance.
  auto similar = [](COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= 8 && std::abs(GetGValue(a) - GetGValue(b)) <= 8 &&
           std::abs(GetBValue(a) - GetBValue(b)) <= 8;
  };
  const int w = r.right - r.left, h = r.bottom - r.top;
  for (auto [bx, by] : {std::pair{0, 45}, std::pair{w - 1, 45}, std::pair{38, h - 1}, std::pair{38, 0},
                        std::pair{5, 5}, std::pair{w - 6, h - 6}}) {
    const COLORREF want = templatePixel(img, bx * 78 / (w - 1), by * 89 / (h - 1));
    EXPECT_TRUE(similar(s.at(r.left + bx, r.top + by), want))
        << "box pixel " << bx << "," << by << " is " << std::hex << s.at(r.left + bx, r.top + by) << " not close to "
        << want;
  }
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
      if (!insideAnyOverlay(x, y)) {
        ASSERT_TRUE(white(s.at(x, y))) << x << "," << y;
      }
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
      if (!insideAnyOverlay(x, y)) {
        ASSERT_EQ(s.at(x, y), templatePixel(img, x - 12, y - 4)) << x << "," << y;
      }
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
      if (!insideAnyOverlay(x, y) || PtInRect(&trans, {x, y})) {
        ASSERT_EQ(s.at(x, y), templatePixel(img, x - 12, y - 4)) << x << "," << y;
      }
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
      if (!insideAnyOverlay(x, y)) {
        ASSERT_EQ(s.at(x, y), templatePixel(img, x - 12, y - 4)) << x << "," << y;
      }
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

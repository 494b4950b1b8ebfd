// Choosing kinds with real input in the combo box, read back from the live
// windows: every overlay where the kind table puts it, and the kind's
// template on screen.
#include <gtest/gtest.h>

#include <map>

#include "assets/embedded_pictures.h"
#include "canvas_capture.h"
#include "editing/certificate_kinds.h"
#include "ui/label.h"
#include "window_fixture.h"

namespace {

using C = ControlId;

class Kinds : public testing::Test {
 protected:
  void SetUp() override {
    live = std::make_unique<wintest::LiveWindow>(programEventBindings());
    ASSERT_TRUE(live->hwnd());
  }
  Form& form() { return live->window(); }

  // Opens the list with Alt+Down, walks to the item with the arrow keys and confirms with Enter.
  void chooseWithKeyboard(int index) {
    HWND combo = live->control(C::组合框证件类型);
    live->focus(C::组合框证件类型);
    wintest::pressChord({VK_MENU, VK_DOWN});
    ASSERT_TRUE(live->pumpUntil([&] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
    wintest::pressKey(VK_HOME);
    for (int i = 0; i < index; ++i) wintest::pressKey(VK_DOWN);
    live->pump(std::chrono::milliseconds(30));
    wintest::pressKey(VK_RETURN);
    ASSERT_TRUE(live->pumpUntil([&] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) == 0; }));
    live->pump(std::chrono::milliseconds(120));
    ASSERT_EQ(form().text(C::组合框证件类型), std::wstring(certificateKinds()[index].name));
  }

  // Clicks the combo box open, then clicks the item in the list.
  void chooseWithMouse(int index) {
    HWND combo = live->control(C::组合框证件类型);
    SetForegroundWindow(live->hwnd());
    wintest::clickScreen(wintest::screenCentre(combo));
    ASSERT_TRUE(live->pumpUntil([&] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    RECT item{};
    SendMessageW(info.hwndList, LB_SETTOPINDEX, index, 0);
    live->pump(std::chrono::milliseconds(30));
    SendMessageW(info.hwndList, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    POINT p{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ClientToScreen(info.hwndList, &p);
    wintest::mouseTo(p);
    // The item under the pointer is the highlighted one before the click.
    ASSERT_TRUE(live->pumpUntil([&] { return SendMessageW(info.hwndList, LB_GETCURSEL, 0, 0) == index; }));
    wintest::clickScreen(p);
    ASSERT_TRUE(live->pumpUntil([&] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) == 0; }));
    live->pump(std::chrono::milliseconds(120));
    ASSERT_EQ(form().text(C::组合框证件类型), std::wstring(certificateKinds()[index].name));
  }

  void resetToStartUp() {
    for (C id : {C::标签10, C::标签11, C::标签12, C::标签13, C::透明标签1, C::透明标签2}) {
      form().setLeft(id, controlRow(id).left);
      form().setTop(id, controlRow(id).top);
    }
    form().setPicture(C::标签生成, assets::initialCanvasPicture());
    live->pump(std::chrono::milliseconds(50));
  }

  std::map<C, POINT> positions() {
    std::map<C, POINT> p;
    for (C id : {C::标签10, C::标签11, C::标签12, C::标签13, C::透明标签1, C::透明标签2, C::图片框1})
      p[id] = {form().left(id), form().top(id)};
    return p;
  }

  std::unique_ptr<wintest::LiveWindow> live;
};

// Where the table says the controls of a kind go, given where they were.
std::map<C, POINT> expectedAfter(const CertificateKind& kind, std::map<C, POINT> before) {
  for (const OverlayMove& m : kind.moves()) {
    before[m.control].x = m.copyLeftOf标签10 ? before[C::标签10].x : m.left;
    before[m.control].y = m.top;
  }
  return before;
}

TEST_F(Kinds, EveryKindAfterStartUpAndAfterEachOfTheFirstSixIsLaidOutAndShown) {
  const auto kinds = certificateKinds();
  for (int first = -1; first < 6; ++first) {
    for (size_t k = 0; k < kinds.size(); ++k) {
      // One window throughout: put it back to its start-up layout instead of
      // building a new one (every new window is a focus change under Wine).
      resetToStartUp();
      if (first >= 0) ASSERT_NO_FATAL_FAILURE(chooseWithKeyboard(first));
      const auto before = positions();
      ASSERT_NO_FATAL_FAILURE(chooseWithKeyboard(static_cast<int>(k)));
      const auto expected = expectedAfter(kinds[k], before);
      const auto got = positions();
      for (const auto& [id, p] : expected) {
        EXPECT_EQ(got.at(id).x, p.x) << "kind " << k + 1 << " after " << first + 1 << ", control " << rowOf(id);
        EXPECT_EQ(got.at(id).y, p.y) << "kind " << k + 1 << " after " << first + 1 << ", control " << rowOf(id);
      }
      const auto shot = capture::client(live->hwnd());
      EXPECT_EQ(capture::templateMismatches(shot, capture::decode(kinds[k].templatePicture), live->window()), 0)
          << "kind " << k + 1 << " after " << first + 1;
    }
  }
}

TEST_F(Kinds, TheMouseChoosesAKindToo) {
  ASSERT_NO_FATAL_FAILURE(chooseWithMouse(12));
  const auto p = positions();
  EXPECT_EQ(p.at(C::透明标签1).x, 372);
  EXPECT_EQ(p.at(C::透明标签1).y, 269);
  const auto shot = capture::client(live->hwnd());
  EXPECT_EQ(capture::templateMismatches(shot, capture::decode(assets::PictureId::Template13), live->window()), 0);
}

TEST_F(Kinds, TheFirstKindStraightAfterStartUpKeepsThePictureBytes) {
  auto* canvas = dynamic_cast<Label*>(live->window().control(C::标签生成));
  const std::vector<uint8_t> before = canvas->picture();
  ASSERT_NO_FATAL_FAILURE(chooseWithKeyboard(0));
  EXPECT_EQ(canvas->picture(), before);
  const auto start = assets::initialCanvasPicture();
  EXPECT_EQ(canvas->picture(), std::vector<uint8_t>(start.begin(), start.end()));
}

TEST_F(Kinds, DateAndNumberAreReappliedOnlyByKindsThatSaySo) {
  live->focus(C::编辑框3);
  wintest::typeText(L"2026-12-11");
  ASSERT_TRUE(live->pumpUntil([&] { return form().text(C::编辑框3) == L"2026-12-11"; }));
  live->focus(C::编辑框5);
  wintest::typeText(L"007");
  ASSERT_TRUE(live->pumpUntil([&] { return form().text(C::编辑框5) == L"007"; }));
  live->pump();
  // Put other captions on the labels, as if they had drifted from their boxes.
  form().setCaption(C::透明标签1, L"old date");
  form().setCaption(C::透明标签2, L"old no");
  for (int k : {6, 7}) {  // 超级帅哥证, 处男证
    ASSERT_NO_FATAL_FAILURE(chooseWithKeyboard(k));
    EXPECT_EQ(wintest::LiveWindow::captionOf(live->control(C::透明标签1)), L"old date") << k;
    EXPECT_EQ(wintest::LiveWindow::captionOf(live->control(C::透明标签2)), L"old no") << k;
  }
  ASSERT_NO_FATAL_FAILURE(chooseWithKeyboard(8));  // 色狼证
  EXPECT_EQ(wintest::LiveWindow::captionOf(live->control(C::透明标签1)), L"2026-12-11");
  EXPECT_EQ(wintest::LiveWindow::captionOf(live->control(C::透明标签2)), L"007");
}

}  // namespace

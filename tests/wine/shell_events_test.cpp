// Which user actions raise which events, and when: counted by handlers of
// the test's own, bound to the real window built in this process.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

#include "window_fixture.h"

namespace {

using C = ControlId;
using E = ControlEvent;

struct Record {
  std::map<std::pair<C, E>, int> counts;
  std::wstring comboTextSeen;
  bool comboListOpenWhenRaised = false;
  bool visibleWhenCreated = true;
  int createdCalls = 0;
} record;

template <C Control, E Event>
void count(Form& form) {
  ++record.counts[{Control, Event}];
  if constexpr (Event == E::ListItemSelected) {
    record.comboTextSeen = form.text(C::组合框证件类型);
    record.comboListOpenWhenRaised =
        SendMessageW(form.window(C::组合框证件类型), CB_GETDROPPEDSTATE, 0, 0) != 0;
  }
}

void created(Form& form) {
  ++record.createdCalls;
  record.visibleWhenCreated = IsWindowVisible(form.mainWindow()) != 0;
}

const std::array<EventBinding, 8> kCounting{{
    {C::None, E::Created, &created, nullptr},
    {C::编辑框1, E::TextChanged, &count<C::编辑框1, E::TextChanged>, nullptr},
    {C::编辑框2, E::TextChanged, &count<C::编辑框2, E::TextChanged>, nullptr},
    {C::编辑框3, E::TextChanged, &count<C::编辑框3, E::TextChanged>, nullptr},
    {C::编辑框4, E::TextChanged, &count<C::编辑框4, E::TextChanged>, nullptr},
    {C::编辑框5, E::TextChanged, &count<C::编辑框5, E::TextChanged>, nullptr},
    {C::组合框证件类型, E::ListItemSelected, &count<C::组合框证件类型, E::ListItemSelected>, nullptr},
    {C::按钮生成, E::Clicked, &count<C::按钮生成, E::Clicked>, nullptr},
}};

class ShellEvents : public testing::Test {
 protected:
  void SetUp() override {
    record = Record{};
    live = std::make_unique<wintest::LiveWindow>(kCounting);
    ASSERT_TRUE(live->hwnd());
  }
  void TearDown() override { live.reset(); }
  int countOf(C c, E e) { return record.counts[{c, e}]; }

  std::unique_ptr<wintest::LiveWindow> live;
};

TEST_F(ShellEvents, NothingReachesAHandlerWhileTheWindowIsBuilt) {
  EXPECT_TRUE(record.counts.empty());
  EXPECT_EQ(record.createdCalls, 1);
  EXPECT_FALSE(record.visibleWhenCreated);
  EXPECT_TRUE(IsWindowVisible(live->hwnd()));
}

TEST_F(ShellEvents, TypingOneCharacterRaisesTextChangedOnce) {
  for (C box : {C::编辑框1, C::编辑框2, C::编辑框3, C::编辑框4, C::编辑框5}) {
    live->focus(box);
    SendMessageW(live->control(box), EM_SETSEL, 0, -1);
    live->pump();
    record.counts.clear();
    wintest::typeText(L"王");
    ASSERT_TRUE(live->pumpUntil([&] { return countOf(box, E::TextChanged) > 0; }));
    live->pump(std::chrono::milliseconds(80));
    EXPECT_EQ(countOf(box, E::TextChanged), 1) << rowOf(box);
    EXPECT_EQ(record.counts.size(), 1u) << "only the typed-in box raises";
  }
}

TEST_F(ShellEvents, PastingTenCharactersRaisesTextChangedOnce) {
  const std::wstring ten = L"一二三四五六七八九十";
  ASSERT_TRUE(OpenClipboard(live->hwnd()));
  EmptyClipboard();
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (ten.size() + 1) * sizeof(wchar_t));
  memcpy(GlobalLock(mem), ten.c_str(), (ten.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(mem);
  SetClipboardData(CF_UNICODETEXT, mem);
  CloseClipboard();

  live->focus(C::编辑框1);
  wintest::pressChord({VK_CONTROL, 'V'});
  ASSERT_TRUE(live->pumpUntil([&] { return countOf(C::编辑框1, E::TextChanged) > 0; }));
  live->pump(std::chrono::milliseconds(80));
  EXPECT_EQ(countOf(C::编辑框1, E::TextChanged), 1);
  EXPECT_EQ(live->window().text(C::编辑框1), ten);
}

TEST_F(ShellEvents, ChoosingAnItemRaisesOnceAfterTheListClosedWithTheChosenText) {
  HWND combo = live->control(C::组合框证件类型);
  live->focus(C::组合框证件类型);
  for (int round = 1; round <= 2; ++round) {
    wintest::pressChord({VK_MENU, VK_DOWN});
    ASSERT_TRUE(live->pumpUntil([&] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
    // From "光棍证" down to "潜水证" (index 12) the first time; the second time it is already there.
    if (round == 1)
      for (int i = 0; i < 12; ++i) wintest::pressKey(VK_DOWN);
    live->pump();
    wintest::pressKey(VK_RETURN);
    ASSERT_TRUE(live->pumpUntil([&] { return countOf(C::组合框证件类型, E::ListItemSelected) == round; }));
    live->pump(std::chrono::milliseconds(80));
    EXPECT_EQ(countOf(C::组合框证件类型, E::ListItemSelected), round);
    EXPECT_EQ(record.comboTextSeen, L"潜水证");
    EXPECT_FALSE(record.comboListOpenWhenRaised);
  }
}

TEST_F(ShellEvents, ASelectionSetByTheProgramRaisesNothing) {
  SendMessageW(live->control(C::组合框证件类型), CB_SETCURSEL, 5, 0);
  live->pump(std::chrono::milliseconds(100));
  EXPECT_EQ(countOf(C::组合框证件类型, E::ListItemSelected), 0);
}

TEST_F(ShellEvents, EventsAreDroppedWhileHeld) {
  live->focus(C::编辑框1);
  live->events().hold();
  wintest::typeText(L"x");
  live->pump(std::chrono::milliseconds(150));
  live->events().release();
  EXPECT_EQ(countOf(C::编辑框1, E::TextChanged), 0);
  EXPECT_EQ(live->window().text(C::编辑框1), L"x");
}

TEST_F(ShellEvents, SpaceOnTheFocusedButtonClicksIt) {
  live->focus(C::按钮生成);
  wintest::pressKey(VK_SPACE);
  ASSERT_TRUE(live->pumpUntil([&] { return countOf(C::按钮生成, E::Clicked) > 0; }));
  EXPECT_EQ(countOf(C::按钮生成, E::Clicked), 1);
}

TEST(ShellText, FatalErrorTextHasTheLayoutOfTheBox) {
  EXPECT_EQ(fatalErrorText(L"载入启动窗口失败", 0), L"运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
  EXPECT_EQ(fatalErrorText(L"", 7), L"运行时出错!\r\n\r\n错误代码：7\r\n\r\n");
  EXPECT_EQ(fatalErrorText(L"x", -3), L"运行时出错!\r\n\r\n错误代码：-3\r\n\r\n错误信息：x\r\n");
}

}  // namespace

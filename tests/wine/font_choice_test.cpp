// Giving the certificate texts a new font: what each kind of control stores
// and how it reacts, and the font button driven through the real dialog.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "canvas_capture.h"
#include "editing/font_choice.h"
#include "output_dialog_driver.h"
#include "ui/common_dialog.h"
#include "ui/control_font.h"
#include "ui/input_controls.h"
#include "ui/label.h"
#include "ui/trans_label.h"
#include "window_fixture.h"

namespace {

using C = ControlId;

StoredFont storedFontOf(Control* c) {
  if (auto* l = dynamic_cast<Label*>(c)) return l->storedFont();
  if (auto* t = dynamic_cast<TransLabel*>(c)) return t->storedFont();
  if (auto* e = dynamic_cast<EditBox*>(c)) return e->storedFont();
  if (auto* b = dynamic_cast<ComboBox*>(c)) return b->storedFont();
  return std::nullopt;
}

class FontChoice : public testing::Test {
 protected:
  void SetUp() override {
    live = std::make_unique<wintest::LiveWindow>(programEventBindings());
    ASSERT_TRUE(live->hwnd());
  }
  void giveAll(const FontSpec& spec) {
    for (C id : fontTargets()) live->window().setFont(id, spec);
    live->pump(std::chrono::milliseconds(150));
  }
  RECT rectOf(C id) { return capture::rectOf(live->window(), id); }

  std::unique_ptr<wintest::LiveWindow> live;
};

TEST(FontConversion, SpecToLogFontAndBack) {
  const int dpi = screenDpiY();
  struct Case {
    FontSpec spec;
    std::wstring face;
    LONG height;
    LONG weight;
  };
  const std::wstring longName(32, L'x');
  const Case cases[] = {
      {{0, 0, 0, 0, 0, 12, L"宋体"}, L"宋体", -MulDiv(12, dpi, 72), 0},
      {{0, 1, 1, 1, 1, 12, L"Arial"}, L"Arial", -MulDiv(12, dpi, 72), 700},
      {{0, 0, 0, 0, 0, 12, L""}, L"宋体", -MulDiv(12, dpi, 72), 0},
      {{0, 0, 0, 0, 0, 12, longName}, L"宋体", -MulDiv(12, dpi, 72), 0},
      {{0, 0, 0, 0, 0, 12, std::wstring(31, L'y')}, std::wstring(31, L'y'), -MulDiv(12, dpi, 72), 0},
      {{0, 0, 0, 0, 0, 0, L"黑体"}, L"黑体", 0, 0},
      {{0, 0, 0, 0, 0, -5, L"黑体"}, L"黑体", 0, 0},
      {{900, 0, 0, 0, 0, 9, L"黑体"}, L"黑体", -MulDiv(9, dpi, 72), 0},
  };
  for (const Case& c : cases) {
    const LOGFONTW lf = logFontFromSpec(c.spec);
    EXPECT_EQ(std::wstring(lf.lfFaceName), c.face);
    EXPECT_EQ(lf.lfHeight, c.height);
    EXPECT_EQ(lf.lfWeight, c.weight);
    EXPECT_EQ(lf.lfItalic, c.spec.italic ? 1 : 0);
    EXPECT_EQ(lf.lfStrikeOut, c.spec.strikeout ? 1 : 0);
    EXPECT_EQ(lf.lfUnderline, c.spec.underline ? 1 : 0);
    EXPECT_EQ(lf.lfEscapement, c.spec.angle);
    EXPECT_EQ(lf.lfOrientation, c.spec.angle);
    EXPECT_EQ(lf.lfWidth, 0);
    EXPECT_EQ(lf.lfCharSet, 0);
    EXPECT_EQ(lf.lfQuality, 0);
  }
  if (dpi == 96) {
    EXPECT_EQ(logFontFromSpec({0, 0, 0, 0, 0, 12, L"宋体"}).lfHeight, -16);
    EXPECT_EQ(logFontFromSpec({0, 0, 0, 0, 0, 11, L"宋体"}).lfHeight, -15);
    LOGFONTW lf{};
    lf.lfHeight = -14;
    EXPECT_EQ(specFromLogFont(lf).size, 11);
  }
  LOGFONTW bold{};
  bold.lfWeight = 700;
  bold.lfOrientation = 450;
  wcscpy(bold.lfFaceName, L"黑体");
  const FontSpec back = specFromLogFont(bold);
  EXPECT_EQ(back.bold, 1);
  EXPECT_EQ(back.angle, 450);
  EXPECT_EQ(back.name, L"黑体");
  EXPECT_FALSE(specFromLogFont(std::nullopt).name.empty()) << "no stored font reads as the stock GUI font";
}

TEST_F(FontChoice, EveryTargetStoresOnlyFaceAndSizeAndTheOthersKeepTheirFonts) {
  const HFONT buttonFont = reinterpret_cast<HFONT>(SendMessageW(live->control(C::按钮生成), WM_GETFONT, 0, 0));
  const HFONT groupFont = reinterpret_cast<HFONT>(SendMessageW(live->control(C::分组框1), WM_GETFONT, 0, 0));
  FontSpec spec;
  spec.name = L"宋体";
  spec.size = 12;
  giveAll(spec);
  for (C id : fontTargets()) {
    const StoredFont f = storedFontOf(live->window().control(id));
    ASSERT_TRUE(f) << rowOf(id);
    EXPECT_EQ(std::wstring(f->lfFaceName), L"宋体") << rowOf(id);
    EXPECT_EQ(f->lfHeight, -MulDiv(12, screenDpiY(), 72)) << rowOf(id);
    EXPECT_EQ(f->lfWeight, 0) << rowOf(id);
    EXPECT_EQ(f->lfItalic, 0) << rowOf(id);
    EXPECT_EQ(f->lfUnderline, 0) << rowOf(id);
  }
  for (C id : {C::标签2, C::标签3, C::标签4, C::标签5, C::标签7, C::标签8, C::标签生成})
    EXPECT_FALSE(storedFontOf(live->window().control(id))) << rowOf(id);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(live->control(C::按钮生成), WM_GETFONT, 0, 0)), buttonFont);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(live->control(C::分组框1), WM_GETFONT, 0, 0)), groupFont);
}

TEST_F(FontChoice, EditBoxesGrowForALargeFontAndNeverShrink) {
  std::map<C, RECT> before;
  const C boxes[] = {C::编辑框1, C::编辑框2, C::编辑框3, C::编辑框4, C::编辑框5};
  for (C id : boxes) before[id] = rectOf(id);
  std::vector<HWND> zorder;
  for (HWND w = GetWindow(live->control(C::分组框1), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) zorder.push_back(w);

  FontSpec big{0, 0, 0, 0, 0, 36, L"宋体"};
  giveAll(big);
  std::map<C, RECT> grown;
  for (C id : boxes) {
    grown[id] = rectOf(id);
    EXPECT_GT(grown[id].bottom - grown[id].top, 24) << rowOf(id);
    EXPECT_EQ(grown[id].left, before[id].left);
    EXPECT_EQ(grown[id].top, before[id].top);
    EXPECT_EQ(grown[id].right - grown[id].left, before[id].right - before[id].left);
  }
  FontSpec small{0, 0, 0, 0, 0, 9, L"宋体"};
  giveAll(small);
  for (C id : boxes) {
    const RECT r = rectOf(id);
    EXPECT_EQ(r.bottom - r.top, grown[id].bottom - grown[id].top) << rowOf(id);
  }
  std::vector<HWND> after;
  for (HWND w = GetWindow(live->control(C::分组框1), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) after.push_back(w);
  EXPECT_EQ(after, zorder);
}

TEST_F(FontChoice, ComboItemsStayTwoPixelsTallerThanThePlatformsHeightForTheFont) {
  FontSpec spec{0, 0, 0, 0, 0, 20, L"宋体"};
  giveAll(spec);
  HWND combo = live->control(C::组合框证件类型);
  HWND reference = CreateWindowExW(0, L"COMBOBOX", L"", WS_POPUP | CBS_DROPDOWNLIST, 0, 0, 112, 160, nullptr,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
  ControlFont font(logFontFromSpec(spec));
  SendMessageW(reference, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  const LRESULT platform = SendMessageW(reference, CB_GETITEMHEIGHT, 0, 0);
  DestroyWindow(reference);
  EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0), platform + 2);
}

TEST_F(FontChoice, ANarrowLabelCutsALongTextInALargeFontAndKeepsItsSize) {
  live->window().setCaption(C::标签11, L"男男男男");
  FontSpec spec{0, 0, 0, 0, 0, 20, L"宋体"};
  giveAll(spec);
  const RECT r = rectOf(C::标签11);
  EXPECT_EQ(r.right - r.left, 26);
  EXPECT_EQ(r.bottom - r.top, 12);
  const auto shot = capture::client(live->hwnd());
  const auto img = capture::decode(assets::PictureId::Template01);
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.right; x < r.right + 20; ++x)
      if (!capture::insideAnyOverlay(live->window(), x, y)) {
        ASSERT_EQ(shot.at(x, y), capture::pixel(img, x - 12, y - 4)) << x << "," << y;
      }
}

// The font button through the real font dialog, driven with keystrokes.
TEST_F(FontChoice, TheButtonGivesTheDialogsFaceAndSizeAndCancelChangesNothing) {
  using namespace dialog_driver;
  auto confirmFont = [&](const std::wstring& face, const std::wstring& size, bool cancel) {
    whileDialogRuns(
        [&](DWORD gui) {
          HWND dlg = waitForDialog(gui);
          if (!dlg) return;
          if (cancel) {
            clickButton(dlg, IDCANCEL);
            return;
          }
          typeInto(dlg, editInside(GetDlgItem(dlg, kFontFaceCombo)), face);
          typeInto(dlg, editInside(GetDlgItem(dlg, kFontSizeCombo)), size);
          clickButton(dlg, IDOK);
        },
        [&] { onFontButtonClicked(live->window()); });
    live->pump(std::chrono::milliseconds(100));
  };
  confirmFont(L"宋体", L"12", false);
  for (C id : fontTargets()) {
    const StoredFont f = storedFontOf(live->window().control(id));
    ASSERT_TRUE(f) << rowOf(id);
    EXPECT_EQ(f->lfHeight, -MulDiv(12, screenDpiY(), 72)) << rowOf(id);
    EXPECT_EQ(f->lfWeight, 0) << rowOf(id);
  }
  EXPECT_EQ(live->window().commonDialog().fontSize(), 12);
  confirmFont(L"", L"", true);
  for (C id : fontTargets())
    EXPECT_EQ(storedFontOf(live->window().control(id))->lfHeight, -MulDiv(12, screenDpiY(), 72)) << rowOf(id);
  EXPECT_EQ(live->window().commonDialog().fontSize(), 12);
}

}  // namespace

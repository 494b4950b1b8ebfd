#include "ui/window_template.h"

#include <array>
#include <cstdlib>

namespace {

using enum ControlKind;
using C = ControlId;

constexpr TemplateFont kNoFont{};
constexpr TemplateFont kSongTi14{L"宋体", 14, 0};
constexpr TemplateFont kSongTi10{L"宋体", 10, 0};
constexpr TemplateFont kHeiTi16{L"黑体", 16, 134};

constexpr auto P0 = TemplatePicture::None;
constexpr auto L = HAlign::Left;
constexpr auto Ctr = HAlign::Centre;
constexpr auto VC = VAlign::Centre;

// Input-panel rows (1 to 15) carry what their kind needs; canvas rows (16 to 24)
// carry the certificate's start-up look.
// clang-format off
constexpr std::array<ControlRow, kControlCount> kRows{{
  //  id              name              kind        parent       left top  w    h    tab   vis    text                font       text    back         border picture                    mode h    v   wrap
  {C::按钮字体,       L"按钮字体",       Button,     C::分组框1,   58, 137,  64,  32, true,  true,  L"字体",             kNoFont,   kBlack, kButtonFace, false, P0,                        0, Ctr, VC, false},
  {C::编辑框5,        L"编辑框5",        EditBox,    C::分组框1,  296,  63, 112,  24, true,  true,  L"",                 kNoFont,   kBlack, kWhite,      true,  P0,                        0, L,   VC, false},
  {C::标签8,          L"标签8",          Label,      C::分组框1,  232,  59,  56,  32, false, true,  L"证件编号：",       kNoFont,   kBlack, kButtonFace, false, P0,                        1, L,   VC, false},
  {C::编辑框3,        L"编辑框3",        EditBox,    C::分组框1,  296,  29, 112,  24, true,  true,  L"",                 kNoFont,   kBlack, kWhite,      true,  P0,                        0, L,   VC, false},
  {C::标签7,          L"标签7",          Label,      C::分组框1,  232,  25,  56,  32, false, true,  L"颁发日期：",       kNoFont,   kBlack, kButtonFace, false, P0,                        1, L,   VC, false},
  {C::按钮生成,       L"按钮生成",       Button,     C::分组框1,  138, 138,  64,  32, true,  true,  L"生成",             kHeiTi16,  kBlack, kButtonFace, false, P0,                        0, Ctr, VC, false},
  {C::编辑框4,        L"编辑框4",        EditBox,    C::分组框1,   72, 106, 112,  24, true,  true,  L"未知",             kNoFont,   kBlack, kWhite,      true,  P0,                        0, L,   VC, false},
  {C::编辑框2,        L"编辑框2",        EditBox,    C::分组框1,   72,  65, 112,  24, true,  true,  L"男",               kNoFont,   kBlack, kWhite,      true,  P0,                        0, L,   VC, false},
  {C::编辑框1,        L"编辑框1",        EditBox,    C::分组框1,   72,  24, 112,  24, true,  true,  L"",                 kNoFont,   kBlack, kWhite,      true,  P0,                        0, L,   VC, false},
  {C::标签5,          L"标签5",          Label,      C::分组框1,    8, 102,  40,  32, false, true,  L"年龄：",           kNoFont,   kBlack, kButtonFace, false, P0,                        1, L,   VC, false},
  {C::标签4,          L"标签4",          Label,      C::分组框1,  232,  92,  50,  24, false, true,  L"证件类型：",       kNoFont,   kBlack, kButtonFace, false, P0,                        1, L,   VC, false},
  {C::标签3,          L"标签3",          Label,      C::分组框1,    8,  61,  48,  32, false, true,  L"性别：",           kNoFont,   kBlack, kButtonFace, false, P0,                        1, L,   VC, false},
  {C::标签2,          L"标签2",          Label,      C::分组框1,    8,  24,  56,  24, false, true,  L"姓名：",           kNoFont,   kBlack, kButtonFace, false, P0,                        1, L,   VC, false},
  {C::组合框证件类型, L"组合框证件类型", ComboBox,   C::分组框1,  288,  92, 112,  24, true,  true,  L"",                 kNoFont,   kBlack, kWhite,      false, P0,                        0, L,   VC, false},
  {C::分组框1,        L"分组框1",        GroupBox,   C::None,      10, 332, 518, 180, false, true,  L"办证区",           kNoFont,   kBlack, kButtonFace, false, P0,                        0, L,   VC, false},
  {C::透明标签2,      L"透明标签2",      TransLabel, C::None,     418, 281,  40,  13, false, true,  L"V3471G52452G50",   kSongTi10, kBlack, kWhite,      false, P0,                        1, L,   VC, false},
  {C::透明标签1,      L"透明标签1",      TransLabel, C::None,     380, 267,  66,  11, false, true,  L"2099-20-54",       kSongTi10, kBlack, kWhite,      false, P0,                        1, L,   VC, false},
  {C::标签13,         L"标签13",         Label,      C::None,     372, 140,  46,  18, false, true,  L"Quenvar",          kSongTi14, kRed,   kWhite,      false, P0,                        1, L,   VC, false},
  {C::标签12,         L"标签12",         Label,      C::None,     326,  94,  56,  13, false, true,  L"未知",             kNoFont,   kBlack, kWhite,      false, P0,                        1, L,   VC, false},
  {C::标签11,         L"标签11",         Label,      C::None,     326,  75,  26,  12, false, true,  L"男",               kNoFont,   kBlack, kWhite,      false, P0,                        1, L,   VC, false},
  {C::标签10,         L"标签10",         Label,      C::None,     324,  53,  56,  14, false, true,  L"Quenvar",          kNoFont,   kBlack, kWhite,      false, P0,                        1, L,   VC, false},
  {C::通用对话框,     L"通用对话框",     CommonDlg,  C::None,     280, 488,  32,  24, false, false, L"",                 kNoFont,   kBlack, kButtonFace, false, P0,                        0, L,   VC, false},
  {C::图片框1,        L"图片框1",        PicBox,     C::None,     396,  38,  76,  93, false, true,  L"",                 kNoFont,   kBlack, kButtonFace, false, TemplatePicture::DefaultPhoto,  1, L,   VC, false},
  {C::标签生成,       L"标签生成",       Label,      C::None,       5,  -4, 515, 332, false, true,  L"",                 kNoFont,   kBlack, kWhite,      true,  TemplatePicture::InitialCanvas, 2, L,   VC, false},
}};
// clang-format on

constexpr std::array<const wchar_t*, 16> kKindItems{
    L"光棍证",     L"聊天许可证", L"爱神证", L"超级美眉证", L"初吻证", L"赌神证",
    L"超级帅哥证", L"处男证",     L"色狼证", L"网恋许可证", L"良家妇女证", L"灌水证",
    L"潜水证",     L"忽悠证",     L"良好市民证", L"浆糊证"};

// Focusable tab stops, in reverse template order.
constexpr auto kTabOrder = [] {
  std::array<ControlId, 8> order{};
  size_t n = 0;
  for (size_t i = kRows.size(); i-- > 0;) {
    const ControlRow& r = kRows[i];
    const bool focusable = r.kind == EditBox || r.kind == Button || r.kind == ComboBox;
    if (r.tabStop && r.visible && focusable) order[n++] = r.id;
  }
  return order;
}();

constexpr MainWindowSettings kMainWindow{
    L"Drollix 更多软件来此www.drollix.cn", 534, 544, kButtonFace, true, false};

static_assert([] {
  for (size_t i = 0; i < kRows.size(); ++i)
    if (rowOf(kRows[i].id) != static_cast<int>(i) + 1) return false;
  return true;
}(), "rows must be in template order");

}  // namespace

const MainWindowSettings& mainWindowSettings() { return kMainWindow; }

std::span<const ControlRow> controlRows() { return kRows; }

const ControlRow& controlRow(ControlId id) {
  const int row = rowOf(id);
  if (row < 1 || row > kControlCount) std::abort();
  return kRows[row - 1];
}

std::span<const wchar_t* const> certificateKindItems() { return kKindItems; }

std::span<const ControlId> tabOrder() { return kTabOrder; }

#include "editing/certificate_kinds.h"

namespace {

using C = ControlId;
using assets::PictureId;

struct At {
  int left, top;
};

// Order A: the three left labels (two of them taking the left of 标签10), then
// 标签13, 透明标签2, 透明标签1.
constexpr CertificateKind orderA(const wchar_t* name, PictureId picture, At name10, int top11, int top12,
                                 At name13, At date, At number, bool reapply) {
  return {name, picture,
          {{{C::标签10, name10.left, name10.top, false},
            {C::标签11, 0, top11, true},
            {C::标签12, 0, top12, true},
            {C::标签13, name13.left, name13.top, false},
            {C::透明标签2, number.left, number.top, false},
            {C::透明标签1, date.left, date.top, false}}},
          6, reapply};
}

// Order B: 标签13, 透明标签2, 透明标签1.
constexpr CertificateKind orderB(const wchar_t* name, PictureId picture, At name13, At date, At number,
                                 bool reapply) {
  return {name, picture,
          {{{C::标签13, name13.left, name13.top, false},
            {C::透明标签2, number.left, number.top, false},
            {C::透明标签1, date.left, date.top, false}}},
          3, reapply};
}

// Order C: 透明标签2, 透明标签1, 标签13.
constexpr CertificateKind orderC(const wchar_t* name, PictureId picture, At name13, At date, At number,
                                 bool reapply) {
  return {name, picture,
          {{{C::透明标签2, number.left, number.top, false},
            {C::透明标签1, date.left, date.top, false},
            {C::标签13, name13.left, name13.top, false}}},
          3, reapply};
}

// clang-format off
constexpr std::array<CertificateKind, 16> kKinds{{
  //      name            template                 标签10      标签11 标签12  标签13       透明标签1    透明标签2   reapply
  orderA(L"光棍证",     PictureId::Template01, {329, 53},   73,  92,   {372, 142}, {381, 269}, {419, 281}, true),
  orderA(L"聊天许可证", PictureId::Template02, {324, 56},   81, 104,   {363, 141}, {381, 269}, {419, 281}, true),
  orderA(L"爱神证",     PictureId::Template03, {324, 58},   82, 103,   {365, 149}, {394, 269}, {395, 285}, true),
  orderA(L"超级美眉证", PictureId::Template04, {324, 53},   74,  93,   {360, 141}, {386, 266}, {417, 279}, true),
  orderA(L"初吻证",     PictureId::Template05, {324, 59},   82, 102,   {365, 148}, {395, 268}, {394, 285}, true),
  orderA(L"赌神证",     PictureId::Template06, {324, 53},   75,  94,   {360, 142}, {373, 271}, {408, 283}, true),
  //      name            template                 标签13       透明标签1    透明标签2   reapply
  orderB(L"超级帅哥证", PictureId::Template07, {360, 142}, {382, 266}, {418, 280}, false),
  orderC(L"处男证",     PictureId::Template08, {369, 154}, {380, 252}, {413, 265}, false),
  orderC(L"色狼证",     PictureId::Template09, {361, 141}, {380, 269}, {417, 283}, true),
  orderB(L"网恋许可证", PictureId::Template10, {361, 141}, {380, 269}, {418, 281}, true),
  orderB(L"良家妇女证", PictureId::Template11, {359, 153}, {380, 269}, {414, 283}, true),
  orderB(L"灌水证",     PictureId::Template12, {360, 142}, {372, 253}, {410, 267}, true),
  orderC(L"潜水证",     PictureId::Template13, {360, 142}, {372, 269}, {410, 283}, true),
  orderC(L"忽悠证",     PictureId::Template14, {360, 142}, {372, 253}, {410, 267}, true),
  orderC(L"良好市民证", PictureId::Template15, {360, 142}, {372, 269}, {410, 283}, true),
  orderC(L"浆糊证",     PictureId::Template16, {360, 142}, {372, 261}, {410, 275}, true),
}};
// clang-format on

}  // namespace

std::span<const CertificateKind> certificateKinds() { return kKinds; }

bool textEquals(std::wstring_view a, std::wstring_view b) {
  // Texts compare up to their terminating NUL, as the window text would.
  auto untilNul = [](std::wstring_view s) { return s.substr(0, s.find(L'\0')); };
  return untilNul(a) == untilNul(b);
}

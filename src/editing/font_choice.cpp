#include "editing/font_choice.h"

#include <array>

#include "ui/common_dialog.h"

namespace {
using C = ControlId;
constexpr std::array kTargets{C::标签10,  C::标签11,  C::标签12,  C::标签13,  C::透明标签2, C::透明标签1,
                              C::编辑框5, C::编辑框4, C::编辑框3, C::编辑框2, C::编辑框1,   C::组合框证件类型};
}  // namespace

std::span<const ControlId> fontTargets() { return kTargets; }

// Only the face and the size are passed on: style, effects and colour chosen
// in the dialog stay in the dialog.
void onFontButtonClicked(Form& form) {
  CommonDialog& dialog = form.commonDialog();
  dialog.setKind(DialogKind::Font);
  if (!dialog.runDialog()) return;
  FontSpec font;
  font.name = dialog.fontName();
  font.size = dialog.fontSize();
  for (ControlId target : kTargets) form.setFont(target, font);
}

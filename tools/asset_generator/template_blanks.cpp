#include "asset_generator/template_blanks.h"

#include <algorithm>
#include <map>

#include "ui/window_template.h"

namespace gen {

namespace {

Rect onTemplate(const ControlRow& row, int left, int top) {
  return {left - kCanvasLeft, top - kCanvasTop, row.width, row.height};
}

}  // namespace

TemplateBlanks blanksOf(const CertificateKind& kind) {
  std::map<ControlId, std::pair<int, int>> at;
  for (ControlId id : {ControlId::标签10, ControlId::标签11, ControlId::标签12, ControlId::标签13, ControlId::透明标签1,
                       ControlId::透明标签2}) {
    at[id] = {controlRow(id).left, controlRow(id).top};
  }
  for (const OverlayMove& move : kind.moves()) {
    const int left = move.copyLeftOf标签10 ? at[ControlId::标签10].first : move.left;
    at[move.control] = {left, move.top};
  }
  auto rect = [&at](ControlId id) { return onTemplate(controlRow(id), at[id].first, at[id].second); };
  TemplateBlanks blanks{rect(ControlId::标签10),
                        rect(ControlId::标签11),
                        rect(ControlId::标签12),
                        rect(ControlId::标签13),
                        rect(ControlId::透明标签1),
                        rect(ControlId::透明标签2),
                        0};
  blanks.detailsLeft = std::min({blanks.name.x, blanks.sex.x, blanks.age.x});
  if (kind.templatePicture == assets::PictureId::Template01) {  // the canvas's start-up picture
    for (ControlId id : {ControlId::标签10, ControlId::标签11, ControlId::标签12}) {
      blanks.detailsLeft = std::min(blanks.detailsLeft, controlRow(id).left - kCanvasLeft);
    }
  }
  return blanks;
}

Rect photoBoxRect() {
  const ControlRow& row = controlRow(ControlId::图片框1);
  return onTemplate(row, row.left, row.top);
}

}  // namespace gen

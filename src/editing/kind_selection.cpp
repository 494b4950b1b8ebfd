#include "editing/kind_selection.h"

#include "editing/certificate_kinds.h"
#include "editing/field_mirroring.h"

void reapplyDateAndNumber(Form& form) {
  onIssueDateChanged(form);
  onNumberChanged(form);
}

void onKindSelected(Form& form) {
  for (const CertificateKind& kind : certificateKinds()) {
    if (!textEquals(form.text(ControlId::组合框证件类型), kind.name)) continue;
    form.setPicture(ControlId::标签生成, assets::pictureBytes(kind.templatePicture));
    for (const OverlayMove& move : kind.moves()) {
      form.setLeft(move.control, move.copyLeftOf标签10 ? form.left(ControlId::标签10) : move.left);
      form.setTop(move.control, move.top);
    }
    if (kind.reapply) reapplyDateAndNumber(form);
    return;
  }
}

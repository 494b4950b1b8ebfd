#include "editing/field_mirroring.h"

void mirrorText(Form& form, ControlId editBox, ControlId label) { form.setCaption(label, form.text(editBox)); }

void onNameChanged(Form& form) {
  mirrorText(form, ControlId::编辑框1, ControlId::标签10);
  mirrorText(form, ControlId::编辑框1, ControlId::标签13);
}

void onSexChanged(Form& form) { mirrorText(form, ControlId::编辑框2, ControlId::标签11); }
void onIssueDateChanged(Form& form) { mirrorText(form, ControlId::编辑框3, ControlId::透明标签1); }
void onAgeChanged(Form& form) { mirrorText(form, ControlId::编辑框4, ControlId::标签12); }
void onNumberChanged(Form& form) { mirrorText(form, ControlId::编辑框5, ControlId::透明标签2); }

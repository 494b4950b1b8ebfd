// Each edit box's text-changed handler copies the box's whole text into its
// certificate label or labels.
#pragma once

#include "editing/form.h"

// Reads the edit box's current text and sets it, unchanged, as the label's caption.
void mirrorText(Form& form, ControlId editBox, ControlId label);

void onNameChanged(Form& form);       // 编辑框1 -> 标签10, then 标签13
void onSexChanged(Form& form);        // 编辑框2 -> 标签11
void onIssueDateChanged(Form& form);  // 编辑框3 -> 透明标签1
void onAgeChanged(Form& form);        // 编辑框4 -> 标签12
void onNumberChanged(Form& form);     // 编辑框5 -> 透明标签2

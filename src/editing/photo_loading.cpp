#include "editing/photo_loading.h"

#include <span>

#include "editing/file_bytes.h"
#include "editing/form.h"
#include "ui/common_dialog.h"

void onPhotoPressed(Form& form, int, int, int) {
  CommonDialog& dialog = form.commonDialog();
  dialog.setKind(DialogKind::OpenFile);
  if (!dialog.runDialog()) return;
  const std::vector<uint8_t> bytes = readFileBytes(dialog.fileName());
  form.setPicture(ControlId::图片框1, std::span<const uint8_t>(bytes));
}

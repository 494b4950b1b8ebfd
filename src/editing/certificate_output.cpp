#include "editing/certificate_output.h"

#include <algorithm>
#include <span>
#include <string>

#include "editing/bmp_file.h"
#include "editing/file_bytes.h"
#include "editing/form.h"
#include "editing/save_error_message.h"
#include "editing/system_error_text.h"
#include "ui/common_dialog.h"
#include "ui/handles.h"

namespace {

// On a palette display the conversion goes through the system palette, so the
// file gets the colours the screen shows.
class SystemPaletteScope {
 public:
  explicit SystemPaletteScope(HDC screen) : screen_(screen) {
    if (!(GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE)) return;
    const int entries = std::min(GetDeviceCaps(screen, SIZEPALETTE), 255);
    if (entries <= 0) return;
    std::vector<uint8_t> storage(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * entries);
    auto* palette = reinterpret_cast<LOGPALETTE*>(storage.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<WORD>(GetSystemPaletteEntries(screen, 0, entries, palette->palPalEntry));
    palette_ = CreatePalette(palette);
    if (!palette_) return;
    previous_ = SelectPalette(screen, palette_, FALSE);
    RealizePalette(screen);
  }
  SystemPaletteScope(const SystemPaletteScope&) = delete;
  SystemPaletteScope& operator=(const SystemPaletteScope&) = delete;
  ~SystemPaletteScope() {
    if (!palette_) return;
    SelectPalette(screen_, previous_, FALSE);
    DeleteObject(palette_);
  }

 private:
  HDC screen_;
  HPALETTE palette_ = nullptr;
  HPALETTE previous_ = nullptr;
};

void reportSaveFailure(Form& form, const std::wstring& path, std::wstring_view reason) {
  const std::wstring text = saveErrorMessage(path, reason);
  MessageBoxW(form.mainWindow(), text.c_str(), L"错误", MB_OK | MB_ICONERROR);
}

}  // namespace

std::vector<uint8_t> captureWindowImage(HWND window) {
  if (!IsWindow(window)) return {};
  RECT rect = {};
  if (!GetWindowRect(window, &rect)) return {};
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;

  std::vector<uint8_t> file = makeBmpFile(width, height);
  if (file.empty()) return {};

  handles::WindowDC windowDc(window, handles::WindowDC::Area::Whole);
  if (!windowDc) return {};
  handles::UniqueMemoryDC memoryDc(CreateCompatibleDC(windowDc.get()));
  handles::UniqueBitmap bitmap(CreateCompatibleBitmap(windowDc.get(), width, height));
  if (!memoryDc || !bitmap) return {};
  {
    handles::ScopedSelect select(memoryDc.get(), bitmap.get());
    if (!BitBlt(memoryDc.get(), 0, 0, width, height, windowDc.get(), 0, 0, SRCCOPY)) return {};
  }

  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // positive: bottom-up, as the file stores it
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;

  handles::WindowDC screen(nullptr);
  if (!screen) return {};
  SystemPaletteScope palette(screen.get());
  const int rows = GetDIBits(screen.get(), bitmap.get(), 0, static_cast<UINT>(height), bmpPixelRows(file).data(), &info,
                             DIB_RGB_COLORS);
  if (rows != height) return {};
  return file;
}

void onGenerateButtonClicked(Form& form) {
  CommonDialog& dialog = form.commonDialog();
  dialog.setKind(DialogKind::SaveFile);
  if (!dialog.runDialog()) return;

  // Let the area the dialog covered a moment ago be painted again first, so
  // the file holds the certificate and not what the dialog left behind.
  RedrawWindow(form.mainWindow(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  GdiFlush();
  const std::vector<uint8_t> image = captureWindowImage(form.window(ControlId::标签生成));

  const std::wstring path = dialog.fileName();
  if (image.empty()) {
    reportSaveFailure(form, path, kEmptyCaptureReason);
    return;
  }
  if (const WriteResult written = writeFileBytes(path, {std::span<const uint8_t>(image)}); !written) {
    reportSaveFailure(form, path, systemErrorText(written.error));
  }
}

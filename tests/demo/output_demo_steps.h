// The demo's photo and certificate: draws a small photo, loads it with a
// click on the photo box, and saves the certificate with "生成", typing into
// the real dialogs.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

#include "../wine/output_dialog_driver.h"
#include "support/app_session.h"

namespace output_demo {

inline constexpr int kGenerateButton = 6;
inline constexpr int kPhotoBox = 23;

// A 76 × 93 portrait: a face on a blue ground, as a 24-bit BMP.
inline void drawPhoto(const std::wstring& path) {
  e2e::Capture photo;
  photo.width = 76;
  photo.height = 93;
  photo.pixels.assign(76 * 93, 0x3C6EB4);
  for (int y = 0; y < 93; ++y) {
    for (int x = 0; x < 76; ++x) {
      const int dx = x - 38, dy = y - 40;
      const bool face = dx * dx * 9 + dy * dy * 5 < 24 * 24 * 9;
      const bool shoulders = y > 72 && (x - 38) * (x - 38) < (y - 60) * (y - 60) * 3;
      const bool eye = (dy + 6) * (dy + 6) + (dx - 9) * (dx - 9) < 10 || (dy + 6) * (dy + 6) + (dx + 9) * (dx + 9) < 10;
      const bool mouth = dy > 7 && dy < 11 && dx * dx < 80 - (dy - 9) * 6;
      if (shoulders) photo.pixels[y * 76 + x] = 0x202830;
      if (face) photo.pixels[y * 76 + x] = eye || mouth ? 0x302020 : 0xF0C8A0;
    }
  }
  e2e::saveBmp(photo, path);
}

// Types `path` into the file dialog that the click opened and confirms it.
inline bool answerFileDialog(e2e::AppSession& app, const std::wstring& path) {
  HWND dialog = dialog_driver::waitForDialog(app.thread(), {}, 5000);
  if (!dialog) return false;
  if (!dialog_driver::typePathAndConfirm(dialog, path)) {
    dialog_driver::cancelRemainingDialogs(app.thread());
    return false;
  }
  // Saving over an earlier demo's certificate: yes.
  if (HWND question = dialog_driver::waitForDialog(app.thread(), {dialog}, 1000)) {
    dialog_driver::clickButton(question, IDYES);
  }
  const bool closed = dialog_driver::waitUntilClosed(dialog);
  app.settle(std::chrono::milliseconds(300));
  return closed;
}

inline bool loadPhoto(e2e::AppSession& app, const std::wstring& path) {
  app.activate();
  e2e::clickAt(app.screenPoint(app.control(kPhotoBox), 38, 46));
  return answerFileDialog(app, path);
}

inline bool saveCertificate(e2e::AppSession& app, const std::wstring& path) {
  app.activate();
  e2e::clickAt(app.screenPoint(app.control(kGenerateButton), 20, 10));
  return answerFileDialog(app, path);
}

// The demo's steps: photo.bmp drawn and loaded, certificate.jpg saved (a BMP
// file whatever its name, as the program always writes).
inline bool photoAndCertificate(e2e::AppSession& app, const std::wstring& outDir) {
  const std::wstring photo = outDir + L"\\photo.bmp";
  drawPhoto(photo);
  if (!loadPhoto(app, photo)) {
    fwprintf(stderr, L"[demo] loading the photo failed\n");
    return false;
  }
  const std::wstring certificate = outDir + L"\\certificate.jpg";
  if (!saveCertificate(app, certificate)) {
    fwprintf(stderr, L"[demo] saving the certificate failed\n");
    return false;
  }
  wprintf(L"[demo] certificate saved: %ls\n", certificate.c_str());
  fflush(stdout);
  return true;
}

}  // namespace output_demo

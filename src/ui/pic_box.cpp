#include "ui/pic_box.h"

#include "assets/embedded_pictures.h"
#include "ui/pictures/placement.h"

PicBox::PicBox(const ControlRow& row, ControlEvents& events)
    : CustomControl(row, events),
      brush_(CreateSolidBrush(resolveColour(row.backColour))),
      displayMode_(row.pictureMode) {}

PicBox::~PicBox() {
  // The worker draws through this window: stop it before the window goes.
  animation_.reset();
}

bool PicBox::create(HWND parent) {
  if (!createCustom(parent, L"JokeCertPicBox", row_.border ? WS_BORDER : 0, 0)) return false;
  if (row_.picture == TemplatePicture::DefaultPhoto) setPicture(assets::defaultPhoto());
  return true;
}

void PicBox::setPicture(std::span<const uint8_t> bytes) {
  animation_.reset();
  decoded_.reset();
  bytes_.assign(bytes.begin(), bytes.end());
  if (animate_) animation_ = GifAnimation::create(hwnd_, bytes_, displayMode_);
  if (!animation_) decoded_ = Picture::decode(bytes_);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT PicBox::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      handles::PaintScope ps(hwnd_);
      paint(ps.dc());
      return 0;
    }
    case WM_DESTROY:
      animation_.reset();
      break;
  }
  return CustomControl::handleMessage(msg, wp, lp);
}

void PicBox::paint(HDC dc) {
  RECT client{};
  GetClientRect(hwnd_, &client);
  {
    handles::ScopedSelect select(dc, brush_.get());
    PatBlt(dc, 0, 0, client.right, client.bottom, PATCOPY);
  }
  if (animation_) {
    animation_->paint(dc, client);
    return;
  }
  if (!decoded_) return;
  const int pw = decoded_->width();
  const int ph = decoded_->height();
  PlacedRect at{};
  switch (displayMode_) {
    case 1: at = placeStretched(pw, ph, 0, 0, client.right, client.bottom); break;
    case 2: at = placeFitted(pw, ph, 0, 0, client.right, client.bottom); break;
    default: at = placeTopLeft(pw, ph, 0, 0, client.right, client.bottom); break;
  }
  decoded_->draw(dc, at.x, at.y, at.w, at.h);
}

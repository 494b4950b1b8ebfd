#include "ui/label.h"

#include "assets/embedded_pictures.h"
#include "ui/pictures/placement.h"

namespace {

std::span<const uint8_t> templatePicture(TemplatePicture picture) {
  switch (picture) {
    case TemplatePicture::InitialCanvas: return assets::initialCanvasPicture();
    case TemplatePicture::DefaultPhoto: return assets::defaultPhoto();
    case TemplatePicture::None: break;
  }
  return {};
}

bool rectsMeet(const RECT& a, const RECT& b) {
  RECT overlap;
  return IntersectRect(&overlap, &a, &b) != 0;
}

}  // namespace

Label::Label(const ControlRow& row, ControlEvents& events)
    : CustomControl(row, events),
      style_{storedFontFromTemplate(row.font), resolveColour(row.textColour), row.hAlign, row.vAlign,
             row.wordWrap},
      backColour_(resolveColour(row.backColour)),
      pictureMode_(row.pictureMode) {
  const auto bytes = templatePicture(row.picture);
  picture_.assign(bytes.begin(), bytes.end());
}

Label::~Label() = default;

bool Label::create(HWND parent) {
  return createCustom(parent, L"JokeCertLabel", row_.border ? WS_BORDER : 0, 0) != nullptr;
}

void Label::setCaption(const std::wstring& caption) {
  SetWindowTextW(hwnd_, caption.c_str());
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void Label::setFont(const FontSpec& font) {
  style_.font = logFontFromSpec(font);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void Label::setPicture(std::span<const uint8_t> bytes) {
  picture_.assign(bytes.begin(), bytes.end());
  decoded_.reset();
  InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT Label::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    handles::PaintScope ps(hwnd_);
    paint(ps.dc());
    return 0;
  }
  return CustomControl::handleMessage(msg, wp, lp);
}

// Every pixel of the update area is set once (picture or fill), then the text
// is drawn over it: no erase, no off-screen buffer, no flicker.
void Label::paint(HDC dc) {
  RECT clip{};
  const int clipKind = GetClipBox(dc, &clip);
  if (clipKind == NULLREGION || clipKind == ERROR || IsRectEmpty(&clip)) return;

  RECT client{};
  GetClientRect(hwnd_, &client);
  RECT toFill{};
  IntersectRect(&toFill, &clip, &client);
  handles::UniqueRegion area(CreateRectRgnIndirect(&toFill));
  if (!area) return;
  SelectClipRgn(dc, area.get());

  if (!picture_.empty()) {
    if (!decoded_) decoded_ = Picture::decode(picture_);
    if (!decoded_) {
      picture_.clear();
    } else {
      drawPicture(dc, client, clip, area.get());
    }
  }

  RECT remaining{};
  if (GetRgnBox(area.get(), &remaining) != NULLREGION) {
    handles::UniqueBrush brush(CreateSolidBrush(backColour_));
    FillRgn(dc, area.get(), brush.get());
  }

  drawCaption(dc, hwnd_, client, style_);
  redrawTransparentSiblingsOver(clip);
}

void Label::drawPicture(HDC dc, const RECT& client, const RECT& clip, HRGN areaToFill) {
  const int pw = decoded_->width();
  const int ph = decoded_->height();
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  if (pictureMode_ == 1) {
    for (const PlacedRect& tile :
         placeTiled(pw, ph, client.left, client.top, width, height, clip.left, clip.top, clip.right, clip.bottom))
      decoded_->draw(dc, tile.x, tile.y, tile.w, tile.h);
    SetRectRgn(areaToFill, 0, 0, 0, 0);
    return;
  }
  const PlacedRect at = pictureMode_ == 2 ? placeFitted(pw, ph, client.left, client.top, width, height)
                                          : placeTopLeft(pw, ph, client.left, client.top, width, height);
  decoded_->draw(dc, at.x, at.y, at.w, at.h);
  handles::UniqueRegion drawn(CreateRectRgn(at.x, at.y, at.x + at.w, at.y + at.h));
  CombineRgn(areaToFill, areaToFill, drawn.get(), RGN_DIFF);
}

// Transparent labels above this one lose their text when it paints beneath
// them; have them draw it again afterwards, whatever caused this paint.
void Label::redrawTransparentSiblingsOver(const RECT& clip) {
  RECT painted = clip;
  MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&painted), 2);
  for (HWND above = GetWindow(hwnd_, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV)) {
    if (!(GetWindowLongW(above, GWL_EXSTYLE) & WS_EX_TRANSPARENT) || !IsWindowVisible(above)) continue;
    RECT r{};
    GetWindowRect(above, &r);
    if (rectsMeet(r, painted)) InvalidateRect(above, nullptr, FALSE);
  }
}

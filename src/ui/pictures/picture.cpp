#include "ui/pictures/picture.h"

#include "ui/pictures/bgr_drawing.h"

namespace {

constexpr DWORD kIconFormatVersion = 0x00030000;
// Larger drawings than the window are not kept.
constexpr long long kLargestKeptArea = 1024 * 1024;

handles::UniqueIcon makeIcon(pictures::IconImage& image) {
  auto* bits = image.resource.data();
  const auto size = static_cast<DWORD>(image.resource.size());
  HICON icon = CreateIconFromResourceEx(bits, size, TRUE, kIconFormatVersion, image.width, image.height, LR_DEFAULTCOLOR);
  if (!icon && image.bitsPerPixel != 16) icon = CreateIconFromResource(bits, size, TRUE, kIconFormatVersion);
  return handles::UniqueIcon(icon);
}

}  // namespace

std::unique_ptr<Picture> Picture::decode(std::span<const std::uint8_t> bytes) {
  auto data = pictures::decodePictureData(bytes);
  if (!data) return nullptr;
  handles::UniqueIcon icon;
  if (auto* image = std::get_if<pictures::IconImage>(&data->image)) {
    icon = makeIcon(*image);
    if (!icon) return nullptr;
    image->resource = {};  // the handle holds the picture from now on
  }
  return std::unique_ptr<Picture>(new Picture(std::move(*data), std::move(icon)));
}

void Picture::draw(HDC dc, int x, int y, int w, int h) const {
  if (icon_) {
    pictures::setStretchModeForDisplay(dc);
    DrawIconEx(dc, x, y, icon_.get(), w, h, 0, nullptr, DI_NORMAL);
    return;
  }
  if (w <= 0 || h <= 0 || static_cast<long long>(w) * h > kLargestKeptArea) {
    drawPixels(dc, x, y, w, h);
    return;
  }
  if (!drawn_ || drawnWidth_ != w || drawnHeight_ != h) {
    drawn_.reset();
    handles::UniqueMemoryDC memory(CreateCompatibleDC(dc));
    handles::UniqueBitmap bitmap(memory ? CreateCompatibleBitmap(dc, w, h) : nullptr);
    if (!bitmap) {
      drawPixels(dc, x, y, w, h);
      return;
    }
    {
      handles::ScopedSelect selected(memory.get(), bitmap.get());
      drawPixels(memory.get(), 0, 0, w, h);
    }
    drawn_ = std::move(bitmap);
    drawnWidth_ = w;
    drawnHeight_ = h;
  }
  handles::UniqueMemoryDC memory(CreateCompatibleDC(dc));
  if (!memory) return;
  handles::ScopedSelect selected(memory.get(), drawn_.get());
  BitBlt(dc, x, y, w, h, memory.get(), 0, 0, SRCCOPY);
}

void Picture::drawPixels(HDC dc, int x, int y, int w, int h) const {
  if (const auto* bgr = std::get_if<pictures::BgrImage>(&data_.image)) {
    pictures::drawBgr(dc, *bgr, x, y, w, h);
  } else if (const auto* indexed = std::get_if<pictures::IndexedImage>(&data_.image)) {
    pictures::drawIndexed(dc, *indexed, x, y, w, h);
  }
}

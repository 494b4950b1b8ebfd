// A decoded picture ready to draw: pixels for JPEG, BMP, GIF and PCX, an
// icon handle for ICO and CUR.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>

#include "ui/handles.h"
#include "ui/pictures/decoded_picture.h"

class Picture {
 public:
  // No picture (nullptr) when the bytes do not decode or the icon is refused.
  static std::unique_ptr<Picture> decode(std::span<const std::uint8_t> bytes);

  PictureFormat format() const { return data_.format; }
  int width() const { return data_.width; }
  int height() const { return data_.height; }

  void draw(HDC dc, int x, int y, int w, int h) const;
  void draw(HDC dc, int x, int y) const { draw(dc, x, y, width(), height()); }

 private:
  Picture(pictures::DecodedData data, handles::UniqueIcon icon) : data_(std::move(data)), icon_(std::move(icon)) {}

  void drawPixels(HDC dc, int x, int y, int w, int h) const;

  pictures::DecodedData data_;
  handles::UniqueIcon icon_;
  // The pixels as last drawn, at that size: a repaint copies them instead of
  // converting and stretching the whole picture again (a 12-megapixel photo
  // costs the better part of a second to stretch under Wine).
  mutable handles::UniqueBitmap drawn_;
  mutable int drawnWidth_ = 0, drawnHeight_ = 0;
};

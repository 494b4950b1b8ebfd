// A picture box: a background brush and one picture, placed by its display
// mode; GIF pictures play as animations.
#pragma once

#include <memory>
#include <vector>

#include "ui/control.h"
#include "ui/handles.h"
#include "ui/pictures/gif_animation.h"
#include "ui/pictures/picture.h"

class PicBox : public CustomControl {
 public:
  PicBox(const ControlRow& row, ControlEvents& events);
  ~PicBox() override;

  bool create(HWND parent) override;
  // Stops any animation, keeps a copy of the bytes and decodes them at once.
  void setPicture(std::span<const uint8_t> bytes);
  const std::vector<uint8_t>& picture() const { return bytes_; }
  bool hasPicture() const { return decoded_ || animation_; }
  bool isAnimating() const { return animation_ != nullptr; }

 protected:
  LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void paint(HDC dc);

  handles::UniqueBrush brush_;
  int displayMode_;
  bool animate_ = true;
  std::vector<uint8_t> bytes_;
  std::unique_ptr<Picture> decoded_;
  std::unique_ptr<GifAnimation> animation_;
};

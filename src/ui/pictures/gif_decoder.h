// GIF files: the frame list, and a compositor that draws the frames in
// order onto a white picture of the logical screen size, with the disposal
// methods, transparency, local colour tables and interlacing GIFs use.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "ui/pictures/decoded_picture.h"

namespace pictures {

struct GifFrame {
  int left = 0, top = 0, width = 0, height = 0;
  bool interlaced = false;
  int disposal = 0;           // 2: back to white afterwards, 3: back to what was there
  int transparentIndex = -1;  // -1: none
  int delayMs = 0;
  std::size_t tableOffset = 0;  // colour table in use (local, else global); count 0: none
  int tableCount = 0;
  std::size_t dataOffset = 0;  // the LZW minimum code size byte
};

struct GifStream {
  int width = 0;
  int height = 0;
  std::vector<GifFrame> frames;
};

// The logical screen and every image that the bytes hold up to the trailer
// or the first damage; no value when there is no image at all.
std::optional<GifStream> parseGif(std::span<const std::uint8_t> bytes, DecodeLimits limits = {});

// A frame's stay: hundredths of a second, 50 ms when it says 0.
int gifDelayMs(int hundredths);

class GifCompositor {
 public:
  // Keeps a view of `bytes`: they must outlive the compositor.
  static std::optional<GifCompositor> create(std::span<const std::uint8_t> bytes, DecodeLimits limits = {});

  std::size_t frameCount() const { return stream_.frames.size(); }
  // The frame last composed, or frameCount() before the first.
  std::size_t currentFrame() const { return current_; }
  // Composes the next frame (the first again after the last) and returns
  // how long it stays, in milliseconds.
  int advance();
  const BgrImage& screen() const { return screen_; }
  BgrImage takeScreen() { return std::move(screen_); }

 private:
  GifCompositor(std::span<const std::uint8_t> bytes, GifStream stream, BgrImage screen)
      : bytes_(bytes), stream_(std::move(stream)), screen_(std::move(screen)), current_(stream_.frames.size()) {}
  void dispose(const GifFrame& frame);
  void draw(const GifFrame& frame);
  void fillWhite(int left, int top, int right, int bottom);

  std::span<const std::uint8_t> bytes_;
  GifStream stream_;
  BgrImage screen_;
  std::size_t current_;
  std::vector<std::uint8_t> saved_;  // the area under a frame that restores it afterwards
};

}  // namespace pictures

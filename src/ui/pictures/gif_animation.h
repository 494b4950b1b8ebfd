// The GIF animation of a picture box: one worker thread composes the frames
// in turn and draws each through the box's own device context; the box's
// paint draws the current frame. The two never draw the frame at once.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

#include "ui/handles.h"
#include "ui/pictures/gif_decoder.h"

class GifAnimation {
 public:
  // nullptr when the bytes are not a GIF that can be played.
  static std::unique_ptr<GifAnimation> create(HWND box, std::span<const std::uint8_t> bytes, int displayMode);
  // Asks the worker to stop and waits until it has: no frame is drawn after.
  ~GifAnimation();
  GifAnimation(const GifAnimation&) = delete;
  GifAnimation& operator=(const GifAnimation&) = delete;

  // From the box's WM_PAINT: starts the worker on the first paint, then
  // draws the current frame placed by the display mode.
  void paint(HDC dc, const RECT& client);

 private:
  GifAnimation(HWND box, std::vector<std::uint8_t> bytes, int displayMode);
  static DWORD WINAPI workerMain(void* self);
  void play();
  void drawFrame(HDC dc, const RECT& client);  // with frameLock_ held

  HWND box_;
  int displayMode_;
  std::vector<std::uint8_t> bytes_;           // the compositor reads these
  std::optional<pictures::GifCompositor> gif_;
  int delayMs_ = 0;                           // of the frame on show
  std::mutex frameLock_;
  handles::UniqueEvent stop_;
  handles::UniqueThread worker_;
};

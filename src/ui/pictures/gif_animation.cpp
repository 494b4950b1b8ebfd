#include "ui/pictures/gif_animation.h"

#include <algorithm>
#include <chrono>

#include "ui/pictures/bgr_drawing.h"
#include "ui/pictures/placement.h"

namespace {

// How often the worker looks whether it is asked to stop.
constexpr auto kStopCheck = std::chrono::milliseconds(10);

using Clock = std::chrono::steady_clock;

}  // namespace

GifAnimation::GifAnimation(HWND box, std::vector<std::uint8_t> bytes, int displayMode)
    : box_(box), displayMode_(displayMode), bytes_(std::move(bytes)) {}

std::unique_ptr<GifAnimation> GifAnimation::create(HWND box, std::span<const std::uint8_t> bytes, int displayMode) {
  std::unique_ptr<GifAnimation> animation(
      new GifAnimation(box, std::vector<std::uint8_t>(bytes.begin(), bytes.end()), displayMode));
  animation->gif_ = pictures::GifCompositor::create(animation->bytes_);
  if (!animation->gif_) return nullptr;
  animation->stop_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!animation->stop_) return nullptr;
  animation->delayMs_ = animation->gif_->advance();
  return animation;
}

GifAnimation::~GifAnimation() {
  if (worker_) {
    SetEvent(stop_.get());
    WaitForSingleObject(worker_.get(), INFINITE);
  }
}

void GifAnimation::paint(HDC dc, const RECT& client) {
  if (!worker_) worker_.reset(CreateThread(nullptr, 0, workerMain, this, 0, nullptr));
  std::lock_guard lock(frameLock_);
  drawFrame(dc, client);
}

void GifAnimation::drawFrame(HDC dc, const RECT& client) {
  const pictures::BgrImage& frame = gif_->screen();
  const PlacedRect at = placeByDisplayMode(displayMode_, frame.width, frame.height, client.left, client.top,
                                           client.right - client.left, client.bottom - client.top);
  pictures::drawBgr(dc, frame, at.x, at.y, at.w, at.h);
}

DWORD WINAPI GifAnimation::workerMain(void* self) {
  static_cast<GifAnimation*>(self)->play();
  return 0;
}

void GifAnimation::play() {
  auto due = Clock::now() + std::chrono::milliseconds(delayMs_);
  for (;;) {
    // Wait out the frame's stay in slices, so a stop is seen at once.
    for (auto now = Clock::now(); now < due; now = Clock::now()) {
      const auto slice = std::min<Clock::duration>(due - now, kStopCheck);
      const auto ms = std::chrono::ceil<std::chrono::milliseconds>(slice).count();
      if (WaitForSingleObject(stop_.get(), static_cast<DWORD>(ms)) == WAIT_OBJECT_0) return;
    }
    if (WaitForSingleObject(stop_.get(), 0) == WAIT_OBJECT_0) return;
    {
      std::lock_guard lock(frameLock_);
      delayMs_ = gif_->advance();
      handles::WindowDC dc(box_);
      RECT client{};
      if (dc && GetClientRect(box_, &client)) drawFrame(dc.get(), client);
    }
    // Each frame stays its full delay from when it was shown, even after a
    // stall: an animation that falls behind never races to catch up.
    due = Clock::now() + std::chrono::milliseconds(delayMs_);
  }
}

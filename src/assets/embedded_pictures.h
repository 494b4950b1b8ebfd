// The pictures the program carries: complete JPEG files, built in, never changed.
#pragma once

#include <cstdint>
#include <span>

namespace assets {

enum class PictureId : int {
  Template01, Template02, Template03, Template04, Template05, Template06, Template07, Template08,
  Template09, Template10, Template11, Template12, Template13, Template14, Template15, Template16,
  DefaultPhoto,
};
inline constexpr int kTemplateCount = 16;

std::span<const uint8_t> pictureBytes(PictureId id);

// The canvas's start-up picture is the first kind's template: one stored copy.
inline std::span<const uint8_t> initialCanvasPicture() { return pictureBytes(PictureId::Template01); }
inline std::span<const uint8_t> defaultPhoto() { return pictureBytes(PictureId::DefaultPhoto); }

}  // namespace assets

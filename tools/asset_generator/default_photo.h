// The photo box's picture until a photo is loaded: a grey tile inviting a click.
#pragma once

#include "asset_generator/jpeg_encoder.h"

namespace gen {

inline constexpr int kDefaultPhotoWidth = 79;
inline constexpr int kDefaultPhotoHeight = 90;

RgbImage drawDefaultPhoto();

}  // namespace gen

#include "assets/embedded_pictures.h"

#include <array>

namespace assets {

namespace embedded {
std::span<const uint8_t> template01();
std::span<const uint8_t> template02();
std::span<const uint8_t> template03();
std::span<const uint8_t> template04();
std::span<const uint8_t> template05();
std::span<const uint8_t> template06();
std::span<const uint8_t> template07();
std::span<const uint8_t> template08();
std::span<const uint8_t> template09();
std::span<const uint8_t> template10();
std::span<const uint8_t> template11();
std::span<const uint8_t> template12();
std::span<const uint8_t> template13();
std::span<const uint8_t> template14();
std::span<const uint8_t> template15();
std::span<const uint8_t> template16();
std::span<const uint8_t> default_photo();
}  // namespace embedded

namespace {

using Source = std::span<const uint8_t> (*)();

// In PictureId order.
constexpr std::array<Source, kTemplateCount + 1> kSources{
    embedded::template01, embedded::template02,    embedded::template03, embedded::template04, embedded::template05,
    embedded::template06, embedded::template07,    embedded::template08, embedded::template09, embedded::template10,
    embedded::template11, embedded::template12,    embedded::template13, embedded::template14, embedded::template15,
    embedded::template16, embedded::default_photo,
};

}  // namespace

std::span<const uint8_t> pictureBytes(PictureId id) {
  const auto index = static_cast<size_t>(id);
  if (index >= kSources.size()) return {};
  return kSources[index]();
}

}  // namespace assets

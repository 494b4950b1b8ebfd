// Each kind's overlay controls land on clean blanks of its template, just after
// their captions, and the photo frame hides under the photo box.
#include <gtest/gtest.h>

#include <string>

#include "assets/embedded_pictures.h"
#include "assets_probe.h"

namespace {

using assets_probe::Image;
using assets_probe::Rect;

// A blank may carry JPEG noise from ink a few pixels away, but nothing printed:
// every channel of every pixel stays at or above this.
constexpr int kBlankFloor = 215;
// Caption ink: a pixel this dark, at most kCaptionReach pixels left of the blank
// (the first kind's captions also clear its labels' start-up places, 5 pixels further left).
constexpr int kInkCeiling = 140;
constexpr int kCaptionReach = 10;
// The band round the photo box that the frame must not reach into.
constexpr int kPhotoMargin = 6;

struct Darkest {
  int value = 255;
  int x = -1, y = -1;
};

Darkest darkestIn(const Image& image, const Rect& r) {
  Darkest d;
  for (int y = r.y; y < r.bottom(); ++y) {
    for (int x = r.x; x < r.right(); ++x) {
      const int v = image.at(x, y).darkest();
      if (v < d.value) d = {v, x, y};
    }
  }
  return d;
}

int inkPixels(const Image& image, const Rect& r) {
  int count = 0;
  for (int y = r.y; y < r.bottom(); ++y) {
    for (int x = r.x; x < r.right(); ++x) count += image.at(x, y).luminance() < kInkCeiling;
  }
  return count;
}

std::string kindName(const CertificateKind& kind) {
  std::string out;
  for (const wchar_t* p = kind.name; *p; ++p) {
    const auto c = static_cast<uint32_t>(*p);
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

class KindTemplate : public testing::TestWithParam<size_t> {
 protected:
  const CertificateKind& kind() const { return certificateKinds()[GetParam()]; }
  Image image() const {
    auto decoded = assets_probe::decodePicture(assets::pictureBytes(kind().templatePicture));
    EXPECT_TRUE(decoded.has_value());
    return decoded.value_or(Image{});
  }
};

TEST_P(KindTemplate, EveryControlSitsOnCleanPanel) {
  const Image picture = image();
  ASSERT_EQ(picture.width, 500);
  for (const auto& blank : assets_probe::blanksOf(kind())) {
    const Darkest d = darkestIn(picture, blank.rect);
    EXPECT_GE(d.value, kBlankFloor) << kindName(kind()) << ": ink under the " << blank.role << " control at (" << d.x
                                    << ", " << d.y << ")";
  }
}

TEST_P(KindTemplate, EveryBlankFollowsItsCaption) {
  const Image picture = image();
  ASSERT_EQ(picture.width, 500);
  for (const auto& blank : assets_probe::blanksOf(kind())) {
    const Rect before{blank.rect.x - kCaptionReach, blank.rect.y, kCaptionReach, blank.rect.height};
    EXPECT_GT(inkPixels(picture, before), 2)
        << kindName(kind()) << ": no caption ink just left of the " << blank.role << " blank";
  }
}

TEST_P(KindTemplate, PhotoFrameLiesUnderThePhotoBox) {
  const Image picture = image();
  ASSERT_EQ(picture.width, 500);
  const Rect box = assets_probe::photoBox();
  ASSERT_EQ(box.x, 384);
  ASSERT_EQ(box.y, 34);
  // The frame is there: its flat colour shows beside the silhouette's head.
  for (const auto& [x, y] : {std::pair{box.x + 6, box.y + 4}, std::pair{box.right() - 5, box.y + 4},
                             std::pair{box.x + 6, box.y + 40}, std::pair{box.right() - 5, box.y + 40}}) {
    EXPECT_LT(picture.at(x, y).darkest(), kBlankFloor)
        << kindName(kind()) << ": no frame at (" << x << ", " << y << ")";
  }
  // And nothing of it shows round the box.
  const int m = kPhotoMargin;
  const Rect around[] = {{box.x - m, box.y - m, box.width + 2 * m, m},
                         {box.x - m, box.bottom(), box.width + 2 * m, m},
                         {box.x - m, box.y, m, box.height},
                         {box.right(), box.y, m, box.height}};
  for (const Rect& r : around) {
    const Darkest d = darkestIn(picture, r);
    EXPECT_GE(d.value, kBlankFloor) << kindName(kind()) << ": the frame shows outside the photo box at (" << d.x << ", "
                                    << d.y << ")";
  }
}

INSTANTIATE_TEST_SUITE_P(AllKinds, KindTemplate, testing::Range<size_t>(0, certificateKinds().size()),
                         [](const testing::TestParamInfo<size_t>& info) {
                           return "kind" + std::to_string(info.param + 1);
                         });

// Before any kind is chosen the canvas shows the start-up picture with the
// overlay controls at their start-up places, which differ from the first kind's.
TEST(StartUpCanvas, OverlayControlsAtTheirStartUpPlacesSitOnCleanPanel) {
  const auto picture = assets_probe::decodePicture(assets::initialCanvasPicture());
  ASSERT_TRUE(picture.has_value());
  for (ControlId id : assets_probe::kOverlayControls) {
    const ControlRow& row = controlRow(id);
    const Rect rect = assets_probe::onTemplate(id, row.left, row.top);
    const Darkest d = darkestIn(*picture, rect);
    EXPECT_GE(d.value, kBlankFloor) << "ink under control row " << rowOf(id) << " at (" << d.x << ", " << d.y << ")";
  }
}

}  // namespace

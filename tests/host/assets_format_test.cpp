// Every built-in picture is a baseline JPEG with a JFIF header, three 8-bit
// components and the pixel size the canvas and the photo box rely on.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "assets/embedded_pictures.h"
#include "assets_probe.h"

namespace {

using assets::PictureId;

// What the markers of a JPEG file say, read without libjpeg.
struct JpegMarkers {
  bool startsWithSoi = false;
  bool firstSegmentIsJfif = false;
  int jfifMajor = 0, jfifMinor = 0;
  std::vector<int> frameMarkers;  // every SOFn seen
  int precision = 0, components = 0, width = 0, height = 0;
  std::vector<int> componentIds;
  bool reachesScan = false;
  bool endsWithEoi = false;
};

int be16(std::span<const uint8_t> b, size_t at) { return b[at] << 8 | b[at + 1]; }

JpegMarkers readMarkers(std::span<const uint8_t> b) {
  JpegMarkers m;
  m.startsWithSoi = b.size() >= 4 && b[0] == 0xFF && b[1] == 0xD8;
  m.endsWithEoi = b.size() >= 4 && b[b.size() - 2] == 0xFF && b[b.size() - 1] == 0xD9;
  size_t at = 2;
  bool first = true;
  while (m.startsWithSoi && at + 4 <= b.size() && b[at] == 0xFF) {
    const int marker = b[at + 1];
    const int length = be16(b, at + 2);
    if (length < 2 || at + 2 + length > b.size()) break;
    const size_t body = at + 4;
    if (first && marker == 0xE0 && length >= 16 &&
        std::string(b.begin() + body, b.begin() + body + 5) == std::string("JFIF\0", 5)) {
      m.firstSegmentIsJfif = true;
      m.jfifMajor = b[body + 5];
      m.jfifMinor = b[body + 6];
    }
    // SOF0 to SOF15, except DHT (C4), JPG (C8) and DAC (CC).
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
      m.frameMarkers.push_back(marker);
      m.precision = b[body];
      m.height = be16(b, body + 1);
      m.width = be16(b, body + 3);
      m.components = b[body + 5];
      for (int c = 0; c < m.components && body + 6 + 3 * c < b.size(); ++c)
        m.componentIds.push_back(b[body + 6 + 3 * c]);
    }
    if (marker == 0xDA) {
      m.reachesScan = true;
      break;
    }
    first = false;
    at += 2 + length;
  }
  return m;
}

struct PictureCase {
  PictureId id;
  const char* name;
  int width, height;
};

const PictureCase kPictures[] = {
    {PictureId::Template01, "template01", 500, 316},    {PictureId::Template02, "template02", 500, 316},
    {PictureId::Template03, "template03", 500, 316},    {PictureId::Template04, "template04", 500, 316},
    {PictureId::Template05, "template05", 500, 316},    {PictureId::Template06, "template06", 500, 316},
    {PictureId::Template07, "template07", 500, 316},    {PictureId::Template08, "template08", 500, 316},
    {PictureId::Template09, "template09", 500, 316},    {PictureId::Template10, "template10", 500, 316},
    {PictureId::Template11, "template11", 500, 316},    {PictureId::Template12, "template12", 500, 316},
    {PictureId::Template13, "template13", 500, 316},    {PictureId::Template14, "template14", 500, 316},
    {PictureId::Template15, "template15", 500, 316},    {PictureId::Template16, "template16", 500, 316},
    {PictureId::DefaultPhoto, "default_photo", 79, 90},
};

class BuiltInPicture : public testing::TestWithParam<PictureCase> {};

TEST_P(BuiltInPicture, IsBaselineJfifWithThreeEightBitComponents) {
  const PictureCase& c = GetParam();
  const auto bytes = assets::pictureBytes(c.id);
  const JpegMarkers m = readMarkers(bytes);
  EXPECT_TRUE(m.startsWithSoi);
  EXPECT_TRUE(m.firstSegmentIsJfif) << "APP0 JFIF must come straight after SOI";
  EXPECT_EQ(m.jfifMajor, 1);
  EXPECT_EQ(m.frameMarkers, std::vector<int>{0xC0}) << "one baseline frame, nothing progressive or extended";
  EXPECT_EQ(m.precision, 8);
  EXPECT_EQ(m.components, 3);
  EXPECT_EQ(m.componentIds, (std::vector<int>{1, 2, 3})) << "JFIF's Y, Cb, Cr";
  EXPECT_EQ(m.width, c.width);
  EXPECT_EQ(m.height, c.height);
  EXPECT_TRUE(m.reachesScan);
  EXPECT_TRUE(m.endsWithEoi);
}

TEST_P(BuiltInPicture, DecodesToItsStatedSize) {
  const PictureCase& c = GetParam();
  const auto image = assets_probe::decodePicture(assets::pictureBytes(c.id));
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(image->width, c.width);
  EXPECT_EQ(image->height, c.height);
}

INSTANTIATE_TEST_SUITE_P(All, BuiltInPicture, testing::ValuesIn(kPictures),
                         [](const testing::TestParamInfo<PictureCase>& info) { return info.param.name; });

TEST(BuiltInPictures, StartUpCanvasIsTheFirstKindsTemplateItself) {
  const auto canvas = assets::initialCanvasPicture();
  const auto first = assets::pictureBytes(certificateKinds().front().templatePicture);
  EXPECT_EQ(canvas.data(), first.data()) << "one stored copy serves both";
  EXPECT_EQ(canvas.size(), first.size());
  EXPECT_TRUE(textEquals(certificateKinds().front().name, L"光棍证"));
}

TEST(BuiltInPictures, EveryKindHasATemplateOfItsOwn) {
  std::set<std::vector<uint8_t>> distinct;
  for (const CertificateKind& kind : certificateKinds()) {
    const auto bytes = assets::pictureBytes(kind.templatePicture);
    distinct.emplace(bytes.begin(), bytes.end());
  }
  EXPECT_EQ(distinct.size(), certificateKinds().size());
  EXPECT_EQ(certificateKinds().size(), static_cast<size_t>(assets::kTemplateCount)) << "one kind for each template";
}

TEST(BuiltInPictures, AnIdOutsideTheTableGivesNoPicture) {
  EXPECT_TRUE(assets::pictureBytes(static_cast<PictureId>(-1)).empty());
  EXPECT_TRUE(assets::pictureBytes(static_cast<PictureId>(assets::kTemplateCount + 1)).empty());
}

}  // namespace

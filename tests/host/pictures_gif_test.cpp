// GIF frames composed in order: disposal, transparency, local tables,
// interlacing, delays, damage.
#include <gtest/gtest.h>

#include "host/pictures_probe.h"
#include "ui/pictures/gif_decoder.h"

namespace {

using fixtures::Bytes;
using fixtures::GifFrameSpec;
using fixtures::Rgb;

using namespace fixtures::colours;
const std::vector<Rgb> kTable{kRed, kBlue, kGreen, kBlack};

std::vector<Rgb> screenRow(const pictures::GifCompositor& gif, int y) {
  std::vector<Rgb> row;
  for (int x = 0; x < gif.screen().width; ++x) row.push_back(fixtures::pixelAt(gif.screen(), x, y));
  return row;
}

GifFrameSpec frame(int left, int width, std::vector<int> indices, int disposal = 0, int delay = 0) {
  GifFrameSpec f;
  f.left = left;
  f.width = width;
  f.height = 1;
  f.indices = std::move(indices);
  f.disposal = disposal;
  f.delay = delay;
  return f;
}

TEST(GifCompositor, DisposalTransparencyAndLocalTablesFrameByFrame) {
  GifFrameSpec last = frame(0, 2, {0, 1});
  last.localTable = {kGreen, kBlack};
  last.transparentIndex = 0;
  const Bytes bytes = fixtures::makeGif(4, 1, kTable,
                                        {frame(0, 4, {0, 0, 0, 0}), frame(1, 2, {1, 1}, 2), frame(3, 1, {2}, 3), last});
  auto gif = pictures::GifCompositor::create(bytes);
  ASSERT_TRUE(gif);
  ASSERT_EQ(gif->frameCount(), 4u);
  const std::vector<std::vector<Rgb>> expected{
      {kRed, kRed, kRed, kRed},
      {kRed, kBlue, kBlue, kRed},
      {kRed, kWhite, kWhite, kGreen},  // the blue frame went back to white
      {kRed, kBlack, kWhite, kRed},    // the green frame restored what it covered; index 0 transparent
      {kRed, kRed, kRed, kRed},        // and round again
  };
  for (std::size_t i = 0; i < expected.size(); ++i) {
    gif->advance();
    EXPECT_EQ(gif->currentFrame(), i % 4);
    EXPECT_EQ(screenRow(*gif, 0), expected[i]) << "after frame " << i;
  }
}

TEST(GifCompositor, StartsWhiteAndRestartsWhiteAfterTheLastFrame) {
  const Bytes bytes = fixtures::makeGif(3, 1, kTable, {frame(0, 1, {1}), frame(2, 1, {2})});
  auto gif = pictures::GifCompositor::create(bytes);
  ASSERT_TRUE(gif);
  gif->advance();
  EXPECT_EQ(screenRow(*gif, 0), (std::vector<Rgb>{kBlue, kWhite, kWhite}));
  gif->advance();
  EXPECT_EQ(screenRow(*gif, 0), (std::vector<Rgb>{kBlue, kWhite, kGreen}));
  gif->advance();
  EXPECT_EQ(screenRow(*gif, 0), (std::vector<Rgb>{kBlue, kWhite, kWhite}));
}

TEST(GifCompositor, DelaysAreHundredthsAndFiftyMillisecondsForZero) {
  const Bytes bytes = fixtures::makeGif(1, 1, kTable, {frame(0, 1, {0}, 0, 10), frame(0, 1, {1}, 0, 0), frame(0, 1, {2}, 0, 3)});
  auto gif = pictures::GifCompositor::create(bytes);
  ASSERT_TRUE(gif);
  EXPECT_EQ(gif->advance(), 100);
  EXPECT_EQ(gif->advance(), 50);
  EXPECT_EQ(gif->advance(), 30);
  EXPECT_EQ(gif->advance(), 100);
}

// Indices that repeat and vary enough to fill the LZW table and clear it.
std::vector<int> busyIndices(int count, int colours) {
  std::vector<int> out;
  std::uint32_t state = 12345;
  for (int i = 0; i < count; ++i) {
    state = state * 1103515245u + 12345u;
    out.push_back((i / 7) % 3 == 0 ? 5 % colours : static_cast<int>((state >> 16) % colours));
  }
  return out;
}

std::vector<Rgb> spectrum(int colours) {
  std::vector<Rgb> table;
  for (int i = 0; i < colours; ++i) table.push_back({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), 7});
  return table;
}

TEST(GifCompositor, DecodesEveryPixelOfLargeAndInterlacedFrames) {
  struct Case {
    int width, height, colours;
    bool interlaced;
  };
  const Case cases[] = {{200, 150, 256, false}, {61, 37, 16, true}, {1, 10, 2, true}, {300, 100, 4, false}};
  for (const Case& c : cases) {
    GifFrameSpec f;
    f.width = c.width;
    f.height = c.height;
    f.indices = busyIndices(c.width * c.height, c.colours);
    f.interlaced = c.interlaced;
    const auto table = spectrum(c.colours);
    const Bytes bytes = fixtures::makeGif(c.width, c.height, table, {f});
    const auto image = pictures::decodeGifFirstFrame(bytes);
    ASSERT_TRUE(image) << c.width << "x" << c.height;
    int wrong = 0;
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x)
        wrong += fixtures::pixelAt(*image, x, y) != table[static_cast<std::size_t>(f.indices[y * c.width + x])];
    EXPECT_EQ(wrong, 0) << c.width << "x" << c.height;
  }
}

TEST(GifCompositor, FramesReachingPastTheScreenAreClipped) {
  const Bytes bytes = fixtures::makeGif(3, 2, kTable, {frame(2, 3, {1, 2, 3}), frame(9, 2, {1, 1})});
  auto gif = pictures::GifCompositor::create(bytes);
  ASSERT_TRUE(gif);
  gif->advance();
  EXPECT_EQ(screenRow(*gif, 0), (std::vector<Rgb>{kWhite, kWhite, kBlue}));
  gif->advance();
  EXPECT_EQ(screenRow(*gif, 0), (std::vector<Rgb>{kWhite, kWhite, kBlue}));
}

TEST(GifDamage, DataCutShortShowsTheDecodedRows) {
  GifFrameSpec f;
  f.width = 40;
  f.height = 40;
  f.indices = busyIndices(1600, 4);
  const Bytes whole = fixtures::makeGif(40, 40, kTable, {f});
  const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(whole.size() / 2));
  const auto image = pictures::decodeGifFirstFrame(cut);
  ASSERT_TRUE(image);
  EXPECT_EQ(fixtures::pixelAt(*image, 0, 0), kTable[static_cast<std::size_t>(f.indices[0])]);
  EXPECT_EQ(fixtures::pixelAt(*image, 39, 39), kWhite);
}

TEST(GifDamage, CodeBeyondTheTableStopsTheFrame) {
  // Minimum code size 2, 3-bit codes: clear (4), literal 1, then 7 while the
  // table ends at 6.
  Bytes bytes = fixtures::makeGif(3, 1, kTable, {}, false);
  bytes.insert(bytes.end(), {0x2C, 0, 0, 0, 0, 3, 0, 1, 0, 0, 2});
  const std::uint32_t codes = 4 | (1 << 3) | (7 << 6);
  bytes.insert(bytes.end(), {2, static_cast<std::uint8_t>(codes), static_cast<std::uint8_t>(codes >> 8), 0, 0x3B});
  const auto image = pictures::decodeGifFirstFrame(bytes);
  ASSERT_TRUE(image);
  EXPECT_EQ(fixtures::pixelAt(*image, 0, 0), kBlue);
  EXPECT_EQ(fixtures::pixelAt(*image, 1, 0), kWhite);
}

TEST(GifDamage, ThousandsOfFramesPlayInTurn) {
  std::vector<GifFrameSpec> frames;
  for (int i = 0; i < 5000; ++i) frames.push_back(frame(i % 2, 1, {i % 4}));
  const Bytes bytes = fixtures::makeGif(2, 1, kTable, frames);
  auto gif = pictures::GifCompositor::create(bytes);
  ASSERT_TRUE(gif);
  EXPECT_EQ(gif->frameCount(), 5000u);
  for (int i = 0; i < 5001; ++i) gif->advance();
  EXPECT_EQ(gif->currentFrame(), 0u);
}

TEST(GifDamage, ABadFrameEndsTheAnimationBeforeIt) {
  GifFrameSpec bad = frame(0, 1, {1});
  bad.minimumCodeSize = 12;
  const Bytes bytes = fixtures::makeGif(1, 1, kTable, {frame(0, 1, {0}), frame(0, 1, {2}), bad, frame(0, 1, {1})});
  const auto stream = pictures::parseGif(bytes);
  ASSERT_TRUE(stream);
  EXPECT_EQ(stream->frames.size(), 2u);
}

}  // namespace

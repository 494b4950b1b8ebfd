// The photo files the soak loads: pictures of every format the program
// reads, and broken ones that must leave the photo box empty without harm.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "host/pictures_fixtures.h"

namespace soak {

struct PhotoFile {
  std::wstring name;
  fixtures::Bytes bytes;
};

inline fixtures::Bytes truncated(fixtures::Bytes bytes, std::size_t keep) {
  bytes.resize(std::min(keep, bytes.size()));
  return bytes;
}

inline std::vector<PhotoFile> photoCorpus(std::mt19937& random) {
  using namespace fixtures;
  const Bytes jpeg = makeJpeg(120, 150, [](int x, int y) {
    return Rgb{static_cast<std::uint8_t>(x * 2), static_cast<std::uint8_t>(y), 140};
  });
  const Bytes grey = makeJpeg(60, 60, [](int x, int) { return Rgb{0, static_cast<std::uint8_t>(x * 4), 0}; },
                              JpegColour::Grey);
  BmpSpec bmp;
  bmp.width = 30;
  bmp.height = 20;
  bmp.bitCount = 24;
  bmp.pixels.assign(600, Rgb{30, 160, 220});
  const Bytes bmpBytes = makeBmp(bmp);

  std::vector<GifFrameSpec> frames(4);
  for (int i = 0; i < 4; ++i) {
    frames[i].width = 16;
    frames[i].height = 16;
    frames[i].indices = filled(256, i % 2);
    frames[i].delay = 5;
  }
  const Bytes gif = makeGif(16, 16, {{230, 20, 20}, {20, 20, 230}}, frames);

  PcxSpec pcx;
  pcx.width = 10;
  pcx.height = 10;
  pcx.planeRows.assign(10, std::vector<std::uint8_t>(10, 1));
  pcx.palette = {{0, 0, 0}, {200, 200, 40}};

  Bytes noise(4096);
  for (auto& b : noise) b = static_cast<std::uint8_t>(random());
  Bytes hugeBmp = bmpBytes;  // claims 60000 × 60000 pixels over 600 bytes
  set32(hugeBmp, 18, 60000);
  set32(hugeBmp, 22, 60000);
  Bytes flippedJpeg = jpeg;  // bytes in the middle of the scan changed
  for (std::size_t i = flippedJpeg.size() / 2; i < flippedJpeg.size() / 2 + 64; ++i) flippedJpeg[i] ^= 0x5A;

  return {
      {L"photo.jpg", jpeg},
      {L"grey.jpg", grey},
      {L"photo.bmp", bmpBytes},
      {L"blink.gif", gif},
      {L"photo.pcx", makePcx(pcx)},
      {L"icon.ico", makeIconFile(1, {{32, 0, iconBitmap(32, {20, 180, 90})}})},
      {L"half.jpg", truncated(jpeg, jpeg.size() / 2)},
      {L"header-only.jpg", truncated(jpeg, 20)},
      {L"flipped.jpg", flippedJpeg},
      {L"empty.jpg", {}},
      {L"noise.jpg", noise},
      {L"huge.bmp", hugeBmp},
      {L"half.gif", truncated(gif, gif.size() / 2)},
      {L"png.png", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13}},
      {L"five.bmp", {'B', 'M', 1, 2, 3}},
  };
}

}  // namespace soak

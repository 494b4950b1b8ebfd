// The committed pictures are exactly what the generator draws, and exactly
// what the program carries.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "assets/embedded_pictures.h"
#include "assets_probe.h"

namespace {

using assets::PictureId;

struct CommittedFile {
  const char* name;
  bool embedded;
  PictureId id;
};

const CommittedFile kFiles[] = {
    {"template01.jpg", true, PictureId::Template01},
    {"template02.jpg", true, PictureId::Template02},
    {"template03.jpg", true, PictureId::Template03},
    {"template04.jpg", true, PictureId::Template04},
    {"template05.jpg", true, PictureId::Template05},
    {"template06.jpg", true, PictureId::Template06},
    {"template07.jpg", true, PictureId::Template07},
    {"template08.jpg", true, PictureId::Template08},
    {"template09.jpg", true, PictureId::Template09},
    {"template10.jpg", true, PictureId::Template10},
    {"template11.jpg", true, PictureId::Template11},
    {"template12.jpg", true, PictureId::Template12},
    {"template13.jpg", true, PictureId::Template13},
    {"template14.jpg", true, PictureId::Template14},
    {"template15.jpg", true, PictureId::Template15},
    {"template16.jpg", true, PictureId::Template16},
    {"default_photo.jpg", true, PictureId::DefaultPhoto},
    {"app_icon.ico", false, PictureId::DefaultPhoto},  // built in through the resource script
};

std::string committed(const char* name) { return std::string(JOKECERT_ASSETS_DIR) + "/" + name; }

TEST(CommittedPictures, AreTheBytesTheProgramCarries) {
  for (const CommittedFile& file : kFiles) {
    if (!file.embedded) continue;
    const std::vector<uint8_t> onDisk = assets_probe::readFile(committed(file.name));
    const auto built = assets::pictureBytes(file.id);
    ASSERT_FALSE(onDisk.empty()) << file.name;
    EXPECT_TRUE(std::vector<uint8_t>(built.begin(), built.end()) == onDisk) << file.name << " differs when built in";
  }
}

#ifdef JOKECERT_ASSET_GENERATOR
TEST(CommittedPictures, AreWhatTheGeneratorDraws) {
  char folder[] = "/tmp/jokecert-assets-XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  const std::string command = std::string("\"") + JOKECERT_ASSET_GENERATOR + "\" \"" + folder + "\"";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  for (const CommittedFile& file : kFiles) {
    const std::vector<uint8_t> drawn = assets_probe::readFile(std::string(folder) + "/" + file.name);
    const std::vector<uint8_t> onDisk = assets_probe::readFile(committed(file.name));
    ASSERT_FALSE(drawn.empty()) << file.name << " was not drawn";
    EXPECT_TRUE(drawn == onDisk) << file.name << " is stale: run scripts/regen-assets";
  }
  std::filesystem::remove_all(folder);
}
#else
TEST(CommittedPictures, AreWhatTheGeneratorDraws) { GTEST_SKIP() << "the generator is built with -DJOKECERT_TOOLS=ON"; }
#endif

}  // namespace

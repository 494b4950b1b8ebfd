#include <gtest/gtest.h>

#include "ui/pictures/placement.h"

namespace {

struct FitCase {
  int pw, ph, left, top, width, height;
  PlacedRect expected;
};

TEST(PlaceFitted, CentresAndShrinksWithTheExactIntegerSteps) {
  const FitCase cases[] = {
      {1000, 632, 0, 0, 513, 330, {0, 3, 513, 324}},   // scale 0.513
      {202, 660, 0, 0, 513, 330, {205, 0, 101, 330}},  // 155 from the first halving plus 50, not 206
      {500, 316, 0, 0, 513, 330, {6, 7, 500, 316}},    // unscaled
      {500, 316, 10, 20, 513, 330, {16, 27, 500, 316}},
      {513, 330, 0, 0, 513, 330, {0, 0, 513, 330}},
      {10, 10, 0, 0, 513, 330, {251, 160, 10, 10}},    // never enlarged
      {2000, 100, 0, 0, 500, 300, {0, 137, 500, 25}},
      {79, 90, 0, 0, 76, 93, {0, 3, 76, 86}},
      {1, 1, 0, 0, 0, 0, {0, 0, 0, 0}},
  };
  for (const FitCase& c : cases) {
    EXPECT_EQ(placeFitted(c.pw, c.ph, c.left, c.top, c.width, c.height), c.expected) << c.pw << "x" << c.ph;
  }
}

TEST(PlaceTopLeftAndStretched, IgnoreTheOtherSize) {
  EXPECT_EQ(placeTopLeft(1000, 632, 3, 4, 513, 330), (PlacedRect{3, 4, 1000, 632}));
  EXPECT_EQ(placeStretched(79, 90, 0, 0, 76, 93), (PlacedRect{0, 0, 76, 93}));
  EXPECT_EQ(placeByDisplayMode(0, 79, 90, 1, 2, 76, 93), (PlacedRect{1, 2, 79, 90}));
  EXPECT_EQ(placeByDisplayMode(1, 79, 90, 1, 2, 76, 93), (PlacedRect{1, 2, 76, 93}));
  EXPECT_EQ(placeByDisplayMode(2, 79, 90, 1, 2, 76, 93), (PlacedRect{1, 5, 76, 86}));
}

TEST(PlaceTiled, RowByRowFromTheTopLeftWithinTheArea) {
  const auto copies = placeTiled(40, 30, 5, 6, 100, 50, 0, 0, 1000, 1000);
  const std::vector<PlacedRect> expected{{5, 6, 40, 30},  {45, 6, 40, 30},  {85, 6, 40, 30},
                                         {5, 36, 40, 30}, {45, 36, 40, 30}, {85, 36, 40, 30}};
  EXPECT_EQ(copies, expected);
}

TEST(PlaceTiled, SkipsCopiesThatMissTheClipBox) {
  // Clip box (50, 40)-(90, 70): only the copies that overlap it.
  const auto copies = placeTiled(40, 30, 5, 6, 100, 100, 50, 40, 90, 70);
  const std::vector<PlacedRect> expected{{45, 36, 40, 30}, {85, 36, 40, 30}, {45, 66, 40, 30}, {85, 66, 40, 30}};
  EXPECT_EQ(copies, expected);
  EXPECT_TRUE(placeTiled(40, 30, 5, 6, 100, 100, 200, 200, 300, 300).empty());
  // A copy that only touches the clip box edge does not meet it.
  EXPECT_EQ(placeTiled(40, 30, 0, 0, 80, 30, 40, 0, 41, 30), (std::vector<PlacedRect>{{40, 0, 40, 30}}));
}

TEST(PlaceTiled, TinyPictureInAHugeAreaListsOnlyTheClippedCopies) {
  const auto copies = placeTiled(1, 1, -32000, -32000, 64000, 64000, 0, 0, 3, 2);
  EXPECT_EQ(copies.size(), 6u);
  EXPECT_EQ(copies.front(), (PlacedRect{0, 0, 1, 1}));
  EXPECT_EQ(copies.back(), (PlacedRect{2, 1, 1, 1}));
  EXPECT_TRUE(placeTiled(0, 10, 0, 0, 100, 100, 0, 0, 100, 100).empty());
}

}  // namespace

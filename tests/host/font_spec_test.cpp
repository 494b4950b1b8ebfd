// Font sizes and faces as the controls store them.
#include <gtest/gtest.h>

#include <climits>

#include "editing/font_spec.h"

namespace {

TEST(FontSpec, FaceIsSongTiWhenMissingOrTooLongForAFaceName) {
  struct Case {
    std::wstring name, face;
  };
  const Case cases[] = {
      {L"", L"宋体"},
      {std::wstring(32, L'a'), L"宋体"},
      {std::wstring(40, L'a'), L"宋体"},
      {std::wstring(31, L'a'), std::wstring(31, L'a')},
      {L"黑体", L"黑体"},
  };
  for (const Case& c : cases) {
    FontSpec spec;
    spec.name = c.name;
    EXPECT_EQ(faceNameOf(spec), c.face) << c.name.size();
  }
}

TEST(FontSpec, PointsAndHeightsRoundToTheNearestAsMulDivDoes) {
  struct Case {
    int points, dpi, height;
  };
  const Case toHeight[] = {{12, 96, -16}, {11, 96, -15}, {9, 96, -12}, {36, 96, -48},
                           {0, 96, 0},    {-4, 96, 0},   {12, 120, -20}, {10, 72, -10}};
  for (const Case& c : toHeight) EXPECT_EQ(lfHeightForPoints(c.points, c.dpi), c.height) << c.points << "@" << c.dpi;

  const Case toPoints[] = {{12, 96, -16}, {11, 96, -14}, {11, 96, 14}, {8, 96, -10}, {0, 96, 0}, {12, 120, -20}};
  for (const Case& c : toPoints) EXPECT_EQ(pointsForLfHeight(c.height, c.dpi), c.points) << c.height << "@" << c.dpi;
  EXPECT_EQ(pointsForLfHeight(INT_MIN, 96), -1);
}

TEST(FontSpec, MulDivRoundsHalvesAwayFromZeroAndRefusesZeroAndOverflow) {
  EXPECT_EQ(mulDivRounded(14, 72, 96), 11);   // 10.5
  EXPECT_EQ(mulDivRounded(-14, 72, 96), -11);
  EXPECT_EQ(mulDivRounded(1, 1, 3), 0);
  EXPECT_EQ(mulDivRounded(2, 1, 3), 1);
  EXPECT_EQ(mulDivRounded(5, 7, 0), -1);
  EXPECT_EQ(mulDivRounded(INT_MAX, INT_MAX, 1), -1);
  EXPECT_EQ(mulDivRounded(INT_MAX, 2, 2), INT_MAX);
}

}  // namespace

// Where a picture of pw × ph pixels is drawn in an area with top-left
// (left, top) and size width × height, by the placement modes of the canvas
// controls.
#pragma once

#include <vector>

struct PlacedRect {
  int x, y, w, h;
  bool operator==(const PlacedRect&) const = default;
};

// Mode 0: natural size at the top-left corner.
PlacedRect placeTopLeft(int pw, int ph, int left, int top, int width, int height);
// Mode 2: centred; shrunk to fit, keeping proportions, but never enlarged.
PlacedRect placeFitted(int pw, int ph, int left, int top, int width, int height);
// Picture box mode 1: over the whole area, proportions not kept.
PlacedRect placeStretched(int pw, int ph, int left, int top, int width, int height);
// Label mode 1: natural-size copies from the top-left, row by row, each row
// from the left, leaving out copies that miss the clip box.
std::vector<PlacedRect> placeTiled(int pw, int ph, int left, int top, int width, int height, int clipLeft,
                                   int clipTop, int clipRight, int clipBottom);

// The placement a picture box's display mode chooses: 0 top-left,
// 1 stretched, 2 fitted.
PlacedRect placeByDisplayMode(int mode, int pw, int ph, int left, int top, int width, int height);

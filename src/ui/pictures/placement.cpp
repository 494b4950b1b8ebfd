#include "ui/pictures/placement.h"

#include <algorithm>

PlacedRect placeTopLeft(int pw, int ph, int left, int top, int, int) { return {left, top, pw, ph}; }

PlacedRect placeFitted(int pw, int ph, int left, int top, int width, int height) {
  int x = left;
  int y = top;
  if (pw <= width) {
    x += (width - pw) / 2;
    width = pw;
  }
  if (ph <= height) {
    y += (height - ph) / 2;
    height = ph;
  }
  if (pw > width || ph > height) {
    const double t = std::min(static_cast<double>(width) / pw, static_cast<double>(height) / ph);
    const int nw = static_cast<int>(pw * t);
    const int nh = static_cast<int>(ph * t);
    return {x + (width - nw) / 2, y + (height - nh) / 2, nw, nh};
  }
  return {x, y, pw, ph};
}

PlacedRect placeStretched(int, int, int left, int top, int width, int height) { return {left, top, width, height}; }

std::vector<PlacedRect> placeTiled(int pw, int ph, int left, int top, int width, int height, int clipLeft,
                                   int clipTop, int clipRight, int clipBottom) {
  std::vector<PlacedRect> copies;
  if (pw <= 0 || ph <= 0) return copies;
  // Start at the first copy that can meet the clip box; long long, so a tiny
  // picture in a huge area cannot overflow the positions.
  const auto firstAt = [](long long origin, int size, int clipStart) {
    return clipStart > origin ? origin + (clipStart - origin) / size * size : origin;
  };
  const long long right = static_cast<long long>(left) + width;
  const long long bottom = static_cast<long long>(top) + height;
  for (long long y = firstAt(top, ph, clipTop); y < bottom && y < clipBottom; y += ph) {
    for (long long x = firstAt(left, pw, clipLeft); x < right && x < clipRight; x += pw) {
      copies.push_back({static_cast<int>(x), static_cast<int>(y), pw, ph});
    }
  }
  return copies;
}

PlacedRect placeByDisplayMode(int mode, int pw, int ph, int left, int top, int width, int height) {
  switch (mode) {
    case 1: return placeStretched(pw, ph, left, top, width, height);
    case 2: return placeFitted(pw, ph, left, top, width, height);
    default: return placeTopLeft(pw, ph, left, top, width, height);
  }
}

#pragma once
// Where controls placed at designed pixel positions go once each has the room its text needs,
// and where they go in a window read right to left. Plain arithmetic, no widgets.
#include <vector>

namespace tw::platform {

struct PlacedBox {
  int left, top, width, height;
  int needed = 0;          // the width its text needs, 0 for a control without one
  bool growsLeft = false;  // a caption held against what follows: past its gap it grows left
};

struct Fitted {
  std::vector<PlacedBox> boxes;  // the same boxes, in the same order
  int wider;                     // how much wider the window must grow, 0 if not at all
};

// The least gap a pushed box keeps from the one that pushed it, or the designed gap if smaller.
inline constexpr int kLeastGap = 4;

// A box too narrow for its text grows to fit it, rightwards (one that grows left takes only
// its gap to the right, less the least gap, and grows left for the rest),
// and what it then runs into on the same row (a box it shares a line of pixels with) moves on,
// keeping a gap; boxes that stood one above another at one left edge keep it in common. The
// window grows by as much as the rightmost edge moved out. When every text fits, nothing moves.
Fitted fitToText(const std::vector<PlacedBox>& boxes);

// A box's left edge mirrored in its parent, for a window read right to left.
constexpr int mirroredLeft(int left, int width, int parentWidth) {
  return parentWidth - left - width;
}

}  // namespace tw::platform

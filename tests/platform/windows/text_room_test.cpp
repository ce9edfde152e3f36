#include "platform/windows/text_room.h"

#include <gtest/gtest.h>

namespace tw::platform {
namespace {

struct FitCase {
  const char* what;
  std::vector<PlacedBox> boxes;
  std::vector<int> lefts, widths;
  int wider;
};

TEST(FitToText, GrowsWhatIsTooNarrowAndPushesItsRow) {
  const FitCase cases[] = {
      {"a wider text pushes its neighbour, the least gap apart, and the window",
       {{10, 0, 50, 20, 65}, {70, 0, 50, 20, 30}},
       {10, 79},
       {65, 50},
       9},
      {"room enough in the gap: the neighbour stays",
       {{0, 0, 40, 20, 45}, {60, 0, 40, 20, 0}},
       {0, 60},
       {45, 40},
       0},
      {"two growing boxes in a row push the last by both",
       {{0, 0, 40, 20, 50}, {50, 0, 40, 20, 60}, {100, 0, 40, 20, 0}},
       {0, 54, 118},
       {50, 60, 40},
       18},
      {"a box on another row stays",
       {{10, 0, 50, 20, 80}, {70, 30, 50, 20, 0}},
       {10, 70},
       {80, 50},
       0},
      {"a box to the left is not pushed",
       {{100, 0, 50, 20, 70}, {10, 0, 50, 20, 0}},
       {100, 10},
       {70, 50},
       20},
      {"a label a little lower still shares the row",
       {{0, 0, 50, 25, 60}, {60, 4, 40, 17, 0}},
       {0, 64},
       {60, 40},
       4},
      {"a caption held against its field takes its gap, then grows left",
       {{0, 0, 40, 20, 0}, {100, 0, 40, 20, 60, true}, {150, 0, 40, 20, 0}},
       {0, 86, 150},
       {40, 60, 40},
       0},
      {"a caption with nothing to its right grows right",
       {{0, 0, 40, 20, 0}, {100, 0, 40, 20, 60, true}},
       {0, 100},
       {40, 60},
       20},
      {"a caption that grows left into its neighbour moves right",
       {{0, 0, 70, 20, 0}, {80, 0, 40, 20, 60, true}, {130, 0, 40, 20, 0}},
       {0, 74, 138},
       {70, 60, 40},
       8},
      {"fields in one column move together",
       {{0, 0, 40, 20, 60}, {50, 0, 40, 20, 0}, {0, 30, 40, 20, 0}, {50, 30, 40, 20, 0}},
       {0, 64, 0, 64},
       {60, 40, 40, 40},
       14},
  };
  for (const auto& c : cases) {
    const Fitted f = fitToText(c.boxes);
    std::vector<int> lefts, widths;
    for (const auto& b : f.boxes) {
      lefts.push_back(b.left);
      widths.push_back(b.width);
    }
    EXPECT_EQ(lefts, c.lefts) << c.what;
    EXPECT_EQ(widths, c.widths) << c.what;
    EXPECT_EQ(f.wider, c.wider) << c.what;
  }
}

}  // namespace
}  // namespace tw::platform

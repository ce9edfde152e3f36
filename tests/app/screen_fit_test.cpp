#include "app/screen_fit.h"

#include <gtest/gtest.h>

#include "mock/fakes.h"

namespace tw {
namespace {

// Left, top, width and height.
using Place = std::vector<double>;
using Screens = std::vector<ui::ScreenArea>;
const ui::ScreenArea kMain{0, 0, 28800, 16200};
const ui::ScreenArea kRight{28800, 0, 19200, 14400};     // shorter, beside it
const ui::ScreenArea kBelow{0, 16200, 28800, 16200};     // under it
const ui::ScreenArea kLeft{-19200, 2000, 19200, 10800};  // at negative places, lower down

TEST(ScreenFit, FitsEachEdgeOfEachArrangement) {
  const Screens two = {kMain, kRight}, low = {kMain, kBelow}, left = {kLeft, kMain};
  const struct {
    const char* name;
    Screens screens;
    Place from, to;
  } rows[] = {
      {"fits already", {kMain}, {1000, 1000, 9000, 6000}, {1000, 1000, 9000, 6000}},
      {"past the right edge", {kMain}, {25000, 1000, 9000, 6000}, {19800, 1000, 9000, 6000}},
      {"past the bottom edge", {kMain}, {1000, 12000, 9000, 6000}, {1000, 10200, 9000, 6000}},
      {"past the left edge", {kMain}, {-3000, 1000, 9000, 6000}, {0, 1000, 9000, 6000}},
      {"past the top edge", {kMain}, {1000, -500, 9000, 6000}, {1000, 0, 9000, 6000}},
      {"wider than the screen", {kMain}, {5000, 0, 40000, 6000}, {0, 0, 28800, 6000}},
      {"taller than the screen", {kMain}, {0, 5000, 9000, 20000}, {0, 0, 9000, 16200}},
      {"zero size off the corner", {kMain}, {-5000, -5000, 0, 0}, {0, 0, 0, 0}},
      {"negative size", {kMain}, {1000, 1000, -500, -500}, {1000, 1000, -500, -500}},
      {"mostly on the right screen", two, {27000, 1000, 9000, 6000}, {28800, 1000, 9000, 6000}},
      {"too tall for the shorter", two, {30000, 0, 9000, 16000}, {30000, 0, 9000, 14400}},
      {"under the shorter, nearest it", two, {30000, 15000, 9000, 6000}, {30000, 8400, 9000, 6000}},
      {"far below the lower screen", low, {1000, 40000, 9000, 6000}, {1000, 26400, 9000, 6000}},
      {"left of negative places", left, {-30000, 0, 9000, 6000}, {-19200, 2000, 9000, 6000}},
      {"no screens known", {}, {-30000, 0, 90000, 6000}, {-30000, 0, 90000, 6000}},
  };
  for (const auto& row : rows) {
    test::FakeWindow w;
    w.place(row.from[0], row.from[1], row.from[2], row.from[3]);
    fitOnScreens(w, row.screens);
    EXPECT_EQ((Place{w.left(), w.top(), w.width(), w.height()}), row.to) << row.name;
  }
}

}  // namespace
}  // namespace tw

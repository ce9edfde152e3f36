#include <gtest/gtest.h>

#include "mock/main_window_fixture.h"

namespace tw::test {
namespace {

TEST(MainWindowLayout, PlacesTheChartAndTheDateRowFromTheOuterSizeAndLeavesAMinimisedWindowAlone) {
  using V = std::vector<double>;
  const struct { double W, H, picW, picH, top, dt2Left, cmd2Left, dt3Left, label3Left; } cases[] = {
      {5000, 2500, 4650, 725, 1350, 2380, 1420, 3575, 2735},
      {4000, 2000, 4650, 725, 1350, 2380, 1420, 3575, 2735},  // raised to 5000 by 2500 first
      {9000, 7000, 8650, 5225, 5850, 4380, 3420, 7575, 6735},
      {7141, 4590, 6791, 2815, 3440, 3450.5, 2490.5, 5716, 4876},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.W);
    MainWindowFixture f;
    f.window.place(0, 0, c.W, c.H);
    f.main.layOut();
    EXPECT_EQ(f.window.log, (c.W < 5000 ? std::vector<std::string>{"width 5000", "height 2500"} : std::vector<std::string>{}));
    // The chart surface takes the picture's new size.
    EXPECT_EQ((V{f.window.width(), f.window.height(), f.picture.width(), f.picture.height(), f.surface.width(),
                 f.birthdayPicker.top(), f.birthdayButton.top(), f.birthday2Picker.top(), f.birthday2Button.top(), f.chartDatePicker.top(), f.chartDateLabel.top(),
                 f.birthday2Picker.left(), f.birthday2Button.left(), f.chartDatePicker.left(), f.chartDateLabel.left()}),
              (V{std::max(c.W, 5000.0), std::max(c.H, 2500.0), c.picW, c.picH, c.picW, c.top, c.top, c.top, c.top,
                 c.top, c.top + 60, c.dt2Left, c.cmd2Left, c.dt3Left, c.label3Left}));
    EXPECT_EQ(f.redraws(), 1);  // only by the last pass when the size was raised
  }
  MainWindowFixture f;
  f.window.place(0, 0, 100, 100);
  f.window.state = ui::WindowState::Minimized;
  f.main.layOut();
  EXPECT_EQ(f.window.log, std::vector<std::string>{});
  EXPECT_EQ(f.picture.width(), 0);
  EXPECT_EQ(f.redraws(), 0);
}

}  // namespace
}  // namespace tw::test

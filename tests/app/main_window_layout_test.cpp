#include <gtest/gtest.h>

#include "mock/main_window_fixture.h"

namespace tw::test {
namespace {

// Where the layout pass put the chart view and the date row, in twips: the chart's width and
// height, the row's top, and the left edges of the second birthday's picker and button, of the
// chart date's picker and of its label.
std::vector<double> placed(const MainWindowFixture& f) {
  const double top = f.birthdayPicker.top();
  const FakeControl* row[] = {&f.birthdayButton, &f.birthday2Picker, &f.birthday2Button,
                              &f.chartDatePicker};
  for (const FakeControl* c : row) EXPECT_EQ(c->top(), top);
  EXPECT_EQ(f.chartDateLabel.top(), top + 60);
  EXPECT_EQ(f.surface.width(), f.picture.width());  // the chart is drawn at the view's size
  return {f.picture.width(),        f.picture.height(),       top,
          f.birthday2Picker.left(), f.birthday2Button.left(), f.chartDatePicker.left(),
          f.chartDateLabel.left()};
}

TEST(MainWindowLayout, PlacesEveryControlFromTheOuterSize) {
  const struct {
    const char* what;
    double width, height;
    std::vector<double> expected;
  } cases[] = {
      {"raised to the least size", 4000, 2000, {4650, 725, 1350, 2380, 1420, 3575, 2735}},
      {"large", 9000, 7000, {8650, 5225, 5850, 4380, 3420, 7575, 6735}},
      {"odd width", 7141, 4590, {6791, 2815, 3440, 3450.5, 2490.5, 5716, 4876}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MainWindowFixture f;
    f.window.place(0, 0, c.width, c.height);
    f.main.layOut();
    EXPECT_EQ(placed(f), c.expected);
    // A raised size ends the pass; the pass the size change runs lays out and draws once.
    EXPECT_EQ(f.window.log, (c.width < 5000 ? std::vector<std::string>{"width 5000", "height 2500"}
                                            : std::vector<std::string>{}));
    EXPECT_EQ(f.redraws(), 1);
  }
}

TEST(MainWindowLayout, LeavesAMinimisedWindowAlone) {
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

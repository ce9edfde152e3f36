#include <gtest/gtest.h>

#include <ostream>

#include "mock/main_window_fixture.h"

namespace tw::test {
namespace {

// Where the layout pass put the chart view and the date row, in twips.
struct Placement {
  double chartWidth, chartHeight, rowTop, birthday2PickerLeft, birthday2ButtonLeft,
      chartDatePickerLeft, chartDateLabelLeft;
  bool operator==(const Placement&) const = default;
  friend std::ostream& operator<<(std::ostream& o, const Placement& p) {
    return o << "chart " << p.chartWidth << "x" << p.chartHeight << ", row top " << p.rowTop
             << ", birthday 2 picker left " << p.birthday2PickerLeft << ", birthday 2 button left "
             << p.birthday2ButtonLeft << ", chart date picker left " << p.chartDatePickerLeft
             << ", chart date label left " << p.chartDateLabelLeft;
  }
};

Placement placed(const MainWindowFixture& f) {
  const double top = f.birthdayPicker.top();
  const FakeControl* row[] = {&f.birthdayButton, &f.birthday2Picker, &f.birthday2Button, &f.chartDatePicker};
  for (const FakeControl* c : row) EXPECT_EQ(c->top(), top);
  EXPECT_EQ(f.chartDateLabel.top(), top + 60);
  EXPECT_EQ(f.surface.width(), f.picture.width());  // the chart is drawn at the view's size
  return {f.picture.width(), f.picture.height(), top, f.birthday2Picker.left(),
          f.birthday2Button.left(), f.chartDatePicker.left(), f.chartDateLabel.left()};
}

TEST(MainWindowLayout, PlacesEveryControlFromTheOuterSize) {
  const struct { const char* what; double width, height; Placement expected; } cases[] = {
      {"raised to the least size", 4000, 2000,
       {.chartWidth = 4650, .chartHeight = 725, .rowTop = 1350, .birthday2PickerLeft = 2380,
        .birthday2ButtonLeft = 1420, .chartDatePickerLeft = 3575, .chartDateLabelLeft = 2735}},
      {"large", 9000, 7000,
       {.chartWidth = 8650, .chartHeight = 5225, .rowTop = 5850, .birthday2PickerLeft = 4380,
        .birthday2ButtonLeft = 3420, .chartDatePickerLeft = 7575, .chartDateLabelLeft = 6735}},
      {"odd width", 7141, 4590,
       {.chartWidth = 6791, .chartHeight = 2815, .rowTop = 3440, .birthday2PickerLeft = 3450.5,
        .birthday2ButtonLeft = 2490.5, .chartDatePickerLeft = 5716, .chartDateLabelLeft = 4876}},
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

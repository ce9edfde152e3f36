#include <gtest/gtest.h>

#include "mock/form1_fixture.h"

namespace tw::test {
namespace {

TEST(Form1Layout, PlacesTheChartAndTheDateRowFromTheOuterSize) {
  const struct { double W, H, picW, picH, rowTop, dt2Left, cmd2Left, dt3Left, label3Left; } cases[] = {
      {5000, 2500, 4650, 725, 1350, 2380, 1420, 3575, 2735},
      {4000, 2000, 4650, 725, 1350, 2380, 1420, 3575, 2735},  // raised to 5000 by 2500 first
      {9000, 7000, 8650, 5225, 5850, 4380, 3420, 7575, 6735},
      {7141, 4590, 6791, 2815, 3440, 3450.5, 2490.5, 5716, 4876},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.W);
    Form1Fixture f;
    f.window.place(0, 0, c.W, c.H);
    f.form.Form_Resize();
    if (c.W < 5000) {
      EXPECT_EQ(f.window.log, (std::vector<std::string>{"width 5000", "height 2500"}));
    }
    EXPECT_EQ(f.window.width(), std::max(c.W, 5000.0));
    EXPECT_EQ(f.window.height(), std::max(c.H, 2500.0));
    EXPECT_EQ(f.picture.width(), c.picW);
    EXPECT_EQ(f.picture.height(), c.picH);
    for (const ui::Control* ctl : std::initializer_list<const ui::Control*>{
             &f.dt1, &f.command1, &f.dt2, &f.command2, &f.dt3})
      EXPECT_EQ(ctl->top(), c.rowTop);
    EXPECT_EQ(f.dt2.left(), c.dt2Left);
    EXPECT_EQ(f.command2.left(), c.cmd2Left);
    EXPECT_EQ(f.dt3.left(), c.dt3Left);
    EXPECT_EQ(f.label3.left(), c.label3Left);
    EXPECT_EQ(f.label3.top(), c.rowTop + 60);
    EXPECT_EQ(f.surface.Width(), c.picW);  // the chart is drawn at the new size
    EXPECT_EQ(f.redraws(), 1);             // only by the last pass when the size was raised
  }
}

TEST(Form1Layout, AMinimisedWindowIsLeftAlone) {
  Form1Fixture f;
  f.window.place(0, 0, 100, 100);
  f.window.state = ui::Minimized;
  f.form.Form_Resize();
  EXPECT_TRUE(f.window.log.empty());
  EXPECT_EQ(f.picture.width(), 0);
  EXPECT_EQ(f.redraws(), 0);
}

}  // namespace
}  // namespace tw::test

#include <gtest/gtest.h>

#include "mock/form1_fixture.h"

namespace tw::test {
namespace {

struct LayoutCase {
  double W, H;
  double picW, picH, rowTop, dt2Left, cmd2Left, dt3Left, label3Left;
};

TEST(Form1Layout, PlacesTheChartAndTheDateRowFromTheOuterSize) {
  const LayoutCase cases[] = {
      {5000, 2500, 4650, 725, 1350, 2380, 1420, 3575, 2735},
      {9000, 7000, 8650, 5225, 5850, 4380, 3420, 7575, 6735},
      {7141, 4590, 6791, 2815, 3440, 3450.5, 2490.5, 5716, 4876},
  };
  for (const auto& c : cases) {
    Form1Fixture f;
    f.window.place(0, 0, c.W, c.H);
    f.form.Form_Resize();
    SCOPED_TRACE(c.W);
    EXPECT_EQ(f.picture.width(), c.picW);
    EXPECT_EQ(f.picture.height(), c.picH);
    for (const ui::Control* ctl : {static_cast<ui::Control*>(&f.dt1), static_cast<ui::Control*>(&f.command1),
                                   static_cast<ui::Control*>(&f.dt2), static_cast<ui::Control*>(&f.command2),
                                   static_cast<ui::Control*>(&f.dt3)})
      EXPECT_EQ(ctl->top(), c.rowTop);
    EXPECT_EQ(f.dt2.left(), c.dt2Left);
    EXPECT_EQ(f.command2.left(), c.cmd2Left);
    EXPECT_EQ(f.dt3.left(), c.dt3Left);
    EXPECT_EQ(f.label3.left(), c.label3Left);
    EXPECT_EQ(f.label3.top(), c.rowTop + 60);
    EXPECT_EQ(f.surface.Width(), c.picW);  // the chart is drawn at the new size
    EXPECT_EQ(f.redraws(), 1);
  }
}

TEST(Form1Layout, RaisesASmallWindowWidthFirstAndOnlyTheLastPassRedraws) {
  Form1Fixture f;
  f.window.place(0, 0, 4000, 2000);
  f.form.Form_Resize();
  EXPECT_EQ(f.window.log, (std::vector<std::string>{"width 5000", "height 2500"}));
  EXPECT_EQ(f.window.width(), 5000);
  EXPECT_EQ(f.window.height(), 2500);
  EXPECT_EQ(f.picture.height(), 725);
  EXPECT_EQ(f.redraws(), 1);
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

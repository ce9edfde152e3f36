// The whole recorded drawing of a small comparison chart, worked out by hand from the drawing order.
#include <gtest/gtest.h>

#include "chart_test_util.h"

namespace tw::test {
namespace {

const Date kSunday = fromYmd(2001, 1, 7);

TEST(ComparisonChart, TwoColumnsDrawnWhole) {
  // W 1425: floor(825 / 275) - 1 = 2 columns, half 1; H 1500: hgt 300, 50 % line at 250.
  ChartState st = stateOn(kSunday - 14, kSunday, ChartType::Comparison);
  st.birthday2 = kSunday;
  st.name = "Ann";
  st.options.showAverage = st.options.todayMarker = true;
  st.options.weekSeparators = true;  // the Sunday is the last column: no separator
  st.options.ageUnit = AgeUnit::Weeks;
  // Scaled distance; the second person's intellectual value is kept in single precision
  // when it is the previous one.
  const auto D = [](double t1, double t2, int p, bool held = false) {
    double b = wave(t2, p) + 1;
    if (held) b = static_cast<float>(b);
    return std::fabs((wave(t1, p) + 1) - b) * 150.0;
  };
  const auto seg = [&](int p, const char* colour) {
    return "line 875 " + n(100.0f + static_cast<float>(D(14, 0, p, p == 33))) + " 1150 " +
           n(100 + D(15, 1, p)) + " " + colour;
  };
  const float prevA = static_cast<float>((D(14, 0, 23) + D(14, 0, 28) + D(14, 0, 33)) / 3);
  const double dA = (D(15, 1, 23) + D(15, 1, 28) + D(15, 1, 33)) / 3;
  const std::vector<std::string> expected = {
      "setBackground -2147483633", "clear", "setLineWidth 1",
      "line 600 100 600 600", "line 600 400 1150 400", "line 875 400 875 600", "line 1150 400 1150 600",
      "setLineStyle 2", "line 600 250 1150 250", "line 600 100 1150 100", "setLineStyle 0", "setFontSize 8",
      "setBold 0", "moveTo 630 400", "text \"Sa\"", "moveTo 630 600", "text \" 6 \"",
      "setBold 1", "setLineStyle 2", "line 1012.5 100 1012.5 400", "setLineStyle 0",
      "moveTo 905 400", "text \"Su\"", "moveTo 905 600", "text \" 7 \"",
      "setBold 1", "moveTo 75 75", "text \"100%\"", "moveTo 75 150", "text \" 50%\"",
      "moveTo 75 225", "text \"  0%\"",
      // x = (1425 - 90 * length) / 2 - 600.
      "setFontSize 10", "setBold 0",
      "moveTo -2137.5 780", "text \"Birthday 1: Sunday 24/12/2000 (Ann), age 2.0 weeks\"",
      "moveTo -1732.5 980", "text \"Birthday 2: Sunday 7/1/2001, age .0 weeks\"",
      "moveTo -1102.5 1180", "text \"Chart date: Sunday 7/1/2001\"",
      "setFontSize 10", "setBold 1", "setLineWidth 2",
      // Columns end on day counts (14, 0) and (15, 1); only the second has both past 0.
      seg(23, "255"), seg(28, "65280"), seg(33, "16711680"),
      "line 875 " + n(100.0f + prevA) + " 1150 " + n(100 + dA) + " 65535",
      "moveTo 1230 " + n(100 + D(15, 1, 23) - 120), "text \"P\"",
      "moveTo 1230 " + n(100 + D(15, 1, 28) - 120), "text \"E\"",
      "moveTo 1230 " + n(100 + D(15, 1, 33) - 120), "text \"I\"",
      "moveTo 1230 " + n(100 + dA - 120), "text \"A\"",
  };
  EXPECT_EQ(draw(st, 1425, 1500).calls, expected);
}

}  // namespace
}  // namespace tw::test

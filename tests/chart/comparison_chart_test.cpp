// A small comparison chart, worked out by hand: what is drawn where and in which colour.
#include <gtest/gtest.h>

#include "chart_test_util.h"

namespace tw::test {
namespace {

const Date kSunday = fromYmd(2001, 1, 7);

TEST(ComparisonChart, TwoColumnsAroundTheSecondBirthday) {
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
    double b = cycleValue(t2, p, 1) + 1;
    if (held) b = static_cast<float>(b);
    return std::fabs((cycleValue(t1, p, 1) + 1) - b) * 150.0;
  };
  const RecordingSurface s = draw(st, 1425, 1500);
  // The frame, the 50 % and 100 % lines and the chart date's marker, in ink; no separator.
  EXPECT_EQ(linesIn(s, -1), (std::vector<LineCall>{{600, 100, 600, 600, -1},
                                                   {600, 400, 1150, 400, -1},
                                                   {875, 400, 875, 600, -1},
                                                   {1150, 400, 1150, 600, -1},
                                                   {600, 250, 1150, 250, -1},
                                                   {600, 100, 1150, 100, -1},
                                                   {1012.5, 100, 1012.5, 400, -1}}));
  // Columns end on day counts (14, 0) and (15, 1); only the second has both past 0.
  const auto f = [](double v) { return static_cast<float>(v); };
  for (const auto& [colour, p] : {std::pair{kRed, 23}, {kGreen, 28}, {kBlue, 33}})
    EXPECT_EQ(linesIn(s, colour), (std::vector<LineCall>{{875, 100.0f + f(D(14, 0, p, p == 33)),
                                                          1150, f(100 + D(15, 1, p)), colour}}));
  const float prevA = f((D(14, 0, 23) + D(14, 0, 28) + D(14, 0, 33)) / 3);
  const double dA = (D(15, 1, 23) + D(15, 1, 28) + D(15, 1, 33)) / 3;
  EXPECT_EQ(linesIn(s, kYellow),
            (std::vector<LineCall>{{875, 100.0f + prevA, 1150, f(100 + dA), kYellow}}));
  EXPECT_EQ(s.printed(),
            (std::vector<std::string>{"Sa", " 6 ", "Su", " 7 ", "100%", " 50%", "  0%",
                                      "Birthday 1: Sunday 24/12/2000 (Ann), age 2.0 weeks",
                                      "Birthday 2: Sunday 7/1/2001, age .0 weeks",
                                      "Chart date: Sunday 7/1/2001", "P", "E", "I", "A"}));
  // x = (1425 - 90 * length) / 2 - 600; the scale at 75; letters beside the last vertex.
  for (const std::string& place : std::vector<std::string>{
           "moveTo 75 75", "moveTo 75 150", "moveTo 75 225", "moveTo -2137.5 780",
           "moveTo -1732.5 980", "moveTo -1102.5 1180",
           "moveTo 1230 " + n(100 + D(15, 1, 23) - 120), "moveTo 1230 " + n(100 + dA - 120)})
    EXPECT_TRUE(made(s, place));
}

}  // namespace
}  // namespace tw::test

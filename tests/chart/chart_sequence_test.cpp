// Whole recorded drawings of two small charts and of the designed one, worked out by hand from
// the drawing order.
#include <gtest/gtest.h>

#include "chart_test_util.h"

namespace tw::test {
namespace {

const Date kSunday = fromYmd(2001, 1, 7);

TEST(ChartSequence, ThreeColumnBiorhythmChart) {
  // W 1300: Int(1100 / 275) - 1 = 3 columns, half 1; H 1400: midY 400, amp 200.
  ChartState st = stateOn(kSunday, kSunday);
  st.name = "Ann";
  st.options.showAverage = st.options.todayMarker = st.options.weekSeparators = true;
  const auto y = [](double t, int p) { return 400.0 - 200.0 * wave(t, p); };
  const auto yA = [&](double t) { return (y(t, 23) + y(t, 28) + y(t, 33)) / 3; };
  const auto seg = [&](int x1, double t, int p, const char* colour) {
    return "line " + n(x1) + " " + n(y(t, p)) + " " + n(x1 + 275) + " " + n(y(t + 1, p)) + " " + colour;
  };
  const std::vector<std::string> expected = {
      "setBackground -2147483633", "clear", "setLineWidth 1",
      "line 200 400 1025 400", "line 475 300 475 500", "line 750 300 750 500", "setFontSize 8",
      "setBold 0", "moveTo 230 200", "text \"Sa\"", "moveTo 230 420", "text \" 6 \"",
      "setBold 1", "setLineStyle 2", "line 612.5 200 612.5 600", "setLineStyle 0",
      "moveTo 505 200", "text \"Su\"", "moveTo 505 420", "text \" 7 \"",
      "line 750 200 750 600",
      "setBold 0", "moveTo 780 200", "text \"Mo\"", "moveTo 780 420", "text \" 8 \"",
      // 90 twips a character: x = (1300 - 90 * length) / 2 - 400.
      "setFontSize 10", "setBold 0", "moveTo -1145 680", "text \"Birthday: Sunday 7/1/2001 (Ann)\"",
      "moveTo -965 880", "text \"Chart date: Sunday 7/1/2001\"",
      "moveTo -200 1080", "text \"Age:  days\"",
      "setFontSize 10", "setBold 1", "setLineWidth 2",
      // Day counts -1, 0, 1, 2 at x 200 ... 1025; the segment ending on day 0 is not drawn.
      seg(475, 0, 23, "255"), seg(475, 0, 28, "65280"), seg(475, 0, 33, "16711680"),
      "line 475 400 750 " + n(yA(1)) + " 65535",
      seg(750, 1, 23, "255"), seg(750, 1, 28, "65280"), seg(750, 1, 33, "16711680"),
      "line 750 " + n(yA(1)) + " 1025 " + n(yA(2)) + " 65535",
      "moveTo 1105 " + n(y(2, 23) - 120), "text \"P\"",
      "moveTo 1105 " + n(y(2, 28) - 120), "text \"E\"",
      "moveTo 1105 " + n(y(2, 33) - 120), "text \"I\"",
      "moveTo 1105 " + n(yA(2) - 120), "text \"A\"",
  };
  EXPECT_EQ(draw(st, 1300, 1400).calls, expected);
}

TEST(ChartSequence, DesignedBiorhythmChart) {
  // 6735 x 2895: Int(6535 / 275) - 1 = 22 columns, the chart date in column 12; midY 1147.5,
  // amp 948 (947.5 rounded to even). Born Sunday 15/3/1970, 11,255 days before Saturday 6/1/2001.
  ChartState st = stateOn(fromYmd(1970, 3, 15), fromYmd(2001, 1, 6));
  st.name = "Ann";
  st.options.showAverage = st.options.todayMarker = st.options.weekSeparators = true;
  const double age = 11255;
  const auto y = [](double t, int p) { return 1147.5 - 948 * wave(t, p); };
  const auto yA = [&](double t) { return (y(t, 23) + y(t, 28) + y(t, 33)) / 3; };
  std::vector<std::string> expected = {"setBackground -2147483633", "clear", "setLineWidth 1", "line 200 1147.5 6250 1147.5"};
  for (int x = 475; x < 6250; x += 275) expected.push_back("line " + n(x) + " 1047.5 " + n(x) + " 1247.5");
  expected.push_back("setFontSize 8");
  const char* weekdays[] = {"Tu", "We", "Th", "Fr", "Sa", "Su", "Mo"};  // the first column: 26/12/2000
  const int days[] = {26, 27, 28, 29, 30, 31, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
  for (int i = 1; i <= 22; ++i) {
    expected.push_back(i == 12 ? "setBold 1" : "setBold 0");
    if (i == 12) expected.insert(expected.end(), {"setLineStyle 2", "line 3362.5 199.5 3362.5 2095.5", "setLineStyle 0"});
    const std::string x = "moveTo " + n(200 + (i - 1) * 275 + 30);
    expected.insert(expected.end(), {x + " 947.5", "text \"" + std::string(weekdays[(i - 1) % 7]) + "\"",
                                     x + " 1167.5", "text \" " + std::to_string(days[i - 1]) + " \""});
    if (i % 7 == 6) expected.push_back("line " + n(200 + i * 275) + " 199.5 " + n(200 + i * 275) + " 2095.5");
  }
  // 90 twips a character: x = (6735 - 90 * length) / 2 - 400.
  expected.insert(expected.end(), {
      "setFontSize 10", "setBold 0", "moveTo 1527.5 2175", "text \"Birthday: Sunday 15/3/1970 (Ann)\"",
      "moveTo 1662.5 2375", "text \"Chart date: Saturday 6/1/2001\"",
      "moveTo 2247.5 2575", "text \"Age: 11,255 days\"", "setFontSize 10", "setBold 1", "setLineWidth 2"});
  for (int i = 1; i <= 22; ++i) {
    const double t = age - 11 + i;
    const std::string from = n(200 + (i - 1) * 275) + " ", to = n(200 + i * 275) + " ";
    for (auto [p, colour] : {std::pair{23, " 255"}, {28, " 65280"}, {33, " 16711680"}})
      expected.push_back("line " + from + n(y(t - 1, p)) + " " + to + n(y(t, p)) + colour);
    expected.push_back("line " + from + n(static_cast<float>(yA(t - 1))) + " " + to + n(yA(t)) + " 65535");
  }
  const double last = age + 11;
  for (auto [letter, v] : {std::pair{"P", y(last, 23)}, {"E", y(last, 28)}, {"I", y(last, 33)}, {"A", yA(last)}})
    expected.insert(expected.end(), {"moveTo 6330 " + n(v - 120), "text \"" + std::string(letter) + "\""});
  EXPECT_EQ(draw(st).calls, expected);
}

TEST(ChartSequence, TwoColumnComparisonChart) {
  // W 1425: Int(825 / 275) - 1 = 2 columns, half 1; H 1500: hgt 300, 50 % line at 250.
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

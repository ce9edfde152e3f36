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
    return "Line " + n(x1) + " " + n(y(t, p)) + " " + n(x1 + 275) + " " + n(y(t + 1, p)) + " " + colour;
  };
  const std::vector<std::string> expected = {
      "setBackground -2147483633", "clear", "setLineWidth 1",
      "Line 200 400 1025 400 0", "Line 475 300 475 500 0", "Line 750 300 750 500 0", "setFontSize 8",
      "setBold 0", "CurrentX 230", "CurrentY 200", "Print \"Sa\"", "CurrentX 230", "CurrentY 420", "Print \" 6 \"",
      "setBold 1", "setLineStyle 2", "Line 612.5 200 612.5 600", "setLineStyle 0",
      "CurrentX 505", "CurrentY 200", "Print \"Su\"", "CurrentX 505", "CurrentY 420", "Print \" 7 \"",
      "Line 750 200 750 600",
      "setBold 0", "CurrentX 780", "CurrentY 200", "Print \"Mo\"", "CurrentX 780", "CurrentY 420", "Print \" 8 \"",
      // 90 twips a character: x = (1300 - 90 * length) / 2 - 400.
      "setFontSize 10", "setBold 0", "CurrentX -1145", "CurrentY 680", "Print \"Birthday: Sunday 7/1/2001 (Ann)\"",
      "CurrentX -965", "CurrentY 880", "Print \"Chart date: Sunday 7/1/2001\"",
      "CurrentX -200", "CurrentY 1080", "Print \"Age:  days\"",
      "setFontSize 10", "setBold 1", "setLineWidth 2",
      // Day counts -1, 0, 1, 2 at x 200 ... 1025; the segment ending on day 0 is not drawn.
      seg(475, 0, 23, "255"), seg(475, 0, 28, "65280"), seg(475, 0, 33, "16711680"),
      "Line 475 400 750 " + n(yA(1)) + " 65535",
      seg(750, 1, 23, "255"), seg(750, 1, 28, "65280"), seg(750, 1, 33, "16711680"),
      "Line 750 " + n(yA(1)) + " 1025 " + n(yA(2)) + " 65535",
      "CurrentX 1105", "CurrentY " + n(y(2, 23) - 120), "Print \"P\"",
      "CurrentX 1105", "CurrentY " + n(y(2, 28) - 120), "Print \"E\"",
      "CurrentX 1105", "CurrentY " + n(y(2, 33) - 120), "Print \"I\"",
      "CurrentX 1105", "CurrentY " + n(yA(2) - 120), "Print \"A\"",
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
  std::vector<std::string> expected = {"setBackground -2147483633", "clear", "setLineWidth 1", "Line 200 1147.5 6250 1147.5 0"};
  for (int x = 475; x < 6250; x += 275) expected.push_back("Line " + n(x) + " 1047.5 " + n(x) + " 1247.5 0");
  expected.push_back("setFontSize 8");
  const char* weekdays[] = {"Tu", "We", "Th", "Fr", "Sa", "Su", "Mo"};  // the first column: 26/12/2000
  const int days[] = {26, 27, 28, 29, 30, 31, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
  for (int i = 1; i <= 22; ++i) {
    expected.push_back(i == 12 ? "setBold 1" : "setBold 0");
    if (i == 12) expected.insert(expected.end(), {"setLineStyle 2", "Line 3362.5 199.5 3362.5 2095.5", "setLineStyle 0"});
    const std::string x = "CurrentX " + n(200 + (i - 1) * 275 + 30);
    expected.insert(expected.end(), {x, "CurrentY 947.5", "Print \"" + std::string(weekdays[(i - 1) % 7]) + "\"",
                                     x, "CurrentY 1167.5", "Print \" " + std::to_string(days[i - 1]) + " \""});
    if (i % 7 == 6) expected.push_back("Line " + n(200 + i * 275) + " 199.5 " + n(200 + i * 275) + " 2095.5");
  }
  // 90 twips a character: x = (6735 - 90 * length) / 2 - 400.
  expected.insert(expected.end(), {
      "setFontSize 10", "setBold 0", "CurrentX 1527.5", "CurrentY 2175", "Print \"Birthday: Sunday 15/3/1970 (Ann)\"",
      "CurrentX 1662.5", "CurrentY 2375", "Print \"Chart date: Saturday 6/1/2001\"",
      "CurrentX 2247.5", "CurrentY 2575", "Print \"Age: 11,255 days\"", "setFontSize 10", "setBold 1", "setLineWidth 2"});
  for (int i = 1; i <= 22; ++i) {
    const double t = age - 11 + i;
    const std::string from = n(200 + (i - 1) * 275) + " ", to = n(200 + i * 275) + " ";
    for (auto [p, colour] : {std::pair{23, " 255"}, {28, " 65280"}, {33, " 16711680"}})
      expected.push_back("Line " + from + n(y(t - 1, p)) + " " + to + n(y(t, p)) + colour);
    expected.push_back("Line " + from + n(static_cast<float>(yA(t - 1))) + " " + to + n(yA(t)) + " 65535");
  }
  const double last = age + 11;
  for (auto [letter, v] : {std::pair{"P", y(last, 23)}, {"E", y(last, 28)}, {"I", y(last, 33)}, {"A", yA(last)}})
    expected.insert(expected.end(), {"CurrentX 6330", "CurrentY " + n(v - 120), "Print \"" + std::string(letter) + "\""});
  EXPECT_EQ(draw(st).calls, expected);
}

TEST(ChartSequence, TwoColumnComparisonChart) {
  // W 1425: Int(825 / 275) - 1 = 2 columns, half 1; H 1500: hgt 300, 50 % line at 250.
  ChartState st = stateOn(kSunday - 14, kSunday, 1);
  st.birthday2 = kSunday;
  st.name = "Ann";
  st.options.showAverage = st.options.todayMarker = true;
  st.options.weekSeparators = true;  // the Sunday is the last column: no separator
  st.options.ageFormat = 1;
  // Scaled distance; the second person's intellectual value is kept in single precision
  // when it is the previous one.
  const auto D = [](double t1, double t2, int p, bool held = false) {
    double b = wave(t2, p) + 1;
    if (held) b = static_cast<float>(b);
    return std::fabs((wave(t1, p) + 1) - b) * 150.0;
  };
  const auto seg = [&](int p, const char* colour) {
    return "Line 875 " + n(100.0f + static_cast<float>(D(14, 0, p, p == 33))) + " 1150 " +
           n(100 + D(15, 1, p)) + " " + colour;
  };
  const float prevA = static_cast<float>((D(14, 0, 23) + D(14, 0, 28) + D(14, 0, 33)) / 3);
  const double dA = (D(15, 1, 23) + D(15, 1, 28) + D(15, 1, 33)) / 3;
  const std::vector<std::string> expected = {
      "setBackground -2147483633", "clear", "setLineWidth 1",
      "Line 600 100 600 600", "Line 600 400 1150 400 0", "Line 875 400 875 600 0", "Line 1150 400 1150 600 0",
      "setLineStyle 2", "Line 600 250 1150 250", "Line 600 100 1150 100", "setLineStyle 0", "setFontSize 8",
      "setBold 0", "CurrentX 630", "CurrentY 400", "Print \"Sa\"", "CurrentX 630", "CurrentY 600", "Print \" 6 \"",
      "setBold 1", "setLineStyle 2", "Line 1012.5 100 1012.5 400", "setLineStyle 0",
      "CurrentX 905", "CurrentY 400", "Print \"Su\"", "CurrentX 905", "CurrentY 600", "Print \" 7 \"",
      "setBold 1", "CurrentX 75", "CurrentY 75", "Print \"100%\"", "CurrentX 75", "CurrentY 150", "Print \" 50%\"",
      "CurrentX 75", "CurrentY 225", "Print \"  0%\"",
      // x = (1425 - 90 * length) / 2 - 600.
      "setFontSize 10", "setBold 0",
      "CurrentX -2137.5", "CurrentY 780", "Print \"Birthday 1: Sunday 24/12/2000 (Ann), age 2.0 weeks\"",
      "CurrentX -1732.5", "CurrentY 980", "Print \"Birthday 2: Sunday 7/1/2001, age .0 weeks\"",
      "CurrentX -1102.5", "CurrentY 1180", "Print \"Chart date: Sunday 7/1/2001\"",
      "setFontSize 10", "setBold 1", "setLineWidth 2",
      // Columns end on day counts (14, 0) and (15, 1); only the second has both past 0.
      seg(23, "255"), seg(28, "65280"), seg(33, "16711680"),
      "Line 875 " + n(100.0f + prevA) + " 1150 " + n(100 + dA) + " 65535",
      "CurrentX 1230", "CurrentY " + n(100 + D(15, 1, 23) - 120), "Print \"P\"",
      "CurrentX 1230", "CurrentY " + n(100 + D(15, 1, 28) - 120), "Print \"E\"",
      "CurrentX 1230", "CurrentY " + n(100 + D(15, 1, 33) - 120), "Print \"I\"",
      "CurrentX 1230", "CurrentY " + n(100 + dA - 120), "Print \"A\"",
  };
  EXPECT_EQ(draw(st, 1425, 1500).calls, expected);
}

}  // namespace
}  // namespace tw::test

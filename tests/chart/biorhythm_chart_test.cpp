// The one-person chart on the designed 6735 x 2895 area and on unusual sizes and dates.
#include <gtest/gtest.h>

#include "chart_test_util.h"

namespace tw::test {
namespace {

const Date kBirth = fromYmd(1970, 3, 15);
const Date kSaturday = fromYmd(2001, 1, 6);

TEST(BiorhythmChart, ThreeColumnsDrawnWhole) {
  // W 1300: floor(1100 / 275) - 1 = 3 columns, half 1; H 1400: midY 400, amp 200.
  const Date kSunday = fromYmd(2001, 1, 7);
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

TEST(BiorhythmChart, CriticalDayMarksSitOnTheZeroLineAfterTheCurvesAndChangeNothingElse) {
  // 22 columns from the birthday: all three critical on day 0, then days 11, 14 and 16.
  ChartState st = stateOn(kBirth, kBirth + 11);
  const RecordingSurface plain = draw(st);
  st.options.criticalMarks = true;
  const RecordingSurface marked = draw(st);
  const auto mark = [](int x, const char* colour) {
    return "line " + std::to_string(x) + " 1057.5 " + std::to_string(x) + " 1237.5 " + colour;
  };
  const std::vector<std::string> marks = {
      "setLineWidth 3", mark(155, "255"), mark(200, "65280"), mark(245, "16711680"),
      mark(3225, "255"), mark(4050, "65280"), mark(4600, "16711680")};
  std::vector<std::string> want = plain.calls;
  // Before the curve letters, which are the last moveTo/text pairs.
  const auto letters = want.end() - 6;
  want.insert(letters, marks.begin(), marks.end());
  EXPECT_EQ(marked.calls, want);
}

TEST(BiorhythmChart, WeekSeparators) {
  const struct { Date chart; std::vector<float> xs; } cases[] = {
      {kSaturday, {1850, 3775, 5700}},   // Sunday is column 13, the separator at its right edge
      {kSaturday - 2, {475, 2400, 4325}},  // Thursday: the Sunday in column 22 gets none
  };
  for (const auto& c : cases) {
    ChartState st = stateOn(kBirth, c.chart);
    st.options.weekSeparators = true;
    std::vector<float> xs;
    // Of the lines in ink, those across the whole band; the frame's ticks are short.
    for (const LineCall& l : linesIn(draw(st), -1))
      if (l.x1 == l.x2 && l.y1 == 199.5f && l.y2 == 2095.5f) xs.push_back(l.x1);
    EXPECT_EQ(xs, c.xs) << dateText(c.chart);
  }
}

TEST(BiorhythmChart, AverageOnlyIsStillTheMeanOfAllThree) {
  ChartState st = stateOn(kBirth, kSaturday);
  st.options.showPhysical = st.options.showEmotional = st.options.showIntellectual = false;
  st.options.showAverage = true;
  const RecordingSurface s = draw(st);
  EXPECT_EQ(linesIn(s, kYellow).size(), 22u);
  EXPECT_EQ(linesIn(s).size(), 22u + 22u);  // black frame and the average
  const double t = (kSaturday - kBirth) + 11;  // the day after the last column
  const auto y = [t](int p) { return 1147.5 - 948 * wave(t, p); };
  const double mean = (y(23) + y(28) + y(33)) / 3;
  EXPECT_EQ(linesIn(s, kYellow).back().y2, static_cast<float>(mean));
  const std::vector<std::string> tail(s.calls.end() - 2, s.calls.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"moveTo 6330 " + n(mean - 120), "text \"A\""}));
}

TEST(BiorhythmChart, ColumnCountsAndTheBoldChartDateColumn) {
  // Chart date Saturday 6 January 2001; the first column's day of the month.
  const struct { float width; int cols; const char* marker; const char* first; } cases[] = {
      {6735, 22, "line 3362.5 199.5 3362.5 2095.5", " 26 "},  // the designed area: column 12
      {6300, 21, "line 3087.5 199.5 3087.5 2095.5", " 27 "},  // odd: 10 days each side
      {6525, 22, "line 3362.5 199.5 3362.5 2095.5", " 26 "},
      {200 + 201 * 275, 200, "line 27837.5 199.5 27837.5 2095.5", " 28 "},  // past 16 bits
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.width);
    ChartState st = stateOn(kBirth, kSaturday);
    st.options.todayMarker = true;
    const RecordingSurface s = draw(st, c.width);
    EXPECT_TRUE(made(s, "line 200 1147.5 " + n(200 + c.cols * 275) + " 1147.5"));
    // The zero line, cols - 1 ticks and the marker, all in the surface's ink.
    EXPECT_EQ(linesIn(s, -1).size(), static_cast<std::size_t>(c.cols + 1));
    EXPECT_TRUE(made(s, c.marker));
    const auto bold = boldPrints(s);
    EXPECT_EQ(std::vector(bold.begin(), bold.begin() + 2), (std::vector<std::string>{"text \"Sa\"", "text \" 6 \""}));
    ASSERT_EQ(s.printed().size(), 2u * c.cols + 6u);
    EXPECT_EQ(s.printed()[1], c.first);
    for (long long colour : {kRed, kGreen, kBlue})
      EXPECT_EQ(linesIn(s, colour).size(), static_cast<std::size_t>(c.cols));
  }
}

TEST(BiorhythmChart, TooNarrowCalendarEndsAndUnknownTypes) {
  const RecordingSurface s = draw(stateOn(kBirth, kSaturday), 300, 2895);
  ASSERT_EQ(linesIn(s).size(), 1u);  // cols = -1: the zero line alone, running leftwards
  EXPECT_TRUE(made(s, "line 200 1147.5 -75 1147.5"));
  EXPECT_EQ(s.printed().size(), 3u + 3u);
  EXPECT_TRUE(s.only("moveTo").back().starts_with("moveTo 280 ")) << s.only("moveTo").back();
  // Days past the pickers' range are labelled too: the 11 before Monday 1/1/1601 start on
  // Thursday 21/12/1600, the 10 after Friday 31/12/9999 end on Monday 10/1/10000.
  const struct { Date chart; std::vector<std::string> first, last; } ends[] = {
      {kFirstDate, {"Th", " 21 "}, {"Th", " 11 "}}, {kLastDate, {"Mo", " 20 "}, {"Mo", " 10 "}}};
  for (const auto& c : ends) {
    const std::vector<std::string> texts = draw(stateOn(kFirstDate, c.chart)).printed();
    ASSERT_EQ(texts.size(), 2u * 22 + 6) << c.chart;
    EXPECT_EQ(std::vector(texts.begin(), texts.begin() + 2), c.first);
    EXPECT_EQ(std::vector(texts.begin() + 42, texts.begin() + 44), c.last);
  }
  for (std::int16_t type : {2, -1, 99})
    EXPECT_EQ(draw(stateOn(kBirth, kSaturday, ChartType{type})).calls, std::vector<std::string>{}) << type;
}

}  // namespace
}  // namespace tw::test

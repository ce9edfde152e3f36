// The one-person chart on the designed 6735 x 2895 area and on unusual sizes and dates.
#include <gtest/gtest.h>

#include "chart_test_util.h"

namespace tw::test {
namespace {

const Date kBirth = fromYmd(1970, 3, 15);
const Date kSaturday = fromYmd(2001, 1, 6);

TEST(BiorhythmChart, ThreeColumnsAroundTheBirthday) {
  // W 1300: floor(1100 / 275) - 1 = 3 columns, half 1; H 1400: midY 400, amp 200. Day counts
  // -1, 0, 1, 2 stand at x 200, 475, 750, 1025.
  const Date kSunday = fromYmd(2001, 1, 7);
  ChartState st = stateOn(kSunday, kSunday);
  st.name = "Ann";
  st.options.showAverage = st.options.todayMarker = st.options.weekSeparators = true;
  const RecordingSurface s = draw(st, 1300, 1400);
  EXPECT_EQ(std::vector(s.calls.begin(), s.calls.begin() + 2),
            (std::vector<std::string>{"setBackground -2147483633", "clear"}));
  // Zero line, two ticks, the chart date's marker and the separator after Sunday.
  EXPECT_EQ(linesIn(s, -1), (std::vector<LineCall>{{200, 400, 1025, 400, -1},
                                                   {475, 300, 475, 500, -1},
                                                   {750, 300, 750, 500, -1},
                                                   {612.5, 200, 612.5, 600, -1},
                                                   {750, 200, 750, 600, -1}}));
  // cycleValue itself is checked against known days in cycles_test.
  const auto y = [](double t, int p) { return 400.0 - 200.0 * cycleValue(t, p, 1); };
  const auto yA = [&](double t) { return (y(t, 23) + y(t, 28) + y(t, 33)) / 3; };
  const auto f = [](double v) { return static_cast<float>(v); };
  // The segment ending on the birthday is not drawn; the curves come after the frame.
  for (const auto& [colour, p] : {std::pair{kRed, 23}, {kGreen, 28}, {kBlue, 33}})
    EXPECT_EQ(linesIn(s, colour),
              (std::vector<LineCall>{{475, f(y(0, p)), 750, f(y(1, p)), colour},
                                     {750, f(y(1, p)), 1025, f(y(2, p)), colour}}));
  EXPECT_EQ(linesIn(s, kYellow), (std::vector<LineCall>{{475, 400, 750, f(yA(1)), kYellow},
                                                        {750, f(yA(1)), 1025, f(yA(2)), kYellow}}));
  EXPECT_EQ(s.printed(),
            (std::vector<std::string>{
                "Sa", " 6 ", "Su", " 7 ", "Mo", " 8 ", "Birthday: Sunday 7/1/2001 (Ann)",
                "Chart date: Sunday 7/1/2001", "Age:  days", "P", "E", "I", "A"}));
  EXPECT_EQ(boldPrints(s), (std::vector<std::string>{"text \"Su\"", "text \" 7 \"", "text \"P\"",
                                                     "text \"E\"", "text \"I\"", "text \"A\""}));
  // 90 twips a character: x = (1300 - 90 * length) / 2 - 400; letters beside the last vertex.
  for (const std::string& place : std::vector<std::string>{
           "moveTo 230 200", "moveTo 505 420", "moveTo -1145 680", "moveTo -965 880",
           "moveTo -200 1080", "moveTo 1105 " + n(y(2, 23) - 120), "moveTo 1105 " + n(yA(2) - 120)})
    EXPECT_TRUE(made(s, place));
}

TEST(BiorhythmChart, CriticalDayMarksSitOnTheZeroLineAfterTheCurves) {
  // 22 columns from the birthday: all three critical on day 0, then days 11, 14 and 16.
  ChartState st = stateOn(kBirth, kBirth + 11);
  const RecordingSurface plain = draw(st);
  st.options.criticalMarks = true;
  const RecordingSurface marked = draw(st);
  const auto mark = [](int x, const char* colour) {
    return "line " + std::to_string(x) + " 1057.5 " + std::to_string(x) + " 1237.5 " + colour;
  };
  const std::vector<std::string> marks = {
      "setLineWidth 3",  mark(155, "255"),    mark(200, "65280"),    mark(245, "16711680"),
      mark(3225, "255"), mark(4050, "65280"), mark(4600, "16711680")};
  std::vector<std::string> want = plain.calls;
  // Before the curve letters, which are the last moveTo/text pairs.
  const auto letters = want.end() - 6;
  want.insert(letters, marks.begin(), marks.end());
  EXPECT_EQ(marked.calls, want);
}

TEST(BiorhythmChart, WeekSeparators) {
  const struct {
    Date chart;
    std::vector<float> xs;
  } cases[] = {
      {kSaturday, {1850, 3775, 5700}},     // Sunday is column 13, the separator at its right edge
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
  EXPECT_EQ(linesIn(s).size(), 22u + 22u);     // black frame and the average
  const double t = (kSaturday - kBirth) + 11;  // the day after the last column
  const auto y = [t](int p) { return 1147.5 - 948 * cycleValue(t, p, 1); };
  const double mean = (y(23) + y(28) + y(33)) / 3;
  EXPECT_EQ(linesIn(s, kYellow).back().y2, static_cast<float>(mean));
  const std::vector<std::string> tail(s.calls.end() - 2, s.calls.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"moveTo 6330 " + n(mean - 120), "text \"A\""}));
}

TEST(BiorhythmChart, ColumnsFollowTheWidth) {
  // Chart date Saturday 6 January 2001; the first column's day of the month.
  const struct {
    float width;
    int cols;
    const char* marker;
    const char* first;
  } cases[] = {
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
    EXPECT_EQ(std::vector(bold.begin(), bold.begin() + 2),
              (std::vector<std::string>{"text \"Sa\"", "text \" 6 \""}));
    ASSERT_EQ(s.printed().size(), 2u * c.cols + 6u);
    EXPECT_EQ(s.printed()[1], c.first);
    for (long long colour : {kRed, kGreen, kBlue})
      EXPECT_EQ(linesIn(s, colour).size(), static_cast<std::size_t>(c.cols));
  }
}

TEST(BiorhythmChart, TooNarrowForAColumn) {
  const RecordingSurface s = draw(stateOn(kBirth, kSaturday), 300, 2895);
  ASSERT_EQ(linesIn(s).size(), 1u);  // cols = -1: the zero line alone, running leftwards
  EXPECT_TRUE(made(s, "line 200 1147.5 -75 1147.5"));
  EXPECT_EQ(s.printed().size(), 3u + 3u);
  EXPECT_TRUE(s.only("moveTo").back().starts_with("moveTo 280 ")) << s.only("moveTo").back();
}

TEST(BiorhythmChart, DaysPastThePickersRangeAreLabelled) {
  // The 11 before Monday 1/1/1601 start on Thursday 21/12/1600, the 10 after Friday 31/12/9999
  // end on Monday 10/1/10000.
  const struct {
    Date chart;
    std::vector<std::string> first, last;
  } ends[] = {{kFirstDate, {"Th", " 21 "}, {"Th", " 11 "}},
              {kLastDate, {"Mo", " 20 "}, {"Mo", " 10 "}}};
  for (const auto& c : ends) {
    const std::vector<std::string> texts = draw(stateOn(kFirstDate, c.chart)).printed();
    ASSERT_EQ(texts.size(), 2u * 22 + 6) << c.chart;
    EXPECT_EQ(std::vector(texts.begin(), texts.begin() + 2), c.first);
    EXPECT_EQ(std::vector(texts.begin() + 42, texts.begin() + 44), c.last);
  }
}

TEST(BiorhythmChart, AnUnknownTypeDrawsNothing) {
  for (std::int16_t type : {2, -1, 99})
    EXPECT_EQ(draw(stateOn(kBirth, kSaturday, ChartType{type})).calls, std::vector<std::string>{})
        << type;
}

}  // namespace
}  // namespace tw::test

// The one-person chart on the designed 6735 x 2895 area and on unusual sizes and dates.
#include <gtest/gtest.h>

#include <algorithm>

#include "chart_test_util.h"

namespace tw::test {
namespace {

const Date kBirth = fromYmd(1970, 3, 15);
const Date kSaturday = fromYmd(2001, 1, 6);

bool has(const RecordingSurface& s, const std::string& call) {
  return std::find(s.calls.begin(), s.calls.end(), call) != s.calls.end();
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

TEST(BiorhythmChart, ChartDateOnBirthday) {
  const RecordingSurface s = draw(stateOn(kSaturday, kSaturday));
  for (long long colour : {kRed, kGreen, kBlue}) {
    const auto segs = linesIn(s, colour);
    ASSERT_EQ(segs.size(), 11u);  // columns 12 to 22
    EXPECT_TRUE(segs.front().x1 == 3225 && segs.front().y1 == 1147.5f) << colour;
  }
  EXPECT_EQ(s.printed()[46], "Age:  days");
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
      {6524, 21, "line 3087.5 199.5 3087.5 2095.5", " 27 "},
      {6525, 22, "line 3362.5 199.5 3362.5 2095.5", " 26 "},
      {200 + 201 * 275, 200, "line 27837.5 199.5 27837.5 2095.5", " 28 "},  // past 16 bits
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.width);
    ChartState st = stateOn(kBirth, kSaturday);
    st.options.todayMarker = true;
    const RecordingSurface s = draw(st, c.width);
    EXPECT_TRUE(has(s, "line 200 1147.5 " + n(200 + c.cols * 275) + " 1147.5"));
    // The zero line, cols - 1 ticks and the marker, all in the surface's ink.
    EXPECT_EQ(linesIn(s, -1).size(), static_cast<std::size_t>(c.cols + 1));
    EXPECT_TRUE(has(s, c.marker));
    const auto bold = boldPrints(s);
    EXPECT_EQ(std::vector(bold.begin(), bold.begin() + 2), (std::vector<std::string>{"text \"Sa\"", "text \" 6 \""}));
    EXPECT_TRUE(s.printed().size() == 2u * c.cols + 6u && s.printed()[1] == c.first) << s.printed()[1];
    for (long long colour : {kRed, kGreen, kBlue})
      EXPECT_EQ(linesIn(s, colour).size(), static_cast<std::size_t>(c.cols));
  }
}

TEST(BiorhythmChart, TooNarrowCalendarEndsAndUnknownTypes) {
  const RecordingSurface s = draw(stateOn(kBirth, kSaturday), 300, 2895);
  ASSERT_EQ(linesIn(s).size(), 1u);  // cols = -1: the zero line alone, running leftwards
  EXPECT_TRUE(has(s, "line 200 1147.5 -75 1147.5"));
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

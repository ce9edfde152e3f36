// The comparison chart on the designed 6735 x 2895 area: 21 columns, hgt 1695.
#include <gtest/gtest.h>

#include <algorithm>

#include "chart/chart_parts.h"
#include "chart_test_util.h"

namespace tw::test {
namespace {

const Date kBirth = fromYmd(1970, 3, 15);
const Date kChart = fromYmd(2001, 1, 6);
constexpr double kHalfBand = 847.5;

ChartState pair(Date birth2) {
  ChartState st = stateOn(kBirth, kChart, ChartType::Comparison);
  st.birthday2 = birth2;
  st.options.showAverage = true;
  return st;
}

TEST(ComparisonChart, DesignedArea) {
  ChartState st = pair(kBirth - 100);
  st.options.todayMarker = true;
  const RecordingSurface s = draw(st);
  const std::vector<std::string> frame(s.calls.begin() + 3, s.calls.begin() + 3 + 2 + 21 + 4);
  EXPECT_EQ((std::vector<std::string>{frame[0], frame[1], frame[2], frame[22]}),  // the right end has a tick too
            (std::vector<std::string>{"line 600 100 600 1995", "line 600 1795 6375 1795", "line 875 1795 875 1995",
                                      "line 6375 1795 6375 1995"}));
  EXPECT_EQ(std::vector<std::string>(frame.end() - 4, frame.end()),
            (std::vector<std::string>{"setLineStyle 2", "line 600 947.5 6375 947.5",
                                      "line 600 100 6375 100", "setLineStyle 0"}));
  EXPECT_NE(std::find(s.calls.begin(), s.calls.end(), "line 3487.5 100 3487.5 1795"),
            s.calls.end());
  const auto texts = s.printed();  // the chart date in bold in column 11, 10 days each side
  EXPECT_EQ((std::vector<std::string>{boldPrints(s)[0], texts[1], texts[41], texts[43]}),
            (std::vector<std::string>{"text \"Sa\"", " 27 ", " 16 ", " 50%"}));
  EXPECT_TRUE(std::ranges::any_of(s.only("moveTo"), [](const std::string& c) { return c.ends_with(" 1620"); }));
  for (long long colour : {kRed, kGreen, kBlue, kYellow})
    EXPECT_EQ(linesIn(s, colour).size(), 21u);
}

TEST(ComparisonChart, SameBirthdayRunsAlongTheTop) {
  const RecordingSurface s = draw(pair(kBirth));
  for (long long colour : {kRed, kGreen, kBlue, kYellow})
    for (const LineCall& l : linesIn(s, colour)) {
      EXPECT_EQ(l.y2, 100.0f);
      EXPECT_NEAR(l.y1, 100.0f, 1e-3);
    }
  // The second person's previous intellectual value went through single precision, so the
  // intellectual segments start a hair below the line.
  const auto blue = linesIn(s, kBlue);
  int offLine = 0;
  for (int i = 0; i < 21; ++i) {
    const double b = wave(kChart - kBirth - 10 + i, 33) + 1;
    const float prev = static_cast<float>(std::fabs(b - static_cast<float>(b)) * kHalfBand);
    EXPECT_EQ(blue[i].y1, 100.0f + prev) << "column " << i + 1;
    offLine += blue[i].y1 != 100.0f;
  }
  EXPECT_GT(offLine, 0);
  const auto moves = s.only("moveTo");
  ASSERT_EQ(moves.size(), 42u + 3u + 3u + 4u);
  for (auto it = moves.end() - 4; it != moves.end(); ++it) EXPECT_TRUE(it->ends_with(" -20")) << *it;
}

TEST(ComparisonChart, EmotionalDistanceAtHalfAndWholePeriods) {
  // The emotional distance is factor * |first person's value|.
  const struct { int apart; double factor; } cases[] = {{14, 2}, {28, 0}};
  for (const auto& c : cases) {
    const RecordingSurface s = draw(pair(kBirth + c.apart));
    const auto segs = linesIn(s, kGreen);
    ASSERT_EQ(segs.size(), 21u);
    for (int i = 0; i < 21; ++i) {
      const double t1 = kChart - kBirth - 10 + i + 1;
      EXPECT_NEAR(segs[i].y2, 100 + c.factor * std::fabs(wave(t1, 28)) * kHalfBand, 1e-3)
          << c.apart << " days apart, column " << i + 1;
    }
  }
}

TEST(ComparisonChart, CurvesBeginOnTheLaterBirthdayAndOnlyShownOnesAreDrawn) {
  const RecordingSurface later = draw(pair(kChart - 5));
  for (long long colour : {kRed, kGreen, kBlue, kYellow}) {
    const auto segs = linesIn(later, colour);
    ASSERT_EQ(segs.size(), 16u);  // the second day count passes 0 in column 6
    EXPECT_EQ(segs.front().x1, 1975);
  }
  ChartState st = pair(kBirth - 100);
  st.options.showPhysical = st.options.showEmotional = st.options.showAverage = false;
  const RecordingSurface s = draw(st);
  EXPECT_EQ(linesIn(s, kBlue).size(), 21u);
  EXPECT_EQ(linesIn(s).size(), 1u + 22u + 2u + 21u);  // axis, black frame, dotted lines, curve
  EXPECT_TRUE(s.printed().back() == "I" && s.printed().size() == 42u + 3u + 3u + 1u);
}

TEST(ChartGeometry, ColumnsAndBandsStayInRange) {
  const struct { float width; int left, cols; } cases[] = {
      {6735, 200, 22}, {6735, 600, 21}, {32650 + 275, 200, 118}, {300, 200, -1},
      {1e30f, 200, chart::kMaxColumns}, {-1e30f, 600, -chart::kMaxColumns}, {std::nanf(""), 200, 0}};
  for (const auto& c : cases) EXPECT_EQ(chart::columnCount(c.width, c.left), c.cols) << c.width;
  EXPECT_EQ(chart::roundBand(1694.5f), 1694);
  EXPECT_EQ(chart::roundBand(1e30f), 1 << 30);
  for (ChartType type : {ChartType::Biorhythm, ChartType::Comparison}) {  // an absurdly tall area still draws without overflow
    ChartState st = pair(kBirth);
    st.options.chartType = type;
    EXPECT_FALSE(draw(st, 1300, 3e38f).calls.empty());
  }
}

}  // namespace
}  // namespace tw::test

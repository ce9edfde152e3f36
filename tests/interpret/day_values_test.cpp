#include "interpret/day_values.h"

#include <gtest/gtest.h>

#include <ostream>

#include "chart/curves.h"
#include "settings/settings_io.h"

namespace tw {

std::ostream& operator<<(std::ostream& o, const CycleOnDay& c) {
  return o << curveOf(c.kind).letter << " " << c.percent << "% "
           << (c.rising ? "rising" : "falling") << (c.critical ? " critical" : "");
}

namespace {

constexpr Date kBirthday = 32874;  // Monday 1/1/1990

ChartState oneBirthday(Date day) {
  ChartState s;
  s.options = defaultChartOptions();
  s.birthday = kBirthday;
  s.name = "Ann";
  s.chartDate = day;
  s.options.showAverage = true;
  return s;
}

TEST(DayValues, EachCurvesValues) {
  // From sin(2 pi days / period) by hand; critical inside the interpretation's bands.
  using K = CycleKind;
  const struct {
    const char* name;
    int days;
    std::vector<CycleOnDay> want;
  } rows[] = {
      {"the birthday: all at zero, rising, critical",
       0,
       {{K::Physical, 0, true, true},
        {K::Emotional, 0, true, true},
        {K::Intellectual, 0, true, true},
        {K::Average, 0, true, false}}},
      {"physical past its peak",
       6,
       {{K::Physical, 100, false, false},
        {K::Emotional, 97, true, false},
        {K::Intellectual, 91, true, false},
        {K::Average, 96, true, false}}},
      {"physical just below its band",
       12,
       {{K::Physical, -14, false, false},
        {K::Emotional, 43, false, false},
        {K::Intellectual, 76, false, false},
        {K::Average, 35, false, false}}},
      {"emotional crossing zero",
       14,
       {{K::Physical, -63, false, false},
        {K::Emotional, 0, false, true},
        {K::Intellectual, 46, false, false},
        {K::Average, -6, false, false}}},
      {"intellectual just below its band",
       17,
       {{K::Physical, -100, true, false},
        {K::Emotional, -62, false, false},
        {K::Intellectual, -10, false, false},
        {K::Average, -57, false, false}}},
  };
  for (const auto& row : rows) {
    const DayValues v = dayValues(oneBirthday(kBirthday), kBirthday + row.days);
    EXPECT_EQ(v.cycles, row.want) << row.name;
  }
}

TEST(DayValues, TheDaysTexts) {
  ChartState s = oneBirthday(kBirthday + 14);
  s.options.showIntellectual = false;
  EXPECT_EQ(
      describeDay(dayValues(s, s.chartDate), s, Locale{}),
      "Biorhythm chart, birthday Monday 1/1/1990 (Ann). Monday 15/1/1990, the chart date: "
      "physical -63% and falling; emotional 0% and falling, critical; average -6% and falling.");
  EXPECT_EQ(dayTooltip(dayValues(s, kBirthday + 6), Locale{}),
            "Sunday, 7 January 1990\nPhysical: 100%, falling\nEmotional: 97%, rising\nAverage: "
            "96%, rising");
  EXPECT_EQ(describeDay(dayValues(s, kBirthday - 1), s, Locale{}),
            "Biorhythm chart, birthday Monday 1/1/1990 (Ann). Sunday 31/12/1989, 15 days before "
            "the chart date: before the birthday, no curves.");
  s.options.chartType = ChartType::Comparison;
  s.birthday2 = kBirthday + 14;
  s.name2 = "Bea";
  EXPECT_EQ(describeDay(dayValues(s, kBirthday + 16), s, Locale{}),
            "Comparison chart, birthdays Monday 1/1/1990 (Ann) and Monday 15/1/1990 (Bea). "
            "Wednesday 17/1/1990, 2 days after the chart date: physical match 27%, emotional 57%, "
            "intellectual 87%, overall 57%.");
  EXPECT_EQ(dayTooltip(dayValues(s, kBirthday + 16), Locale{}),
            "Wednesday, 17 January 1990\nPhysical match: 27%\nEmotional match: 57%\n"
            "Intellectual match: 87%\nOverall: 57%");
}

}  // namespace
}  // namespace tw

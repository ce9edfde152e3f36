#include "interpret/day_values.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>

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
  const struct {
    const char* name;
    int days;
    std::string want;  // physical, emotional, intellectual, average
  } rows[] = {
      {"the birthday: all at zero, rising, critical", 0,
       "P 0% rising critical, E 0% rising critical, I 0% rising critical, A 0% rising"},
      {"physical past its peak", 6, "P 100% falling, E 97% rising, I 91% rising, A 96% rising"},
      {"physical just below its band", 12,
       "P -14% falling, E 43% falling, I 76% falling, A 35% falling"},
      {"emotional crossing zero", 14,
       "P -63% falling, E 0% falling critical, I 46% falling, A -6% falling"},
      {"intellectual just below its band", 17,
       "P -100% rising, E -62% falling, I -10% falling, A -57% falling"},
  };
  for (const auto& row : rows) {
    std::ostringstream seen;
    for (const CycleOnDay& c : dayValues(oneBirthday(kBirthday), kBirthday + row.days).cycles)
      seen << (seen.tellp() ? ", " : "") << c;
    EXPECT_EQ(seen.str(), row.want) << row.name;
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

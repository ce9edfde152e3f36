#include "cycles/cycles.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(cycleValue, MatchesKnownDaysEitherSideOfBirth) {
  const struct {
    double days;
    std::int16_t period, amplitude;
    double expected, tolerance;
  } cases[] = {
      {0, 23, 948, 0, 0},
      {5.75, 23, 1, 1, 1e-15},
      {7, 28, 1, 1, 1e-15},
      {8.25, 33, 948, 948, 1e-12},
      {17.25, 23, 1, -1, 1e-15},
      {1000, 23, 1, 0.1361666, 5e-8},
      {1000, 28, 1, -0.9749279, 5e-8},
      {1000, 33, 1, 0.9450008, 5e-8},
      // The ten-digit full turn exceeds 2*pi by 8.2e-10, so half a period is not quite zero.
      {11.5, 23, 1, -4.102e-10, 2e-13},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.days);
    EXPECT_NEAR(cycleValue(c.days, c.period, c.amplitude), c.expected, c.tolerance);
    EXPECT_EQ(cycleValue(-c.days, c.period, c.amplitude),
              -cycleValue(c.days, c.period, c.amplitude));
  }
}

TEST(ageText, FormatsEachUnit) {
  Locale german;
  german.groupSeparator = ".";
  german.decimalSeparator = ",";
  const struct {
    double days;
    AgeUnit unit;
    const Locale& locale;
    const char* expected;
  } cases[] = {
      {12345, AgeUnit::Days, Locale{}, "12,345 days"},
      {0, AgeUnit::Days, Locale{}, " days"},
      {123456, AgeUnit::Days, Locale{}, "123,456 days"},
      {-12345, AgeUnit::Days, Locale{}, "-12,345 days"},
      {1234567, AgeUnit::Days, german, "1.234.567 days"},
      {10, AgeUnit::Weeks, Locale{}, "1.4 weeks"},
      {3, AgeUnit::Weeks, Locale{}, ".4 weeks"},
      {100000, AgeUnit::Weeks, Locale{}, "14,285.7 weeks"},
      {10, AgeUnit::Weeks, german, "1,4 weeks"},
      {3652, AgeUnit::Years, Locale{}, "10.00 years"},
      {100, AgeUnit::Years, Locale{}, ".27 years"},
      {400000, AgeUnit::Years, Locale{}, "1095.14 years"},  // no grouping in the years pattern
      {3652, AgeUnit::Years, german, "10,00 years"},
      {100, AgeUnit{3}, Locale{}, ""},
      {100, AgeUnit{-1}, Locale{}, ""},
      // A day before birth keeps its minus sign even where the number rounds to nothing.
      {-1, AgeUnit::Years, Locale{}, "-.00 years"},
      {-100, AgeUnit::Years, Locale{}, "-.27 years"},
      {-3, AgeUnit::Weeks, Locale{}, "-.4 weeks"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ageText(c.days, c.unit, c.locale), c.expected)
        << c.days << " " << static_cast<int>(c.unit);
}

}  // namespace
}  // namespace tw

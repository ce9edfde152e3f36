#include "interpret/critical_days.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(CriticalDaysAhead, SpansEndTheDayBeforeTheSameDayLater) {
  const struct {
    const char* name;
    Date from;
    CriticalSpan span;
    Date want;
  } rows[] = {
      {"30 days", fromYmd(2024, 3, 1), CriticalSpan::Days30, fromYmd(2024, 3, 30)},
      {"3 months", fromYmd(2024, 3, 15), CriticalSpan::Months3, fromYmd(2024, 6, 14)},
      {"3 months from a day April lacks", fromYmd(2024, 1, 31), CriticalSpan::Months3,
       fromYmd(2024, 4, 30)},
      {"12 months across a leap day", fromYmd(2024, 2, 29), CriticalSpan::Months12,
       fromYmd(2025, 2, 28)},
      {"never past the calendar's end", fromYmd(9999, 12, 20), CriticalSpan::Months12, kLastDate},
  };
  for (const auto& r : rows) EXPECT_EQ(toIso(spanEnd(r.from, r.span)), toIso(r.want)) << r.name;
}

}  // namespace
}  // namespace tw

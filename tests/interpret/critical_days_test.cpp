#include <gtest/gtest.h>

#include <tuple>

#include "interpret/interpret.h"
#include "mock/phase_rule.h"

TEST(CriticalDays, RangeFollowsTheModRule) {
  const tw::Date birth = tw::fromYmd(1990, 5, 17);
  const auto days = tw::CriticalDays(birth, birth - 40, birth + 700);  // straddles birth and day 644
  std::size_t next = 0;
  for (tw::Date d = birth - 40; d <= birth + 700; ++d) {
    const auto [p, e, i] = rulePhases(d - birth);
    if (p != 0 && e != 0 && i != 0) continue;
    ASSERT_LT(next, days.size());
    const tw::CriticalDay& got = days[next++];
    EXPECT_EQ(std::tie(got.date, got.physical, got.emotional, got.intellectual),
              std::make_tuple(d, p == 0, e == 0, i == 0));
  }
  EXPECT_EQ(next, days.size());
  EXPECT_TRUE(tw::CriticalDays(birth, birth + 5, birth + 4).empty());
}

TEST(CriticalDays, Names) {
  EXPECT_EQ(tw::criticalCycleNames({0, true, true, false}), "physical, emotional");
  EXPECT_EQ(tw::criticalCycleNames({0, true, false, true}), "physical, intellectual");
  EXPECT_EQ(tw::criticalCycleNames({0, false, false, true}), "intellectual");
}

#include <gtest/gtest.h>

#include <array>

#include "interpret/interpret.h"

TEST(Comparison, MatchPercentages) {
  // Worked out by hand from sin(days / period * 6.283185308).
  const struct { double days, days2; float p, e, i; long overall; } cases[] = {
      {1000, 1000, 100, 100, 100, 100}, {-5, -5, 100, 100, 100, 100},
      {7, 21, 27, 0, 14, 13},       // emotional exactly +1 against -1
      {2807, 2821, 46, 1, 87, 44},  // 100 cycles on, the distance is a hair under 2
      {100, -100, 19, 57, 82, 52}};
  for (const auto& c : cases) {
    const tw::MatchPercentages m = tw::ComparisonMatch(c.days, c.days2);
    EXPECT_EQ((std::array{m.physical, m.emotional, m.intellectual}), (std::array{c.p, c.e, c.i})) << c.days;
    EXPECT_EQ(m.overall, c.overall) << c.days;
  }
  EXPECT_EQ(tw::OverallMatch(100, 100, 0), 66);  // down, not to nearest
  EXPECT_EQ(tw::OverallMatch(50, 50, 52), 50);
  EXPECT_EQ(tw::ComparisonText({100, 0, 100, 66}),
            "Physical: 100%\r\nEmotional: 0%\r\nIntellectual: 100%\r\nOverall: 66%");
}

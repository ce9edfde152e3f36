#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "interpret/interpret.h"
#include "mock/phase_rule.h"

// Last line of rows 1..15; each is found at the end of one row only.
const char* const kLastLines[15] = {
    "anything!!!", "emotional situations.", "Perception will be reduced.", "any important decisions.",
    "of headaches or depression.", "upset or disappointment.", "relax.", "overcome.",
    "emotional activities.", "physical energy.", "inspiration.", "temper or stubbornness.",
    "time for operations.", "tasks only.", "for logical thinking."};

static int expectedRow(long long days) {
  const auto [p, e, i] = rulePhases(days);
  const int critical = (p == 0) * 4 + (e == 0) * 2 + (i == 0);
  const int criticalRows[] = {7, 6, 5, 3, 4, 2, 1};  // PEI, PE, PI, EI, P, E, I
  for (int r = 0; r < 7; ++r)
    if ((critical & criticalRows[r]) == criticalRows[r]) return r + 1;
  const int byHighs[] = {14, 13, 15, 10, 12, 11, 9, 8};  // P high 4, E high 2, I high 1
  return byHighs[(p > 0) * 4 + (e > 0) * 2 + (i > 0)];
}

static void expectRow(double days, int row) {
  const std::string text = tw::ReadingText(days);
  EXPECT_TRUE(text.ends_with(kLastLines[row - 1])) << days << ": " << text;
  EXPECT_EQ(text.find("\r\n\r\n") != std::string::npos, row <= 7) << days;  // blank line after a heading
}

TEST(Reading, KnownDays) {
  // Before birth the values mirror: -644 is intellectual critical as well.
  const struct { double days; int row; } cases[] = {{0, 1}, {11, 5}, {14, 6}, {16, 7}, {644, 2},
                                                    {1, 8}, {-1, 14}, {-12, 5}, {-644, 1}};
  for (const auto& c : cases) expectRow(c.days, c.row);
}

TEST(Reading, EveryDayFollowsThePhaseRuleAndAllRowsOccur) {
  std::set<int> seen;
  for (long long d = -3000; d <= 3000; ++d) {
    expectRow(static_cast<double>(d), expectedRow(d));
    seen.insert(expectedRow(d));
  }
  EXPECT_EQ(seen.size(), 15u);
  EXPECT_EQ(tw::ReadingText(0), "Physical, emotional &\r\nintellectual critical day!\r\n\r\n"
                                "Don't get out of bed, don't\r\ngo anywhere, and don't do\r\nanything!!!");
  EXPECT_EQ(tw::ReadingText(1), "This is a good time for\r\nall activities. Stressful\r\n"
                                "experiences will be easily\r\novercome.");
}

TEST(CyclePhase, BoundsAreCritical) {
  using K = tw::CycleKind;
  const struct { double value; K kind; int phase; } cases[] = {
      {-0.12, K::Physical, 0}, {std::nextafter(-0.12, -1), K::Physical, -1},
      {0.26, K::Physical, 0}, {std::nextafter(0.26, 1), K::Physical, 1},
      {-0.22, K::Emotional, 0}, {std::nextafter(-0.22, -1), K::Emotional, -1},
      {0.22, K::Emotional, 0}, {std::nextafter(0.22, 1), K::Emotional, 1},
      // Outside the bounds in double, but the same single: critical.
      {double{0.18f} + 1e-9, K::Intellectual, 0}, {double{-0.093f} - 1e-10, K::Intellectual, 0},
      {double{std::nextafter(0.18f, 1.f)}, K::Intellectual, 1},
      {double{std::nextafter(-0.093f, -1.f)}, K::Intellectual, -1}};
  for (const auto& c : cases) EXPECT_EQ(tw::CyclePhase(c.value, c.kind), c.phase) << c.value;
}

#include "interpret/interpret.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace tw {
namespace {

TEST(Prompt, LayoutPerChartType) {
  Locale iso;
  iso.shortDatePattern = "yyyy-MM-dd";
  const auto state = [](ChartType type, int age, int age2) {
    ChartState s;
    s.chartDate = fromYmd(2026, 3, 9);
    s.birthday = s.chartDate - age;
    s.birthday2 = s.chartDate - age2;
    s.options.chartType = type;
    return s;
  };
  EXPECT_EQ(interpretation(state(ChartType::Biorhythm, 11, 0), iso)->substr(0, 35),
            "Interpretation for 2026-03-09:\r\n\r\nP");
  EXPECT_EQ(interpretation(state(ChartType::Comparison, 7, 21), iso),
            "Comparison for 2026-03-09:\r\n\r\nPhysical: 27%\r\nEmotional: 0%\r\nIntellectual: "
            "14%\r\nOverall: 13%");
  for (int type : {2, -1})
    EXPECT_FALSE(interpretation(state(ChartType{static_cast<std::int16_t>(type)}, 11, 0), {}))
        << type;
}

// Last line of rows 1..15; each is found at the end of one row only.
const char* const kLastLines[15] = {"anything!!!",
                                    "emotional situations.",
                                    "Perception will be reduced.",
                                    "any important decisions.",
                                    "of headaches or depression.",
                                    "upset or disappointment.",
                                    "relax.",
                                    "overcome.",
                                    "emotional activities.",
                                    "physical energy.",
                                    "inspiration.",
                                    "temper or stubbornness.",
                                    "time for operations.",
                                    "tasks only.",
                                    "for logical thinking."};

// The periods' own rule: two critical whole days a period (mod 23 in {0,11}, mod 28 in {0,14},
// mod 33 in {0,16}), high before the second one, low after it.
int rulePhase(long long days, int period, int second) {
  const long long r = ((days % period) + period) % period;
  return r == 0 || r == second ? 0 : r < second ? 1 : -1;
}

int expectedRow(long long days) {
  const int p = rulePhase(days, 23, 11), e = rulePhase(days, 28, 14), i = rulePhase(days, 33, 16);
  const int critical = (p == 0) * 4 + (e == 0) * 2 + (i == 0);
  const int criticalRows[] = {7, 6, 5, 3, 4, 2, 1};  // PEI, PE, PI, EI, P, E, I
  for (int r = 0; r < 7; ++r)
    if ((critical & criticalRows[r]) == criticalRows[r]) return r + 1;
  const int byHighs[] = {14, 13, 15, 10, 12, 11, 9, 8};  // P high 4, E high 2, I high 1
  return byHighs[(p > 0) * 4 + (e > 0) * 2 + (i > 0)];
}

// Over a century after birth, so that no drift of the cycles' values goes unseen.
TEST(Reading, EveryDayFollowsThePhaseRule) {
  // Hand-checked anchors for the rule; before birth the values mirror (-644 is I critical too).
  const std::pair<int, int> anchors[] = {{0, 1}, {11, 5},  {14, 6},  {16, 7},  {644, 2},
                                         {1, 8}, {-1, 14}, {-12, 5}, {-644, 1}};
  for (auto [days, row] : anchors) EXPECT_EQ(expectedRow(days), row) << days;
  std::set<int> seen;
  for (long long d = -3000; d <= 36525; ++d) {
    const int row = expectedRow(d);
    const std::string text = readingText(static_cast<double>(d));
    EXPECT_TRUE(text.ends_with(kLastLines[row - 1])) << d << ": " << text;
    // A blank line after a heading.
    EXPECT_EQ(text.find("\r\n\r\n") != std::string::npos, row <= 7) << d;
    seen.insert(row);
  }
  EXPECT_EQ(seen.size(), 15u);
  EXPECT_EQ(readingText(0),
            "Physical, emotional &\r\nintellectual critical day!\r\n\r\n"
            "Don't get out of bed, don't\r\ngo anywhere, and don't do\r\nanything!!!");
}

TEST(cyclePhase, BoundsAreCritical) {
  using K = CycleKind;
  const struct {
    double value;
    K kind;
    int phase;
  } cases[] = {{-0.12, K::Physical, 0},
               {std::nextafter(-0.12, -1), K::Physical, -1},
               {0.26, K::Physical, 0},
               {std::nextafter(0.26, 1), K::Physical, 1},
               {-0.22, K::Emotional, 0},
               {std::nextafter(-0.22, -1), K::Emotional, -1},
               {0.22, K::Emotional, 0},
               {std::nextafter(0.22, 1), K::Emotional, 1},
               // Outside the bounds in double, but the same float: critical.
               {double{0.18f} + 1e-9, K::Intellectual, 0},
               {double{-0.093f} - 1e-10, K::Intellectual, 0},
               {double{std::nextafter(0.18f, 1.f)}, K::Intellectual, 1},
               {double{std::nextafter(-0.093f, -1.f)}, K::Intellectual, -1}};
  for (const auto& c : cases) EXPECT_EQ(cyclePhase(c.value, c.kind), c.phase) << c.value;
}

TEST(CriticalDays, ARangeOfOneDayOrNone) {
  const Date b = fromYmd(2000, 1, 1);
  const struct {
    Date from, to;
    std::vector<std::string> names;
  } rows[] = {{b, b, {"physical, emotional, intellectual"}},
              {b + 11, b + 11, {"physical"}},
              {b + 1, b + 1, {}},
              {b + 11, b + 10, {}}};
  for (const auto& r : rows) {
    std::vector<std::string> names;
    for (const CriticalDay& d : criticalDays(b, r.from, r.to))
      names.push_back(criticalCycleNames(d));
    EXPECT_EQ(names, r.names) << r.from - b << " to " << r.to - b;
  }
}

}  // namespace
}  // namespace tw

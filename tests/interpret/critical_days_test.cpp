#include "interpret/critical_days.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tw {

std::ostream& operator<<(std::ostream& o, const CriticalEntry& e) {
  return o << toIso(e.day.date) << " " << criticalCycleNames(e.day) << " (" << whoseText(e) << ")";
}

namespace {

const Date kAnn = fromYmd(1990, 1, 31);
const Date kBo = fromYmd(1990, 2, 10);

CriticalEntry ann(Date d, bool p, bool e, bool i) { return {{d, p, e, i}, 1, kAnn, "Ann"}; }
CriticalEntry bo(Date d, bool p, bool e, bool i) { return {{d, p, e, i}, 2, kBo, ""}; }

ChartState chart(Date chartDate, ChartType type = ChartType::Biorhythm, Date birthday = kAnn) {
  ChartState s;
  s.birthday = birthday;
  s.name = "Ann";
  s.birthday2 = kBo;
  s.chartDate = chartDate;
  s.options.chartType = type;
  return s;
}

TEST(CriticalDaysAhead, ListsThePeoplesDaysOverTheSpanFromTheChartDate) {
  const auto d = [](unsigned m, unsigned day) { return fromYmd(2024, m, day); };
  const Date late = d(3, 21);  // a birthday 20 days after the chart date
  const ChartType kBio = ChartType::Biorhythm;
  const CriticalSpan k30 = CriticalSpan::Days30;
  const struct {
    const char* name;
    ChartState state;
    CriticalSpan span;
    std::vector<CriticalEntry> want;
  } rows[] = {
      // Ann's days by the periods: 23 days apart from 7 March, 28 from 13 March, 33 from 10 March.
      {"one person, 30 days from the chart date",
       chart(d(3, 1)),
       k30,
       {ann(d(3, 7), 1, 0, 0), ann(d(3, 10), 0, 0, 1), ann(d(3, 13), 0, 1, 0),
        ann(d(3, 19), 1, 0, 0), ann(d(3, 27), 0, 1, 1), ann(d(3, 30), 1, 0, 0)}},
      // Bo is ten days younger.
      {"two people by day, the first person first",
       chart(d(3, 13), ChartType::Comparison),
       k30,
       {ann(d(3, 13), 0, 1, 0), bo(d(3, 17), 1, 0, 0), ann(d(3, 19), 1, 0, 0),
        bo(d(3, 20), 0, 0, 1), bo(d(3, 23), 0, 1, 0), ann(d(3, 27), 0, 1, 1), bo(d(3, 29), 1, 0, 0),
        ann(d(3, 30), 1, 0, 0), bo(d(4, 6), 0, 1, 1), bo(d(4, 9), 1, 0, 0), ann(d(4, 10), 0, 1, 0),
        ann(d(4, 11), 1, 0, 0)}},
      {"a span that ends before the birthday has none", chart(d(2, 1), kBio, late), k30, {}},
      {"a birthday inside the span starts the days",
       chart(d(3, 1), kBio, late),
       k30,
       {{{late, 1, 1, 1}, 1, late, "Ann"}}},
      {"a chart of no known type lists nothing",
       chart(d(3, 1), ChartType{2}),
       CriticalSpan::Months12,
       {}},
  };
  for (const auto& r : rows) EXPECT_EQ(criticalDaysAhead(r.state, r.span), r.want) << r.name;
}

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

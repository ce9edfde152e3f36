#pragma once
// Critical days: which cycles are critical on which day, over a range or the span ahead of the
// chart date, for one person or both people of the comparison chart.
#include <array>
#include <string>
#include <vector>

#include "cycles/date.h"
#include "state/chart_state.h"

namespace tw {

struct CriticalDay {
  Date date = 0;
  std::array<bool, 3> critical{};  // by CycleKind, the three cycles
  bool operator==(const CriticalDay&) const = default;
};

// Every day in [from, to] on which at least one cycle is critical; none before the birthday.
std::vector<CriticalDay> criticalDays(Date birthday, Date from, Date to);
// "physical, emotional" and so on, in cycle order.
std::string criticalCycleNames(const CriticalDay& day);

// How far ahead of the chart date the critical days are listed; the settings file keeps 0, 1, 2.
enum class CriticalSpan : std::int16_t { Days30 = 0, Months3 = 1, Months12 = 2 };

// The last day of the span that starts on `from`: 30 days is `from` and the 29 after it; the
// months end the day before the same day of the month 3 or 12 months on, or on that month's last
// day where it has no such day. Never past the calendar's last day.
Date spanEnd(Date from, CriticalSpan span);

// One person's critical day.
struct CriticalEntry {
  CriticalDay day;
  int person = 1;  // 1 or 2: whose birthday
  Date birthday = 0;
  std::string name;
  bool operator==(const CriticalEntry&) const = default;
};

// The critical days of the chart's people over the span from the chart date: the first
// person's on the biorhythm chart, both people's on the comparison chart (by day, the first
// person first), none on any other.
std::vector<CriticalEntry> criticalDaysAhead(const ChartState& state, CriticalSpan span);

// The person's name, or "Birthday" / "Birthday 2" when there is none.
std::string whoseText(const CriticalEntry& entry);

}  // namespace tw

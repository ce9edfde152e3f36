#pragma once
// One day of the chart in numbers, and in words: what the chart area tells a screen reader
// and what the pointer shows over a day column.
#include <string>
#include <vector>

#include "cycles/locale.h"
#include "interpret/interpret.h"
#include "state/chart_state.h"

namespace tw {

struct CycleOnDay {
  CycleKind kind = CycleKind::Physical;
  int percent = 0;        // -100..100, the value the interpretation reads, rounded
  bool rising = false;    // the next day's value is higher
  bool critical = false;  // in the interpretation's critical band; the average never is
  bool operator==(const CycleOnDay&) const = default;
};

struct DayValues {
  Date day = 0;
  ChartType type = ChartType::Biorhythm;
  bool born = false;               // the chart has curves on this day
  std::vector<CycleOnDay> cycles;  // one person: the curves shown, in the chart's order
  MatchPercentages match;          // two people
};

DayValues dayValues(const ChartState& state, Date day);

// "Biorhythm chart, birthday Monday 1/1/1990 (Ann). Wednesday 16/6/2027, the chart date:
// physical 45% and rising, critical; ..." for the chart area's accessible description.
std::string describeDay(const DayValues& values, const ChartState& state, const Locale& locale);

// The chart as words for a text editor: the header lines, then the chart date described.
std::string chartText(const ChartState& state, const Locale& locale);

// The day in full, then one line per curve or match, for the pointer's tooltip.
std::string dayTooltip(const DayValues& values, const Locale& locale);

}  // namespace tw

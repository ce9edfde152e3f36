#pragma once
// Where each day stands on the chart: the columns left to right, for finding the day under the
// pointer and drawing the day cursor.
#include <optional>

#include "state/chart_state.h"

namespace tw::chart {

// The left edge of the first day column of each chart type, in twips.
inline constexpr int kBiorhythmLeft = 200;
inline constexpr int kComparisonLeft = 600;

struct DayColumns {
  int left = 0;            // the first column's left edge
  int count = 0;           // none on a surface too narrow for a column
  long long firstDay = 0;  // may lie before kFirstDate near the calendar's start
};

// The columns a chart of `state` has on a surface `width` twips wide.
DayColumns dayColumns(const ChartState& state, float width);

// The day whose column holds x (twips), if any; a day outside the calendar has none.
std::optional<Date> dayAt(const DayColumns& columns, double x);

// The left edge of `day`'s column, if the chart shows it.
std::optional<double> columnLeft(const DayColumns& columns, Date day);

}  // namespace tw::chart

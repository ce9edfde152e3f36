#include "chart/day_columns.h"

#include <algorithm>
#include <cmath>

#include "chart/chart_parts.h"

namespace tw::chart {

DayColumns dayColumns(const ChartState& state, float width) {
  DayColumns c;
  c.left = state.options.chartType == ChartType::Comparison ? kComparisonLeft : kBiorhythmLeft;
  c.count = std::max(0, columnCount(width, c.left));
  c.firstDay = static_cast<long long>(state.chartDate) - static_cast<long long>(halfOf(c.count));
  return c;
}

std::optional<Date> dayAt(const DayColumns& c, double x) {
  const double column = std::floor((x - c.left) / kColumnWidth);
  if (!(column >= 0 && column < c.count)) return std::nullopt;
  const long long day = c.firstDay + static_cast<long long>(column);
  if (day < kFirstDate || day > kLastDate) return std::nullopt;
  return static_cast<Date>(day);
}

std::optional<double> columnLeft(const DayColumns& c, Date day) {
  const long long column = static_cast<long long>(day) - c.firstDay;
  if (column < 0 || column >= c.count) return std::nullopt;
  return static_cast<double>(c.left + column * kColumnWidth);
}

}  // namespace tw::chart

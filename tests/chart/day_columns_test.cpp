#include "chart/day_columns.h"

#include <gtest/gtest.h>

#include <optional>

namespace tw::chart {
namespace {

TEST(DayColumns, PointsAndDaysMapBothWays) {
  ChartState state;
  state.chartDate = 50000;
  // 6735 twips: (6735 - 200) / 275 = 23.76 -> 22 columns, 11 before the chart date.
  const DayColumns one = dayColumns(state, 6735);
  const struct {
    const char* name;
    double x;
    std::optional<Date> day;
  } rows[] = {
      {"left of the first column", 199, std::nullopt},
      {"first column", 200, 49989},
      {"last twip of the first", 474.9, 49989},
      {"chart date", 200 + 11 * 275 + 100, 50000},
      {"last column", 200 + 21 * 275, 50010},
      {"right of the last", 200 + 22 * 275, std::nullopt},
  };
  for (const auto& row : rows) EXPECT_EQ(dayAt(one, row.x), row.day) << row.name;
  EXPECT_EQ(columnLeft(one, 50000), 200 + 11 * 275);
  EXPECT_EQ(columnLeft(one, 50011), std::nullopt);

  state.options.chartType = ChartType::Comparison;  // starts at 600: 20 columns, 10 before
  EXPECT_EQ(dayAt(dayColumns(state, 6735), 600), 49990);
  EXPECT_EQ(dayAt(dayColumns(state, 6735), 599), std::nullopt);
  state.chartDate = kFirstDate;  // days before 1601 have no column to point at
  EXPECT_EQ(dayAt(dayColumns(state, 6735), 600), std::nullopt);
  EXPECT_EQ(dayColumns(state, 100).count, 0);
}

}  // namespace
}  // namespace tw::chart

#include "chart/draw_chart.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(ChartFits, EachTypeAtItsLeastWidthAndHeight) {
  // One day column; the one-person band past its day labels, the comparison's scale marks apart.
  const struct {
    ChartType type;
    float width, height;
    bool fits;
  } rows[] = {
      {ChartType::Biorhythm, 750, 1398, false},  {ChartType::Biorhythm, 750, 1399, true},
      {ChartType::Biorhythm, 749, 5000, false},  {ChartType::Comparison, 1150, 1669, false},
      {ChartType::Comparison, 1150, 1670, true}, {ChartType::Comparison, 1149, 5000, false},
      {ChartType{2}, 9000, 9000, false},
  };
  for (const auto& r : rows)
    EXPECT_EQ(chartFits(r.type, r.width, r.height), r.fits)
        << static_cast<int>(r.type) << " " << r.width << " x " << r.height;
}

}  // namespace
}  // namespace tw

#pragma once
// The chart's curves, one row each: its cycle, the letter beside its end, its name, and where
// the options keep whether it is shown and its colour. Everything that goes through the curves
// one by one loops over this table.
#include <array>
#include <cstddef>
#include <span>
#include <string>

#include "state/chart_state.h"

namespace tw {

// The letter and name here are English, as the command line's options spell them; people read
// them through curveLetter, curveName and curveTitle, in their language.
struct ChartCurve {
  CycleKind kind;
  const char* letter;  // "P"
  const char* name;    // "physical"
  bool ChartOptions::*shown;
  Colour ChartOptions::*colour;
};

constexpr std::size_t indexOf(CycleKind kind) { return static_cast<std::size_t>(kind); }

// Indexed by CycleKind: the three cycles in the order the charts draw them, then their average.
inline constexpr std::array<ChartCurve, 4> kChartCurves{{
    {CycleKind::Physical, "P", "physical", &ChartOptions::showPhysical,
     &ChartOptions::physicalColour},
    {CycleKind::Emotional, "E", "emotional", &ChartOptions::showEmotional,
     &ChartOptions::emotionalColour},
    {CycleKind::Intellectual, "I", "intellectual", &ChartOptions::showIntellectual,
     &ChartOptions::intellectualColour},
    {CycleKind::Average, "A", "average", &ChartOptions::showAverage, &ChartOptions::averageColour},
}};
static_assert([] {
  for (std::size_t i = 0; i < kChartCurves.size(); ++i)
    if (indexOf(kChartCurves[i].kind) != i) return false;
  return true;
}());

// The three cycles without their average.
inline constexpr std::span<const ChartCurve, 3> kCycleCurves{kChartCurves.data(), 3};

constexpr const ChartCurve& curveOf(CycleKind kind) { return kChartCurves[indexOf(kind)]; }

// The letter beside the curve's end on the chart: "P".
const char* curveLetter(const ChartCurve& curve);
// The name as a sentence uses it, "physical", and as a line starts with it, "Physical".
std::string curveName(const ChartCurve& curve);
std::string curveTitle(const ChartCurve& curve);

}  // namespace tw

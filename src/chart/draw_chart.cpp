#include "chart/draw_chart.h"

namespace tw {

void drawChart(const ChartState& state, DrawingSurface& surface, const TextMeasure& measure,
               const Locale& locale) {
  switch (state.options.chartType) {
    case ChartType::Biorhythm: drawBiorhythmChart(state, surface, measure, locale); break;
    case ChartType::Comparison: drawComparisonChart(state, surface, measure, locale); break;
    default: break;  // an unknown type leaves the last chart on the surface
  }
}

}  // namespace tw

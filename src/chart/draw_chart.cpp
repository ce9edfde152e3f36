#include "chart/draw_chart.h"

#include "chart/chart_parts.h"

namespace tw {

void drawChart(const ChartState& state, DrawingSurface& surface, const TextMeasure& measure,
               const Locale& locale) {
  switch (state.options.chartType) {
    case ChartType::Biorhythm: drawBiorhythmChart(state, surface, measure, locale); break;
    case ChartType::Comparison: drawComparisonChart(state, surface, measure, locale); break;
    default: break;  // an unknown type leaves the last chart on the surface
  }
}

bool chartFits(ChartType type, float width, float height) {
  switch (type) {
    case ChartType::Biorhythm: return chart::biorhythmChartFits(width, height);
    case ChartType::Comparison: return chart::comparisonChartFits(width, height);
    default: return false;
  }
}

}  // namespace tw

#pragma once
// The whole chart, drawn from scratch on every call.
#include <string>
#include <vector>

#include "chart/drawing_surface.h"
#include "cycles/locale.h"
#include "state/chart_state.h"

namespace tw {

void drawChart(const ChartState& state, DrawingSurface& surface, const TextMeasure& measure,
               const Locale& locale);

// Lines of words in the middle of the chart area, where there is no chart to draw.
void drawHint(const std::vector<std::string>& lines, Colour background, DrawingSurface& surface,
              const TextMeasure& measure);

// The two branches, for callers that already know the type.
void drawBiorhythmChart(const ChartState& state, DrawingSurface& surface,
                        const TextMeasure& measure, const Locale& locale);
void drawComparisonChart(const ChartState& state, DrawingSurface& surface,
                         const TextMeasure& measure, const Locale& locale);

// The header lines under the chart, top to bottom, as the chart prints them.
std::vector<std::string> chartHeaders(const ChartState& state, const Locale& locale);

// Whether a surface of this size in twips shows at least one day column and a curve band that
// holds the labels drawn in it; on a smaller one the chart is empty or overprinted.
bool chartFits(ChartType type, float width, float height);

}  // namespace tw

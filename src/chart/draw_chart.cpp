#include "chart/draw_chart.h"

#include "chart/chart_parts.h"
#include "cycles/cycles.h"

namespace tw {

void drawChart(const ChartState& state, DrawingSurface& surface, const TextMeasure& measure,
               const Locale& locale) {
  switch (state.options.chartType) {
    case ChartType::Biorhythm: drawBiorhythmChart(state, surface, measure, locale); break;
    case ChartType::Comparison: drawComparisonChart(state, surface, measure, locale); break;
    default: break;  // an unknown type leaves the last chart on the surface
  }
}

std::vector<std::string> chartHeaders(const ChartState& state, const Locale& locale) {
  const auto age = [&state, &locale](Date birthday) {
    return ageText(static_cast<double>(state.chartDate) - static_cast<double>(birthday),
                   state.options.ageUnit, locale);
  };
  const std::string chartDate = "Chart date: " + chart::dateWithName(state.chartDate, {}, locale);
  switch (state.options.chartType) {
    case ChartType::Biorhythm:
      return {"Birthday: " + chart::dateWithName(state.birthday, state.name, locale), chartDate,
              "Age: " + age(state.birthday)};
    case ChartType::Comparison:
      return {"Birthday 1: " + chart::dateWithName(state.birthday, state.name, locale) + ", age " +
                  age(state.birthday),
              "Birthday 2: " + chart::dateWithName(state.birthday2, state.name2, locale) +
                  ", age " + age(state.birthday2),
              chartDate};
    default: return {};
  }
}

void drawHint(const std::vector<std::string>& lines, Colour background, DrawingSurface& s,
              const TextMeasure& measure) {
  s.setBackground(background);
  s.clear();
  s.setFontSize(10);
  s.setBold(false);
  constexpr float kLine = 240;  // twips between lines of 10-point text
  float y = (s.height() - kLine * static_cast<float>(lines.size())) / 2;
  for (const std::string& line : lines) {
    chart::printCentred(s, measure, line, 0, y);
    y += kLine;
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

#include "chart/draw_chart.h"

#include "catalogue/catalogue.h"
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
  // TRANSLATORS: the chart's header lines; {1} is a date such as "Monday 4/12/2026", with the
  // person's name in brackets after it when there is one, and the age such as "12,345 days".
  const std::string chartDate = fillIn(C_("chart header", "Chart date: {1}"),
                                       chart::dateWithName(state.chartDate, {}, locale));
  switch (state.options.chartType) {
    case ChartType::Biorhythm:
      return {fillIn(C_("chart header", "Birthday: {1}"),
                     chart::dateWithName(state.birthday, state.name, locale)),
              chartDate, fillIn(C_("chart header", "Age: {1}"), age(state.birthday))};
    case ChartType::Comparison:
      return {
          // TRANSLATORS: {1} is the first person's birthday as a date, {2} their age.
          fillIn(C_("chart header", "Birthday 1: {1}, age {2}"),
                 chart::dateWithName(state.birthday, state.name, locale), age(state.birthday)),
          // TRANSLATORS: {1} is the second person's birthday as a date, {2} their age.
          fillIn(C_("chart header", "Birthday 2: {1}, age {2}"),
                 chart::dateWithName(state.birthday2, state.name2, locale), age(state.birthday2)),
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

#include "commands/display_settings.h"

#include "chart/curves.h"
#include "settings/settings_io.h"

namespace tw {

void DisplaySettings::apply(const ChartOptions& options) {
  main_.applyOptions(options);
  main_.drawChart();
}

void DisplaySettings::setAgeUnit(AgeUnit unit) {
  ChartOptions o = main_.state().options;
  o.ageUnit = unit;
  apply(o);
}

void DisplaySettings::showBiorhythmChart() {
  ChartOptions o = main_.state().options;
  o.chartType = ChartType::Biorhythm;
  // The chart date stays, even where the switch to the comparison chart had moved it.
  apply(o);
}

void DisplaySettings::showComparisonChart() {
  ChartOptions o = main_.state().options;
  o.chartType = ChartType::Comparison;
  main_.applyOptions(o);
  // Only the second birthday: the first was checked whenever it or the chart date changed.
  main_.keepChartDateFrom(main_.state().birthday2);
  main_.drawChart();
}

void DisplaySettings::toggle(bool ChartOptions::*field) {
  ChartOptions o = main_.state().options;
  o.*field = !(o.*field);
  apply(o);
}

void DisplaySettings::chooseColour(Colour ChartOptions::*field) {
  const auto chosen = dialogs_.chooseColour(main_.state().options.*field);
  if (!chosen) return;  // Cancel: nothing changes, nothing is redrawn
  ChartOptions o = main_.state().options;
  o.*field = *chosen;
  apply(o);
}

void DisplaySettings::resetColours() {
  ChartOptions o = main_.state().options;
  const ChartOptions defaults = defaultChartOptions();
  o.backgroundColour = defaults.backgroundColour;
  for (const ChartCurve& c : kChartCurves) o.*c.colour = defaults.*c.colour;
  apply(o);
}

}  // namespace tw

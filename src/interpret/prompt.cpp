#include "interpret/interpret.h"

#include "catalogue/catalogue.h"

namespace tw {

std::optional<std::string> interpretation(const ChartState& state, const Locale& locale) {
  const double days = static_cast<double>(state.chartDate) - static_cast<double>(state.birthday);
  const double days2 = static_cast<double>(state.chartDate) - static_cast<double>(state.birthday2);
  const std::string date = formatShortDate(state.chartDate, locale);

  switch (state.options.chartType) {
    case ChartType::Biorhythm:
      // TRANSLATORS: the first line of the interpretation; {1} is the chart date.
      return fillIn(_("Interpretation for {1}:"), date) + "\r\n\r\n" + readingText(days);
    case ChartType::Comparison:
      // TRANSLATORS: the first line of the comparison's interpretation; {1} is the chart date.
      return fillIn(_("Comparison for {1}:"), date) + "\r\n\r\n" +
             comparisonText(comparisonMatch(days, days2));
    default: return std::nullopt;
  }
}

}  // namespace tw

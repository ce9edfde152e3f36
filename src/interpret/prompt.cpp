#include "interpret/interpret.h"

namespace tw {

std::optional<std::string> InterpretationPrompt(const ChartState& state, const Locale& locale) {
  const double days = static_cast<double>(state.chartdate) - static_cast<double>(state.birthdate);
  const double days2 = static_cast<double>(state.chartdate) - static_cast<double>(state.birthdate2);
  const std::string date = formatShortDate(state.chartdate, locale);

  switch (state.ChartOptions.chartType) {
    case 0: return "Interpretation for " + date + ":\r\n\r\n" + ReadingText(days);
    case 1: return "Comparison for " + date + ":\r\n\r\n" + ComparisonText(ComparisonMatch(days, days2));
    default: return std::nullopt;
  }
}

}  // namespace tw

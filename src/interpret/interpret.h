#pragma once
// The written interpretation of the chart date: one person's reading or two people's match.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "cycles/cycles.h"
#include "cycles/date.h"
#include "cycles/locale.h"
#include "interpret/critical_days.h"
#include "state/chart_state.h"

namespace tw {

inline constexpr const char* kInterpretationTitle = N_("Interpretation");

// Row 1..15 of the reading list for the three phases; critical rows come first.
int readingRow(int physical, int emotional, int intellectual);
// The reading for one person at this age in days, lines joined with CR LF.
std::string readingText(double days);

struct MatchPercentages {
  std::array<float, 3> cycles{};  // by CycleKind, the three cycles
  long overall = 0;
};

// Mean of the three percentages, rounded down.
long overallMatch(float physical, float emotional, float intellectual);
// How closely two people's cycles stand on the same day, 0..100 per cycle.
MatchPercentages comparisonMatch(double days, double days2);
// "Physical: 100%\r\nEmotional: 0%\r\nIntellectual: 100%\r\nOverall: 66%"
std::string comparisonText(const MatchPercentages& match);

// The message box text for the chart type, or nothing for a type without a report.
std::optional<std::string> interpretation(const ChartState& state, const Locale& locale);

}  // namespace tw

#include <cmath>
#include <string>

#include "chart/curves.h"
#include "interpret/interpret.h"

namespace tw {

namespace {

float matchOf(double days, double days2, std::int16_t period) {
  const double d = matchDistance(matchValue(days, period), matchValue(days2, period));
  // Rounded down, so a distance a hair under 2 still leaves 1%.
  return static_cast<float>(100 - std::floor(50 * d));
}

std::string digits(double percent) { return std::to_string(static_cast<long>(percent)); }

}  // namespace

long overallMatch(float physical, float emotional, float intellectual) {
  return static_cast<long>(std::floor((physical + emotional + intellectual) / 3));
}

MatchPercentages comparisonMatch(double days, double days2) {
  MatchPercentages m;
  for (const ChartCurve& c : kCycleCurves)
    m.cycles[indexOf(c.kind)] = matchOf(days, days2, periodOf(c.kind));
  m.overall = overallMatch(m.cycles[0], m.cycles[1], m.cycles[2]);
  return m;
}

std::string comparisonText(const MatchPercentages& m) {
  std::string text;
  for (const ChartCurve& c : kCycleCurves)
    text += curveTitle(c) + ": " + digits(m.cycles[indexOf(c.kind)]) + "%\r\n";
  return text + "Overall: " + std::to_string(m.overall) + "%";
}

}  // namespace tw

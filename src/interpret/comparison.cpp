#include <cmath>
#include <string>

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
  m.physical = matchOf(days, days2, kPhysicalPeriod);
  m.emotional = matchOf(days, days2, kEmotionalPeriod);
  m.intellectual = matchOf(days, days2, kIntellectualPeriod);
  m.overall = overallMatch(m.physical, m.emotional, m.intellectual);
  return m;
}

std::string comparisonText(const MatchPercentages& m) {
  return "Physical: " + digits(m.physical) + "%\r\n" +
         "Emotional: " + digits(m.emotional) + "%\r\n" +
         "Intellectual: " + digits(m.intellectual) + "%\r\n" +
         "Overall: " + std::to_string(m.overall) + "%";
}

}  // namespace tw

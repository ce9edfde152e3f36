#include <cmath>
#include <string>

#include "catalogue/catalogue.h"
#include "chart/curves.h"
#include "interpret/interpret.h"

namespace tw {

namespace {

float matchOf(double days, double days2, std::int16_t period) {
  const double d = matchDistance(matchValue(days, period), matchValue(days2, period));
  // Rounded down, so a distance a hair under 2 still leaves 1%.
  return static_cast<float>(100 - std::floor(50 * d));
}

std::string percent(double value) {
  return fillIn(C_("percent", "{1}%"), std::to_string(static_cast<long>(value)));
}

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
    text +=
        // TRANSLATORS: a line of the comparison: {1} a cycle's name, {2} how well it matches
        // ("80%").
        fillIn(C_("comparison", "{1}: {2}"), curveTitle(c), percent(m.cycles[indexOf(c.kind)])) +
        "\r\n";
  // TRANSLATORS: {1} is how well all three cycles match together ("46%").
  return text + fillIn(_("Overall: {1}"), percent(static_cast<double>(m.overall)));
}

}  // namespace tw

#include "commands/chart_key.h"

#include "catalogue/catalogue.h"
#include "chart/curves.h"

namespace tw {

std::string chartKeyText(const ChartOptions& o) {
  // The letters are the ones drawChart writes beside the curves' ends.
  std::string text;
  for (const ChartCurve& c : kChartCurves) {
    if (!(o.*c.shown)) continue;
    // TRANSLATORS: a line of the chart key: {1} the curve's letter, {2} its name.
    text += fillIn(C_("chart key", "{1}={2}"), curveLetter(c), curveTitle(c)) + "\r\n";
  }
  if (text.empty()) return withCrLf(_("You need to turn on some curves\nin the Settings menu!"));
  text.resize(text.size() - 2);
  return text;
}

}  // namespace tw

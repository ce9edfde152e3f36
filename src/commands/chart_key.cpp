#include "commands/chart_key.h"

#include "chart/curves.h"

namespace tw {

std::string chartKeyText(const ChartOptions& o) {
  // The letters are the ones drawChart writes beside the curves' ends.
  std::string text;
  for (const ChartCurve& c : kChartCurves) {
    if (!(o.*c.shown)) continue;
    text += std::string(c.letter) + "=" + curveTitle(c) + "\r\n";
  }
  if (text.empty()) return "You need to turn on some curves\r\nin the Settings menu!";
  text.resize(text.size() - 2);
  return text;
}

}  // namespace tw

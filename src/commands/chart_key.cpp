#include "commands/chart_key.h"

namespace tw {

std::string chartKeyText(const ChartOptions& o) {
  // The letters are the ones drawChart writes beside the curves' ends.
  const struct {
    bool shown;
    const char* line;
  } rows[] = {
      {o.showPhysical, "P=Physical"},
      {o.showEmotional, "E=Emotional"},
      {o.showIntellectual, "I=Intellectual"},
      {o.showAverage, "A=Average"},
  };
  std::string text;
  for (const auto& r : rows) {
    if (!r.shown) continue;
    text += r.line;
    text += "\r\n";
  }
  if (text.empty()) return "You need to turn on some curves\r\nin the Settings menu!";
  text.resize(text.size() - 2);
  return text;
}

}  // namespace tw

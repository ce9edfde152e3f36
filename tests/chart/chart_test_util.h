#pragma once
// Shared by the chart tests: states, number text and taking recorded lines apart.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "chart/draw_chart.h"
#include "cycles/cycles.h"
#include "mock/recording_surface.h"
#include "settings/settings_io.h"
#include "state/chart_state.h"

namespace tw::test {

inline std::string n(double v) { return RecordingSurface::number(static_cast<float>(v)); }

inline ChartState stateOn(Date birth, Date chart, ChartType type = ChartType::Biorhythm) {
  ChartState s;
  s.options = defaultChartOptions();
  s.birthday = birth;
  s.birthday2 = birth;
  s.chartDate = chart;
  s.options.chartType = type;
  return s;
}

inline RecordingSurface draw(const ChartState& state, float w = 6735, float h = 2895) {
  RecordingSurface surface(w, h);
  drawChart(state, surface, FixedWidthMeasure{}, Locale{});
  return surface;
}

struct LineCall {
  float x1, y1, x2, y2;
  long long colour;  // -1 for the foreground colour
  bool operator==(const LineCall&) const = default;
  friend std::ostream& operator<<(std::ostream& o, const LineCall& l) {
    return o << "line " << l.x1 << " " << l.y1 << " " << l.x2 << " " << l.y2 << " colour "
             << l.colour;
  }
};

// Whether the drawing made this call, saying which it did not make.
inline ::testing::AssertionResult made(const RecordingSurface& s, const std::string& call) {
  if (std::find(s.calls.begin(), s.calls.end(), call) != s.calls.end())
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "no \"" << call << "\" among " << s.calls.size() << " calls";
}

// The recorded lines, all of them or those of one colour.
inline std::vector<LineCall> linesIn(const RecordingSurface& s,
                                     std::optional<long long> colour = {}) {
  std::vector<LineCall> out;
  for (const std::string& c : s.only("line")) {
    std::istringstream in(c.substr(5));
    LineCall l{0, 0, 0, 0, -1};
    in >> l.x1 >> l.y1 >> l.x2 >> l.y2;
    if (!(in >> l.colour)) l.colour = -1;
    if (!colour || l.colour == *colour) out.push_back(l);
  }
  return out;
}

// The texts printed while bold was on.
inline std::vector<std::string> boldPrints(const RecordingSurface& s) {
  std::vector<std::string> out;
  bool bold = false;
  for (const std::string& c : s.calls) {
    if (c.rfind("setBold", 0) == 0) bold = c == "setBold 1";
    if (c.rfind("text", 0) == 0 && bold) out.push_back(c);
  }
  return out;
}

}  // namespace tw::test

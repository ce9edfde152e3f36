#pragma once
// Everything a chart is drawn from: the two people, the chart date and the display options.
#include <cstdint>
#include <string>

#include "cycles/cycles.h"
#include "cycles/date.h"
#include "state/colour.h"

namespace tw {

// The settings file keeps it as 0 or 1; any other value draws and interprets nothing.
enum class ChartType : std::int16_t { Biorhythm = 0, Comparison = 1 };

// Zero until read: the defaults live with the settings keys (defaultChartOptions).
struct ChartOptions {
  ChartType chartType{};
  bool showPhysical{};
  bool showEmotional{};
  bool showIntellectual{};
  bool showAverage{};
  bool weekSeparators{};
  bool todayMarker{};
  bool criticalMarks{};  // a mark on the zero line on each critical day
  AgeUnit ageUnit{};
  Colour backgroundColour{};
  Colour physicalColour{};
  Colour emotionalColour{};
  Colour intellectualColour{};
  Colour averageColour{};
};

struct ChartState {
  Date birthday = 0;
  Date birthday2 = 0;
  std::string name;
  std::string name2;
  Date chartDate = 0;
  ChartOptions options;
};

}  // namespace tw

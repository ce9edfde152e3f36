#pragma once
// Everything a chart is drawn from: the two people, the chart date and the display options.
#include <cstdint>
#include <string>

#include "chart/colour.h"
#include "cycles/cycles.h"
#include "cycles/date.h"

namespace tw {

// The settings file keeps it as 0 or 1; any other value draws and interprets nothing.
enum class ChartType : std::int16_t { Biorhythm = 0, Comparison = 1 };

struct ChartOptions {
  ChartType chartType = ChartType::Biorhythm;
  bool showPhysical = true;
  bool showEmotional = true;
  bool showIntellectual = true;
  bool showAverage = false;
  bool weekSeparators = false;
  bool todayMarker = false;
  bool criticalMarks = false;  // a mark on the zero line on each critical day
  AgeUnit ageUnit = AgeUnit::Days;
  Colour backgroundColour = kButtonFace;
  Colour physicalColour = kRed;
  Colour emotionalColour = kGreen;
  Colour intellectualColour = kBlue;
  Colour averageColour = kYellow;
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

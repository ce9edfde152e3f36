#pragma once
// Everything a chart is drawn from: the two people, the chart date and the display options.
#include <cstdint>
#include <string>

#include "chart/colour.h"
#include "cycles/date.h"

namespace tw {

struct ChartOptionsRecord {
  std::int16_t chartType = 0;  // 0 biorhythm chart, 1 comparison chart
  bool showPhysical = true;
  bool showEmotional = true;
  bool showIntellectual = true;
  bool showAverage = false;
  bool weekSeparators = false;
  bool todayMarker = false;
  std::int16_t ageFormat = 0;  // 0 days, 1 weeks, 2 years
  Colour backgroundColour = kButtonFace;
  Colour physicalColour = kRed;
  Colour emotionalColour = kGreen;
  Colour intellectualColour = kBlue;
  Colour averageColour = kYellow;
};

struct ChartState {
  Date birthdate = 0;
  Date birthdate2 = 0;
  std::string birthname;
  std::string birthname2;
  Date chartdate = 0;
  ChartOptionsRecord ChartOptions;
};

}  // namespace tw

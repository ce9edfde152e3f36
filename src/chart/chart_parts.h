#pragma once
// Pieces both chart types share: the column count, the day labels and the centred headers.
#include <string>

#include "chart/drawing_surface.h"
#include "cycles/locale.h"
#include "state/chart_state.h"

namespace tw::chart {

inline constexpr int kColumnWidth = 275;
// Far beyond any real window; keeps left + cols * 275 inside int and the loops finite.
inline constexpr int kMaxColumns = 1 << 20;

// floor((width - left) / 275) - 1, clamped to +-kMaxColumns (0 for a width that is not a number).
int columnCount(float width, int left);

// floor(cols / 2): the columns left of the chart date.
double halfOf(int cols);

// Rounds halves to the even number, clamped to +-2^30 so later "+ 300" stays inside int.
int roundBand(float v);

// The surface's size and the day columns it has room for, starting at `left`.
struct ChartArea {
  float width;
  float height;
  int cols;
  double half;  // the columns left of the chart date
};
// Clears the surface to the background and sets the frame's line width.
ChartArea startChart(DrawingSurface& s, Colour background, int left);

// A curve's letter, beside its last vertex at (lastX, y).
void printLetter(DrawingSurface& s, int lastX, double y, const char* letter);

// The height of an 8-point label, the size of the day labels and the comparison chart's scale.
inline constexpr int kSmallTextHeight = 160;

// The two halves of chartFits.
bool biorhythmChartFits(float width, float height);
bool comparisonChartFits(float width, float height);

// Where one chart type puts its day labels; the today marker and week separators share top/bottom.
struct DayLabelPlace {
  int left;  // x of the first column's left edge
  int cols;
  double half;
  float markerTop;
  float markerBottom;
  float weekdayY;
  float dayY;
};

// setFontSize 8, then per column: bold on the chart date's column (with the today marker),
// the weekday's first two letters, the day of the month, and a week separator after a Sunday.
void drawDayLabels(DrawingSurface& s, const ChartState& state, const DayLabelPlace& place);

// How far above the surface's bottom edge each header line's top stands.
inline constexpr float kHeaderAbove[] = {720.0f, 520.0f, 320.0f};

// The chart's header lines (chartHeaders) in the 10-point regular face, each centred and moved
// `shift` left, as many as kHeaderAbove places.
void printHeaders(DrawingSurface& s, const TextMeasure& measure, const ChartState& state,
                  const Locale& locale, float shift);

// Sets the position to ((W - width(text)) / 2 - shift, y) in single precision and prints.
void printCentred(DrawingSurface& s, const TextMeasure& measure, const std::string& text,
                  float shift, float y);

// "Sunday 7/1/2001", followed by " (name)" when there is a name.
std::string dateWithName(Date d, const std::string& name, const Locale& locale);

}  // namespace tw::chart

#include "chart/drawchart.h"

#include <cmath>

#include "chart/chart_parts.h"

namespace tw {

void drawchart(const ChartState& state, DrawingSurface& surface, const TextMeasure& measure,
               const Locale& locale) {
  switch (state.ChartOptions.chartType) {
    case 0: drawBiorhythmChart(state, surface, measure, locale); break;
    case 1: drawComparisonChart(state, surface, measure, locale); break;
    default: break;  // an unknown type leaves the last chart on the surface
  }
}

namespace chart {

int columnCount(float width, int left) {
  const double n = std::floor((static_cast<double>(width) - left) / kColumnWidth) - 1;
  if (std::isnan(n)) return 0;
  if (n > kMaxColumns) return kMaxColumns;
  if (n < -kMaxColumns) return -kMaxColumns;
  return static_cast<int>(n);
}

double halfOf(int cols) { return std::floor(cols / 2.0); }

int roundBand(float v) {
  constexpr double limit = 1 << 30;
  const double r = std::nearbyint(static_cast<double>(v));  // halves to even
  if (std::isnan(r)) return 0;
  if (r > limit) return static_cast<int>(limit);
  if (r < -limit) return static_cast<int>(-limit);
  return static_cast<int>(r);
}

void drawDayLabels(DrawingSurface& s, const ChartState& state, const DayLabelPlace& p) {
  const ChartOptionsRecord& o = state.ChartOptions;
  s.FontSize(8);
  for (int i = 1; i <= p.cols; ++i) {
    if (i - 1 == p.half) {
      s.FontBold(true);
      if (o.todayMarker) {
        const float x = static_cast<float>(p.left + (i - 0.5) * kColumnWidth);
        s.DrawStyle(2);
        s.Line(x, p.markerTop, x, p.markerBottom);
        s.DrawStyle(0);
      }
    } else {
      s.FontBold(false);
    }
    // Near 1601 or 9999 a wide chart runs past the calendar; such a day has no name or number,
    // so its column is left unlabelled rather than repeating a clamped date.
    const long long day = static_cast<long long>(state.chartdate) + (i - 1) -
                          static_cast<long long>(p.half);
    if (day < kFirstDate || day > kLastDate) continue;
    const Date d = static_cast<Date>(day);
    const float x = static_cast<float>(p.left + (i - 1) * kColumnWidth + 30);
    s.CurrentX(x);
    s.CurrentY(p.weekdayY);
    s.Print(weekdayName(d).substr(0, 2));
    s.CurrentX(x);
    s.CurrentY(p.dayY);
    s.Print(" " + std::to_string(dayOfMonth(d)) + " ");  // a number prints with a blank each side
    if (o.weekSeparators && weekdayNumber(d) == 1 && i < p.cols) {
      const float sx = static_cast<float>(p.left + i * kColumnWidth);
      s.Line(sx, p.markerTop, sx, p.markerBottom);
    }
  }
}

void printCentred(DrawingSurface& s, const TextMeasure& measure, const std::string& text,
                  float shift, float y) {
  s.CurrentX((s.Width() - measure.TextWidth(text)) / 2.0f - shift);
  s.CurrentY(y);
  s.Print(text);
}

std::string dateWithName(Date d, const std::string& name, const Locale& locale) {
  std::string text = weekdayName(d) + " " + formatShortDate(d, locale);
  if (!name.empty()) text += " (" + name + ")";
  return text;
}

}  // namespace chart
}  // namespace tw

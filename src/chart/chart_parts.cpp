#include "chart/chart_parts.h"

#include <cmath>
#include <iterator>

#include "catalogue/catalogue.h"
#include "chart/draw_chart.h"

namespace tw::chart {

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

ChartArea startChart(DrawingSurface& s, Colour background, int left) {
  const int cols = columnCount(s.width(), left);
  const ChartArea area{s.width(), s.height(), cols, halfOf(cols)};
  s.setBackground(background);
  s.clear();
  s.setLineWidth(1);
  return area;
}

void printLetter(DrawingSurface& s, int lastX, double y, const char* letter) {
  s.moveTo(static_cast<float>(lastX + 80), static_cast<float>(y - 120));
  s.text(letter);
}

void drawDayLabels(DrawingSurface& s, const ChartState& state, const DayLabelPlace& p) {
  const ChartOptions& o = state.options;
  s.setFontSize(8);
  for (int i = 1; i <= p.cols; ++i) {
    if (i - 1 == p.half) {
      s.setBold(true);
      if (o.todayMarker) {
        const float x = static_cast<float>(p.left + (i - 0.5) * kColumnWidth);
        s.setLineStyle(2);
        s.line(x, p.markerTop, x, p.markerBottom);
        s.setLineStyle(0);
      }
    } else {
      s.setBold(false);
    }
    // A wide chart near kFirstDate or kLastDate runs past the pickers' range; the calendar still
    // names those days. Only a day beyond any calendar year is left unlabelled.
    const long long day =
        static_cast<long long>(state.chartDate) + (i - 1) - static_cast<long long>(p.half);
    if (!hasCalendarDay(day)) continue;
    const Date d = static_cast<Date>(day);
    const float x = static_cast<float>(p.left + (i - 1) * kColumnWidth + 30);
    s.moveTo(x, p.weekdayY);
    s.text(weekdayLabel(d));
    s.moveTo(x, p.dayY);
    s.text(" " + std::to_string(dayOfMonth(d)) + " ");  // a number prints with a blank each side
    if (o.weekSeparators && weekdayNumber(d) == 1 && i < p.cols) {
      const float sx = static_cast<float>(p.left + i * kColumnWidth);
      s.line(sx, p.markerTop, sx, p.markerBottom);
    }
  }
}

void printHeaders(DrawingSurface& s, const TextMeasure& measure, const ChartState& state,
                  const Locale& locale, float shift) {
  s.setFontSize(10);
  s.setBold(false);
  const std::vector<std::string> headers = chartHeaders(state, locale);
  for (std::size_t i = 0; i < headers.size() && i < std::size(kHeaderAbove); ++i)
    printCentred(s, measure, headers[i], shift, s.height() - kHeaderAbove[i]);
}

void printCentred(DrawingSurface& s, const TextMeasure& measure, const std::string& text,
                  float shift, float y) {
  s.moveTo((s.width() - measure.textWidth(text)) / 2.0f - shift, y);
  s.text(text);
}

std::string dateWithName(Date d, const std::string& name, const Locale& locale) {
  const std::string text =
      // TRANSLATORS: a date in the chart's header: {1} the weekday's name, {2} the date.
      fillIn(C_("chart header", "{1} {2}"), weekdayName(d), formatShortDate(d, locale));
  if (name.empty()) return text;
  // TRANSLATORS: {1} a date in the chart's header, {2} the name of the person born that day.
  return fillIn(C_("chart header", "{1} ({2})"), text, name);
}

}  // namespace tw::chart

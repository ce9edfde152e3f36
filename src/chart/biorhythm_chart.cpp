// The one-person chart: three cycles and their average about a zero line.
#include <algorithm>
#include <array>

#include "chart/chart_parts.h"
#include "chart/curves.h"
#include "chart/day_columns.h"
#include "chart/draw_chart.h"
#include "cycles/cycles.h"

namespace tw {
namespace {

constexpr int kLeft = chart::kBiorhythmLeft;
// The weekday label's top above the zero line and the day number's top below it.
constexpr float kWeekdayAbove = 200.0f;
constexpr float kDayBelow = 20.0f;

float zeroLineY(float height) { return height / 2.0f - 300.0f; }
// How far the curves swing about the zero line: the band reaches up to y = 200.
int amplitudeOf(float midY) { return chart::roundBand(midY - 200.0f); }

// Half the height of a critical day's mark and the room between two marks of one day.
constexpr float kMarkHalf = 90.0f;
constexpr float kMarkGap = 45.0f;

// On the zero line where each labelled day's curves pass, one short bar per critical cycle,
// shown or not, so the marks name the same days as the list of critical days.
void drawCriticalMarks(DrawingSurface& s, const ChartOptions& o, double firstAge, int cols,
                       float midY) {
  s.setLineWidth(3);
  for (int j = 0; j < cols; ++j) {
    const double days = firstAge + j;
    int count = 0;
    for (const ChartCurve& c : kCycleCurves) count += isCritical(days, c.kind) ? 1 : 0;
    const float x = static_cast<float>(kLeft + j * chart::kColumnWidth);
    int k = 0;
    for (const ChartCurve& c : kCycleCurves) {
      if (!isCritical(days, c.kind)) continue;
      const float mx =
          x + (static_cast<float>(k++) - static_cast<float>(count - 1) / 2.0f) * kMarkGap;
      s.line(mx, midY - kMarkHalf, mx, midY + kMarkHalf, o.*c.colour);
    }
  }
}

struct Curve {
  bool show;
  Colour colour;
  std::int16_t period;
  const char* letter;
  double y = 0;  // the last vertex drawn (or skipped)
};

}  // namespace

void drawBiorhythmChart(const ChartState& state, DrawingSurface& s, const TextMeasure& measure,
                        const Locale& locale) {
  using chart::kColumnWidth;
  const ChartOptions& o = state.options;
  const chart::ChartArea area = chart::startChart(s, o.backgroundColour, kLeft);
  const float midY = zeroLineY(area.height);
  const int amp = amplitudeOf(midY);
  const float ampF = static_cast<float>(amp);
  const float right = static_cast<float>(kLeft + area.cols * kColumnWidth);

  // The frame takes the surface's ink, which stands out from any background (black would vanish
  // on a dark one).
  s.line(static_cast<float>(kLeft), midY, right, midY);
  for (int i = 1; i <= area.cols - 1; ++i) {
    const float x = static_cast<float>(kLeft + i * kColumnWidth);
    s.line(x, midY - 100.0f, x, midY + 100.0f);
  }
  chart::drawDayLabels(s, state,
                       {kLeft, area.cols, area.half, midY - ampF, midY + ampF, midY - kWeekdayAbove,
                        midY + kDayBelow});

  const double age = static_cast<double>(state.chartDate) - static_cast<double>(state.birthday);
  chart::printHeaders(s, measure, state, locale, 400.0f);

  s.setFontSize(10);
  s.setBold(true);
  s.setLineWidth(2);
  // A tall surface may need an amp beyond 16 bits; amp * sin is the very product cycleValue forms.
  const auto V = [amp](double t, std::int16_t p) {
    return static_cast<double>(amp) * cycleValue(t, p, 1);
  };
  std::array<Curve, kCycleCurves.size()> curves{};
  for (std::size_t k = 0; k < curves.size(); ++k) {
    const ChartCurve& c = kCycleCurves[k];
    curves[k] = {o.*c.shown, o.*c.colour, periodOf(c.kind), curveLetter(c)};
  }
  const ChartCurve& average = curveOf(CycleKind::Average);
  double t = age - area.half;
  int prevX = kLeft;
  for (Curve& c : curves) c.y = static_cast<double>(midY) - V(t, c.period);
  float prevA = static_cast<float>((curves[0].y + curves[1].y + curves[2].y) / 3);
  double lastA = prevA;
  for (int i = 1; i <= area.cols; ++i) {
    t += 1;
    const int x = kLeft + i * kColumnWidth;
    for (Curve& c : curves) {
      const double y = static_cast<double>(midY) - V(t, c.period);
      if (t > 0 && c.show)
        s.line(static_cast<float>(prevX), static_cast<float>(c.y), static_cast<float>(x),
               static_cast<float>(y), c.colour);
      c.y = y;
    }
    const double yA = (curves[0].y + curves[1].y + curves[2].y) / 3;
    if (t > 0 && o.*average.shown)
      s.line(static_cast<float>(prevX), prevA, static_cast<float>(x), static_cast<float>(yA),
             o.*average.colour);
    prevA = static_cast<float>(yA);
    lastA = yA;
    prevX = x;
  }

  if (o.criticalMarks) drawCriticalMarks(s, o, age - area.half, area.cols, midY);

  // With no column (cols < 1) the last vertex is the first one, (200, the first day's value):
  // the letters stay beside the start of the zero line instead of jumping off the surface.
  for (const Curve& c : curves)
    if (c.show) chart::printLetter(s, prevX, c.y, c.letter);
  if (o.*average.shown) chart::printLetter(s, prevX, lastA, curveLetter(average));
}

namespace chart {
bool biorhythmChartFits(float width, float height) {
  // The day labels are drawn inside the band; a band that does not reach past them is
  // squashed under its own labels.
  const int labelsReach = static_cast<int>(std::max(kWeekdayAbove, kDayBelow + kSmallTextHeight));
  return columnCount(width, kLeft) >= 1 && amplitudeOf(zeroLineY(height)) >= labelsReach;
}
}  // namespace chart

}  // namespace tw

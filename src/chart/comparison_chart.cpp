// The comparison chart: how closely two people's cycles match, 100 % at the top.
#include <array>

#include "catalogue/catalogue.h"
#include "chart/chart_parts.h"
#include "chart/curves.h"
#include "chart/day_columns.h"
#include "chart/draw_chart.h"
#include "cycles/cycles.h"

namespace tw {
namespace {

constexpr int kLeft = chart::kComparisonLeft;
constexpr float kTop = 100.0f;  // the 100 % line
constexpr int kScaleTop = 75;   // the "100%" mark's top; " 50%" and "  0%" follow the band

int bandOf(float height) { return chart::roundBand(height - 1200.0f); }

struct Match {
  bool show;
  Colour colour;
  std::int16_t period;
  const char* letter;
  bool secondInFloat;  // the second person's intellectual value is kept in single precision
  double a1 = 0;
  double a2 = 0;
  double last = 0;  // the last scaled distance
};

}  // namespace

void drawComparisonChart(const ChartState& state, DrawingSurface& s, const TextMeasure& measure,
                         const Locale& locale) {
  using chart::kColumnWidth;
  const ChartOptions& o = state.options;
  const chart::ChartArea area = chart::startChart(s, o.backgroundColour, kLeft);
  const int hgt = bandOf(area.height);
  const double halfBand = hgt / 2.0;
  const float left = static_cast<float>(kLeft);
  const float right = static_cast<float>(kLeft + area.cols * kColumnWidth);
  const float bottom = static_cast<float>(hgt + 100);  // the 0 % line
  const float below = static_cast<float>(hgt + 300);

  // The whole frame in the surface's ink, as on the other chart.
  s.line(left, kTop, left, below);
  s.line(left, bottom, right, bottom);
  for (int i = 1; i <= area.cols; ++i) {
    const float x = static_cast<float>(kLeft + i * kColumnWidth);
    s.line(x, bottom, x, below);
  }
  s.setLineStyle(2);
  const float fifty = static_cast<float>(halfBand + 100);
  s.line(left, fifty, right, fifty);
  s.line(left, kTop, right, kTop);
  s.setLineStyle(0);
  chart::drawDayLabels(s, state, {kLeft, area.cols, area.half, kTop, bottom, bottom, below});

  s.setBold(true);
  const auto scale = [&s](const char* text, float y) {
    s.moveTo(75, y);
    s.text(text);
  };
  // TRANSLATORS: the comparison chart's scale, right-aligned to four characters by leading
  // spaces; keep them as wide as the "100%" mark.
  scale(C_("chart scale", "100%"), static_cast<float>(kScaleTop));
  scale(C_("chart scale", " 50%"), static_cast<float>(halfBand));
  scale(C_("chart scale", "  0%"), static_cast<float>(hgt - kScaleTop));

  const double age1 = static_cast<double>(state.chartDate) - static_cast<double>(state.birthday);
  const double age2 = static_cast<double>(state.chartDate) - static_cast<double>(state.birthday2);
  chart::printHeaders(s, measure, state, locale, 600.0f);

  s.setFontSize(10);
  s.setBold(true);
  s.setLineWidth(2);
  std::array<Match, kCycleCurves.size()> matches{};
  for (std::size_t k = 0; k < matches.size(); ++k) {
    const ChartCurve& c = kCycleCurves[k];
    matches[k] = {o.*c.shown, o.*c.colour, periodOf(c.kind), curveLetter(c),
                  c.kind == CycleKind::Intellectual};
  }
  const ChartCurve& average = curveOf(CycleKind::Average);
  double t1 = age1 - area.half;
  double t2 = age2 - area.half;
  int prevX = kLeft;
  const auto held = [](const Match& m, double v) {
    return m.secondInFloat ? static_cast<double>(static_cast<float>(v)) : v;
  };
  double firstSum = 0;
  for (Match& m : matches) {
    m.a1 = matchValue(t1, m.period);
    m.a2 = held(m, matchValue(t2, m.period));
    firstSum += matchDistance(m.a1, m.a2);
    m.last = static_cast<float>(matchDistance(m.a1, m.a2) * halfBand);
  }
  float prevA = static_cast<float>((firstSum * halfBand) / 3);
  double lastA = prevA;
  for (int i = 1; i <= area.cols; ++i) {
    t1 += 1;
    t2 += 1;
    const int x = kLeft + i * kColumnWidth;
    double sum = 0;
    for (Match& m : matches) {
      const double b1 = matchValue(t1, m.period);
      const double b2 = matchValue(t2, m.period);
      const double d = matchDistance(b1, b2) * halfBand;
      const float previous = static_cast<float>(matchDistance(m.a1, m.a2) * halfBand);
      if (t1 > 0 && m.show && t2 > 0)
        s.line(static_cast<float>(prevX), kTop + previous, static_cast<float>(x),
               static_cast<float>(100 + d), m.colour);
      m.a1 = b1;
      m.a2 = held(m, b2);
      m.last = d;
      sum += d;
    }
    const double dA = sum / 3;
    if (t1 > 0 && o.*average.shown && t2 > 0)
      s.line(static_cast<float>(prevX), kTop + prevA, static_cast<float>(x),
             static_cast<float>(100 + dA), o.*average.colour);
    prevA = static_cast<float>(dA);
    lastA = dA;
    prevX = x;
  }

  // With no column (cols < 1) the last vertex is the first one, at x = 600: see the other chart.
  for (const Match& m : matches)
    if (m.show) chart::printLetter(s, prevX, 100 + m.last, m.letter);
  if (o.*average.shown) chart::printLetter(s, prevX, 100 + lastA, curveLetter(average));
}

namespace chart {
bool comparisonChartFits(float width, float height) {
  // The three scale marks, at kScaleTop, half the band and the band less kScaleTop, must not
  // print over each other.
  const int marksNeed = 2 * (kScaleTop + kSmallTextHeight);
  return columnCount(width, kLeft) >= 1 && bandOf(height) >= marksNeed;
}
}  // namespace chart

}  // namespace tw

#include "interpret/day_values.h"

#include <cmath>

#include "chart/chart_parts.h"
#include "chart/curves.h"
#include "chart/draw_chart.h"

namespace tw {

namespace {

double valueOf(CycleKind kind, double days) {
  if (kind != CycleKind::Average) return cycleValue(days, periodOf(kind), 1);
  // As the chart draws it: the mean of all three, shown or not.
  double sum = 0;
  for (const ChartCurve& c : kCycleCurves) sum += cycleValue(days, periodOf(c.kind), 1);
  return sum / 3;
}

std::string percentText(double percent) { return std::to_string(static_cast<long>(percent)) + "%"; }

// "Wednesday 16/6/2027, the chart date" or "..., 3 days before the chart date".
std::string dayText(Date day, Date chartDate, const Locale& locale) {
  std::string text = chart::dateWithName(day, {}, locale);
  const long long apart = static_cast<long long>(day) - chartDate;
  if (apart == 0) return text + ", the chart date";
  const long long n = apart < 0 ? -apart : apart;
  return text + ", " + std::to_string(n) + (n == 1 ? " day " : " days ") +
         (apart < 0 ? "before" : "after") + " the chart date";
}

std::string cycleText(const CycleOnDay& c) {
  std::string text = std::string(curveOf(c.kind).name) + " " + percentText(c.percent) +
                     (c.rising ? " and rising" : " and falling");
  return c.critical ? text + ", critical" : text;
}

}  // namespace

DayValues dayValues(const ChartState& state, Date day) {
  DayValues v;
  v.day = day;
  v.type = state.options.chartType;
  const double days = static_cast<double>(day) - static_cast<double>(state.birthday);
  const double days2 = static_cast<double>(day) - static_cast<double>(state.birthday2);
  if (v.type == ChartType::Comparison) {
    v.born = days >= 0 && days2 >= 0;
    if (v.born) v.match = comparisonMatch(days, days2);
    return v;
  }
  v.born = v.type == ChartType::Biorhythm && days >= 0;
  if (!v.born) return v;
  const ChartOptions& o = state.options;
  for (const ChartCurve& curve : kChartCurves) {
    if (!(o.*curve.shown)) continue;
    const CycleKind kind = curve.kind;
    const double value = valueOf(kind, days);
    CycleOnDay c;
    c.kind = kind;
    c.percent = static_cast<int>(std::lround(100 * value));
    c.rising = valueOf(kind, days + 1) > value;
    c.critical = isCritical(days, kind);
    v.cycles.push_back(c);
  }
  return v;
}

std::string describeDay(const DayValues& v, const ChartState& state, const Locale& locale) {
  std::string text;
  if (v.type == ChartType::Comparison) {
    text = "Comparison chart, birthdays " +
           chart::dateWithName(state.birthday, state.name, locale) + " and " +
           chart::dateWithName(state.birthday2, state.name2, locale) + ". ";
  } else if (v.type == ChartType::Biorhythm) {
    text = "Biorhythm chart, birthday " + chart::dateWithName(state.birthday, state.name, locale) +
           ". ";
  } else {
    return "No chart.";
  }
  text += dayText(v.day, state.chartDate, locale) + ": ";
  if (!v.born)
    return text + (v.type == ChartType::Comparison ? "before a birthday" : "before the birthday") +
           ", no curves.";
  if (v.type == ChartType::Comparison) {
    // "physical match 80%, emotional 40%, intellectual 20%, overall 46%."
    for (const ChartCurve& c : kCycleCurves)
      text += std::string(c.name) + (&c == &kCycleCurves.front() ? " match " : " ") +
              percentText(v.match.cycles[indexOf(c.kind)]) + ", ";
    return text + "overall " + percentText(static_cast<double>(v.match.overall)) + ".";
  }
  if (v.cycles.empty()) return text + "no curves are shown.";
  for (std::size_t i = 0; i < v.cycles.size(); ++i)
    text += (i ? "; " : "") + cycleText(v.cycles[i]);
  return text + ".";
}

std::string chartText(const ChartState& state, const Locale& locale) {
  std::string text;
  for (const std::string& line : chartHeaders(state, locale)) text += line + "\n";
  return text + describeDay(dayValues(state, state.chartDate), state, locale) + "\n";
}

std::string dayTooltip(const DayValues& v, const Locale& locale) {
  std::string text = formatLongDate(v.day, locale);
  if (v.type != ChartType::Biorhythm && v.type != ChartType::Comparison) return text;
  if (!v.born)
    return text +
           (v.type == ChartType::Comparison ? "\nBefore a birthday" : "\nBefore the birthday");
  if (v.type == ChartType::Comparison) {
    for (const ChartCurve& c : kCycleCurves)
      text += "\n" + curveTitle(c) + " match: " + percentText(v.match.cycles[indexOf(c.kind)]);
    return text + "\nOverall: " + percentText(static_cast<double>(v.match.overall));
  }
  for (const CycleOnDay& c : v.cycles) {
    text += "\n" + curveTitle(curveOf(c.kind)) + ": " + percentText(c.percent) +
            (c.rising ? ", rising" : ", falling");
    if (c.critical) text += ", critical";
  }
  return text;
}

}  // namespace tw

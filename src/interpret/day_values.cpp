#include "interpret/day_values.h"

#include <cmath>

#include "catalogue/catalogue.h"
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

std::string percentText(double percent) {
  // TRANSLATORS: a percentage, {1} a whole number.
  return fillIn(C_("percent", "{1}%"), std::to_string(static_cast<long>(percent)));
}

// "Wednesday 16/6/2027, the chart date" or "..., 3 days before the chart date".
std::string dayText(Date day, Date chartDate, const Locale& locale) {
  const std::string date = chart::dateWithName(day, {}, locale);
  const long long apart = static_cast<long long>(day) - chartDate;
  // TRANSLATORS: {1} is a date such as "Wednesday 16/6/2027", the day under the pointer.
  if (apart == 0) return fillIn(_("{1}, the chart date"), date);
  const auto n = static_cast<unsigned long>(apart < 0 ? -apart : apart);
  // TRANSLATORS: {1} is a date such as "Wednesday 16/6/2027", {2} a number of days.
  return fillIn(
      apart < 0 ? _n("{1}, {2} day before the chart date", "{1}, {2} days before the chart date", n)
                : _n("{1}, {2} day after the chart date", "{1}, {2} days after the chart date", n),
      date, std::to_string(n));
}

// "physical 48% and rising, critical"
std::string cycleText(const CycleOnDay& c) {
  const char* pattern =
      // TRANSLATORS: a cycle on a day, read aloud: {1} the cycle ("physical"), {2} its value
      // ("48%").
      c.rising ? (c.critical ? _("{1} {2} and rising, critical") : _("{1} {2} and rising"))
               : (c.critical ? _("{1} {2} and falling, critical") : _("{1} {2} and falling"));
  return fillIn(pattern, curveName(curveOf(c.kind)), percentText(c.percent));
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
  std::string heading;
  if (v.type == ChartType::Comparison) {
    // TRANSLATORS: read aloud over the chart; {1} and {2} are the two people's birthdays as
    // dates, each with the person's name in brackets when there is one.
    heading = fillIn(_("Comparison chart, birthdays {1} and {2}."),
                     chart::dateWithName(state.birthday, state.name, locale),
                     chart::dateWithName(state.birthday2, state.name2, locale));
  } else if (v.type == ChartType::Biorhythm) {
    // TRANSLATORS: read aloud over the chart; {1} is the birthday as a date, with the person's
    // name in brackets when there is one.
    heading = fillIn(_("Biorhythm chart, birthday {1}."),
                     chart::dateWithName(state.birthday, state.name, locale));
  } else {
    return _("No chart.");
  }
  std::string values;
  if (!v.born) {
    values = v.type == ChartType::Comparison ? _("before a birthday, no curves.")
                                             : _("before the birthday, no curves.");
  } else if (v.type == ChartType::Comparison) {
    const auto match = [&v](CycleKind kind) { return percentText(v.match.cycles[indexOf(kind)]); };
    values =
        // TRANSLATORS: how well two people's cycles match on a day, read aloud.
        fillIn(_("physical match {1}, emotional {2}, intellectual {3}, overall {4}."),
               match(CycleKind::Physical), match(CycleKind::Emotional),
               match(CycleKind::Intellectual), percentText(static_cast<double>(v.match.overall)));
  } else if (v.cycles.empty()) {
    values = _("no curves are shown.");
  } else {
    for (std::size_t i = 0; i < v.cycles.size(); ++i)
      // TRANSLATORS: the cycles of a day read aloud one after another, {1} those so far.
      values = i ? fillIn(C_("list of cycles", "{1}; {2}"), values, cycleText(v.cycles[i]))
                 : cycleText(v.cycles[i]);
    // TRANSLATORS: the end of the list of cycles read aloud.
    values = fillIn(C_("list of cycles", "{1}."), values);
  }
  // TRANSLATORS: read aloud for the day under the pointer: {1} the chart ("Biorhythm chart,
  // birthday ..."), {2} the day ("Wednesday 16/6/2027, the chart date"), {3} its values.
  return fillIn(C_("described day", "{1} {2}: {3}"), heading,
                dayText(v.day, state.chartDate, locale), values);
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
    return text + "\n" +
           (v.type == ChartType::Comparison ? _("Before a birthday") : _("Before the birthday"));
  if (v.type == ChartType::Comparison) {
    for (const ChartCurve& c : kCycleCurves)
      // TRANSLATORS: {1} a cycle ("Physical"), {2} how well it matches ("80%").
      text += "\n" + fillIn(_("{1} match: {2}"), curveTitle(c),
                            percentText(v.match.cycles[indexOf(c.kind)]));
    return text + "\n" +
           fillIn(_("Overall: {1}"), percentText(static_cast<double>(v.match.overall)));
  }
  for (const CycleOnDay& c : v.cycles) {
    const char* pattern =
        // TRANSLATORS: a line of the day's tooltip: {1} a cycle ("Physical"), {2} its value
        // ("48%").
        c.rising ? (c.critical ? _("{1}: {2}, rising, critical") : _("{1}: {2}, rising"))
                 : (c.critical ? _("{1}: {2}, falling, critical") : _("{1}: {2}, falling"));
    text += "\n" + fillIn(pattern, curveTitle(curveOf(c.kind)), percentText(c.percent));
  }
  return text;
}

}  // namespace tw

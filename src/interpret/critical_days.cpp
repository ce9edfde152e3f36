#include "interpret/critical_days.h"

#include <algorithm>
#include <functional>

#include "catalogue/catalogue.h"
#include "chart/curves.h"

namespace tw {

std::vector<CriticalDay> criticalDays(Date birthday, Date from, Date to) {
  std::vector<CriticalDay> out;
  from = std::max(from, birthday);
  if (from > to) return out;
  // Each cycle has two critical days per period, so this bounds the result and spares regrowth.
  const double span = static_cast<double>(to) - static_cast<double>(from) + 1;
  double perDay = 0;
  for (const ChartCurve& c : kCycleCurves) perDay += 2.0 / periodOf(c.kind);
  out.reserve(static_cast<std::size_t>(span * perDay) + 3);
  // A wide integer, so a range ending at the largest Date still terminates.
  for (long long d = from; d <= to; ++d) {
    const double days = static_cast<double>(d) - static_cast<double>(birthday);
    CriticalDay day;
    day.date = static_cast<Date>(d);
    for (const ChartCurve& c : kCycleCurves)
      day.critical[indexOf(c.kind)] = isCritical(days, c.kind);
    if (std::ranges::any_of(day.critical, std::identity{})) out.push_back(day);
  }
  return out;
}

std::string criticalCycleNames(const CriticalDay& day) {
  std::string names;
  for (const ChartCurve& c : kCycleCurves) {
    if (!day.critical[indexOf(c.kind)]) continue;
    names = names.empty() ? curveName(c) : fillIn(C_("list", "{1}, {2}"), names, curveName(c));
  }
  return names;
}

Date spanEnd(Date from, CriticalSpan span) {
  using namespace std::chrono;
  long long last = static_cast<long long>(from) + 29;
  if (span != CriticalSpan::Days30) {
    const year_month_day start = toYmd(from);
    const year_month_day on = start + months(span == CriticalSpan::Months3 ? 3 : 12);
    // 31 January and 3 months: to the end of April.
    last = on.ok() ? static_cast<long long>(fromYmd(on)) - 1
                   : static_cast<long long>(
                         fromYmd(year_month_day(on.year() / on.month() / std::chrono::last)));
  }
  return static_cast<Date>(std::min<long long>(last, kLastDate));
}

std::vector<CriticalEntry> criticalDaysAhead(const ChartState& state, CriticalSpan span) {
  std::vector<CriticalEntry> out;
  const ChartType type = state.options.chartType;
  if (type != ChartType::Biorhythm && type != ChartType::Comparison) return out;
  const Date to = spanEnd(state.chartDate, span);
  const auto add = [&](int person, Date birthday, const std::string& name) {
    for (const CriticalDay& day : criticalDays(birthday, state.chartDate, to))
      out.push_back({day, person, birthday, name});
  };
  add(1, state.birthday, state.name);
  if (type == ChartType::Comparison) add(2, state.birthday2, state.name2);
  std::stable_sort(out.begin(), out.end(), [](const CriticalEntry& a, const CriticalEntry& b) {
    return a.day.date < b.day.date;
  });
  return out;
}

std::string whoseText(const CriticalEntry& entry) {
  if (!entry.name.empty()) return entry.name;
  // TRANSLATORS: whose critical day it is, in the Critical days window, when the person has no
  // name: the first or the second birthday of the comparison chart.
  return entry.person == 1 ? C_("whose critical day", "Birthday")
                           : C_("whose critical day", "Birthday 2");
}

}  // namespace tw

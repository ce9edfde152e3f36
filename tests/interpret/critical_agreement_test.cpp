// Over a century, every place that speaks of critical days names the same ones as the periods'
// own rule: the window's list, the day's tooltip and description and the calendar file. (The
// chart's marks and the command line's listing ask the same rule; their own tests place them.)
#include <gtest/gtest.h>

#include <map>

#include "interpret/critical_days.h"
#include "interpret/day_values.h"
#include "interpret/ical.h"
#include "mock/phase_rule.h"
#include "settings/settings_io.h"

namespace tw {
namespace {

using Days = std::map<Date, std::string>;  // day -> "physical, intellectual"
const char* const kNames[] = {"physical", "emotional", "intellectual"};

void add(Days& days, Date d, int cycle) {
  days[d] += (days[d].empty() ? "" : ", ") + std::string(kNames[cycle]);
}

// Every "name..., critical" part of a text ("Physical: 3%, rising, critical" lines of the
// tooltip, "physical 3% and rising, critical;" parts of the description).
void addSaid(Days& days, Date d, const std::string& text, const char* const names[3]) {
  for (int k = 0; k < 3; ++k) {
    const std::size_t at = text.find(names[k]), end = text.find_first_of(";.\n", at);
    if (at != std::string::npos && text.substr(at, end - at).ends_with(", critical"))
      add(days, d, k);
  }
}

TEST(CriticalAgreement, EveryPlaceNamesTheSameDaysAsTheRuleOverACentury) {
  const Date birth = fromYmd(1990, 1, 31), from = fromYmd(1990, 1, 1), to = fromYmd(2089, 12, 31);
  Days rule, list, tooltip, description, calendar;
  for (Date d = birth; d <= to; ++d)
    for (int k = 0; k < 3; ++k)
      if (rulePhases(d - birth)[k] == 0) add(rule, d, k);

  ChartState s;
  s.options = defaultChartOptions();
  s.birthday = birth;
  for (s.chartDate = from; s.chartDate <= to;
       s.chartDate = spanEnd(s.chartDate, CriticalSpan::Months12) + 1)
    for (const CriticalEntry& e : criticalDaysAhead(s, CriticalSpan::Months12))
      if (e.day.date <= to) list[e.day.date] = criticalCycleNames(e.day);
  const char* const titles[] = {"Physical:", "Emotional:", "Intellectual:"};
  for (Date d = from; d <= to; ++d) {
    const DayValues v = dayValues(s, d);
    addSaid(tooltip, d, dayTooltip(v, {}), titles);
    addSaid(description, d, describeDay(v, s, {}), kNames);
  }

  const std::vector<CriticalDay> days = criticalDays(birth, from, to);
  const std::string ics = iCalendar(entriesOf(days, birth, ""), {});
  for (std::size_t at = 0; (at = ics.find("DTSTART;VALUE=DATE:", at + 1)) != std::string::npos;) {
    const std::string day = ics.substr(at + 19, 8);
    const std::size_t summary = ics.find("SUMMARY:Critical day: ", at) + 22;
    std::string names = ics.substr(summary, ics.find("\r\n", summary) - summary);
    for (std::size_t c; (c = names.find("\\,")) != std::string::npos;) names.erase(c, 1);
    calendar[*parseIso(day.substr(0, 4) + "-" + day.substr(4, 2) + "-" + day.substr(6, 2))] = names;
  }

  ASSERT_GT(rule.size(), 7000u) << "some two days in ten";
  const std::pair<const char*, const Days*> places[] = {{"list", &list},
                                                        {"tooltip", &tooltip},
                                                        {"description", &description},
                                                        {"calendar", &calendar}};
  for (const auto& [name, found] : places) EXPECT_EQ(*found, rule) << name;
}

}  // namespace
}  // namespace tw

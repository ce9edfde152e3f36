// Over a century, every place that speaks of critical days names the same ones as the periods'
// own rule: the window's list, the chart's marks, the day's tooltip and description, the
// command line's listing and the calendar file.
#include <gtest/gtest.h>

#include "app/settings_io.h"

#include <cmath>
#include <map>
#include <sstream>

#include "chart/chart_parts.h"
#include "chart/day_columns.h"
#include "chart/draw_chart.h"
#include "cli/program.h"
#include "interpret/day_values.h"
#include "mock/phase_rule.h"
#include "mock/recording_surface.h"

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
    if (at != std::string::npos && text.substr(at, end - at).ends_with(", critical")) add(days, d, k);
  }
}

TEST(CriticalAgreement, EveryPlaceNamesTheSameDaysAsTheRuleOverACentury) {
  const Date birth = fromYmd(1990, 1, 31), from = fromYmd(1990, 1, 1), to = fromYmd(2089, 12, 31);
  Days rule, list, marks, tooltip, description, listing, calendar;
  for (Date d = birth; d <= to; ++d)
    for (int k = 0; k < 3; ++k)
      if (rulePhases(d - birth)[k] == 0) add(rule, d, k);

  ChartState s;
  s.options = defaultChartOptions();
  s.birthday = birth;
  for (s.chartDate = from; s.chartDate <= to; s.chartDate = spanEnd(s.chartDate, CriticalSpan::Months12) + 1)
    for (const CriticalEntry& e : criticalDaysAhead(s, CriticalSpan::Months12))
      if (e.day.date <= to) list[e.day.date] = criticalCycleNames(e.day);
  const char* const titles[] = {"Physical:", "Emotional:", "Intellectual:"};
  for (Date d = from; d <= to; ++d) {
    const DayValues v = dayValues(s, d);
    addSaid(tooltip, d, dayTooltip(v, {}), titles);
    addSaid(description, d, describeDay(v, s, {}), kNames);
  }

  // One chart whose labelled columns are the century; a mark is a short upright coloured line.
  const int cols = to - from + 1;
  s.options.criticalMarks = true;
  s.chartDate = from + static_cast<Date>(chart::halfOf(cols));
  test::RecordingSurface surface(static_cast<float>(chart::kBiorhythmLeft + (cols + 1) * 275), 2895);
  drawChart(s, surface, test::FixedWidthMeasure{}, {});
  const std::map<std::string, int> colours = {{"255", 0}, {"65280", 1}, {"16711680", 2}};
  for (const std::string& call : surface.only("line")) {
    std::istringstream in(call.substr(5));
    float x1, y1, x2, y2;
    std::string colour;
    in >> x1 >> y1 >> x2 >> y2 >> colour;
    if (x1 == x2 && y1 == 1057.5f && y2 == 1237.5f && colours.count(colour))
      add(marks, from + static_cast<Date>(std::lround((x1 - chart::kBiorhythmLeft) / 275)), colours.at(colour));
  }

  const std::vector<CriticalDay> days = criticalDays(birth, from, to);
  std::istringstream printed(cli::criticalListing(days));
  for (std::string line; std::getline(printed, line);)
    listing[*parseIso(line.substr(0, 10))] = line.substr(line.find(": ") + 2);
  const std::string ics = iCalendar(entriesOf(days, birth, ""), {});
  for (std::size_t at = 0; (at = ics.find("DTSTART;VALUE=DATE:", at + 1)) != std::string::npos;) {
    const std::string day = ics.substr(at + 19, 8);
    const std::size_t summary = ics.find("SUMMARY:Critical day: ", at) + 22;
    std::string names = ics.substr(summary, ics.find("\r\n", summary) - summary);
    for (std::size_t c; (c = names.find("\\,")) != std::string::npos;) names.erase(c, 1);
    calendar[*parseIso(day.substr(0, 4) + "-" + day.substr(4, 2) + "-" + day.substr(6, 2))] = names;
  }

  ASSERT_GT(rule.size(), 7000u) << "some two days in ten";
  const std::pair<const char*, const Days*> places[] = {
      {"list", &list},         {"marks", &marks},       {"tooltip", &tooltip},
      {"description", &description}, {"listing", &listing}, {"calendar", &calendar}};
  for (const auto& [name, found] : places) EXPECT_EQ(*found, rule) << name;
}

}  // namespace
}  // namespace tw

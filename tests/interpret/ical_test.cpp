#include "interpret/ical.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "mock/phase_rule.h"

namespace tw {
namespace {

// The file's content lines unfolded, after checking CR LF endings and the 75-octet limit.
std::vector<std::string> unfolded(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
    if (end == std::string::npos) break;
    const std::string line = text.substr(start, end - start);
    EXPECT_LE(line.size(), 75u) << line;
    if (!line.empty() && line[0] == ' ') lines.back() += line.substr(1);
    else lines.push_back(line);
    start = end + 2;
  }
  return lines;
}

// The lines of the events only, from the first BEGIN:VEVENT on, without END:VCALENDAR.
std::vector<std::string> eventLines(const std::string& text) {
  std::vector<std::string> lines = unfolded(text);
  EXPECT_EQ(lines.front(), "BEGIN:VCALENDAR");
  EXPECT_EQ(lines.back(), "END:VCALENDAR");
  const auto first = std::find(lines.begin(), lines.end(), "BEGIN:VEVENT");
  return {first, lines.end() - 1};
}

const Date kAnn = fromYmd(1990, 1, 31);
const Date kBo = fromYmd(1985, 6, 1);
const UtcTime kWritten{fromYmd(2024, 3, 5), 13 * 3600 + 4 * 60 + 5};

TEST(ICalendar, EventsAreAllDayWithStableUidsTheClocksStampAndAnOptionalAlarm) {
  const CriticalEntry annPhysical{{fromYmd(2024, 3, 7), true, false, false}, 1, kAnn, "Ann"};
  const CriticalEntry boTwo{{fromYmd(2024, 12, 31), false, true, true}, 2, kBo, ""};
  const std::vector<std::string> annEvent = {
      "BEGIN:VEVENT", "UID:20240307-19900131@tidewell", "DTSTAMP:20240305T130405Z",
      "DTSTART;VALUE=DATE:20240307", "DTEND;VALUE=DATE:20240308",
      "SUMMARY:Critical day for Ann: physical", "TRANSP:TRANSPARENT"};
  const std::vector<std::string> alarm = {"BEGIN:VALARM", "ACTION:DISPLAY",
                                          "DESCRIPTION:Critical day for Ann: physical",
                                          "TRIGGER:-PT15H", "END:VALARM"};
  const auto join = [](std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };
  const struct {
    const char* name;
    std::vector<CriticalEntry> days;
    CalendarOptions options;
    std::vector<std::string> want;
  } rows[] = {
      {"one day, no alarm", {annPhysical}, {kWritten, false}, join(annEvent, {"END:VEVENT"})},
      {"the alarm at 9:00 the day before", {annPhysical}, {kWritten, true},
       join(join(annEvent, alarm), {"END:VEVENT"})},
      {"midnight stamp, second person without a name, across the year end",
       {boTwo}, {{fromYmd(2025, 1, 1), 0}, false},
       {"BEGIN:VEVENT", "UID:20241231-19850601@tidewell", "DTSTAMP:20250101T000000Z",
        "DTSTART;VALUE=DATE:20241231", "DTEND;VALUE=DATE:20250101",
        "SUMMARY:Critical day: emotional\\, intellectual", "TRANSP:TRANSPARENT", "END:VEVENT"}},
      {"the calendar's last day has no end", {{{kLastDate, true, false, false}, 1, kAnn, ""}},
       {kWritten, false},
       {"BEGIN:VEVENT", "UID:99991231-19900131@tidewell", "DTSTAMP:20240305T130405Z",
        "DTSTART;VALUE=DATE:99991231", "SUMMARY:Critical day: physical", "TRANSP:TRANSPARENT",
        "END:VEVENT"}},
  };
  for (const auto& r : rows) EXPECT_EQ(eventLines(iCalendar(r.days, r.options)), r.want) << r.name;
}

TEST(ICalendar, FoldsAtExactly75OctetsKeepingCharactersWhole) {
  const std::string a74(74, 'a'), a75(75, 'a');
  const struct {
    const char* name;
    std::string line;
    std::string want;
  } rows[] = {
      {"75 octets stay on one line", a75, a75 + "\r\n"},
      {"the 76th octet goes on", a75 + "b", a75 + "\r\n b\r\n"},
      {"continuations hold 74 after their blank", a75 + a74 + "b", a75 + "\r\n " + a74 + "\r\n b\r\n"},
      {"a two-octet character across octet 75 moves whole", a74 + "\xC3\xA9" "b",
       a74 + "\r\n \xC3\xA9" "b\r\n"},
      {"a two-octet character ending on octet 75 stays", std::string(73, 'a') + "\xC3\xA9" "b",
       std::string(73, 'a') + "\xC3\xA9\r\n b\r\n"},
      {"a three-octet character across octet 75 moves whole", a74 + "\xE2\x82\xAC",
       a74 + "\r\n \xE2\x82\xAC\r\n"},
  };
  for (const auto& r : rows) EXPECT_EQ(foldLine(r.line), r.want) << r.name;
}

TEST(ICalendar, AYearOfDaysWithALongAccentedNameReadsBackAsTheRuleSays) {
  const std::string name = "Zoë Ångström-Żółkiewska; née \\ Ñúñez, Ørsted";
  const Date from = fromYmd(2024, 1, 1), to = fromYmd(2024, 12, 31);
  const auto days = entriesOf(criticalDays(kAnn, from, to), kAnn, name);
  const std::string text = iCalendar(days, {kWritten, true});
  std::map<std::string, std::string> summaries;  // DTSTART -> SUMMARY
  std::string start;
  for (const std::string& line : eventLines(text)) {
    if (line.starts_with("DTSTART;VALUE=DATE:")) start = line.substr(19);
    if (line.starts_with("SUMMARY:")) summaries[start] = line.substr(8);
  }
  const char* const names[] = {"physical", "emotional", "intellectual"};
  std::map<std::string, std::string> want;
  for (Date d = from; d <= to; ++d) {
    std::string cycles;
    const auto phases = rulePhases(d - kAnn);
    for (int k = 0; k < 3; ++k)
      if (phases[k] == 0) cycles += (cycles.empty() ? "" : "\\, ") + std::string(names[k]);
    std::string iso = toIso(d);
    iso.erase(7, 1).erase(4, 1);
    if (!cycles.empty())
      want[iso] = "Critical day for Zoë Ångström-Żółkiewska\\; née \\\\ Ñúñez\\, Ørsted: " + cycles;
  }
  EXPECT_EQ(summaries, want);
  EXPECT_EQ(iCalendar(days, {kWritten, true}), text) << "the same days give the same bytes";
}

}  // namespace
}  // namespace tw

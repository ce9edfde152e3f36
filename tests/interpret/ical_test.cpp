#include "interpret/ical.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace tw {
namespace {

// The events' content lines unfolded, after checking CR LF endings and the 75-octet limit.
std::vector<std::string> eventLines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    const std::string line = text.substr(start, end - start);
    EXPECT_LE(line.size(), 75u) << line;
    if (line.starts_with(' '))
      lines.back() += line.substr(1);
    else
      lines.push_back(line);
  }
  EXPECT_TRUE(text.ends_with("\r\nEND:VCALENDAR\r\n")) << text;
  return {std::find(lines.begin(), lines.end(), "BEGIN:VEVENT"), lines.end() - 1};
}

const Date kAnn = fromYmd(1990, 1, 31);
const UtcTime kWritten{fromYmd(2024, 3, 5), 13 * 3600 + 4 * 60 + 5};

TEST(ICalendar, EachDayIsAnAllDayEvent) {
  const std::string name = "Zoë Ångström-Żółkiewska, née Ñúñez-Ørsted; Łódź";  // folds mid-name
  const std::string summary =
      "SUMMARY:Critical day for Zoë Ångström-Żółkiewska\\, née "
      "Ñúñez-Ørsted\\; Łódź: physical";
  const CriticalEntry zoe{{fromYmd(2024, 3, 7), true, false, false}, 1, kAnn, name};
  const std::vector<std::string> event = {"BEGIN:VEVENT",
                                          "UID:20240307-19900131-292da58c@tidewell",
                                          "DTSTAMP:20240305T130405Z",
                                          "DTSTART;VALUE=DATE:20240307",
                                          "DTEND;VALUE=DATE:20240308",
                                          summary,
                                          "TRANSP:TRANSPARENT"};
  auto alarmed = event;
  alarmed.insert(alarmed.end(),
                 {"BEGIN:VALARM", "ACTION:DISPLAY", "DESCRIPTION" + summary.substr(7),
                  "TRIGGER:-PT15H", "END:VALARM"});
  const struct {
    const char* name;
    CriticalEntry day;
    CalendarOptions options;
    std::vector<std::string> want;  // without END:VEVENT
  } rows[] = {
      {"one day, no alarm", zoe, {kWritten, false}, event},
      {"the alarm at 9:00 the day before", zoe, {kWritten, true}, alarmed},
      {"midnight stamp, no name, across the year end",
       {{fromYmd(2024, 12, 31), false, true, true}, 2, fromYmd(1985, 6, 1), ""},
       {{fromYmd(2025, 1, 1), 0}, false},
       {"BEGIN:VEVENT", "UID:20241231-19850601@tidewell", "DTSTAMP:20250101T000000Z",
        "DTSTART;VALUE=DATE:20241231", "DTEND;VALUE=DATE:20250101",
        "SUMMARY:Critical day: emotional\\, intellectual", "TRANSP:TRANSPARENT"}},
      {"the calendar's last day has no end",
       {{kLastDate, true, false, false}, 1, kAnn, ""},
       {kWritten, false},
       {"BEGIN:VEVENT", "UID:99991231-19900131@tidewell", "DTSTAMP:20240305T130405Z",
        "DTSTART;VALUE=DATE:99991231", "SUMMARY:Critical day: physical", "TRANSP:TRANSPARENT"}},
  };
  for (auto r : rows) {
    r.want.push_back("END:VEVENT");
    const std::string text = iCalendar({r.day}, r.options);
    EXPECT_EQ(eventLines(text), r.want) << r.name;
    EXPECT_EQ(iCalendar({r.day}, r.options), text) << r.name << ": the same bytes every time";
  }
}

std::vector<std::string> uids(const std::string& text) {
  std::vector<std::string> out;
  for (const std::string& line : eventLines(text))
    if (line.starts_with("UID:")) out.push_back(line.substr(4));
  std::sort(out.begin(), out.end());
  return out;
}

// Importing a file again updates its events; two people's events never share a UID, so a
// calendar keeps both.
TEST(ICalendar, EventUidsAreStableForAPersonAndDistinctBetweenTwo) {
  const Date from = fromYmd(2024, 3, 1), to = fromYmd(2024, 3, 31);
  const auto both = [&](const std::string& first, const std::string& second, Date birthday2) {
    auto days = entriesOf(criticalDays(kAnn, from, to), kAnn, first);
    for (CriticalEntry e : entriesOf(criticalDays(birthday2, from, to), birthday2, second)) {
      e.person = 2;
      days.push_back(e);
    }
    return days;
  };
  const auto distinct = [](std::vector<std::string> v) {
    return static_cast<std::size_t>(std::unique(v.begin(), v.end()) - v.begin());
  };
  const auto ann = entriesOf(criticalDays(kAnn, from, to), kAnn, "Ann");
  const struct {
    const char* name;
    std::vector<CriticalEntry> days;
  } twins[] = {
      {"twins with names", both("Ann", "Bea", kAnn)},
      {"one person entered twice", both("Ann", "Ann", kAnn)},
      {"twins without names", both("", "", kAnn)},
      {"two people, two birthdays", both("Ann", "Cy", fromYmd(1991, 5, 5))},
  };
  for (const auto& t : twins) {
    const auto all = uids(iCalendar(t.days, {kWritten, false}));
    EXPECT_EQ(distinct(all), all.size()) << t.name;
    EXPECT_EQ(all.size(), t.days.size()) << t.name;
  }
  // A later export, of Ann alone or beside another, names her days as the first did.
  const auto alone = uids(iCalendar(ann, {kWritten, false}));
  EXPECT_EQ(uids(iCalendar(ann, {{kWritten.day + 30, 0}, true})), alone);
  auto beside = uids(iCalendar(both("Ann", "Bea", kAnn), {kWritten, false}));
  std::vector<std::string> kept;
  std::set_intersection(alone.begin(), alone.end(), beside.begin(), beside.end(),
                        std::back_inserter(kept));
  EXPECT_EQ(kept, alone);
}

TEST(ICalendar, FoldsAtExactly75OctetsKeepingCharactersWhole) {
  const std::string a73(73, 'a'), a74(74, 'a'), a75(75, 'a');
  const struct {
    const char* name;
    std::string line;
    std::string want;
  } rows[] = {
      {"75 octets stay on one line", a75, a75 + "\r\n"},
      {"the 76th octet goes on", a75 + "b", a75 + "\r\n b\r\n"},
      {"continuations hold 74 after their blank", a75 + a74 + "b",
       a75 + "\r\n " + a74 + "\r\n b\r\n"},
      {"a two-octet character across octet 75 moves whole",
       a74 + "é"
             "b",
       a74 + "\r\n é"
             "b\r\n"},
      {"a two-octet character ending on octet 75 stays",
       a73 + "é"
             "b",
       a73 + "é\r\n b\r\n"},
      {"a three-octet character across octet 75 moves whole", a74 + "€", a74 + "\r\n €\r\n"},
  };
  for (const auto& r : rows) EXPECT_EQ(foldLine(r.line), r.want) << r.name;
}

}  // namespace
}  // namespace tw

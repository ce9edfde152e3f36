#include <gtest/gtest.h>

#include <map>
#include <set>

#include "cli/ical.h"
#include "mock/phase_rule.h"

namespace tw::cli {
namespace {

struct Event {
  std::map<std::string, std::string> props;  // name with parameters -> value
};

// A small reader of the file: checks CRLF and line length, unfolds, splits the events.
std::vector<Event> parseCalendar(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
    if (end == std::string::npos) break;
    const std::string line = text.substr(start, end - start);
    EXPECT_LE(line.size(), 75u) << line;
    EXPECT_EQ(line.find('\n'), std::string::npos);
    if (!line.empty() && line[0] == ' ') lines.back() += line.substr(1);
    else lines.push_back(line);
    start = end + 2;
  }
  EXPECT_EQ(lines.front(), "BEGIN:VCALENDAR");
  EXPECT_EQ(lines.back(), "END:VCALENDAR");
  std::vector<Event> events;
  for (const std::string& line : lines) {
    if (line == "BEGIN:VEVENT") events.emplace_back();
    else if (line != "END:VEVENT" && !events.empty())
      events.back().props[line.substr(0, line.find(':'))] = line.substr(line.find(':') + 1);
  }
  return events;
}

const char* const kNames[] = {"physical", "emotional", "intellectual"};

std::string compact(Date d) {
  std::string iso = toIso(d);
  return iso.substr(0, 4) + iso.substr(5, 2) + iso.substr(8, 2);
}

TEST(ICalendar, ParsesBackToExactlyTheCriticalDays) {
  const Date birth = fromYmd(1990, 1, 31);
  const Date from = fromYmd(2024, 1, 1), to = fromYmd(2024, 12, 31);
  const std::string text = iCalendar(criticalDays(birth, from, to), birth, "Ann; Bo\\");
  EXPECT_NE(text.find("\r\nVERSION:2.0\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nPRODID:"), std::string::npos);

  // Critical days by the periods' own rule, the names in the cycles' order.
  std::map<std::string, std::string> expected;
  for (Date d = from; d <= to; ++d) {
    std::string names;
    const auto phases = rulePhases(d - birth);
    for (int k = 0; k < 3; ++k)
      if (phases[k] == 0) names += (names.empty() ? "" : "\\, ") + std::string(kNames[k]);
    if (!names.empty()) expected[compact(d)] = "Critical day for Ann\\; Bo\\\\: " + names;
  }

  const std::vector<Event> events = parseCalendar(text);
  ASSERT_EQ(events.size(), expected.size());
  std::set<std::string> uids;
  for (const Event& e : events) {
    const std::string day = e.props.at("DTSTART;VALUE=DATE");
    ASSERT_TRUE(expected.count(day)) << day;
    EXPECT_EQ(e.props.at("SUMMARY"), expected[day]);
    EXPECT_EQ(e.props.at("UID"), day + "-19900131@tidewell");
    uids.insert(e.props.at("UID"));
    EXPECT_EQ(e.props.count("DTSTAMP"), 1u);
    const auto next = parseIso(day.substr(0, 4) + "-" + day.substr(4, 2) + "-" + day.substr(6, 2));
    EXPECT_EQ(e.props.at("DTEND;VALUE=DATE"), compact(*next + 1));
  }
  EXPECT_EQ(uids.size(), events.size());
  EXPECT_EQ(iCalendar(criticalDays(birth, from, to), birth, "Ann; Bo\\"), text);
}

TEST(ICalendar, FoldsAt75OctetsKeepingCharactersWhole) {
  const std::string ascii(80, 'a');
  EXPECT_EQ(foldLine(ascii), std::string(75, 'a') + "\r\n " + std::string(5, 'a') + "\r\n");
  // "é" is two octets; the one straddling octet 75 moves whole to the next line.
  const std::string accented = std::string(74, 'a') + "\xC3\xA9" + "b";
  EXPECT_EQ(foldLine(accented), std::string(74, 'a') + "\r\n \xC3\xA9" "b\r\n");
  EXPECT_EQ(foldLine("SHORT"), "SHORT\r\n");
}

TEST(ICalendar, AnEventOnTheLastDayEndsWithinTheCalendar) {
  const struct { Date day; std::string end; } rows[] = {{kLastDate - 1, "99991231"}, {kLastDate, "none"}};
  for (const auto& row : rows) {
    const auto events = parseCalendar(iCalendar({CriticalDay{row.day, true}}, kFirstDate, ""));
    ASSERT_EQ(events.size(), 1u);
    const auto& props = events[0].props;
    const auto end = props.find("DTEND;VALUE=DATE");
    EXPECT_EQ(end == props.end() ? "none" : end->second, row.end) << toIso(row.day);
  }
}

}  // namespace
}  // namespace tw::cli

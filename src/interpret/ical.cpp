#include "interpret/ical.h"

#include <algorithm>
#include <cstdio>

#include "catalogue/catalogue.h"
#include "version.h"

namespace tw {

namespace {
std::string compactTime(UtcTime t) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "T%02d%02d%02dZ", static_cast<int>(t.second / 3600),
                static_cast<int>(t.second / 60 % 60), static_cast<int>(t.second % 60));
  return buf;
}

std::string compactDate(Date d) {
  const auto ymd = toYmd(d);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d%02u%02u", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
  return buf;
}

// Folds straight into `out`: a century of days is some 60,000 lines.
void appendFolded(std::string& out, std::string_view line) {
  std::size_t limit = 75;  // the first line; continuations lose one octet to the leading blank
  while (line.size() > limit) {
    std::size_t cut = limit;
    while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
    if (cut == 0) cut = limit;  // not UTF-8 after all: cut where the octets say
    out.append(line.substr(0, cut));
    out += "\r\n ";
    line.remove_prefix(cut);
    limit = 74;
  }
  out.append(line);
  out += "\r\n";
}
}  // namespace

std::string eventUid(const CriticalEntry& entry, bool sameAsFirstPerson) {
  std::string uid = compactDate(entry.day.date) + "-" + compactDate(entry.birthday);
  if (!entry.name.empty()) {
    std::uint32_t hash = 2166136261u;  // FNV-1a: short, and the same on every machine
    for (const unsigned char c : entry.name) hash = (hash ^ c) * 16777619u;
    char hex[10];
    std::snprintf(hex, sizeof hex, "-%08x", static_cast<unsigned>(hash));
    uid += hex;
  }
  if (sameAsFirstPerson && entry.person == 2) uid += "-2";
  return uid + "@tidewell";
}

std::string eventSummary(const CriticalDay& day, const std::string& name) {
  // TRANSLATORS: a calendar event's title; {1} is who it is for, {2} the critical cycles
  // ("physical, emotional").
  if (!name.empty()) return fillIn(_("Critical day for {1}: {2}"), name, criticalCycleNames(day));
  // TRANSLATORS: a calendar event's title; {1} the critical cycles ("physical, emotional").
  return fillIn(_("Critical day: {1}"), criticalCycleNames(day));
}

std::string escapeText(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    switch (c) {
      case '\\': out += "\\\\"; break;
      case ';': out += "\\;"; break;
      case ',': out += "\\,"; break;
      case '\r':
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        out += "\\n";
        break;
      case '\n': out += "\\n"; break;
      default:
        // Other controls are not allowed in a TEXT value.
        out += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? ' ' : c;
    }
  }
  return out;
}

std::string foldLine(std::string_view line) {
  std::string out;
  appendFolded(out, line);
  return out;
}

std::string iCalendar(const std::vector<CriticalEntry>& days, const CalendarOptions& options) {
  std::string out;
  out.reserve(360 * days.size() + 200);
  const auto line = [&out](std::string_view text) { appendFolded(out, text); };
  const std::string stamp =
      "DTSTAMP:" + compactDate(options.written.day) + compactTime(options.written);
  line("BEGIN:VCALENDAR");
  line("VERSION:2.0");
  line(std::string("PRODID:-//Kestrelmoor//Tidewell ") + kVersion + "//EN");
  line("CALSCALE:GREGORIAN");
  line("METHOD:PUBLISH");
  // One person entered twice, or twins without names: the second still gets events of its own.
  const auto first =
      std::find_if(days.begin(), days.end(), [](const CriticalEntry& e) { return e.person == 1; });
  const auto second =
      std::find_if(days.begin(), days.end(), [](const CriticalEntry& e) { return e.person == 2; });
  const bool alike = first != days.end() && second != days.end() &&
                     first->birthday == second->birthday && first->name == second->name;
  for (const CriticalEntry& entry : days) {
    const Date date = entry.day.date;
    const std::string summary = escapeText(eventSummary(entry.day, entry.name));
    line("BEGIN:VEVENT");
    line("UID:" + eventUid(entry, alike));
    line(stamp);
    line("DTSTART;VALUE=DATE:" + compactDate(date));
    // Past the calendar's last day an all-day event without DTEND still lasts one day.
    if (date < kLastDate) line("DTEND;VALUE=DATE:" + compactDate(date + 1));
    line("SUMMARY:" + summary);
    line("TRANSP:TRANSPARENT");
    if (options.remindDayBefore) {
      // The day starts at midnight; 15 hours before it is 9:00 the day before.
      line("BEGIN:VALARM");
      line("ACTION:DISPLAY");
      line("DESCRIPTION:" + summary);
      line("TRIGGER:-PT15H");
      line("END:VALARM");
    }
    line("END:VEVENT");
  }
  line("END:VCALENDAR");
  return out;
}

std::vector<CriticalEntry> entriesOf(const std::vector<CriticalDay>& days, Date birthday,
                                     const std::string& name) {
  std::vector<CriticalEntry> out;
  out.reserve(days.size());
  for (const CriticalDay& day : days) out.push_back({day, 1, birthday, name});
  return out;
}

}  // namespace tw

#pragma once
// Critical days as an iCalendar file: one all-day event a day and person, the same bytes for the
// same days and time of writing. Both the window's "Add to calendar..." and tidewell-chart
// write through here.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cycles/date.h"
#include "interpret/critical_days.h"

namespace tw {

// A moment in UTC, to the second.
struct UtcTime {
  Date day = 0;
  std::int32_t second = 0;  // of the day, 0 ... 86399
};

struct CalendarOptions {
  UtcTime written;               // DTSTAMP: when the file is written
  bool remindDayBefore = false;  // an alarm at 9:00 the day before each event
};

// The same day of the same person always gets the same UID, so a calendar that imports the file
// twice updates the events instead of doubling them; two people differ even with one birthday.
// "20240305-19900131@tidewell" for a birthday without a name; with a name, a hash of it follows
// the birthday ("20240305-19900131-8c5d2e1f@tidewell"); the second of two people with the same
// birthday and name ends in "-2".
std::string eventUid(const CriticalEntry& entry, bool sameAsFirstPerson = false);

// "Critical day: physical, emotional", or "Critical day for Anna: ..." when there is a name.
std::string eventSummary(const CriticalDay& day, const std::string& name);

// TEXT value escaping: backslash, semicolon, comma and line breaks.
std::string escapeText(std::string_view text);

// One content line, folded so no line exceeds 75 octets (continuations start with a blank),
// never inside a UTF-8 character, ended with CR LF.
std::string foldLine(std::string_view line);

std::string iCalendar(const std::vector<CriticalEntry>& days, const CalendarOptions& options);

// One person's days as entries of the calendar.
std::vector<CriticalEntry> entriesOf(const std::vector<CriticalDay>& days, Date birthday,
                                     const std::string& name);

}  // namespace tw

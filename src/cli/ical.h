#pragma once
// Critical days as an iCalendar file: one all-day event a day, byte-stable across runs.
#include <string>
#include <string_view>
#include <vector>

#include "cycles/date.h"
#include "interpret/interpret.h"

namespace tw::cli {

// "20240305-19900131@tidewell": the same day of the same person always gets the same UID, so a
// calendar that imports the file twice updates the events instead of doubling them.
std::string eventUid(Date day, Date birthday);

// "Critical day: physical, emotional", or "Critical day for Anna: ..." when there is a name.
std::string eventSummary(const CriticalDay& day, const std::string& name);

// TEXT value escaping: backslash, semicolon, comma and line breaks.
std::string escapeText(std::string_view text);

// One content line, folded so no line exceeds 75 octets (continuations start with a blank),
// never inside a UTF-8 character, ended with CR LF.
std::string foldLine(std::string_view line);

std::string iCalendar(const std::vector<CriticalDay>& days, Date birthday, const std::string& name);

}  // namespace tw::cli

#pragma once
// Whole-day dates: a day number counting from 30 December 1899 (day 0).
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tw {

using Date = std::int32_t;

std::chrono::year_month_day toYmd(Date d);
Date fromYmd(std::chrono::year_month_day ymd);
Date fromYmd(int y, unsigned m, unsigned d);

inline constexpr std::chrono::sys_days kDayZero{std::chrono::year{1899} / 12 / 30};

// The range the date pickers accept; every date the program holds stays inside it.
inline constexpr int kFirstYear = 1601;
inline constexpr int kLastYear = 9999;
inline constexpr Date kFirstDate = static_cast<Date>(
    (std::chrono::sys_days{std::chrono::year{kFirstYear} / 1 / 1} - kDayZero).count());
inline constexpr Date kLastDate = static_cast<Date>(
    (std::chrono::sys_days{std::chrono::year{kLastYear} / 12 / 31} - kDayZero).count());
Date clampDate(long long d);
// Whether the calendar can name day `d`: any day of the years -32767 to 32767.
bool hasCalendarDay(long long d);

int weekdayNumber(Date d);  // 1 = Sunday ... 7 = Saturday
// In the catalogue's language, as the chart's header and day labels write them.
std::string weekdayName(Date d);   // "Sunday" ... "Saturday"
std::string weekdayLabel(Date d);  // "Su" ... "Sa"
// Sunday = 0 and January = 0; `brief` for "Sun", "Jan".
std::string weekdayName(int sundayFirst, bool brief);
std::string monthName(int januaryFirst, bool brief);
unsigned dayOfMonth(Date d);

// "4/12/2026": the stored and message form, no leading zeros.
std::string dateText(Date d);
// Reads "d/m/y" (also '-' or '.' between the parts); a two-digit year falls in 1930-2029.
// Anything else, or a day that does not exist, gives nothing.
std::optional<Date> parseDayFirst(std::string_view text);
// ISO "1990-01-31"
std::optional<Date> parseIso(std::string_view text);
std::string toIso(Date d);

}  // namespace tw

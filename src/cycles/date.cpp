#include "cycles/date.h"

#include <array>
#include <charconv>
#include <cstdio>

#include "catalogue/catalogue.h"
#include "cycles/calendar_day.h"

namespace tw {
namespace {

bool readUnsigned(std::string_view s, int& out) {
  if (s.empty() || s.size() > 5) return false;
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
  return ec == std::errc{} && p == s.data() + s.size();
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

}  // namespace

std::chrono::year_month_day toYmd(Date d) {
  return std::chrono::year_month_day{kDayZero + std::chrono::days{d}};
}

Date fromYmd(std::chrono::year_month_day ymd) {
  return static_cast<Date>((std::chrono::sys_days{ymd} - kDayZero).count());
}

Date fromYmd(int y, unsigned m, unsigned d) {
  return fromYmd(std::chrono::year{y} / std::chrono::month{m} / std::chrono::day{d});
}

Date clampDate(long long d) {
  if (d < kFirstDate) return kFirstDate;
  if (d > kLastDate) return kLastDate;
  return static_cast<Date>(d);
}

bool hasCalendarDay(long long d) {
  using namespace std::chrono;
  static const long long first = fromYmd(year::min() / January / 1);
  static const long long last = fromYmd(year::max() / December / 31);
  return d >= first && d <= last;
}

int weekdayNumber(Date d) {
  return static_cast<int>(std::chrono::weekday{kDayZero + std::chrono::days{d}}.c_encoding()) + 1;
}

namespace {

const std::array<Message, 7> kWeekdays{NC_("weekday", "Sunday"),   NC_("weekday", "Monday"),
                                       NC_("weekday", "Tuesday"),  NC_("weekday", "Wednesday"),
                                       NC_("weekday", "Thursday"), NC_("weekday", "Friday"),
                                       NC_("weekday", "Saturday")};
const std::array<Message, 7> kShortWeekdays{
    NC_("short weekday", "Sun"), NC_("short weekday", "Mon"), NC_("short weekday", "Tue"),
    NC_("short weekday", "Wed"), NC_("short weekday", "Thu"), NC_("short weekday", "Fri"),
    NC_("short weekday", "Sat")};
const std::array<Message, 7> kWeekdayLabels{
    // TRANSLATORS: labels of the chart's day columns, under each day's number: keep them two
    // letters (or one wide character) long.
    NC_("weekday, two letters", "Su"), NC_("weekday, two letters", "Mo"),
    NC_("weekday, two letters", "Tu"), NC_("weekday, two letters", "We"),
    NC_("weekday, two letters", "Th"), NC_("weekday, two letters", "Fr"),
    NC_("weekday, two letters", "Sa")};
const std::array<Message, 12> kMonths{
    NC_("month", "January"), NC_("month", "February"), NC_("month", "March"),
    NC_("month", "April"),   NC_("month", "May"),      NC_("month", "June"),
    NC_("month", "July"),    NC_("month", "August"),   NC_("month", "September"),
    NC_("month", "October"), NC_("month", "November"), NC_("month", "December")};
const std::array<Message, 12> kShortMonths{
    NC_("short month", "Jan"), NC_("short month", "Feb"), NC_("short month", "Mar"),
    NC_("short month", "Apr"), NC_("short month", "May"), NC_("short month", "Jun"),
    NC_("short month", "Jul"), NC_("short month", "Aug"), NC_("short month", "Sep"),
    NC_("short month", "Oct"), NC_("short month", "Nov"), NC_("short month", "Dec")};

}  // namespace

std::string weekdayName(int sundayFirst, bool brief) {
  return _((brief ? kShortWeekdays : kWeekdays)[static_cast<std::size_t>(sundayFirst)]);
}

std::string monthName(int januaryFirst, bool brief) {
  return _((brief ? kShortMonths : kMonths)[static_cast<std::size_t>(januaryFirst)]);
}

std::string weekdayName(Date d) { return weekdayName(weekdayNumber(d) - 1, false); }

std::string weekdayLabel(Date d) {
  return _(kWeekdayLabels[static_cast<std::size_t>(weekdayNumber(d) - 1)]);
}

unsigned dayOfMonth(Date d) { return static_cast<unsigned>(toYmd(d).day()); }

std::string dateText(Date d) {
  auto ymd = toYmd(d);
  return std::to_string(static_cast<unsigned>(ymd.day())) + "/" +
         std::to_string(static_cast<unsigned>(ymd.month())) + "/" +
         std::to_string(static_cast<int>(ymd.year()));
}

std::optional<Date> parseDayFirst(std::string_view text) {
  text = trim(text);
  std::array<std::string_view, 3> parts;
  for (std::size_t n = 0; n < 3; ++n) {
    auto cut = text.find_first_of("/-.");
    if ((n < 2) == (cut == std::string_view::npos))
      return std::nullopt;  // need exactly three parts
    parts[n] = text.substr(0, cut);
    text = cut == std::string_view::npos ? std::string_view{} : text.substr(cut + 1);
  }
  int d = 0, m = 0, y = 0;
  if (!readUnsigned(parts[0], d) || !readUnsigned(parts[1], m) || !readUnsigned(parts[2], y))
    return std::nullopt;
  const auto year = writtenYear(y, parts[2].size());
  if (!year) return std::nullopt;
  return calendarDay(*year, m, d);
}

std::optional<Date> parseIso(std::string_view text) {
  text = trim(text);
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  int y = 0, m = 0, d = 0;
  if (!readUnsigned(text.substr(0, 4), y) || !readUnsigned(text.substr(5, 2), m) ||
      !readUnsigned(text.substr(8, 2), d))
    return std::nullopt;
  return calendarDay(y, m, d);
}

std::string toIso(Date d) {
  auto ymd = toYmd(d);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d-%02u-%02u", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
  return buf;
}

}  // namespace tw

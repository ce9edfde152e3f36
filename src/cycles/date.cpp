#include "cycles/date.h"

#include <array>
#include <charconv>
#include <cstdio>

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

const std::string& weekdayName(Date d) {
  static const std::array<std::string, 7> names{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                "Thursday", "Friday", "Saturday"};
  return names[weekdayNumber(d) - 1];
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

#include "cycles/locale.h"

#include <cmath>
#include <cstdio>

namespace tw {

std::array<std::string, 7> catalogueWeekdayNames(bool brief) {
  std::array<std::string, 7> names;
  for (int day = 0; day < 7; ++day) names[static_cast<std::size_t>(day)] = weekdayName(day, brief);
  return names;
}

std::array<std::string, 12> catalogueMonthNames(bool brief) {
  std::array<std::string, 12> names;
  for (int month = 0; month < 12; ++month)
    names[static_cast<std::size_t>(month)] = monthName(month, brief);
  return names;
}

std::string formatNumber(double value, int decimals, bool grouping, const Locale& locale) {
  const double scale = std::pow(10.0, decimals);
  const double scaled = std::round(std::fabs(value) * scale);  // halves away from zero
  if (!std::isfinite(scaled)) return {};
  // A negative value keeps its sign even when it rounds to nothing: -0.001 is "-.00".
  const bool negative = value < 0;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.0f", scaled);
  std::string digits = buf;
  if (static_cast<int>(digits.size()) <= decimals)
    digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
  std::string whole = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
  const std::string frac = digits.substr(whole.size());
  if (whole == "0") whole.clear();  // "#" shows no insignificant leading zero
  std::string out;
  for (std::size_t i = 0; i < whole.size(); ++i) {
    if (grouping && i > 0 && (whole.size() - i) % 3 == 0) out += locale.groupSeparator;
    out += whole[i];
  }
  if (decimals > 0) out += locale.decimalSeparator + frac;
  return negative ? "-" + out : out;
}

std::string formatDate(Date d, std::string_view p, const Locale& locale) {
  const auto ymd = toYmd(d);
  const unsigned day = static_cast<unsigned>(ymd.day());
  const unsigned month = static_cast<unsigned>(ymd.month());
  const int year = static_cast<int>(ymd.year());
  const int weekday = weekdayNumber(d) - 1;
  std::string out;
  for (std::size_t i = 0; i < p.size();) {
    const char c = p[i];
    if (c == '\'') {
      const auto end = p.find('\'', i + 1);
      out += p.substr(i + 1, (end == std::string::npos ? p.size() : end) - i - 1);
      i = end == std::string::npos ? p.size() : end + 1;
      continue;
    }
    std::size_t n = 1;
    while (i + n < p.size() && p[i + n] == c) ++n;
    char buf[16];
    if (c == 'd' && n <= 2) {
      std::snprintf(buf, sizeof buf, n == 2 ? "%02u" : "%u", day);
      out += buf;
    } else if (c == 'd') {
      out += (n == 3 ? locale.shortWeekdayNames : locale.weekdayNames)[weekday];
    } else if (c == 'M' && n <= 2) {
      std::snprintf(buf, sizeof buf, n == 2 ? "%02u" : "%u", month);
      out += buf;
    } else if (c == 'M') {
      out += (n == 3 ? locale.shortMonthNames : locale.monthNames)[month - 1];
    } else if (c == 'y') {
      std::snprintf(buf, sizeof buf, "%04d", year);
      out += buf;
    } else {
      out.append(n, c);
    }
    i += n;
  }
  return out;
}

std::string formatShortDate(Date d, const Locale& locale) {
  return formatDate(d, locale.shortDatePattern, locale);
}

std::string formatLongDate(Date d, const Locale& locale) {
  return formatDate(d, locale.longDatePattern, locale);
}

}  // namespace tw

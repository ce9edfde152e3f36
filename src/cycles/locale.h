#pragma once
// The user's number and date conventions, handed in by the platform (tests use the defaults).
#include <array>
#include <string>
#include <string_view>

#include "cycles/date.h"

namespace tw {

// The names in the catalogue's language (English without one), Sunday and January first.
std::array<std::string, 7> catalogueWeekdayNames(bool brief);
std::array<std::string, 12> catalogueMonthNames(bool brief);

struct Locale {
  std::string groupSeparator = ",";
  std::string decimalSeparator = ".";
  // Pattern letters: d, dd, M, MM, MMM, MMMM, yy/yyyy (years are always written in full),
  // ddd/dddd (weekday names); anything else is copied, text in single quotes literally.
  std::string shortDatePattern = "d/M/yyyy";
  std::string longDatePattern = "dddd, d MMMM yyyy";
  // The names the patterns write, Sunday and January first.
  std::array<std::string, 7> weekdayNames = catalogueWeekdayNames(false);
  std::array<std::string, 7> shortWeekdayNames = catalogueWeekdayNames(true);
  std::array<std::string, 12> monthNames = catalogueMonthNames(false);
  std::array<std::string, 12> shortMonthNames = catalogueMonthNames(true);
};

// A date written in a pattern of the letters above.
std::string formatDate(Date d, std::string_view pattern, const Locale& locale);
// The user's short date form with a four-digit year.
std::string formatShortDate(Date d, const Locale& locale);
// The date in full: weekday, day, month name and year, in the user's words.
std::string formatLongDate(Date d, const Locale& locale);

// A "#"-style format: no leading zero, `decimals` digits after the separator (rounded half away
// from zero), thousands grouped when asked, a leading "-" for every negative value.
std::string formatNumber(double value, int decimals, bool grouping, const Locale& locale);

}  // namespace tw

#pragma once
// The user's number and date conventions, handed in by the platform (tests use the defaults).
#include <string>

#include "cycles/date.h"

namespace tw {

struct Locale {
  std::string groupSeparator = ",";
  std::string decimalSeparator = ".";
  // Pattern letters: d, dd, M, MM, MMM, MMMM, yy/yyyy (years are always written in full),
  // ddd/dddd (weekday names); anything else is copied, text in single quotes literally.
  std::string shortDatePattern = "d/M/yyyy";
};

// The user's short date form with a four-digit year.
std::string formatShortDate(Date d, const Locale& locale);

// A "#"-style format: no leading zero, `decimals` digits after the separator (rounded half away
// from zero), thousands grouped when asked, a leading "-" for every negative value.
std::string formatNumber(double value, int decimals, bool grouping, const Locale& locale);

}  // namespace tw

#include <string>

#include "cycles/calendar_day.h"
#include "cycles/locale.h"
#include "cycles/typed_date.h"

namespace tw {

namespace {

// "dd.MM.yyyy" as "day.month.year".
std::string formWords(std::string_view pattern) {
  std::string words;
  for (std::size_t i = 0; i < pattern.size();) {
    const char c = pattern[i];
    std::size_t n = 1;
    while (i + n < pattern.size() && pattern[i + n] == c) ++n;
    if (c == 'd')
      words += "day";
    else if (c == 'M')
      words += "month";
    else if (c == 'y')
      words += "year";
    else
      words.append(n, c);
    i += n;
  }
  return words;
}

bool blank(std::string_view text) {
  return text.find_first_not_of(" \t") == std::string_view::npos;
}

int digitRuns(std::string_view text) {
  int runs = 0;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] >= '0' && text[i] <= '9' && (i == 0 || text[i - 1] < '0' || text[i - 1] > '9'))
      ++runs;
  return runs;
}

}  // namespace

std::string whyNoDate(std::string_view text, const DateForm& form) {
  if (readTypedDate(text, text.size(), form.order).counts != Counts::Never) return {};
  const std::string expected = formWords(form.pattern);
  const std::string typed(text);
  if (blank(text)) return "Type a date as " + expected + ".";
  const auto written = writtenDate(text, form.order);
  if (!written) {
    if (digitRuns(text) < 3)
      return typed + " is not a whole date: type the day, month and year as " + expected + ".";
    return typed + " is not a date written as " + expected + ".";
  }
  if (written->yearDigits == 3 || written->yearDigits > 4)
    return typed + " has a year of " + std::to_string(written->yearDigits) +
           " digits: type it with 2 or 4.";
  const std::string inOrder =
      typed + " is not a date in " +
      (written->yearFirst && form.order != DateOrder::YearMonthDay ? std::string("year-month-day")
                                                                   : expected) +
      " order: ";
  if (written->month < 1 || written->month > 12)
    return inOrder + "there is no month " + std::to_string(written->month) + ".";
  if (written->day < 1 || written->day > 31)
    return inOrder + "no month has a day " + std::to_string(written->day) + ".";
  const int year = *writtenYear(written->year, written->yearDigits);
  if (year < kFirstYear || year > kLastYear)
    return typed + " is outside the years Tidewell shows, " + std::to_string(kFirstYear) + " to " +
           std::to_string(kLastYear) + ".";
  // Only a day past the month's end is left.
  const auto last = std::chrono::year_month_day_last{
      std::chrono::year{year},
      std::chrono::month_day_last{std::chrono::month{unsigned(written->month)}}};
  return typed + " is not a date: " + Locale{}.monthNames[written->month - 1] + " " +
         std::to_string(year) + " has " + std::to_string(unsigned(last.day())) + " days.";
}

}  // namespace tw

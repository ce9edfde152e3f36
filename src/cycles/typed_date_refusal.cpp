#include <string>

#include "catalogue/catalogue.h"
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
      // TRANSLATORS: the parts of a date form, as in "day/month/year" or "year-month-day".
      words += C_("date form", "day");
    else if (c == 'M')
      words += C_("date form", "month");
    else if (c == 'y')
      words += C_("date form", "year");
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
  // TRANSLATORS: {1} is a date form such as "day/month/year".
  if (blank(text)) return fillIn(_("Type a date as {1}."), expected);
  const auto written = writtenDate(text, form.order);
  if (!written) {
    if (digitRuns(text) < 3)
      // TRANSLATORS: {1} is what was typed, {2} a date form such as "day/month/year".
      return fillIn(_("{1} is not a whole date: type the day, month and year as {2}."), typed,
                    expected);
    // TRANSLATORS: {1} is what was typed, {2} a date form such as "day/month/year".
    return fillIn(_("{1} is not a date written as {2}."), typed, expected);
  }
  if (written->yearDigits == 3 || written->yearDigits > 4)
    // TRANSLATORS: {1} is what was typed, {2} the number of digits its year has (3, 5...).
    return fillIn(_n("{1} has a year of {2} digits: type it with 2 or 4.",
                     "{1} has a year of {2} digits: type it with 2 or 4.",
                     static_cast<unsigned long>(written->yearDigits)),
                  typed, std::to_string(written->yearDigits));
  const std::string order = written->yearFirst && form.order != DateOrder::YearMonthDay
                                ? std::string(C_("date form", "year-month-day"))
                                : expected;
  if (written->month < 1 || written->month > 12)
    // TRANSLATORS: {1} is what was typed, {2} a date form such as "day/month/year", {3} the
    // number typed where the month goes.
    return fillIn(_("{1} is not a date in {2} order: there is no month {3}."), typed, order,
                  std::to_string(written->month));
  if (written->day < 1 || written->day > 31)
    // TRANSLATORS: {1} is what was typed, {2} a date form such as "day/month/year", {3} the
    // number typed where the day goes.
    return fillIn(_("{1} is not a date in {2} order: no month has a day {3}."), typed, order,
                  std::to_string(written->day));
  const int year = *writtenYear(written->year, written->yearDigits);
  if (year < kFirstYear || year > kLastYear)
    // TRANSLATORS: {1} is what was typed; {2} and {3} the first and last years (1601, 9999).
    return fillIn(_("{1} is outside the years Tidewell shows, {2} to {3}."), typed,
                  std::to_string(kFirstYear), std::to_string(kLastYear));
  // Only a day past the month's end is left.
  const auto last = std::chrono::year_month_day_last{
      std::chrono::year{year},
      std::chrono::month_day_last{std::chrono::month{unsigned(written->month)}}};
  const unsigned days = unsigned(last.day());
  // TRANSLATORS: {1} is what was typed, {2} a month's name, {3} the year, {4} the number of
  // days that month has that year (28 to 31).
  return fillIn(_n("{1} is not a date: {2} {3} has {4} days.",
                   "{1} is not a date: {2} {3} has {4} days.", days),
                typed, monthName(written->month - 1, false), std::to_string(year),
                std::to_string(days));
}

}  // namespace tw

#pragma once
// Dates as people type them into a date field: in the user's order of day, month and year,
// with any common separator, as digits only, or in ISO form; and the form the field shows.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "cycles/date.h"

namespace tw {

enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

// How a date field shows its date and reads a typed one.
struct DateForm {
  DateOrder order = DateOrder::DayMonthYear;
  std::string pattern = "dd/MM/yyyy";  // day, month and year in digits, the year in full
};

// The field's form for the user's short date pattern: its order and separators, in digits,
// with the year in full. A pattern that names the month or weekday gives ISO "yyyy-MM-dd".
DateForm dateFormFor(std::string_view shortPattern);

std::string showDate(Date d, const DateForm& form);

// When a typed text counts as the field's date: at once, once the field is left (Return, a
// command or another control), or never.
enum class Counts { Never, WhenLeft, Now };

struct TypedDate {
  Counts counts = Counts::Never;
  Date date = 0;
  bool operator==(const TypedDate&) const = default;
};

// Three groups of digits split by '/', '-', '.', ',' or blanks: a four-digit first group is the
// year (ISO), otherwise the year comes last and day and month stand in the user's order (day
// first where the year leads). Or digits only: 8 in the user's order with a four-digit year, 6
// with a two-digit one. A two-digit year falls in 1930-2029, as in the settings file.
//
// A date counts at once when its year is written in full and the part at `cursor` (where the
// user is typing) is full too: typing 15/06/1988 never takes 15/06/19, and 1988-06-1 waits for
// a second digit of the day. Anything less that is a date counts when the field is left.
TypedDate readTypedDate(std::string_view text, std::size_t cursor, DateOrder order);

// A typed text's numbers as the rules above read them, before any check that they name a day.
struct WrittenDate {
  int day = 0, month = 0, year = 0;
  std::size_t yearDigits = 0;
  bool yearFirst = false;  // read as ISO or in year-month-day order
};
std::optional<WrittenDate> writtenDate(std::string_view text, DateOrder order);

// Why a text left in a field of this form is no date, in words that name the form expected
// ("24/12/1990 is not a date in month/day/year order: there is no month 24."); empty when it
// is one.
std::string whyNoDate(std::string_view text, const DateForm& form);

// Whether `text` holds nothing but digits and the separators a date may be typed with.
bool onlyDateCharacters(std::string_view text);
// The part of the date under the cursor in a shown text: 0, 1 or 2 from the left.
int partAt(std::string_view text, std::size_t cursor);
// Where that part of a shown text ends; the text's end when it has no such part.
std::size_t endOfPart(std::string_view text, int part);
// The date one day, month or year on (delta 1) or back (-1) in the part `part` of `form`; a
// day past the month's end goes to its last day. Stays in kFirstYear-kLastYear.
Date stepDate(Date d, int part, int delta, const DateForm& form);

}  // namespace tw

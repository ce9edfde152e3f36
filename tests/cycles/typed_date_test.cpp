#include "cycles/typed_date.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

// Day, month and year of a typed date, or nothing: readable either side of a failure.
std::string shown(const std::optional<Date>& d) { return d ? toIso(*d) : "no date"; }

std::optional<Date> typedDay(std::string_view text, DateOrder order) {
  const TypedDate typed = readTypedDate(text, text.size(), order);
  return typed.counts == Counts::Never ? std::nullopt : std::optional(typed.date);
}

TEST(TypedDate, ReadsDaysAsTheSettingsFileDoes) {
  const struct {
    const char* name;
    const char* text;
    const char* expected;
  } cases[] = {
      {"pivot, last year of the 2000s", "1/1/29", "2029-01-01"},
      {"pivot, first year of the 1900s", "1/1/30", "1930-01-01"},
      {"one-digit year", "5/6/7", "2007-06-05"},
      {"three-digit year", "1/1/199", "no date"},
      {"four-digit year, blanks around", " 24/12/1990 ", "1990-12-24"},
      {"first day, dots", "1.1.1601", "1601-01-01"},
      {"before the first day", "31/12/1600", "no date"},
      {"last day, dashes", "31-12-9999", "9999-12-31"},
      {"leap day", "29/2/2000", "2000-02-29"},
      {"no leap day in 1900", "29/2/1900", "no date"},
      {"day past the month's end", "31/4/1990", "no date"},
      {"month 13", "1/13/1990", "no date"},
      {"no year", "1/1", "no date"},
      {"four parts", "1/1/2001/5", "no date"},
      {"words", "garbage", "no date"},
      {"nothing", "", "no date"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(shown(parseDayFirst(c.text)), c.expected);
    EXPECT_EQ(shown(typedDay(c.text, DateOrder::DayMonthYear)), c.expected);
  }
}

TEST(TypedDate, ReadsWhatIsTypedInEachOrder) {
  const DateOrder DMY = DateOrder::DayMonthYear, YMD = DateOrder::YearMonthDay;
  const struct {
    const char* name;
    const char* text;
    std::size_t cursor;
    DateOrder order;
    Counts counts;
    const char* expected;
  } cases[] = {
      {"day first", "15/06/1988", 10, DMY, Counts::Now, "1988-06-15"},
      {"month first", "06/15/1988", 10, DateOrder::MonthDayYear, Counts::Now, "1988-06-15"},
      {"year first", "1988.06.15", 10, YMD, Counts::Now, "1988-06-15"},
      {"year first, its year short", "88.06.15", 8, YMD, Counts::WhenLeft, "1988-06-15"},
      {"ISO in a day-first field", "1988-06-15", 10, DMY, Counts::Now, "1988-06-15"},
      {"two-digit year waits", "15/06/19", 8, DMY, Counts::WhenLeft, "2019-06-15"},
      {"day still typed", "1988-06-1", 9, DMY, Counts::WhenLeft, "1988-06-01"},
      {"edited before the year", "15/06/1988", 2, DMY, Counts::Now, "1988-06-15"},
      {"eight digits year first", "19880615", 8, YMD, Counts::Now, "1988-06-15"},
      {"five-digit year", "1/1/19900", 9, DMY, Counts::Never, "1899-12-30"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TypedDate typed = readTypedDate(c.text, c.cursor, c.order);
    EXPECT_EQ(static_cast<int>(typed.counts), static_cast<int>(c.counts));
    EXPECT_EQ(toIso(typed.date), c.expected);
  }
}

// The fields' forms for the short date patterns of en_GB, en_US and de_DE.
TEST(TypedDate, SaysWhyATextIsNoDateInTheUsersForm) {
  const DateForm british = dateFormFor("dd/MM/yyyy"), american = dateFormFor("M/d/yy"),
                 german = dateFormFor("dd.MM.yy");
  const struct {
    const char* name;
    const DateForm& form;
    const char* text;
    const char* expected;
  } cases[] = {
      {"month first in en_GB", british, "12/24/1990",
       "12/24/1990 is not a date in day/month/year order: there is no month 24."},
      {"no year", british, "24/12",
       "24/12 is not a whole date: type the day, month and year as day/month/year."},
      {"31 February", british, "31/02/1990",
       "31/02/1990 is not a date: February 1990 has 28 days."},
      {"day 32", american, "1/32/1990",
       "1/32/1990 is not a date in month/day/year order: no month has a day 32."},
      {"ISO month 13", british, "1990-13-01",
       "1990-13-01 is not a date in year-month-day order: there is no month 13."},
      {"three-digit year", german, "1.1.199",
       "1.1.199 has a year of 3 digits: type it with 2 or 4."},
      {"before 1601", british, "1/1/1600",
       "1/1/1600 is outside the years Tidewell shows, 1601 to 9999."},
      {"four parts", british, "1/2/3/4", "1/2/3/4 is not a date written as day/month/year."},
      {"emptied", german, " ", "Type a date as day.month.year."},
      {"a date", american, "12/24/1990", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(whyNoDate(c.text, c.form), c.expected) << c.name;
}

}  // namespace
}  // namespace tw

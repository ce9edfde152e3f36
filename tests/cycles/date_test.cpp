#include "cycles/date.h"

#include <gtest/gtest.h>

#include "cycles/locale.h"

namespace tw {
namespace {

TEST(Date, KnownDaysAndWeekdays) {
  EXPECT_EQ(fromYmd(1899, 12, 30), 0);
  EXPECT_EQ(fromYmd(1601, 1, 1), kFirstDate);
  EXPECT_EQ(fromYmd(9999, 12, 31), kLastDate);
  const struct { Date d; int weekday; const char* name; } cases[] = {
      {0, 7, "Saturday"},  // 30/12/1899
      {fromYmd(2001, 1, 7), 1, "Sunday"}, {fromYmd(2001, 1, 31), 4, "Wednesday"},
      {kFirstDate, 2, "Monday"},          {kLastDate, 6, "Friday"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(weekdayNumber(c.d), c.weekday) << c.d;
    EXPECT_EQ(weekdayName(c.d), c.name) << c.d;
  }
}

TEST(Date, TextFormAndReadingItBackDayFirst) {
  for (const auto& [d, text] : {std::pair{fromYmd(2001, 1, 31), "31/1/2001"}, {kFirstDate, "1/1/1601"},
                                {kLastDate, "31/12/9999"}, {0, "30/12/1899"}}) {
    EXPECT_EQ(DateToString(d), text);
    EXPECT_EQ(parseDayFirst(text), d);
  }
  const struct { const char* text; std::optional<Date> expected; } cases[] = {
      {"1/1/90", fromYmd(1990, 1, 1)}, {"1/1/29", fromYmd(2029, 1, 1)}, {"31-12-9999", kLastDate},
      {" 7.1.2001 ", fromYmd(2001, 1, 7)}, {"garbage", std::nullopt}, {"31/2/2001", std::nullopt},
      {"1/13/2001", std::nullopt}, {"1/1/1600", std::nullopt}, {"1/1/10000", std::nullopt},
      {"1/1", std::nullopt}, {"1/1/2001/5", std::nullopt}, {"-1/1/2000", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(parseDayFirst(c.text), c.expected) << c.text;
}

TEST(Date, ShortDatePatterns) {
  const struct { const char* pattern; const char* expected; } cases[] = {
      {"d/M/yyyy", "7/1/2001"},     {"dd.MM.yyyy", "07.01.2001"},
      {"M/d/yy", "1/7/2001"},  // years are always written in full
      {"yyyy-MM-dd", "2001-01-07"}, {"dddd, d MMMM yyyy", "Sunday, 7 January 2001"},
      {"ddd d MMM", "Sun 7 Jan"},   {"d 'de' MMMM", "7 de January"},
  };
  for (const auto& c : cases) {
    Locale locale;
    locale.shortDatePattern = c.pattern;
    EXPECT_EQ(formatShortDate(fromYmd(2001, 1, 7), locale), c.expected) << c.pattern;
  }
}

}  // namespace
}  // namespace tw

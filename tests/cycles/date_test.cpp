#include "cycles/date.h"

#include <gtest/gtest.h>

#include "cycles/locale.h"

namespace tw {
namespace {

TEST(Date, ShortDatePatterns) {
  const struct {
    const char* pattern;
    const char* expected;
  } cases[] = {
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

// Dates as the fields show them: years always in four digits.
#include <gtest/gtest.h>


#include "platform/qt_locale.h"

using tw::platform::fullYears;

TEST(Locale, YearsOfOneToThreeLettersBecomeFour) {
  const struct {
    const char* format;
    const char* expected;
  } rows[] = {
      {"d/M/yy", "d/M/yyyy"},       {"dd.MM.yyyy", "dd.MM.yyyy"}, {"y-MM-dd", "yyyy-MM-dd"},
      {"yyy/M/d", "yyyy/M/d"},      {"yyyyy", "yyyyy"},           {"d MMM", "d MMM"},
      {"yy, d. M. yy", "yyyy, d. M. yyyy"}, {"", ""},
  };
  for (const auto& row : rows)
    EXPECT_EQ(fullYears(QString::fromLatin1(row.format)).toStdString(), row.expected) << row.format;
  EXPECT_EQ(tw::platform::shortDateFormat(QLocale(QLocale::German, QLocale::Germany)).toStdString(),
            "dd.MM.yyyy");
}

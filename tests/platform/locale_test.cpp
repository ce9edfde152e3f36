// Dates as the pickers show them: years always in four digits, in a face that fits the field.
#include <gtest/gtest.h>

#include <QDateEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

#include "platform/qt_controls.h"
#include "platform/qt_locale.h"
#include "platform/qt_surface.h"
#include "qt_app.h"

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

// The pickers' face is fitted from one measured text; whatever the format, no date of the year
// is then wider than the field (unless even the least size is too wide), and a quarter point
// more would not fit.
TEST(Locale, DateFaceFitsEveryDateOfTheYearAndNoLargerOne) {
  tw::test::qtApp();
  for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany),
                                QLocale(QLocale::English, QLocale::UnitedStates),
                                QLocale(QLocale::French, QLocale::France)}) {
    for (const char* format : {"dd/MM/yyyy", "d MMM yyyy", "ddd d MMM yyyy"}) {
      SCOPED_TRACE(locale.name().toStdString() + " " + format);
      QDateEdit edit;
      edit.setLocale(locale);
      edit.setFont(tw::platform::programFont(8));
      edit.setDisplayFormat(QString::fromLatin1(format));
      edit.setCalendarPopup(true);
      edit.resize(80, 25);
      tw::platform::fitDateFont(&edit, 9.75);
      QStyleOptionComboBox opt;
      opt.initFrom(&edit);
      opt.editable = true;
      opt.frame = true;
      opt.subControls = QStyle::SC_All;
      const int room = edit.style()->subControlRect(QStyle::CC_ComboBox, &opt,
                                                    QStyle::SC_ComboBoxEditField, &edit).width() - 4;
      const auto widest = [&](const QFont& font) {
        int w = 0;
        for (QDate d(2024, 1, 1); d.year() == 2024; d = d.addDays(1))
          w = std::max(w, QFontMetrics(font).horizontalAdvance(locale.toString(d, edit.displayFormat())));
        return w;
      };
      const double size = edit.font().pointSizeF();
      QFont larger = edit.font();
      larger.setPointSizeF(size + 0.25);
      if (size > 6) EXPECT_LE(widest(edit.font()), room) << size;  // 6 points is the least
      if (size < 9.75) EXPECT_GT(widest(larger), room) << size;
    }
  }
}

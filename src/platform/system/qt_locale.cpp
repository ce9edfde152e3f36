#include "platform/system/qt_locale.h"

namespace tw::platform {

// Scanned by hand: a regular expression here would bring its whole engine into memory at
// every start.
QString fullYears(const QString& format) {
  QString result;
  for (qsizetype i = 0; i < format.size();) {
    qsizetype run = 0;
    while (i + run < format.size() && format[i + run] == u'y') ++run;
    if (run == 0) {
      result += format[i++];
      continue;
    }
    result += run < 4 ? QStringLiteral("yyyy") : format.mid(i, run);
    i += run;
  }
  return result;
}

QString shortDateFormat(const QLocale& locale) {
  return fullYears(locale.dateFormat(QLocale::ShortFormat));
}

Locale userLocale(const QLocale& locale) {
  Locale l;
  l.groupSeparator = locale.groupSeparator().toStdString();
  l.decimalSeparator = locale.decimalPoint().toStdString();
  l.shortDatePattern = shortDateFormat(locale).toStdString();
  l.longDatePattern = fullYears(locale.dateFormat(QLocale::LongFormat)).toStdString();
  for (int day = 0; day < 7; ++day) {
    const int qtDay = day == 0 ? 7 : day;  // Qt counts from Monday
    l.weekdayNames[day] = locale.dayName(qtDay, QLocale::LongFormat).toStdString();
    l.shortWeekdayNames[day] = locale.dayName(qtDay, QLocale::ShortFormat).toStdString();
  }
  for (int month = 0; month < 12; ++month) {
    l.monthNames[month] = locale.monthName(month + 1, QLocale::LongFormat).toStdString();
    l.shortMonthNames[month] = locale.monthName(month + 1, QLocale::ShortFormat).toStdString();
  }
  return l;
}

}  // namespace tw::platform

#include "platform/qt_locale.h"

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
  return l;
}

}  // namespace tw::platform

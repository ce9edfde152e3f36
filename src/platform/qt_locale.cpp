#include "platform/qt_locale.h"

#include <QRegularExpression>

namespace tw::platform {

QString shortDateFormat(const QLocale& locale) {
  QString format = locale.dateFormat(QLocale::ShortFormat);
  static const QRegularExpression shortYear(QStringLiteral("(?<!y)y{1,3}(?!y)"));
  format.replace(shortYear, QStringLiteral("yyyy"));
  return format;
}

Locale userLocale(const QLocale& locale) {
  Locale l;
  l.groupSeparator = locale.groupSeparator().toStdString();
  l.decimalSeparator = locale.decimalPoint().toStdString();
  l.shortDatePattern = shortDateFormat(locale).toStdString();
  return l;
}

}  // namespace tw::platform

#pragma once
// The user's number and date conventions, from the system locale.
#include <QLocale>
#include <QString>

#include "cycles/locale.h"

namespace tw::platform {

// A date format with every year of one to three letters written in full ("d/M/yy" -> "d/M/yyyy").
QString fullYears(const QString& format);

// The locale's short date format with every year written in full.
QString shortDateFormat(const QLocale& locale = QLocale());

Locale userLocale(const QLocale& locale = QLocale());

}  // namespace tw::platform

#include "platform/system/qt_utc_clock.h"

#include <QDateTime>

namespace tw::platform {

UtcTime utcNow() {
  const QDateTime now = QDateTime::currentDateTimeUtc();
  const QDate d = now.date();
  return {fromYmd(d.year(), static_cast<unsigned>(d.month()), static_cast<unsigned>(d.day())),
          now.time().msecsSinceStartOfDay() / 1000};
}

}  // namespace tw::platform

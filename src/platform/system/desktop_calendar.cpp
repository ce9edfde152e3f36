#include "platform/system/desktop_calendar.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace tw::platform {

// Asked beforehand, because the opener's answer says too little: openUrl is true as soon as
// xdg-open (or the portal's request) has started, whatever becomes of the file, and xdg-open
// with no program for a type falls back to a web browser. xdg-mime answers from the same
// associations xdg-open follows, the desktop's own where it has them; an empty answer, or no
// xdg-mime at all (then no xdg-open either), means nothing would import the file.
bool DesktopCalendar::hasCalendarProgram() {
  QProcess query;
  query.start(QStringLiteral("xdg-mime"),
              {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/calendar")},
              QIODevice::ReadOnly);
  if (!query.waitForFinished(5000)) {
    query.kill();
    query.waitForFinished(1000);
    return false;
  }
  return query.exitStatus() == QProcess::NormalExit && query.exitCode() == 0 &&
         !query.readAllStandardOutput().trimmed().isEmpty();
}

bool DesktopCalendar::open(const std::string& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

}  // namespace tw::platform

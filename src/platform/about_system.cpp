#include "platform/about_system.h"

#include <QFileInfo>
#include <QProcess>
#include <QString>

namespace tw::platform {

bool QtFileLookup::FileExists(const std::string& path) const {
  return QFileInfo(QString::fromStdString(path)).isFile();
}

bool QtProgramStarter::Shell(const std::string& path, int) {
  return QProcess::startDetached(QString::fromStdString(path), {});
}

}  // namespace tw::platform

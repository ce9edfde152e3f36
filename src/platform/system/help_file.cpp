#include "platform/system/help_file.h"

#include <QDir>
#include <QFileInfo>

namespace tw::platform {

QString findHelpFile(const QString& programDir) {
  const QDir dir(programDir);
  const QString beside = QDir::cleanPath(dir.filePath(kHelpFileName));
  const QString installed =
      QDir::cleanPath(dir.filePath(QStringLiteral("../share/tidewell/") + kHelpFileName));
  for (const QString& path : {beside, installed})
    if (QFileInfo(path).isFile()) return path;
  return beside;
}

}  // namespace tw::platform

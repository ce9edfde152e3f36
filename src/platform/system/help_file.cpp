#include "platform/system/help_file.h"

#include <QDir>
#include <QFileInfo>

namespace tw::platform {

namespace {

// programDir/beside if it is there, else programDir/installed, else programDir/beside.
QString besideOrInstalled(const QString& programDir, const QString& beside,
                          const QString& installed, bool folder) {
  const QDir dir(programDir);
  const QString paths[] = {QDir::cleanPath(dir.filePath(beside)),
                           QDir::cleanPath(dir.filePath(installed))};
  for (const QString& path : paths) {
    const QFileInfo info(path);
    if (folder ? info.isDir() : info.isFile()) return path;
  }
  return paths[0];
}

}  // namespace

QString findHelpFile(const QString& programDir, const QString& language) {
  // A language with a country ("pt_BR") may have only its language's help ("pt").
  QStringList folders;
  if (!language.isEmpty()) folders << language + QLatin1Char('/');
  if (language.contains(QLatin1Char('_')))
    folders << language.section(QLatin1Char('_'), 0, 0) + QLatin1Char('/');
  const QDir dir(programDir);
  for (const QString& folder : folders) {
    for (const QString& path :
         {dir.filePath(folder + kHelpFileName),
          dir.filePath(QStringLiteral("../share/tidewell/") + folder + kHelpFileName)})
      if (QFileInfo(path).isFile()) return QDir::cleanPath(path);
  }
  return besideOrInstalled(programDir, kHelpFileName,
                           QStringLiteral("../share/tidewell/") + kHelpFileName, false);
}

QString findLocaleDir(const QString& programDir) {
  return besideOrInstalled(programDir, QStringLiteral("locale"), QStringLiteral("../share/locale"),
                           true);
}

}  // namespace tw::platform

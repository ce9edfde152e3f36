#include "platform/system/qt_system_info_tool.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace tw::platform {

const QStringList& QtSystemInfoTool::candidates() {
  static const QStringList names{
      QStringLiteral("hardinfo2"),
      QStringLiteral("hardinfo"),
      QStringLiteral("kinfocenter"),
      QStringLiteral("lshw-gtk"),
      QStringLiteral("gnome-system-monitor"),
  };
  return names;
}

QtSystemInfoTool::QtSystemInfoTool(QString searchPath) : searchPath_(std::move(searchPath)) {}

QtSystemInfoTool::QtSystemInfoTool() : QtSystemInfoTool(qEnvironmentVariable("PATH")) {}

std::optional<std::string> QtSystemInfoTool::find() const {
  // Empty entries (the current folder) are skipped: only installed programs count.
  const QStringList folders = searchPath_.split(QLatin1Char(':'), Qt::SkipEmptyParts);
  for (const QString& name : candidates()) {
    for (const QString& folder : folders) {
      const QFileInfo f(QDir(folder).filePath(name));
      if (f.isFile() && f.isExecutable()) return f.absoluteFilePath().toStdString();
    }
  }
  return std::nullopt;
}

bool QtSystemInfoTool::start(const std::string& path) {
  return QProcess::startDetached(QString::fromStdString(path), {});
}

}  // namespace tw::platform

#include "platform/registry_sysinfo.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <cstring>

#include "commands/frm_about.h"

namespace tw::platform {

namespace {
constexpr std::int32_t kInvalidHandle = 6;
constexpr std::int32_t kMoreData = 234;
}  // namespace

const QStringList& SysInfoRegistry::candidates() {
  static const QStringList names{
      QStringLiteral("hardinfo2"),   QStringLiteral("hardinfo"),
      QStringLiteral("kinfocenter"), QStringLiteral("lshw-gtk"),
      QStringLiteral("gnome-system-monitor"),
  };
  return names;
}

SysInfoRegistry::SysInfoRegistry(QString searchPath) : searchPath_(std::move(searchPath)) {}

SysInfoRegistry::SysInfoRegistry() : SysInfoRegistry(qEnvironmentVariable("PATH")) {}

QString SysInfoRegistry::findTool() const {
  // Empty entries (the current folder) are skipped: only installed programs count.
  const QStringList folders = searchPath_.split(QLatin1Char(':'), Qt::SkipEmptyParts);
  for (const QString& name : candidates()) {
    for (const QString& folder : folders) {
      const QFileInfo f(QDir(folder).filePath(name));
      if (f.isFile() && f.isExecutable()) return f.absoluteFilePath();
    }
  }
  return {};
}

std::int32_t SysInfoRegistry::RegOpenKeyEx(HKEY key, const std::string& subKey, std::uint32_t,
                                           std::uint32_t, HKEY& result) {
  const bool toolKey =
      key == HKEY_LOCAL_MACHINE &&
      QString::fromStdString(subKey).compare(QLatin1String(sysinfo_keys::PathKey),
                                             Qt::CaseInsensitive) == 0;
  if (!toolKey) return ERROR_FILE_NOT_FOUND;
  tool_ = findTool();
  if (tool_.isEmpty()) return ERROR_FILE_NOT_FOUND;
  result = next_++;
  open_.insert(result);
  return ERROR_SUCCESS;
}

std::int32_t SysInfoRegistry::RegQueryValueEx(HKEY key, const std::string& valueName,
                                              std::uint32_t& type, char* data,
                                              std::uint32_t& size) {
  if (!open_.count(key)) return kInvalidHandle;
  if (QString::fromStdString(valueName).compare(QLatin1String(sysinfo_keys::PathValue),
                                                Qt::CaseInsensitive) != 0)
    return ERROR_FILE_NOT_FOUND;
  // A text value carries its closing NUL, as the registry stores texts.
  QByteArray bytes = tool_.toUtf8();
  bytes.append('\0');
  if (static_cast<std::uint32_t>(bytes.size()) > size) return kMoreData;
  std::memcpy(data, bytes.constData(), static_cast<std::size_t>(bytes.size()));
  type = REG_SZ;
  size = static_cast<std::uint32_t>(bytes.size());
  return ERROR_SUCCESS;
}

std::int32_t SysInfoRegistry::RegCloseKey(HKEY key) {
  return open_.erase(key) ? ERROR_SUCCESS : kInvalidHandle;
}

}  // namespace tw::platform

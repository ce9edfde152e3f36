#pragma once
// The registry as the About box sees it on this platform: the system-information tool's key
// names the first such program found on the user's PATH; no other key exists.
#include <QString>
#include <QStringList>
#include <set>

#include "commands/about_platform.h"

namespace tw::platform {

class SysInfoRegistry : public Registry {
 public:
  // Programs that show the machine's hardware and system, in the order they are preferred.
  static const QStringList& candidates();

  // `searchPath` is a PATH value: folders separated by ':'.
  explicit SysInfoRegistry(QString searchPath);
  SysInfoRegistry();  // the user's PATH

  // The first candidate found along the search path, or an empty text.
  QString findTool() const;

  std::int32_t RegOpenKeyEx(HKEY key, const std::string& subKey, std::uint32_t options,
                            std::uint32_t access, HKEY& result) override;
  std::int32_t RegQueryValueEx(HKEY key, const std::string& valueName, std::uint32_t& type,
                               char* data, std::uint32_t& size) override;
  std::int32_t RegCloseKey(HKEY key) override;

 private:
  QString searchPath_;
  QString tool_;  // of the key opened last
  std::set<HKEY> open_;
  HKEY next_ = 0x1000;
};

}  // namespace tw::platform

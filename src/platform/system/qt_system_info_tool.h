#pragma once
// The system-information tool of this desktop: the first of the usual hardware and system
// viewers found on the user's PATH.
#include <QString>
#include <QStringList>

#include "commands/about_box.h"

namespace tw::platform {

class QtSystemInfoTool : public SystemInfoTool {
 public:
  // Programs that show the machine's hardware and system, in the order they are preferred.
  static const QStringList& candidates();

  // `searchPath` is a PATH value: folders separated by ':'.
  explicit QtSystemInfoTool(QString searchPath);
  QtSystemInfoTool();  // the user's PATH

  std::optional<std::string> find() const override;
  bool start(const std::string& path) override;  // detached: it shows its own window

 private:
  QString searchPath_;
};

}  // namespace tw::platform

#include "platform/qt_system_info_tool.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tw::platform {
namespace {

QString makeFile(const QTemporaryDir& dir, const QString& rel, bool executable) {
  const QString path = dir.filePath(rel);
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | (executable ? QFile::ExeOwner : QFile::Permissions{}));
  return path;
}

TEST(SystemInfoTool, TheFirstProgramOfTheListFoundOnThePathIsTheTool) {
  QTemporaryDir dir;
  makeFile(dir, "a/kinfocenter", true);
  const QString hardinfo = makeFile(dir, "b/hardinfo", true);
  makeFile(dir, "a/hardinfo2", false);         // not a program
  QDir().mkpath(dir.filePath("c/hardinfo2"));  // a folder
  using Found = std::optional<std::string>;
  EXPECT_EQ(QtSystemInfoTool(dir.filePath("c") + ":" + dir.filePath("a") + "::" + dir.filePath("b")).find(),
            hardinfo.toStdString());
  EXPECT_EQ(QtSystemInfoTool(dir.filePath("a")).find(), dir.filePath("a/kinfocenter").toStdString());
  EXPECT_EQ(QtSystemInfoTool(dir.filePath("c")).find(), Found{});
  EXPECT_EQ(QtSystemInfoTool("").find(), Found{});
}

}  // namespace
}  // namespace tw::platform

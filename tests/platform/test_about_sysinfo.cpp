#include "platform/registry_sysinfo.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "commands/frm_about.h"
#include "mock/about_fakes.h"
#include "platform/about_system.h"

namespace {

using namespace tw;
using tw::platform::QtFileLookup;
using tw::platform::SysInfoRegistry;

QString makeFile(const QTemporaryDir& dir, const QString& rel, bool executable) {
  const QString path = dir.filePath(rel);
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write("#!/bin/sh\n");
  f.close();
  auto perms = QFile::ReadOwner | QFile::WriteOwner;
  if (executable) perms |= QFile::ExeOwner;
  f.setPermissions(perms);
  return path;
}

TEST(AboutSysInfo, TheFirstProgramOfTheListFoundOnThePathIsTheTool) {
  QTemporaryDir dir;
  makeFile(dir, "a/kinfocenter", true);
  const QString hardinfo = makeFile(dir, "b/hardinfo", true);
  makeFile(dir, "a/hardinfo2", false);     // not a program
  QDir().mkpath(dir.filePath("c/hardinfo2"));  // a folder
  const QString path = dir.filePath("c") + ":" + dir.filePath("a") + "::" + dir.filePath("b");
  EXPECT_EQ(SysInfoRegistry(path).findTool(), hardinfo);
  EXPECT_EQ(SysInfoRegistry(dir.filePath("a")).findTool(), dir.filePath("a/kinfocenter"));
  EXPECT_EQ(SysInfoRegistry(dir.filePath("c")).findTool(), "");
  EXPECT_EQ(SysInfoRegistry("").findTool(), "");
}

TEST(AboutSysInfo, OnlyTheToolsOwnKeyAndValueAnswer) {
  QTemporaryDir dir;
  const QString tool = makeFile(dir, "bin/gnome-system-monitor", true);
  SysInfoRegistry reg(dir.filePath("bin"));
  const struct {
    HKEY root;
    const char* key;
    bool opens;
  } keys[] = {
      {HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", true},
      {HKEY_LOCAL_MACHINE, "software\\microsoft\\shared tools\\msinfo", true},
      {0x80000001, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", false},
      {HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", false},
      {HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools", false},
  };
  for (const auto& k : keys) {
    HKEY h = 0;
    EXPECT_EQ(reg.RegOpenKeyEx(k.root, k.key, 0, KEY_ABOUT_ACCESS, h) == ERROR_SUCCESS, k.opens)
        << k.key;
    if (!k.opens) continue;
    std::string buf(1024, 'x');
    std::uint32_t type = 0, size = 1024;
    ASSERT_EQ(reg.RegQueryValueEx(h, "PATH", type, buf.data(), size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(buf.substr(0, size), tool.toStdString() + std::string(1, '\0'));
    size = 1024;
    EXPECT_NE(reg.RegQueryValueEx(h, "MSINFO", type, buf.data(), size), ERROR_SUCCESS);
    size = 4;  // too small for the path
    EXPECT_NE(reg.RegQueryValueEx(h, "PATH", type, buf.data(), size), ERROR_SUCCESS);
    EXPECT_EQ(reg.RegCloseKey(h), ERROR_SUCCESS);
    size = 1024;
    EXPECT_NE(reg.RegQueryValueEx(h, "PATH", type, buf.data(), size), ERROR_SUCCESS)
        << "a closed key still answered";
  }
}

TEST(AboutSysInfo, SystemInfoStartsTheToolFoundOrSaysItIsUnavailable) {
  QTemporaryDir dir;
  const QString tool = makeFile(dir, "bin/lshw-gtk", true);
  QDir().mkpath(dir.filePath("empty"));

  QtFileLookup files;
  SysInfoRegistry withTool(dir.filePath("bin")), withoutTool(dir.filePath("empty"));
  tw::test::AboutFixture with(&withTool, &files);
  with.form.cmdSysInfo_Click();
  EXPECT_EQ(with.starter.started, std::vector<std::string>{tool.toStdString()});
  EXPECT_TRUE(with.messages.shown.empty());

  tw::test::AboutFixture without(&withoutTool, &files);
  without.form.cmdSysInfo_Click();
  EXPECT_TRUE(without.starter.started.empty());
  ASSERT_EQ(without.messages.shown.size(), 1u);
  EXPECT_EQ(without.messages.shown[0].prompt, "System Information Is Unavailable At This Time");
}

}  // namespace

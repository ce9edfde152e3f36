// The About box on Qt, and the system-information tool found on the PATH behind its registry.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>

#include "mock/about_fakes.h"
#include "platform/qt_about_box.h"
#include "platform/about_system.h"
#include "platform/registry_sysinfo.h"
#include "qt_app.h"

namespace tw::platform {
namespace {

TEST(QtAbout, LoadFillsTheBoxTheButtonsWorkAndTheIconInvertsOnDoubleClick) {
  test::qtApp();
  test::FakeRegistry registry;
  test::FakeFiles files;
  test::FakeStarter starter;
  QtAboutBox box{nullptr, registry, files, starter};
  box.fill();
  EXPECT_EQ(box.dialog->windowTitle(), "About Tidewell");
  EXPECT_EQ(box.title->text(), "Tidewell 1.3.18");
  for (QLabel* l : {box.notice, box.contact})  // the stored CR LF shown as one line break
    EXPECT_TRUE(l->text().count('\n') == 1 && !l->text().contains('\r')) << l->text().toStdString();
  registry.set(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", test::regText("/usr/bin/hardinfo"));
  box.cmdSysInfo->click();
  EXPECT_EQ(starter.started, std::vector<std::string>{"/usr/bin/hardinfo"});
  box.dialog->show();
  box.cmdOK->click();
  EXPECT_FALSE(box.dialog->isVisible());

  const QImage original = box.icon->picture();
  ASSERT_EQ(original.size(), QSize(32, 32));
  ASSERT_NE(original.pixel(16, 16), original.pixel(0, 0));  // the icon is drawn, not a blank
  const auto doubleClick = [&] {
    QMouseEvent press(QEvent::MouseButtonDblClick, QPointF(16, 16), box.icon->mapToGlobal(QPointF(16, 16)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box.icon, &press);
  };
  doubleClick();
  const QImage inverted = box.icon->shown();
  int wrong = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) wrong += (inverted.pixel(x, y) & 0xFFFFFF) != (~original.pixel(x, y) & 0xFFFFFF);
  EXPECT_EQ(wrong, 0);
  doubleClick();
  EXPECT_EQ(box.icon->shown(), original);
}

QString makeFile(const QTemporaryDir& dir, const QString& rel, bool executable) {
  const QString path = dir.filePath(rel);
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | (executable ? QFile::ExeOwner : QFile::Permissions{}));
  return path;
}

TEST(AboutSysInfo, TheFirstProgramOfTheListFoundOnThePathIsTheTool) {
  QTemporaryDir dir;
  makeFile(dir, "a/kinfocenter", true);
  const QString hardinfo = makeFile(dir, "b/hardinfo", true);
  makeFile(dir, "a/hardinfo2", false);         // not a program
  QDir().mkpath(dir.filePath("c/hardinfo2"));  // a folder
  EXPECT_EQ(SysInfoRegistry(dir.filePath("c") + ":" + dir.filePath("a") + "::" + dir.filePath("b")).findTool(), hardinfo);
  EXPECT_EQ(SysInfoRegistry(dir.filePath("a")).findTool(), dir.filePath("a/kinfocenter"));
  EXPECT_EQ(SysInfoRegistry(dir.filePath("c")).findTool(), "");
  EXPECT_EQ(SysInfoRegistry("").findTool(), "");
}

TEST(AboutSysInfo, OnlyTheToolsOwnKeyAndValueAnswerAndTheBoxStartsIt) {
  QTemporaryDir dir;
  const QString tool = makeFile(dir, "bin/gnome-system-monitor", true);
  SysInfoRegistry reg(dir.filePath("bin"));
  const struct { HKEY root; const char* key; bool opens; } keys[] = {
      {HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", true},
      {HKEY_LOCAL_MACHINE, "software\\microsoft\\shared tools\\msinfo", true},
      {0x80000001, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", false},
      {HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", false},
  };
  for (const auto& k : keys) {
    SCOPED_TRACE(k.key);
    HKEY h = 0;
    ASSERT_EQ(reg.RegOpenKeyEx(k.root, k.key, 0, KEY_ABOUT_ACCESS, h) == ERROR_SUCCESS, k.opens);
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
  }
  QDir().mkpath(dir.filePath("empty"));
  QtFileLookup files;
  SysInfoRegistry withoutTool(dir.filePath("empty"));
  test::AboutFixture with(&reg, &files), without(&withoutTool, &files);
  with.main.startSystemInfo();
  without.main.startSystemInfo();
  EXPECT_EQ(with.starter.started, std::vector<std::string>{tool.toStdString()});
  EXPECT_TRUE(with.messages.shown.empty() && without.starter.started.empty());
  ASSERT_EQ(without.messages.shown.size(), 1u);
  EXPECT_EQ(without.messages.shown[0].prompt, "System Information Is Unavailable At This Time");
}

}  // namespace
}  // namespace tw::platform

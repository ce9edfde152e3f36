// The About box on Qt, and the system-information tool found on the PATH.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>

#include "mock/about_fakes.h"
#include "platform/qt_about_box.h"
#include "platform/qt_system_info_tool.h"
#include "qt_app.h"
#include "version.h"

namespace tw::platform {
namespace {

TEST(QtAbout, FillShowsTheTextsTheButtonsWorkAndTheIconInvertsOnDoubleClick) {
  test::qtApp();
  test::FakeSystemInfoTool tool;
  QtAboutBox box{nullptr, tool};
  box.fill();
  EXPECT_EQ(box.dialog->windowTitle(), "About Tidewell");
  EXPECT_EQ(box.title->text(), QString("Tidewell ") + kVersion);
  for (QLabel* l : {box.notice, box.contact}) {  // the stored CR LF shown as one line break
    EXPECT_EQ(l->text().count('\n'), 1) << l->text().toStdString();
    EXPECT_FALSE(l->text().contains('\r')) << l->text().toStdString();
  }
  tool.path = "/usr/bin/hardinfo";
  box.systemInfoButton->click();
  EXPECT_EQ(tool.started, std::vector<std::string>{"/usr/bin/hardinfo"});
  box.dialog->show();
  box.okButton->click();
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

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "platform/app_root.h"
#include "platform/qt_services.h"
#include "qt_app.h"

namespace tw::platform {
namespace {

struct BoxSeen {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
};

// Shows a real box and presses `press` in it once it is up.
int answer(int style, const std::string& title, QMessageBox::StandardButton press, BoxSeen& seen) {
  QTimer::singleShot(0, [&seen, press] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return ADD_FAILURE() << "no message box up";
    seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
    box->button(press)->click();
  });
  QtMessageBoxes boxes;
  return boxes.MsgBox("first line\r\nsecond line", style, title);
}

TEST(MessageBoxes, StyleGivesButtonsAndIconAndTheButtonGivesTheAnswer) {
  test::qtApp();
  struct Case {
    int style;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon;
    QMessageBox::StandardButton press;
    int result;
  };
  const Case cases[] = {
      {0, QMessageBox::Ok, QMessageBox::NoIcon, QMessageBox::Ok, 1},
      {64, QMessageBox::Ok, QMessageBox::Information, QMessageBox::Ok, 1},
      {48, QMessageBox::Ok, QMessageBox::Warning, QMessageBox::Ok, 1},
      {16, QMessageBox::Ok, QMessageBox::Critical, QMessageBox::Ok, 1},
      {4 + 32, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, QMessageBox::Yes, 6},
      {4 + 48, QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning, QMessageBox::No, 7},
  };
  for (const auto& c : cases) {
    BoxSeen seen;
    EXPECT_EQ(answer(c.style, "Chart key", c.press, seen), c.result) << c.style;
    EXPECT_EQ(seen.buttons, c.buttons) << c.style;
    EXPECT_EQ(seen.icon, c.icon) << c.style;
    EXPECT_EQ(seen.title, "Chart key");
    EXPECT_EQ(seen.text, "first line\nsecond line");
  }
}

TEST(MessageBoxes, NoTitleShowsTheProgramsName) {
  test::qtApp();
  BoxSeen seen;
  answer(0, "", QMessageBox::Ok, seen);
  EXPECT_EQ(seen.title, "Tidewell");
}

// After "Exit" has saved everything, closing the window must not save again.
TEST(ProgramEnd, ExitSavesOnceAndTheWindowThenClosesQuietly) {
  test::qtApp();
  QTemporaryDir dir;
  AppRoot root(dir.filePath("Tidewell.ini"));
  root.start();
  root.mainWindow().action("FileExit")->trigger();
  EXPECT_TRUE(root.program().ended());
  EXPECT_EQ(root.store().read("Chart type", "absent"), " 0");
  root.store().write("Chart type", "sentinel");
  root.mainWindow().close();
  EXPECT_EQ(root.store().read("Chart type", ""), "sentinel");
}

}  // namespace
}  // namespace tw::platform

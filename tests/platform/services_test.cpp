#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "platform/qt_services.h"
#include "qt_app.h"

namespace tw::platform {
namespace {

TEST(Messages, StyleGivesButtonsAndIconAndTheButtonGivesTheAnswer) {
  test::qtApp();
  const struct {
    int style;
    const char* title;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon;
    QMessageBox::StandardButton press;
    int result;
  } cases[] = {
      {0, "Chart key", QMessageBox::Ok, QMessageBox::NoIcon, QMessageBox::Ok, 1},
      {0, "", QMessageBox::Ok, QMessageBox::NoIcon, QMessageBox::Ok, 1},  // the program's name
      {64, "Chart key", QMessageBox::Ok, QMessageBox::Information, QMessageBox::Ok, 1},
      {48, "Chart key", QMessageBox::Ok, QMessageBox::Warning, QMessageBox::Ok, 1},
      {16, "Chart key", QMessageBox::Ok, QMessageBox::Critical, QMessageBox::Ok, 1},
      {4 + 32, "Chart key", QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, QMessageBox::Yes, 6},
      {4 + 48, "Chart key", QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning, QMessageBox::No, 7},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.style);
    QTimer::singleShot(0, [&c] {  // once the box is up: look, then press
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return ADD_FAILURE() << "no message box up";
      EXPECT_EQ(box->windowTitle(), *c.title ? c.title : "Tidewell");
      EXPECT_EQ(box->text(), "first line\nsecond line");
      EXPECT_EQ(box->standardButtons(), c.buttons);
      EXPECT_EQ(box->icon(), c.icon);
      box->button(c.press)->click();
    });
    QtMessages boxes;
    EXPECT_EQ(boxes.MsgBox("first line\r\nsecond line", c.style, c.title), c.result);
  }
}

}  // namespace
}  // namespace tw::platform

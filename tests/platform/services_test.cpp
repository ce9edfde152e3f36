#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "mock/fakes.h"
#include "platform/qt_services.h"
#include "qt_app.h"

namespace tw::platform {
namespace {

TEST(Messages, EachKindHasItsButtonsAndIconAndTheButtonGivesTheAnswer) {
  test::qtApp();
  using K = test::MessageKind;
  const struct {
    K kind;
    const char* title;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon;
    QMessageBox::StandardButton press;
    ui::Answer answer;  // of a question
  } cases[] = {
      {K::Plain, "Chart key", QMessageBox::Ok, QMessageBox::NoIcon, QMessageBox::Ok, ui::Answer::No},
      {K::Plain, "", QMessageBox::Ok, QMessageBox::NoIcon, QMessageBox::Ok, ui::Answer::No},  // the program's name
      {K::Information, "Chart key", QMessageBox::Ok, QMessageBox::Information, QMessageBox::Ok, ui::Answer::No},
      {K::Warning, "Chart key", QMessageBox::Ok, QMessageBox::Warning, QMessageBox::Ok, ui::Answer::No},
      {K::Question, "Chart key", QMessageBox::Yes | QMessageBox::No, QMessageBox::NoIcon, QMessageBox::Yes, ui::Answer::Yes},
      {K::Question, "Chart key", QMessageBox::Yes | QMessageBox::No, QMessageBox::NoIcon, QMessageBox::No, ui::Answer::No},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
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
    const std::string text = "first line\r\nsecond line";
    switch (c.kind) {
      case K::Plain: boxes.show(text, c.title); break;
      case K::Information: boxes.inform(text, c.title); break;
      case K::Warning: boxes.warn(text, c.title); break;
      case K::Question: EXPECT_EQ(boxes.ask(text, c.title), c.answer); break;
    }
  }
}

}  // namespace
}  // namespace tw::platform

#include "platform/system/qt_services.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include "platform/qt_app.h"

namespace tw::platform {
namespace {

// Once the box is up: note what it shows, then press `button`.
void pressWhenShown(QMessageBox::StandardButton button, QString& shown) {
  QTimer::singleShot(0, [button, &shown] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return ADD_FAILURE() << "no message box up";
    shown = box->windowTitle() + "|" + box->text() + "|" + QString::number(box->icon());
    box->button(button)->click();
  });
}

TEST(Messages, EachKindOfBoxAsTheUserSeesIt) {
  test::qtApp();
  QtMessages messages;
  QString shown;
  for (auto [button, answer] :
       {std::pair{QMessageBox::Yes, ui::Answer::Yes}, {QMessageBox::No, ui::Answer::No}}) {
    pressWhenShown(button, shown);
    EXPECT_EQ(messages.ask("Delete?\r\nReally?", ""), answer);
    EXPECT_EQ(shown, "Tidewell|Delete?\nReally?|0");  // the program's name when no title is given
  }
  pressWhenShown(QMessageBox::Ok, shown);
  messages.warn("You must enter a name!", "Entry");
  EXPECT_EQ(shown, "Entry|You must enter a name!|" + QString::number(QMessageBox::Warning));
}

}  // namespace
}  // namespace tw::platform

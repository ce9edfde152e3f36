#include "platform/qt_people_windows.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <functional>

#include "mock/main_window_fixture.h"
#include "platform/qt_app.h"
#include "platform/qt_window.h"

namespace tw::platform {
namespace {

struct QtPeople : ::testing::Test, test::MainWindowFixture {
  QtPeople() {
    store.values["PeopleName 3"] = "Ann";
    store.values["PeopleDate 3"] = "25/12/1990";
    windows = new QtPeopleWindows(listWidget, list, entryWidget, entry, main, store);
  }
  ~QtPeople() override {
    delete entryWidget;
    delete listWidget;  // and the windows with it
  }
  // Runs `user` inside the modal loop of the list, which `user` must end.
  void whileShown(std::function<void()> user) {
    QTimer::singleShot(0, user);
    list.showModal();
  }
  QApplication& app = test::qtApp();  // before any widget
  QtDialogWindow* listWidget = new QtDialogWindow;
  QtDialogWindow* entryWidget = new QtDialogWindow;
  QtWindow list{listWidget, kDialogFrame}, entry{entryWidget, kDialogFrame};
  QtPeopleWindows* windows;
};

TEST_F(QtPeople, SelectingEnablesAndDoubleClickChoosesAndHides) {
  EXPECT_FALSE(windows->button("drawButton")->isEnabled());
  whileShown([this] {
    windows->list()->setCurrentRow(0);
    EXPECT_TRUE(windows->button("drawButton")->isEnabled());
    emit windows->list()->itemDoubleClicked(windows->list()->item(0));
  });
  EXPECT_FALSE(listWidget->isVisible());
  EXPECT_EQ(main.state().name, "Ann");
  EXPECT_EQ(birthdayPicker.value(), fromYmd(1990, 12, 25));
}

TEST_F(QtPeople, CloseBoxOrEscapeCancelTheEntryAndReopeningReloadsTheList) {
  int entries = 0;
  const auto escape = [this] {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(entryWidget, &press);
  };
  whileShown([&] {
    QTimer::singleShot(0, [&] {
      ++entries;
      windows->nameEdit()->setText("Not kept");
      QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
      QCoreApplication::sendEvent(windows->nameEdit(), &press);
      EXPECT_EQ(entryWidget->focusWidget(), windows->dateEdit());
      entryWidget->close();
    });
    windows->button("newButton")->click();  // New...: the entry's loop runs in here
    windows->list()->setCurrentRow(0);
    QTimer::singleShot(0, [&] {
      ++entries;
      windows->nameEdit()->setText("Changed");
      escape();
    });
    windows->button("editButton")->click();  // Edit...
    listWidget->close();
  });
  EXPECT_EQ(entries, 2);
  EXPECT_EQ(windows->list()->count(), 1);
  EXPECT_EQ(store.values["PeopleName 3"], "Ann");
  store.values["PeopleName 1"] = "Bea";
  whileShown([this] { windows->button("closeButton")->click(); });
  EXPECT_EQ(windows->list()->item(0)->text(), "Bea (1/1/1990)");
}


TEST_F(QtPeople, TheNameBoxTakesNoLongerANameThanIsRead) {
  windows->nameEdit()->setText(QString(1001, 'n'));
  EXPECT_EQ(windows->nameEdit()->text().size(), 1000);
}

// Return on a selected line draws it (the default button), Escape closes the list as Close
// does (the list stays loaded), every opening of the entry puts the focus in the selected name.
TEST_F(QtPeople, ReturnDrawsTheLineEscapeClosesAndTheEntryOpensOnTheName) {
  const auto press = [](QWidget* w, Qt::Key key) {
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
  };
  QString focusedText;
  whileShown([&] {
    QTimer::singleShot(0, [&] {
      focusedText = entryWidget->focusWidget() == windows->nameEdit() ? windows->nameEdit()->selectedText() : "";
      press(entryWidget, Qt::Key_Escape);
    });
    windows->list()->setCurrentRow(0);
    windows->button("editButton")->click();
    press(windows->list(), Qt::Key_Escape);
  });
  EXPECT_EQ(focusedText, "Ann");
  EXPECT_TRUE(windows->peopleList().isLoaded());
  whileShown([&] {
    windows->list()->setCurrentRow(0);
    press(windows->list(), Qt::Key_Return);
  });
  EXPECT_EQ(main.state().name, "Ann");
}

}  // namespace
}  // namespace tw::platform

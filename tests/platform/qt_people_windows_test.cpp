#include "platform/qt_people_windows.h"

#include <gtest/gtest.h>

#include <QShortcut>
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
  QWidget* listWidget = new QWidget;
  QWidget* entryWidget = new QWidget;
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
  auto* escape = entryWidget->findChild<QShortcut*>();
  ASSERT_NE(escape, nullptr);
  EXPECT_EQ(escape->key(), QKeySequence(Qt::Key_Escape));
  whileShown([&] {
    QTimer::singleShot(0, [&] {
      ++entries;
      windows->nameEdit()->setText("Not kept");
      emit windows->nameEdit()->returnPressed();
      EXPECT_EQ(entryWidget->focusWidget(), windows->dateEdit());
      entryWidget->close();
    });
    windows->button("newButton")->click();  // New...: the entry's loop runs in here
    windows->list()->setCurrentRow(0);
    QTimer::singleShot(0, [&] {
      ++entries;
      windows->nameEdit()->setText("Changed");
      emit escape->activated();
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

}  // namespace
}  // namespace tw::platform

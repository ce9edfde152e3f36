#include "platform/windows/qt_people_windows.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTimer>
#include <functional>

#include "mock/main_window_fixture.h"
#include "platform/qt_app.h"
#include "platform/windows/qt_window.h"

// Qt's own test library tries a key as a shortcut through this before sending it as a key.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k,
                                               Qt::KeyboardModifiers mods, const QString& text,
                                               bool autorep, ushort count);

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

void press(QWidget* w, Qt::Key key) {
  QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
}

// Return on a selected line is the default button, Draw chart, as a double-click is.
TEST_F(QtPeople, ADoubleClickOrReturnOnASelectedLineDrawsIt) {
  EXPECT_FALSE(windows->button("drawButton")->isEnabled()) << "Draw is enabled with nothing chosen";
  for (const bool byReturn : {false, true}) {
    main.takeChosenPerson(fromYmd(2000, 1, 1), "Nobody");
    whileShown([&] {
      windows->list()->setCurrentRow(0);
      EXPECT_TRUE(windows->button("drawButton")->isEnabled()) << "Draw is still disabled";
      if (byReturn)
        press(windows->list(), Qt::Key_Return);
      else
        emit windows->list()->itemDoubleClicked(windows->list()->item(0));
    });
    EXPECT_FALSE(listWidget->isVisible()) << "the people list is still shown";
    EXPECT_EQ(main.state().name, "Ann") << byReturn;
    EXPECT_EQ(birthdayPicker.value(), fromYmd(1990, 12, 25));
  }
}

// Every opening of the entry puts the focus in the name, selected; the close box, Escape and
// Cancel cancel it; Escape closes the list as Close does; after the close box the list is read
// again.
TEST_F(QtPeople, EachWindowClosesAsADialogDoes) {
  QStringList selected;
  const auto nameSelected = [&] {
    selected << (entryWidget->focusWidget() == windows->nameEdit()
                     ? windows->nameEdit()->selectedText()
                     : "elsewhere");
  };
  whileShown([&] {
    QTimer::singleShot(0, [&] {
      nameSelected();
      windows->nameEdit()->setText("Not kept");
      press(windows->nameEdit(), Qt::Key_Return);
      EXPECT_EQ(entryWidget->focusWidget(), windows->dateEdit());
      entryWidget->close();
    });
    windows->button("newButton")->click();  // the entry's loop runs in here
    windows->list()->setCurrentRow(0);
    QTimer::singleShot(0, [&] {
      nameSelected();
      windows->nameEdit()->setText("Changed");
      press(entryWidget, Qt::Key_Escape);
    });
    windows->button("editButton")->click();
    QTimer::singleShot(0, [&] {
      nameSelected();
      windows->nameEdit()->setText("Changed");
      QPushButton* cancel = windows->button("cancelButton");
      EXPECT_TRUE(cancel->isVisible() && entryWidget->rect().contains(cancel->geometry()))
          << "Cancel at " << cancel->x() << "," << cancel->y() << " in a window of "
          << entryWidget->width() << "x" << entryWidget->height();
      cancel->click();
    });
    windows->button("editButton")->click();
    press(windows->list(), Qt::Key_Escape);
  });
  EXPECT_EQ(selected, (QStringList{"", "Ann", "Ann"}));
  EXPECT_FALSE(listWidget->isVisible()) << "the people list is still shown";
  EXPECT_TRUE(windows->peopleList().isLoaded()) << "the people were never loaded";
  EXPECT_EQ(windows->list()->count(), 1);
  EXPECT_EQ(store.values["PeopleName 3"], "Ann");
  store.values["PeopleName 1"] = "Bea";
  whileShown([this] { listWidget->close(); });  // the close box unloads the list
  whileShown([this] { windows->button("closeButton")->click(); });
  EXPECT_EQ(windows->list()->item(0)->text(), "Bea (1/1/1990)");
}

// Alt and a letter marked in its caption press each button, the captions' words unchanged; the
// key is taken as the button's before the list, which has the focus, could type it.
TEST_F(QtPeople, AltAndAMarkedLetterPressesEachButton) {
  const struct {
    const char* button;
    const char* caption;
    Qt::Key key;
  } buttons[] = {
      {"drawButton", "Draw chart", Qt::Key_R}, {"closeButton", "Close", Qt::Key_C},
      {"newButton", "New...", Qt::Key_N},      {"editButton", "Edit...", Qt::Key_E},
      {"deleteButton", "Delete", Qt::Key_D},
  };
  struct Catcher : QObject {
    QStringList pressed;
    bool eventFilter(QObject* o, QEvent* e) override {
      if (e->type() != QEvent::Shortcut) return false;
      pressed << o->objectName();
      return true;  // caught before it clicks: the handlers would open windows
    }
  } catcher;
  listWidget->show();
  listWidget->activateWindow();
  windows->list()->setFocus();
  windows->list()->setCurrentRow(0);  // Edit and Delete want a line
  QCoreApplication::processEvents();
  for (const auto& b : buttons) {
    SCOPED_TRACE(b.button);
    QPushButton* button = windows->button(b.button);
    EXPECT_EQ(QString(button->text()).remove('&').toStdString(), b.caption);
    button->installEventFilter(&catcher);
    catcher.pressed.clear();
    const bool taken =
        qt_sendShortcutOverrideEvent(windows->list(), 0, b.key, Qt::AltModifier,
                                     QKeySequence(b.key).toString().toLower(), false, 1);
    EXPECT_EQ(std::tuple(taken, catcher.pressed.join(',').toStdString()),
              std::tuple(true, std::string(b.button)));
  }
}

TEST_F(QtPeople, TheNameBoxTakesNoLongerANameThanIsRead) {
  windows->nameEdit()->setText(QString(1001, 'n'));
  EXPECT_EQ(windows->nameEdit()->text().size(), 1000);
}

}  // namespace
}  // namespace tw::platform

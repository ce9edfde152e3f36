#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateEdit>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <cmath>

#include "platform/app_root.h"
#include "platform/main_bars.h"
#include "qt_app.h"

namespace tw::platform {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::qtApp();
    root = std::make_unique<AppRoot>(dir.filePath("Tidewell.ini"));
    root->start();
    QCoreApplication::processEvents();
  }
  QtMainWindow& window() { return root->view(); }
  QtWindow& outer() { return window().windowAdapter(); }

  QTemporaryDir dir;
  std::unique_ptr<AppRoot> root;
};

TEST_F(MainWindowTest, TheChartViewFollowsTheWindowAtFifteenTwipsAPixelAndMaximising) {
  outer().setWidth(9000);
  outer().setHeight(7000);
  const QWidget* view = window().chartView();
  EXPECT_EQ(window().width(), (9000 - 120) / 15);
  EXPECT_EQ(window().controls().chartView.width(), 8650);
  EXPECT_EQ(view->size(), QSize(std::lround(8650 / 15.0), std::lround(5225 / 15.0)));
  EXPECT_EQ(window().surface().image().size(), view->size());
  outer().setWindowState(ui::WindowState::Maximized);
  QCoreApplication::processEvents();
  EXPECT_EQ(window().controls().chartView.width(), outer().width() - 350);
}

TEST_F(MainWindowTest, HeadersAreCentredByTheWindowsOwnTextWidth) {
  // Not the chart's narrowed text: that put "Birthday: ..." some 4 pixels right of centre.
  const QString header = QStringLiteral("Birthday: Monday 01/01/1990");
  const double pixels = QFontMetricsF(window().font()).horizontalAdvance(header);
  EXPECT_FLOAT_EQ(window().measure().textWidth(header.toStdString()), pixels * 1440 / screenDpi());
}

TEST_F(MainWindowTest, CommandsReachTheirHandlersAndOnlyTheUsersDateChangeRunsThePickers) {
  // A check item's mark is left to its handler; every toolbar key is one the window handles.
  QMenuBar bar;
  QAction* average = buildMenus(&bar).value("averageCurve");
  average->trigger();
  EXPECT_FALSE(average->isChecked());
  QStringList keys;
  for (QAction* a : window().toolbar()->actions())
    if (!a->isSeparator()) keys << a->data().toString();
  EXPECT_EQ(keys.join(' '), "Print Save BackMonth BackWeek BackDay Today ForwardDay ForwardWeek ForwardMonth Interpret");
  MainWindow& main = root->mainWindow();
  const Date start = main.state().chartDate;
  window().action("goNextWeek")->trigger();
  EXPECT_EQ(fromQDate(window().findChild<QDateEdit*>("chartDatePicker")->date()), start + 7);
  for (QAction* a : window().toolbar()->actions())
    if (a->data().toString() == "ForwardDay") a->trigger();
  EXPECT_EQ(main.state().chartDate, start + 8);

  auto* edit = window().findChild<QDateEdit*>("birthdayPicker");
  main.takeChosenPerson(fromYmd(1990, 3, 10), "Ann");  // sets the picker from the program
  EXPECT_EQ(edit->date(), QDate(1990, 3, 10));
  EXPECT_EQ(main.state().name, "Ann");
  // Typing changes the date only when committed.
  edit->setDisplayFormat("dd/MM/yyyy");
  edit->setFocus();
  const auto type = [edit](Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(edit, &press);
  };
  edit->findChild<QLineEdit*>()->setSelection(0, 2);  // the day
  type(Qt::Key_1, "1");
  type(Qt::Key_4, "4");
  EXPECT_EQ(main.state().name, "Ann");
  type(Qt::Key_Return, "\r");
  EXPECT_EQ(main.state().birthday, fromYmd(1990, 3, 14));
  EXPECT_EQ(main.state().name, "");  // a typed birthday belongs to nobody
  main.takeChosenPerson(fromYmd(1990, 3, 14), "Bea");
  type(Qt::Key_Return, "\r");  // a commit that changed nothing runs nothing
  EXPECT_EQ(main.state().name, "Bea");
  edit->setDate(QDate(1985, 6, 15));  // as the calendar does for the user
  EXPECT_EQ(main.state().birthday, fromYmd(1985, 6, 15));
}

TEST_F(MainWindowTest, ClosingSavesTheStateAndAfterExitClosingSavesNothingMore) {
  outer().setWidth(9000);
  window().close();
  EXPECT_EQ(root->store().read("Chart width", ""), " 9000");
  EXPECT_EQ(root->store().read("Chart height", ""), " 4590");  // the designed start

  AppRoot again(dir.filePath("Tidewell.ini"));
  again.start();
  again.view().action("exit")->trigger();
  EXPECT_TRUE(again.program().ended());
  again.store().write("Chart type", "sentinel");
  again.view().close();
  EXPECT_EQ(again.store().read("Chart type", ""), "sentinel");
}

TEST_F(MainWindowTest, AWindowStoredFarLargerThanTheScreenStartsOnItAndIsStoredSo) {
  QSettings ini(dir.filePath("Huge.ini"), QSettings::IniFormat);
  ini.setValue("Tidewell/Chart width", " 1999999");
  ini.setValue("Tidewell/Chart height", " 1999999");
  ini.sync();
  AppRoot huge(dir.filePath("Huge.ini"));
  huge.start();  // the chart's image used to be sized to the stored window: 71 GB
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  huge.view().close();
  EXPECT_LE(std::stod(huge.store().read("Chart width", "")), pixelsToTwips(screen.width()));
  EXPECT_LE(std::stod(huge.store().read("Chart height", "")), pixelsToTwips(screen.height()));
}


}  // namespace
}  // namespace tw::platform

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include "platform/app_root.h"
#include "platform/main_bars.h"
#include "platform/qt_locale.h"
#include "platform/twips.h"
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

// Walks the real menu tree in order, so the order and nesting are checked with the captions.
void walk(const QList<QAction*>& actions, const QString& parent, std::vector<std::pair<QAction*, QString>>& out) {
  for (QAction* a : actions) {
    out.emplace_back(a, parent);
    if (a->menu()) walk(a->menu()->actions(), a->objectName(), out);
  }
}

TEST_F(MainWindowTest, MenuBarIsTheDesignedOne) {
  // name, the menu it sits in, caption (none for a separator), shortcut, check item
  const struct { const char *name, *parent, *caption, *shortcut; bool check; } items[] = {
      {"fileMenu", "", "&File", "", 0}, {"print", "fileMenu", "&Print...", "", 0},
      {"saveAsBmp", "fileMenu", "&Save as BMP...", "", 0}, {"fileSeparator", "fileMenu", "", "", 0},
      {"exit", "fileMenu", "E&xit", "", 0}, {"chartMenu", "", "&Chart", "", 0},
      {"chartTypeMenu", "chartMenu", "Chart &type", "", 0},
      {"biorhythmChart", "chartTypeMenu", "&Biorhythm chart", "", 1},
      {"comparisonChart", "chartTypeMenu", "&Comparison chart", "", 1},
      {"goMenu", "chartMenu", "&Go to", "", 0}, {"goToday", "goMenu", "&Today", "Ctrl+T", 0},
      {"forwardMenu", "goMenu", "&Forward", "", 0}, {"goNextDay", "forwardMenu", "Next &day", "F1", 0},
      {"goNextWeek", "forwardMenu", "Next &week", "F2", 0},
      {"goNextMonth", "forwardMenu", "Next &month", "F3", 0}, {"backMenu", "goMenu", "&Back", "", 0},
      {"goPreviousDay", "backMenu", "Previous &day", "Shift+F1", 0},
      {"goPreviousWeek", "backMenu", "Previous &week", "Shift+F2", 0},
      {"goPreviousMonth", "backMenu", "Previous &month", "Shift+F3", 0}, {"chartSeparator", "chartMenu", "", "", 0},
      {"interpret", "chartMenu", "&Interpret...", "Ctrl+I", 0}, {"settingsMenu", "", "&Settings", "", 0},
      {"ageUnitMenu", "settingsMenu", "&Age format", "", 0}, {"ageInDays", "ageUnitMenu", "&Days", "", 1},
      {"ageInWeeks", "ageUnitMenu", "&Weeks", "", 1}, {"ageInYears", "ageUnitMenu", "&Years", "", 1},
      {"weekSeparators", "settingsMenu", "&Week separators", "", 1},
      {"todayMarker", "settingsMenu", "&Today marker", "", 1},
      {"settingsSeparator", "settingsMenu", "", "", 0}, {"curvesMenu", "settingsMenu", "&Show curves", "", 0},
      {"physicalCurve", "curvesMenu", "&Physical curve", "", 1},
      {"emotionalCurve", "curvesMenu", "&Emotional curve", "", 1},
      {"intellectualCurve", "curvesMenu", "&Intellectual curve", "", 1},
      {"averageCurve", "curvesMenu", "&Average curve", "", 1},
      {"coloursMenu", "settingsMenu", "&Colours", "", 0},
      {"physicalColour", "coloursMenu", "&Physical curve...", "", 0},
      {"emotionalColour", "coloursMenu", "&Emotional curve...", "", 0},
      {"intellectualColour", "coloursMenu", "&Intellectual curve...", "", 0},
      {"averageColour", "coloursMenu", "&Average curve...", "", 0},
      {"backgroundColour", "coloursMenu", "&Background...", "", 0},
      {"coloursSeparator", "coloursMenu", "", "", 0},
      {"resetColours", "coloursMenu", "&Reset to default", "", 0},
      {"helpMenu", "", "&Help", "", 0}, {"helpContents", "helpMenu", "&Contents...", "", 0},
      {"helpIndex", "helpMenu", "&Index...", "", 0}, {"helpSeparator", "helpMenu", "", "", 0},
      {"chartKey", "helpMenu", "Chart &key...", "", 0}, {"about", "helpMenu", "&About Tidewell...", "", 0},
  };
  EXPECT_EQ(window().windowTitle(), "Tidewell");
  std::vector<std::pair<QAction*, QString>> found;
  walk(window().menuBar()->actions(), "", found);
  ASSERT_EQ(found.size(), std::size(items));
  for (size_t i = 0; i < found.size(); ++i) {
    const auto& e = items[i];
    SCOPED_TRACE(e.name);
    QAction* a = found[i].first;
    EXPECT_EQ(a->objectName(), e.name);
    EXPECT_EQ(found[i].second, e.parent);
    EXPECT_EQ(a->text(), e.caption);
    EXPECT_EQ(a->isSeparator(), QString(e.caption).isEmpty());
    EXPECT_EQ(a->shortcut().toString(QKeySequence::PortableText), e.shortcut);
    EXPECT_EQ(a->isCheckable(), e.check);
    EXPECT_EQ(window().action(e.name), a);
  }
  // Clicking a check item leaves the mark to its handler.
  QMenuBar bar;
  QAction* ave = buildMenus(&bar).value("averageCurve");
  ave->trigger();
  EXPECT_FALSE(ave->isChecked());
}

TEST_F(MainWindowTest, ToolbarButtonsCarryKeysTooltipsAndTags) {
  const struct { const char *key, *tooltip, *tag; } expected[] = {
      {"Print", "Print", ""}, {"Save", "Save as BMP", "DiskIconTag"}, {},
      {"BackMonth", "Back 1 month", "Back3IconTag"}, {"BackWeek", "Back 1 week", "Back2IconTag"},
      {"BackDay", "Back 1 day", "Back1IconTag"}, {"Today", "Goto today", ""},
      {"ForwardDay", "Forward 1 day", "Forward1IconTag"}, {"ForwardWeek", "Forward 1 week", "Forward2IconTag"},
      {"ForwardMonth", "Forward 1 month", "Forward3IconTag"}, {}, {"Interpret", "Interpret chart", ""},
  };
  const QList<QAction*> actions = window().toolbar()->actions();
  ASSERT_EQ(actions.size(), std::ssize(expected));
  for (int i = 0; i < actions.size(); ++i) {
    const auto& b = expected[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(actions[i]->isSeparator(), b.key == nullptr);
    if (!b.key) continue;
    EXPECT_EQ(actions[i]->data().toString(), b.key);
    EXPECT_EQ(actions[i]->toolTip(), b.tooltip);
    EXPECT_EQ(actions[i]->property("tag").toString(), b.tag);
    EXPECT_FALSE(actions[i]->icon().isNull());
  }
}

TEST_F(MainWindowTest, ControlsAndTheChartFollowTheWindowSizeAndMaximising) {
  const struct { double W, H, picW, picH, rowTop, picker2Left, command2Left, picker3Left, label3Left; } cases[] = {
      {5000, 2500, 4650, 725, 1350, 2380, 1420, 3575, 2735},
      {9000, 7000, 8650, 5225, 5850, 4380, 3420, 7575, 6735},
  };
  for (const auto& e : cases) {
    SCOPED_TRACE(e.W);
    outer().setWidth(e.W);
    outer().setHeight(e.H);
    auto c = window().controls();
    const double top = e.rowTop;
    EXPECT_EQ((std::vector<double>{c.chartView.width(), c.chartView.height(), c.birthdayButton.top(), c.birthdayPicker.top(),
                                   c.birthday2Button.top(), c.birthday2Picker.top(), c.chartDatePicker.top(), c.birthday2Picker.left(),
                                   c.birthday2Button.left(), c.chartDatePicker.left(), c.chartDateLabel.left(), c.chartDateLabel.top(),
                                   c.chartView.left(), c.chartView.top(), c.birthdayPicker.left()}),
              (std::vector<double>{e.picW, e.picH, top, top, top, top, top, e.picker2Left, e.command2Left,
                                   e.picker3Left, e.label3Left, top + 60, 120, 480, 1080}));
    // On screen: 15 twips to a pixel, the chart drawn at the area's size.
    const QWidget* picture = window().chartView();
    EXPECT_EQ(picture->size(), QSize(std::lround(e.picW / 15), std::lround(e.picH / 15)));
    EXPECT_EQ(window().surface().image().size(), picture->size());
    EXPECT_EQ(window().width(), std::lround((e.W - 120) / 15));
  }
  outer().setWindowState(ui::WindowState::Maximized);
  QCoreApplication::processEvents();
  EXPECT_GT(outer().width(), 9000);
  EXPECT_EQ(window().controls().chartView.width(), outer().width() - 350);
  outer().setWindowState(ui::WindowState::Normal);  // read at once, as shut-down does
  EXPECT_EQ(outer().width(), 9000);
  EXPECT_EQ(outer().height(), 7000);
}

TEST_F(MainWindowTest, CommandsReachTheirHandlersAndOnlyTheUsersDateChangeRunsThePickers) {
  MainWindow& main = root->mainWindow();
  const Date start = main.state().chartDate;
  window().action("goNextWeek")->trigger();
  EXPECT_EQ(window().findChild<QtDateField*>("chartDatePicker")->date(), start + 7);
  for (QAction* a : window().toolbar()->actions())
    if (a->data().toString() == "ForwardDay") a->trigger();
  EXPECT_EQ(main.state().chartDate, start + 8);

  auto* edit = window().findChild<QtDateField*>("birthdayPicker");
  main.takeChosenPerson(fromYmd(1990, 3, 10), "Ann");  // sets the field from the program
  EXPECT_EQ(edit->date(), fromYmd(1990, 3, 10));
  EXPECT_EQ(main.state().name, "Ann");
  // A two-digit year waits for Return (the tests run in the C locale, whose form is ISO).
  edit->setFocus();
  edit->selectAll();
  test::typeInto(edit, "90-03-14");
  EXPECT_EQ(main.state().name, "Ann");
  test::typeInto(edit, "\r");
  EXPECT_EQ(main.state().birthday, fromYmd(1990, 3, 14));
  EXPECT_EQ(main.state().name, "");  // a typed birthday belongs to nobody
  main.takeChosenPerson(fromYmd(1990, 3, 14), "Bea");
  test::typeInto(edit, "\r");  // a commit that changed nothing runs nothing
  EXPECT_EQ(main.state().name, "Bea");
  edit->showCalendar();
  emit edit->calendar()->activated(QDate(1985, 6, 15));  // as the user picks it
  EXPECT_EQ(main.state().birthday, fromYmd(1985, 6, 15));
  // F1 at once after a typed chart date: the field gives its date to the command first.
  auto* chartDate = window().findChild<QtDateField*>("chartDatePicker");
  chartDate->selectAll();
  test::typeInto(chartDate, "27-06-15");  // a two-digit year waits for the field to be left
  QKeyEvent f1(QEvent::ShortcutOverride, Qt::Key_F1, Qt::NoModifier);
  QCoreApplication::sendEvent(chartDate, &f1);
  window().action("goNextDay")->trigger();
  EXPECT_EQ(main.state().chartDate, fromYmd(2027, 6, 16));
}

TEST_F(MainWindowTest, TheChartAreaComesFirstAndReadsTheDayUnderItsCursor) {
  ChartView* view = window().chartView();
  QStringList order;
  for (QWidget* w = view; order.size() < 6; w = w->nextInFocusChain())
    if (w->focusPolicy() & Qt::TabFocus) order << w->objectName();
  EXPECT_EQ(order.join(QChar(0x20)).toStdString(),
            "chartView birthdayPicker chartDatePicker birthday2Picker birthdayButton birthday2Button");
  EXPECT_EQ(window().focusWidget(), view);
  const ChartState& state = root->mainWindow().state();
  const QString date = QString::fromStdString(formatShortDate(state.chartDate, userLocale()));
  const auto key = [view](Qt::Key k) {
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &press);
    return view->accessibleDescription();
  };
  EXPECT_TRUE(view->accessibleDescription().contains(date + ", the chart date: physical"))
      << view->accessibleDescription().toStdString();
  EXPECT_TRUE(key(Qt::Key_Right).contains(", 1 day after the chart date: physical"));
  EXPECT_TRUE(key(Qt::Key_Home).contains(", the chart date: "));
  for (int i = 0; i < 40; ++i) key(Qt::Key_Left);  // stops at the first column
  EXPECT_EQ(view->cursorDay(), state.chartDate - 11);
  // The chart date's column: 3225 to 3500 twips, pixels 215 to 233 at 96 dpi.
  EXPECT_TRUE(view->tooltipAt(220).startsWith(
      QString::fromStdString(formatLongDate(state.chartDate, userLocale()) + "\nPhysical: ")));
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

TEST_F(MainWindowTest, ThePeopleListIsBuiltWhenFirstOpenedAndStandsWhereItWasLeft) {
  QSettings ini(dir.filePath("People.ini"), QSettings::IniFormat);
  ini.setValue("Tidewell/PeopleListWin X", " 3000");
  ini.setValue("Tidewell/PeopleListWin Y", " 1500");
  ini.sync();
  AppRoot people(dir.filePath("People.ini"));
  people.start();
  const auto lists = [] {
    int n = 0;
    for (QWidget* w : QApplication::allWidgets()) n += qobject_cast<QListWidget*>(w) != nullptr;
    return n;
  };
  const int before = lists();  // the fixture's program never opened its list either
  QPoint place;
  int during = 0;
  QTimer::singleShot(0, [&] {
    QWidget* shown = QApplication::activeModalWidget();
    ASSERT_NE(shown, nullptr);
    place = shown->pos();
    during = lists();
    shown->hide();
  });
  people.view().findChild<QPushButton*>("birthdayButton")->click();
  EXPECT_EQ(during, before + 1);
  EXPECT_EQ(place, QPoint(twipsToPixels(3000), twipsToPixels(1500)));
}

}  // namespace
}  // namespace tw::platform

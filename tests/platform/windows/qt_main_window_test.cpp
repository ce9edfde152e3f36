#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QColorDialog>
#include <QCoreApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "platform/app_root.h"
#include "platform/qt_app.h"
#include "platform/windows/help_window.h"

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

TEST_F(MainWindowTest, EachDateButtonOfTheToolbarMovesTheChartDateItsWay) {
  QStringList keys;
  for (QAction* a : window().toolbar()->actions())
    if (!a->isSeparator()) keys << a->data().toString();
  EXPECT_EQ(
      keys.join(' '),
      "Print Save BackMonth BackWeek BackDay Today ForwardDay ForwardWeek ForwardMonth Interpret");
  const struct {
    const char* key;
    int days;
  } rows[] = {
      {"ForwardDay", 1}, {"ForwardWeek", 7}, {"ForwardMonth", 28}, {"BackDay", -1},
      {"BackWeek", -7},  {"BackMonth", -28}, {"Today", 0},
  };
  auto* field = window().findChild<QtDateField*>("chartDatePicker");
  for (const auto& row : rows) {
    // Far from the birthday, so stepping back is never refused.
    root->mainWindow().takeChosenPerson(fromYmd(1900, 1, 1), "");
    const Date today = root->mainWindow().state().chartDate;
    for (QAction* a : window().toolbar()->actions())
      if (a->data().toString() == row.key) a->trigger();
    EXPECT_EQ(field->date(), today + row.days) << row.key;
    root->mainWindow().goToday();
  }
}

TEST_F(MainWindowTest, EachGoToItemHasItsKey) {
  const std::pair<const char*, const char*> rows[] = {
      {"goToday", "Ctrl+T"},        {"goNextDay", "F1"},           {"goNextWeek", "F2"},
      {"goForward28Days", "F3"},    {"goPreviousDay", "Shift+F1"}, {"goPreviousWeek", "Shift+F2"},
      {"goBack28Days", "Shift+F3"}, {"interpret", "Ctrl+I"},
  };
  for (const auto& [name, key] : rows)
    EXPECT_EQ(window().action(name)->shortcut().toString().toStdString(), key) << name;
}

TEST_F(MainWindowTest, OnlyTheUsersDateChangeRunsTheFieldsHandler) {
  MainWindow& main = root->mainWindow();
  auto* edit = window().findChild<QtDateField*>("birthdayPicker");
  main.takeChosenPerson(fromYmd(1990, 3, 10), "Ann");  // sets the field from the program
  EXPECT_EQ(edit->date(), fromYmd(1990, 3, 10));
  EXPECT_EQ(main.state().name, "Ann");
  edit->setFocus();
  edit->selectAll();
  test::typeInto(edit, "1990-03-14");  // the C locale's form, which the tests run in
  EXPECT_EQ(main.state().birthday, fromYmd(1990, 3, 14));
  EXPECT_EQ(main.state().name, "");  // a typed birthday belongs to nobody
  edit->showCalendar();
  emit edit->calendar()->activated(QDate(1985, 6, 15));  // as the user picks it
  EXPECT_EQ(main.state().birthday, fromYmd(1985, 6, 15));
}

TEST_F(MainWindowTest, ClosingSavesTheStateOnce) {
  outer().setWidth(9000);
  window().close();
  EXPECT_EQ(root->store().read("Chart width", ""), " 9000");
  EXPECT_EQ(root->store().read("Chart height", ""), " 4590");  // the designed start

  AppRoot again(dir.filePath("Tidewell.ini"));
  again.start();
  again.view().action("exit")->trigger();
  EXPECT_TRUE(again.program().ended()) << "the program goes on after File > Exit";
  again.store().write("Chart type", "sentinel");
  again.view().close();
  EXPECT_EQ(again.store().read("Chart type", ""), "sentinel");
}

TEST_F(MainWindowTest, EachDisplayItemRunsItsOwnCommand) {
  AppRoot& root = *this->root;
  // Every toggle once: an item wired to another's command leaves two marks wrong.
  for (const char* name :
       {"comparisonChart", "ageInYears", "weekSeparators", "todayMarker", "criticalDayMarks",
        "physicalCurve", "emotionalCurve", "intellectualCurve", "averageCurve"})
    root.view().action(name)->trigger();
  QStringList ticked;
  for (const char* name : {"biorhythmChart", "comparisonChart", "ageInDays", "ageInWeeks",
                           "ageInYears", "weekSeparators", "todayMarker", "criticalDayMarks",
                           "physicalCurve", "emotionalCurve", "intellectualCurve", "averageCurve"})
    if (root.view().action(name)->isChecked()) ticked << name;
  EXPECT_EQ(ticked.join(' '),
            "comparisonChart ageInYears weekSeparators todayMarker criticalDayMarks averageCurve");

  const ChartOptions& o = root.mainWindow().state().options;
  const auto corner = [&] { return QColor(root.view().surface().image().pixel(1, 1)); };
  std::vector<QColor> opened;
  bool confirm = false;
  root.display().dialogs().runner = [&](QDialog& d) {
    auto* colours = qobject_cast<QColorDialog*>(&d);
    opened.push_back(colours->currentColor());
    colours->setCurrentColor(QColor(static_cast<int>(opened.size()), 0, 0));
    return int(confirm ? QDialog::Accepted : QDialog::Rejected);
  };
  root.view().action("backgroundColour")->trigger();
  // The system colour, resolved as the chart shows it; a cancelled choice changes nothing.
  const QColor face = QGuiApplication::palette().color(QPalette::Active, QPalette::Button);
  EXPECT_EQ(opened.at(0), face);
  EXPECT_EQ(o.backgroundColour, kButtonFace);
  EXPECT_EQ(corner(), face);
  confirm = true;
  for (const char* name : {"physicalColour", "emotionalColour", "intellectualColour",
                           "averageColour", "backgroundColour"})
    root.view().action(name)->trigger();
  EXPECT_EQ((std::vector<Colour>{o.physicalColour, o.emotionalColour, o.intellectualColour,
                                 o.averageColour, o.backgroundColour}),
            (std::vector<Colour>{2, 3, 4, 5, 6}));
  EXPECT_EQ(corner(), QColor(6, 0, 0));
  root.view().action("resetColours")->trigger();
  EXPECT_EQ(o.backgroundColour, kButtonFace);
}

// The help's topics as Help > Index reads them from the shipped file, each title with its text.
QHash<QString, QString> helpTopics() {
  HelpWindow help;
  help.showFinder(QStringLiteral(TIDEWELL_SOURCE_DIR "/data/help/Tidewell.html"));
  QHash<QString, QString> topics;
  for (const HelpTopic& t : help.topics()) topics.insert(t.title, t.title + ' ' + t.text);
  return topics;
}

// "C&ritical days..." as the help writes it: "Critical days".
QString captionOf(const QAction* item) {
  QString caption = item->text().remove('&');
  if (caption.endsWith("...")) caption.chop(3);
  return caption;
}

// Each menu has a topic "The File menu"... naming every item under it; the chart's context
// menu has one of its own.
TEST_F(MainWindowTest, TheHelpNamesEveryMenuItemInItsMenusTopic) {
  const QHash<QString, QString> topics = helpTopics();
  QStringList unnamed;
  const std::function<void(const QMenu*, const QString&)> walk = [&](const QMenu* menu,
                                                                     const QString& topic) {
    for (const QAction* item : menu->actions()) {
      if (item->isSeparator()) continue;
      if (!topics.value(topic).contains(captionOf(item))) unnamed << topic + ": " + captionOf(item);
      if (item->menu()) walk(item->menu(), topic);
    }
  };
  for (const QAction* menu : window().menuBar()->actions()) {
    const QString topic = "The " + captionOf(menu) + " menu";
    if (!topics.contains(topic)) unnamed << "no topic " + topic;
    walk(menu->menu(), topic);
  }
  // The chart's own menu, not the menu bar's Chart menu of the same name.
  walk(window().chartView()->findChild<QMenu*>("chartMenu"), "The chart's context menu");
  EXPECT_EQ(unnamed.join(", ").toStdString(), "");
}

// Every window the program opens is named, by its title, in some topic.
TEST_F(MainWindowTest, TheHelpNamesEveryWindow) {
  QStringList titles;
  // A modal window gives its title and is closed; the others stay open and are read below.
  const auto openModal = [&titles](const std::function<void()>& open) {
    QTimer::singleShot(0, [&titles] {
      if (QWidget* w = QApplication::activeModalWidget()) {
        titles << w->windowTitle();
        w->close();
      }
    });
    open();
  };
  for (const char* item : {"about", "chartKey", "interpret"})
    openModal([&] { window().action(item)->trigger(); });
  openModal([&] { window().findChild<QPushButton*>("birthdayButton")->click(); });
  for (const char* item : {"criticalDays", "helpContents", "helpIndex"})
    window().action(item)->trigger();
  for (const QWidget* w : QApplication::topLevelWidgets())
    if (!qobject_cast<const QMenu*>(w) && !w->windowTitle().isEmpty()) titles << w->windowTitle();
  titles.removeDuplicates();
  // So that a window that failed to open cannot pass unseen.
  QStringList unopened;
  for (const char* title : {"Tidewell", "About Tidewell", "Chart key", "Interpretation", "People",
                            "Entry", "Critical days", "Tidewell Help"})
    if (!titles.contains(title)) unopened << title;
  EXPECT_EQ(unopened.join(", ").toStdString(), "") << "seen: " << titles.join(", ").toStdString();

  const QString all = QStringList(helpTopics().values()).join(' ');
  QStringList unnamed;
  for (const QString& title : titles)
    if (!all.contains(title, Qt::CaseInsensitive)) unnamed << title;
  EXPECT_EQ(unnamed.join(", ").toStdString(), "");
}

}  // namespace
}  // namespace tw::platform

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateEdit>
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
  MainWindow& window() { return root->mainWindow(); }
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
      {"MenuFile", "", "&File", "", 0}, {"FilePrint", "MenuFile", "&Print...", "", 0},
      {"FileSaveBMP", "MenuFile", "&Save as BMP...", "", 0}, {"MenuFileNull", "MenuFile", "", "", 0},
      {"FileExit", "MenuFile", "E&xit", "", 0}, {"MenuChart", "", "&Chart", "", 0},
      {"MenuChartType", "MenuChart", "Chart &type", "", 0},
      {"MenuChartTypeBio", "MenuChartType", "&Biorhythm chart", "", 1},
      {"MenuChartTypeComp", "MenuChartType", "&Comparison chart", "", 1},
      {"MenuGo", "MenuChart", "&Go to", "", 0}, {"MenuGoToday", "MenuGo", "&Today", "Ctrl+T", 0},
      {"MenuGoForward", "MenuGo", "&Forward", "", 0}, {"MenuGoTomorrow", "MenuGoForward", "Next &day", "F1", 0},
      {"MenuGoNextWeek", "MenuGoForward", "Next &week", "F2", 0},
      {"MenuGoNextMonth", "MenuGoForward", "Next &month", "F3", 0}, {"MenuGoBack", "MenuGo", "&Back", "", 0},
      {"MenuGoYesterday", "MenuGoBack", "Previous &day", "Shift+F1", 0},
      {"MenuGoLastWeek", "MenuGoBack", "Previous &week", "Shift+F2", 0},
      {"MenuGoLastMonth", "MenuGoBack", "Previous &month", "Shift+F3", 0}, {"MenuNull2", "MenuChart", "", "", 0},
      {"MenuChartInterpret", "MenuChart", "&Interpret...", "Ctrl+I", 0}, {"MenuSettings", "", "&Settings", "", 0},
      {"MenuAgeFormat", "MenuSettings", "&Age format", "", 0}, {"MenuAgeDays", "MenuAgeFormat", "&Days", "", 1},
      {"MenuAgeWeeks", "MenuAgeFormat", "&Weeks", "", 1}, {"MenuAgeYears", "MenuAgeFormat", "&Years", "", 1},
      {"MenuSettingWeekSeparators", "MenuSettings", "&Week separators", "", 1},
      {"MenuSettingTodayMarker", "MenuSettings", "&Today marker", "", 1},
      {"MenuSettingNull2", "MenuSettings", "", "", 0}, {"MenuSettingCurves", "MenuSettings", "&Show curves", "", 0},
      {"MenuShowPhy", "MenuSettingCurves", "&Physical curve", "", 1},
      {"MenuShowEmo", "MenuSettingCurves", "&Emotional curve", "", 1},
      {"MenuShowInt", "MenuSettingCurves", "&Intellectual curve", "", 1},
      {"MenuShowAve", "MenuSettingCurves", "&Average curve", "", 1},
      {"MenuSettingColour", "MenuSettings", "&Colours", "", 0},
      {"MenuSettingPhysicalColour", "MenuSettingColour", "&Physical curve...", "", 0},
      {"MenuSettingEmotionalColour", "MenuSettingColour", "&Emotional curve...", "", 0},
      {"MenuSettingIntellectualColour", "MenuSettingColour", "&Intellectual curve...", "", 0},
      {"MenuSettingAverageColour", "MenuSettingColour", "&Average curve...", "", 0},
      {"MenuSettingBackgroundColour", "MenuSettingColour", "&Background...", "", 0},
      {"MenuSettingColourNull", "MenuSettingColour", "", "", 0},
      {"MenuSettingResetColours", "MenuSettingColour", "&Reset to default", "", 0},
      {"MenuHelp", "", "&Help", "", 0}, {"MenuHelpContents", "MenuHelp", "&Contents...", "", 0},
      {"MenuHelpIndex", "MenuHelp", "&Index...", "", 0}, {"MenuHelpNul1", "MenuHelp", "", "", 0},
      {"HelpChartKey", "MenuHelp", "Chart &key...", "", 0}, {"HelpAbout", "MenuHelp", "&About Tidewell...", "", 0},
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
  QAction* ave = buildMenus(&bar).value("MenuShowAve");
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
    EXPECT_EQ((std::vector<double>{c.Picture1.width(), c.Picture1.height(), c.Command1.top(), c.DTPicker1.top(),
                                   c.Command2.top(), c.DTPicker2.top(), c.DTPicker3.top(), c.DTPicker2.left(),
                                   c.Command2.left(), c.DTPicker3.left(), c.Label3.left(), c.Label3.top(),
                                   c.Picture1.left(), c.Picture1.top(), c.DTPicker1.left()}),
              (std::vector<double>{e.picW, e.picH, top, top, top, top, top, e.picker2Left, e.command2Left,
                                   e.picker3Left, e.label3Left, top + 60, 120, 480, 1080}));
    // On screen: 15 twips to a pixel, the chart drawn at the area's size.
    const QWidget* picture = window().chartView();
    EXPECT_EQ(picture->size(), QSize(std::lround(e.picW / 15), std::lround(e.picH / 15)));
    EXPECT_EQ(window().surface().image().size(), picture->size());
    EXPECT_EQ(window().width(), std::lround((e.W - 120) / 15));
  }
  outer().setWindowState(ui::Maximized);
  QCoreApplication::processEvents();
  EXPECT_GT(outer().width(), 9000);
  EXPECT_EQ(window().controls().Picture1.width(), outer().width() - 350);
  outer().setWindowState(ui::Normal);  // read at once, as shut-down does
  EXPECT_EQ(outer().width(), 9000);
  EXPECT_EQ(outer().height(), 7000);
}

TEST_F(MainWindowTest, CommandsReachTheirHandlersAndOnlyTheUsersDateChangeRunsThePickers) {
  Form1& form = root->form();
  const Date start = form.chartdate;
  window().action("MenuGoNextWeek")->trigger();
  EXPECT_EQ(fromQDate(window().findChild<QDateEdit*>("DTPicker3")->date()), start + 7);
  for (QAction* a : window().toolbar()->actions())
    if (a->data().toString() == "ForwardDay") a->trigger();
  EXPECT_EQ(form.chartdate, start + 8);

  auto* edit = window().findChild<QDateEdit*>("DTPicker1");
  EXPECT_TRUE(edit->minimumDate() == QDate(1601, 1, 1) && edit->maximumDate() == QDate(9999, 12, 31));
  form.birthname = "Ann";
  window().controls().DTPicker1.setValue(fromYmd(1990, 3, 10));  // from the program, as choosing a person does
  EXPECT_EQ(edit->date(), QDate(1990, 3, 10));
  EXPECT_EQ(form.birthname, "Ann");
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
  EXPECT_EQ(form.birthname, "Ann");
  type(Qt::Key_Return, "\r");
  EXPECT_EQ(form.birthdate, fromYmd(1990, 3, 14));
  EXPECT_EQ(form.birthname, "");  // a typed birthday belongs to nobody
  form.birthname = "Bea";
  type(Qt::Key_Return, "\r");  // a commit that changed nothing runs nothing
  EXPECT_EQ(form.birthname, "Bea");
  edit->setDate(QDate(1985, 6, 15));  // as the calendar does for the user
  EXPECT_EQ(form.birthdate, fromYmd(1985, 6, 15));
}

TEST_F(MainWindowTest, ClosingSavesTheStateAndAfterExitClosingSavesNothingMore) {
  outer().setWidth(9000);
  window().close();
  EXPECT_EQ(root->store().read("Chart width", ""), " 9000");
  EXPECT_EQ(root->store().read("Chart height", ""), " 4590");  // the designed start

  AppRoot again(dir.filePath("Tidewell.ini"));
  again.start();
  again.mainWindow().action("FileExit")->trigger();
  EXPECT_TRUE(again.program().ended());
  again.store().write("Chart type", "sentinel");
  again.mainWindow().close();
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
  people.mainWindow().findChild<QPushButton*>("Command1")->click();
  EXPECT_EQ(during, before + 1);
  EXPECT_EQ(place, QPoint(twipsToPixels(3000), twipsToPixels(1500)));
}

}  // namespace
}  // namespace tw::platform

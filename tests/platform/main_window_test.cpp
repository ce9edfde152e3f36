#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

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
  MainWindow& window() { return root->mainWindow(); }
  Form1Controls c() { return root->form().controls(); }
  QtWindow& outer() { return window().windowAdapter(); }

  QTemporaryDir dir;
  std::unique_ptr<AppRoot> root;
};

// Walks the real menu tree in order, so the order and nesting are checked with the captions.
void walk(const QList<QAction*>& actions, const QString& parent,
          std::vector<std::pair<QAction*, QString>>& out) {
  for (QAction* a : actions) {
    out.emplace_back(a, parent);
    if (a->menu()) walk(a->menu()->actions(), a->objectName(), out);
  }
}

TEST_F(MainWindowTest, MenuBarIsTheDesignedOne) {
  // name, the menu it sits in, caption (none for a separator), shortcut, check item
  const struct { const char *name, *parent, *caption, *shortcut; bool check; } items[] = {
      {"MenuFile", "", "&File", "", false}, {"FilePrint", "MenuFile", "&Print...", "", false},
      {"FileSaveBMP", "MenuFile", "&Save as BMP...", "", false}, {"MenuFileNull", "MenuFile", "", "", false},
      {"FileExit", "MenuFile", "E&xit", "", false}, {"MenuChart", "", "&Chart", "", false},
      {"MenuChartType", "MenuChart", "Chart &type", "", false},
      {"MenuChartTypeBio", "MenuChartType", "&Biorhythm chart", "", true},
      {"MenuChartTypeComp", "MenuChartType", "&Comparison chart", "", true},
      {"MenuGo", "MenuChart", "&Go to", "", false}, {"MenuGoToday", "MenuGo", "&Today", "Ctrl+T", false},
      {"MenuGoForward", "MenuGo", "&Forward", "", false},
      {"MenuGoTomorrow", "MenuGoForward", "Next &day", "F1", false},
      {"MenuGoNextWeek", "MenuGoForward", "Next &week", "F2", false},
      {"MenuGoNextMonth", "MenuGoForward", "Next &month", "F3", false},
      {"MenuGoBack", "MenuGo", "&Back", "", false},
      {"MenuGoYesterday", "MenuGoBack", "Previous &day", "Shift+F1", false},
      {"MenuGoLastWeek", "MenuGoBack", "Previous &week", "Shift+F2", false},
      {"MenuGoLastMonth", "MenuGoBack", "Previous &month", "Shift+F3", false},
      {"MenuNull2", "MenuChart", "", "", false},
      {"MenuChartInterpret", "MenuChart", "&Interpret...", "Ctrl+I", false},
      {"MenuSettings", "", "&Settings", "", false}, {"MenuAgeFormat", "MenuSettings", "&Age format", "", false},
      {"MenuAgeDays", "MenuAgeFormat", "&Days", "", true}, {"MenuAgeWeeks", "MenuAgeFormat", "&Weeks", "", true},
      {"MenuAgeYears", "MenuAgeFormat", "&Years", "", true},
      {"MenuSettingWeekSeparators", "MenuSettings", "&Week separators", "", true},
      {"MenuSettingTodayMarker", "MenuSettings", "&Today marker", "", true},
      {"MenuSettingNull2", "MenuSettings", "", "", false},
      {"MenuSettingCurves", "MenuSettings", "&Show curves", "", false},
      {"MenuShowPhy", "MenuSettingCurves", "&Physical curve", "", true},
      {"MenuShowEmo", "MenuSettingCurves", "&Emotional curve", "", true},
      {"MenuShowInt", "MenuSettingCurves", "&Intellectual curve", "", true},
      {"MenuShowAve", "MenuSettingCurves", "&Average curve", "", true},
      {"MenuSettingColour", "MenuSettings", "&Colours", "", false},
      {"MenuSettingPhysicalColour", "MenuSettingColour", "&Physical curve...", "", false},
      {"MenuSettingEmotionalColour", "MenuSettingColour", "&Emotional curve...", "", false},
      {"MenuSettingIntellectualColour", "MenuSettingColour", "&Intellectual curve...", "", false},
      {"MenuSettingAverageColour", "MenuSettingColour", "&Average curve...", "", false},
      {"MenuSettingBackgroundColour", "MenuSettingColour", "&Background...", "", false},
      {"MenuSettingColourNull", "MenuSettingColour", "", "", false},
      {"MenuSettingResetColours", "MenuSettingColour", "&Reset to default", "", false},
      {"MenuHelp", "", "&Help", "", false}, {"MenuHelpContents", "MenuHelp", "&Contents...", "", false},
      {"MenuHelpIndex", "MenuHelp", "&Index...", "", false}, {"MenuHelpNul1", "MenuHelp", "", "", false},
      {"HelpChartKey", "MenuHelp", "Chart &key...", "", false},
      {"HelpAbout", "MenuHelp", "&About Tidewell...", "", false},
  };
  EXPECT_EQ(window().windowTitle(), "Tidewell");
  std::vector<std::pair<QAction*, QString>> found;
  walk(window().menuBar()->actions(), "", found);
  ASSERT_EQ(found.size(), std::size(items));
  for (size_t i = 0; i < found.size(); ++i) {
    const auto& e = items[i];
    QAction* a = found[i].first;
    EXPECT_EQ(a->objectName(), e.name);
    EXPECT_EQ(found[i].second, e.parent) << e.name;
    EXPECT_EQ(a->text(), e.caption) << e.name;
    EXPECT_EQ(a->isSeparator(), QString(e.caption).isEmpty()) << e.name;
    EXPECT_EQ(a->shortcut().toString(QKeySequence::PortableText), e.shortcut) << e.name;
    EXPECT_EQ(a->isCheckable(), e.check) << e.name;
    EXPECT_EQ(window().action(e.name), a) << e.name;
  }
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
    EXPECT_EQ(actions[i]->isSeparator(), b.key == nullptr) << i;
    if (!b.key) continue;
    EXPECT_EQ(actions[i]->data().toString(), b.key);
    EXPECT_EQ(actions[i]->toolTip(), b.tooltip);
    EXPECT_EQ(actions[i]->property("tag").toString(), b.tag) << b.key;
    EXPECT_FALSE(actions[i]->icon().isNull()) << b.key;
  }
}

TEST_F(MainWindowTest, ControlsAndTheChartFollowTheWindowSize) {
  const struct { double W, H, picW, picH, rowTop, picker2Left, command2Left, picker3Left, label3Left; } cases[] = {
      {5000, 2500, 4650, 725, 1350, 2380, 1420, 3575, 2735},
      {9000, 7000, 8650, 5225, 5850, 4380, 3420, 7575, 6735},
  };
  for (const auto& e : cases) {
    SCOPED_TRACE(e.W);
    outer().setWidth(e.W);
    outer().setHeight(e.H);
    auto ctl = c();
    EXPECT_EQ(ctl.Picture1.width(), e.picW);
    EXPECT_EQ(ctl.Picture1.height(), e.picH);
    for (const ui::Control* row : std::initializer_list<const ui::Control*>{
             &ctl.Command1, &ctl.DTPicker1, &ctl.Command2, &ctl.DTPicker2, &ctl.DTPicker3})
      EXPECT_EQ(row->top(), e.rowTop);
    EXPECT_EQ(ctl.DTPicker2.left(), e.picker2Left);
    EXPECT_EQ(ctl.Command2.left(), e.command2Left);
    EXPECT_EQ(ctl.DTPicker3.left(), e.picker3Left);
    EXPECT_EQ(ctl.Label3.left(), e.label3Left);
    EXPECT_EQ(ctl.Label3.top(), e.rowTop + 60);
    EXPECT_EQ((std::vector<double>{ctl.Picture1.left(), ctl.Picture1.top(), ctl.Command1.left(), ctl.DTPicker1.left()}),
              (std::vector<double>{120, 480, 120, 1080}));  // where the pass leaves them
    // On screen: 15 twips to a pixel, the chart drawn at the area's size.
    const QWidget* picture = window().chartView();
    EXPECT_EQ(picture->size(), QSize(std::lround(e.picW / 15), std::lround(e.picH / 15)));
    EXPECT_EQ(window().surface().image().size(), picture->size());
    EXPECT_EQ(window().width(), std::lround((e.W - 120) / 15));
    EXPECT_EQ(window().centralWidget()->height(), std::lround((e.H - 675) / 15));
  }
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
  EXPECT_EQ(edit->minimumDate(), QDate(1601, 1, 1));
  EXPECT_EQ(edit->maximumDate(), QDate(9999, 12, 31));
  form.birthname = "Ann";
  c().DTPicker1.setValue(fromYmd(1990, 3, 10));  // from the program, as choosing a person does
  EXPECT_EQ(edit->date(), QDate(1990, 3, 10));
  EXPECT_EQ(form.birthname, "Ann");
  // Typing changes the date only when committed, and a commit that changed nothing runs nothing.
  edit->setDisplayFormat("dd/MM/yyyy");
  edit->setFocus();
  auto type = [edit](Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(edit, &press);
  };
  type(Qt::Key_Return, "\r");
  edit->findChild<QLineEdit*>()->setSelection(0, 2);  // the day
  type(Qt::Key_1, "1");
  type(Qt::Key_4, "4");
  EXPECT_EQ(form.birthname, "Ann");
  type(Qt::Key_Return, "\r");
  EXPECT_EQ(form.birthdate, fromYmd(1990, 3, 14));
  EXPECT_EQ(form.birthname, "");  // a typed birthday belongs to nobody
  form.birthname = "Bea";
  type(Qt::Key_Return, "\r");
  EXPECT_EQ(form.birthname, "Bea");
  edit->setDate(QDate(1985, 6, 15));  // as the calendar does for the user
  EXPECT_EQ(form.birthdate, fromYmd(1985, 6, 15));
}

TEST_F(MainWindowTest, MaximisingLaysOutForTheNewSizeAndRestoringGivesTheOldOneBack) {
  outer().setWidth(9000);
  outer().setHeight(7000);
  outer().setWindowState(ui::Maximized);
  QCoreApplication::processEvents();
  EXPECT_EQ(outer().windowState(), ui::Maximized);
  EXPECT_GT(outer().width(), 9000);
  EXPECT_EQ(c().Picture1.width(), outer().width() - 350);
  outer().setWindowState(ui::Normal);  // read at once, as shut-down does
  EXPECT_EQ(outer().width(), 9000);
  EXPECT_EQ(outer().height(), 7000);
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
  EXPECT_EQ(again.store().read("Chart width", ""), " 9000");
  again.store().write("Chart type", "sentinel");
  again.mainWindow().close();
  EXPECT_EQ(again.store().read("Chart type", ""), "sentinel");
}

TEST(MenuMarks, ClickingACheckItemLeavesTheMarkToItsHandler) {
  test::qtApp();
  QMenuBar bar;
  QAction* ave = buildMenus(&bar).value("MenuShowAve");
  ave->trigger();
  EXPECT_FALSE(ave->isChecked());
  ave->setChecked(true);
  ave->trigger();
  EXPECT_TRUE(ave->isChecked());
}

}  // namespace
}  // namespace tw::platform

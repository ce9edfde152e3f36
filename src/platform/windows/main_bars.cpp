#include "platform/windows/main_bars.h"

#include <QKeyCombination>
#include <QKeySequence>
#include <QMenu>
#include <stdexcept>
#include <string_view>

#include "commands/display_settings.h"
#include "commands/help_commands.h"
#include "commands/print_and_save.h"
#include "platform/drawing/icons.h"
#include "platform/windows/critical_days_wiring.h"
#include "platform/windows/qt_date_field.h"

namespace tw::platform {

namespace {

// A command: one handler of one of the targets.
using Command = void (*)(const MenuTargets&);
template <void (MainWindow::*handler)()>
void onMain(const MenuTargets& t) {
  (t.main->*handler)();
}
template <void (DisplaySettings::*handler)()>
void onDisplay(const MenuTargets& t) {
  (t.display->*handler)();
}
template <void (PrintAndSave::*handler)()>
void onFiles(const MenuTargets& t) {
  (t.files->*handler)();
}
template <void (HelpCommands::*handler)()>
void onHelp(const MenuTargets& t) {
  (t.help->*handler)();
}
void openCriticalDays(const MenuTargets& t) { t.criticalDays->open(); }

using D = DisplaySettings;
using M = MainWindow;

struct MenuRow {
  int depth;
  const char* name;
  const char* caption;        // "-" for a separator line
  Command command = nullptr;  // an item's; a menu or a separator has none
  bool check = false;
  QKeyCombination key = {};
  QKeySequence::StandardKey standardKey = QKeySequence::UnknownKey;  // the platform's own
};

constexpr MenuRow kMenus[] = {
    {0, "fileMenu", "&File"},
    {1, "print", "&Print...", onFiles<&PrintAndSave::print>},
    {1, "saveAsBmp", "&Save as BMP...", onFiles<&PrintAndSave::save>},
    {1, "fileSeparator", "-"},
    {1, "exit", "E&xit", onMain<&M::exit>},
    {0, "editMenu", "&Edit"},
    {1, "copyChart", "&Copy chart", onMain<&M::copyChart>, false, {}, QKeySequence::Copy},
    {0, "chartMenu", "&Chart"},
    {1, "chartTypeMenu", "Chart &type"},
    {2, "biorhythmChart", "&Biorhythm chart", onDisplay<&D::showBiorhythmChart>, true},
    {2, "comparisonChart", "&Comparison chart", onDisplay<&D::showComparisonChart>, true},
    {1, "goMenu", "&Go to"},
    {2, "goToday", "&Today", onMain<&M::goToday>, false, Qt::CTRL | Qt::Key_T},
    {2, "forwardMenu", "&Forward"},
    {3, "goNextDay", "Next &day", onMain<&M::goNextDay>, false, Qt::Key_F1},
    {3, "goNextWeek", "Next &week", onMain<&M::goNextWeek>, false, Qt::Key_F2},
    {3, "goForward28Days", "Next &month", onMain<&M::goForward28Days>, false, Qt::Key_F3},
    {2, "backMenu", "&Back"},
    {3, "goPreviousDay", "Previous &day", onMain<&M::goPreviousDay>, false, Qt::SHIFT | Qt::Key_F1},
    {3, "goPreviousWeek", "Previous &week", onMain<&M::goPreviousWeek>, false,
     Qt::SHIFT | Qt::Key_F2},
    {3, "goBack28Days", "Previous &month", onMain<&M::goBack28Days>, false, Qt::SHIFT | Qt::Key_F3},
    {1, "chartSeparator", "-"},
    {1, "interpret", "&Interpret...", onMain<&M::interpret>, false, Qt::CTRL | Qt::Key_I},
    {1, "criticalDays", "C&ritical days...", openCriticalDays, false, Qt::CTRL | Qt::Key_R},
    {0, "settingsMenu", "&Settings"},
    {1, "ageUnitMenu", "&Age format"},
    {2, "ageInDays", "&Days", onDisplay<&D::showAgeInDays>, true},
    {2, "ageInWeeks", "&Weeks", onDisplay<&D::showAgeInWeeks>, true},
    {2, "ageInYears", "&Years", onDisplay<&D::showAgeInYears>, true},
    {1, "weekSeparators", "&Week separators", onDisplay<&D::toggleWeekSeparators>, true},
    {1, "todayMarker", "&Today marker", onDisplay<&D::toggleTodayMarker>, true},
    {1, "criticalDayMarks", "Critical &day marks", onDisplay<&D::toggleCriticalDayMarks>, true},
    {1, "settingsSeparator", "-"},
    {1, "curvesMenu", "&Show curves"},
    {2, "physicalCurve", "&Physical curve", onDisplay<&D::togglePhysicalCurve>, true},
    {2, "emotionalCurve", "&Emotional curve", onDisplay<&D::toggleEmotionalCurve>, true},
    {2, "intellectualCurve", "&Intellectual curve", onDisplay<&D::toggleIntellectualCurve>, true},
    {2, "averageCurve", "&Average curve", onDisplay<&D::toggleAverageCurve>, true},
    {1, "coloursMenu", "&Colours"},
    {2, "physicalColour", "&Physical curve...", onDisplay<&D::choosePhysicalColour>},
    {2, "emotionalColour", "&Emotional curve...", onDisplay<&D::chooseEmotionalColour>},
    {2, "intellectualColour", "&Intellectual curve...", onDisplay<&D::chooseIntellectualColour>},
    {2, "averageColour", "&Average curve...", onDisplay<&D::chooseAverageColour>},
    {2, "backgroundColour", "&Background...", onDisplay<&D::chooseBackgroundColour>},
    {2, "coloursSeparator", "-"},
    {2, "resetColours", "&Reset to default", onDisplay<&D::resetColours>},
    {0, "helpMenu", "&Help"},
    {1, "helpContents", "&Contents...", onHelp<&HelpCommands::showContents>},
    {1, "helpIndex", "&Index...", onHelp<&HelpCommands::showTopicFinder>},
    {1, "helpSeparator", "-"},
    {1, "chartKey", "Chart &key...", onHelp<&HelpCommands::showChartKey>},
    {1, "about", "&About Tidewell...", onHelp<&HelpCommands::showAbout>},
};

constexpr bool isSeparator(const MenuRow& row) { return row.caption == std::string_view("-"); }
constexpr bool opensMenu(std::size_t i) {
  return i + 1 < std::size(kMenus) && kMenus[i + 1].depth > kMenus[i].depth;
}

// Every item runs a command, and nothing else does: a row without one does not build.
consteval bool eachItemHasACommand() {
  for (std::size_t i = 0; i < std::size(kMenus); ++i)
    if ((kMenus[i].command != nullptr) == (opensMenu(i) || isSeparator(kMenus[i]))) return false;
  return true;
}
static_assert(eachItemHasACommand(), "a menu item without a command, or a menu with one");

struct ToolRow {
  const char* key;  // nullptr for a separator
  int image;
  const char* tooltip;
  Command command;
};

const ToolRow kTools[] = {
    {"Print", 2, "Print", onMain<&M::print>},
    {"Save", 1, "Save as BMP", onMain<&M::save>},
    {nullptr, 0, nullptr, nullptr},
    {"BackMonth", 3, "Back 1 month", onMain<&M::goBack28Days>},
    {"BackWeek", 4, "Back 1 week", onMain<&M::goPreviousWeek>},
    {"BackDay", 5, "Back 1 day", onMain<&M::goPreviousDay>},
    {"Today", 9, "Goto today", onMain<&M::goToday>},
    {"ForwardDay", 6, "Forward 1 day", onMain<&M::goNextDay>},
    {"ForwardWeek", 7, "Forward 1 week", onMain<&M::goNextWeek>},
    {"ForwardMonth", 8, "Forward 1 month", onMain<&M::goForward28Days>},
    {nullptr, 0, nullptr, nullptr},
    {"Interpret", 10, "Interpret chart", onMain<&M::interpret>},
};

}  // namespace

QHash<QString, QAction*> buildMenus(QMenuBar* bar, const MenuTargets& targets) {
  QHash<QString, QAction*> actions;
  QMenu* open[4] = {};  // the menu currently filled at each depth
  for (std::size_t i = 0; i < std::size(kMenus); ++i) {
    const MenuRow& row = kMenus[i];
    const QString name = QString::fromLatin1(row.name);
    QAction* action = nullptr;
    if (opensMenu(i)) {
      QMenu* menu = row.depth == 0 ? bar->addMenu(QString::fromLatin1(row.caption))
                                   : open[row.depth - 1]->addMenu(QString::fromLatin1(row.caption));
      menu->setObjectName(name);
      open[row.depth] = menu;
      action = menu->menuAction();
    } else if (isSeparator(row)) {
      action = open[row.depth - 1]->addSeparator();
    } else {
      action = open[row.depth - 1]->addAction(QString::fromLatin1(row.caption));
      if (row.key != QKeyCombination()) action->setShortcut(QKeySequence(row.key));
      if (row.standardKey != QKeySequence::UnknownKey) action->setShortcuts(row.standardKey);
      if (row.check) {
        action->setCheckable(true);
        // Undo Qt's own toggle before the command runs: the mark mirrors the state.
        QObject::connect(action, &QAction::triggered, action,
                         [action](bool checked) { action->setChecked(!checked); });
      }
      QObject::connect(action, &QAction::triggered, action,
                       [command = row.command, &targets] { command(targets); });
    }
    action->setObjectName(name);
    actions.insert(name, action);
  }
  return actions;
}

void buildToolbar(QToolBar* bar, const MenuTargets& targets) {
  for (const ToolRow& row : kTools) {
    if (!row.key) {
      bar->addSeparator();
      continue;
    }
    const QString tip = QString::fromLatin1(row.tooltip);
    QAction* action = bar->addAction(toolbarImage(row.image), tip);
    action->setObjectName(QString::fromLatin1(row.key));
    action->setData(QString::fromLatin1(row.key));
    action->setToolTip(tip);
    QObject::connect(action, &QAction::triggered, bar, [bar, command = row.command, &targets] {
      // A click on the toolbar leaves the focus where it was: take what was typed first.
      QtDateField::commitTypingIn(bar->window());
      command(targets);
    });
  }
}

namespace {
// An item with a caption of its own stands in for its menu item; without one it is that item.
const struct {
  const char* name;
  const char* caption;
} kChartMenu[] = {
    {"copyChart", nullptr}, {"saveAsBmp", "&Save as..."}, {"print", nullptr},
    {"interpret", nullptr}, {"criticalDays", nullptr},
};
}  // namespace

void fillChartMenu(QMenu* menu, const QHash<QString, QAction*>& actions) {
  for (const auto& row : kChartMenu) {
    QAction* item = actions.value(QString::fromLatin1(row.name));
    if (!item) throw std::logic_error(std::string("no menu item is named ") + row.name);
    if (!row.caption) {
      menu->addAction(item);
      continue;
    }
    QAction* standIn = menu->addAction(QString::fromLatin1(row.caption));
    standIn->setObjectName(QString::fromLatin1(row.name) + QStringLiteral("Chart"));
    QObject::connect(standIn, &QAction::triggered, item, &QAction::trigger);
  }
}

}  // namespace tw::platform

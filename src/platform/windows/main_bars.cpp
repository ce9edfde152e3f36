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
#include "platform/system/ui_text.h"
#include "platform/windows/critical_days_wiring.h"
#include "platform/windows/qt_date_field.h"

namespace tw::platform {

namespace {

// A command: one handler of one of the targets. Whether there is one is a flag of its own: a
// function's address is no constant under every compiler option (the sanitizers'), the flag is.
struct Command {
  void (*run)(const MenuTargets&) = nullptr;
  bool given = false;
  constexpr Command() = default;
  constexpr Command(void (*f)(const MenuTargets&)) : run(f), given(true) {}
  void operator()(const MenuTargets& t) const { run(t); }
};
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
  Message caption;       // "-" for a separator line; the context names its menu
  Command command = {};  // an item's; a menu or a separator has none
  bool check = false;
  QKeyCombination key = {};
  QKeySequence::StandardKey standardKey = QKeySequence::UnknownKey;  // the platform's own
};

constexpr MenuRow kMenus[] = {
    // TRANSLATORS: the menus. Each item's context names its menu: access keys (the letter after
    // "&") must differ within one menu.
    {0, "fileMenu", NC_("menu bar", "&File")},
    {1, "print", NC_("File menu", "&Print..."), onFiles<&PrintAndSave::print>},
    {1, "saveAsBmp", NC_("File menu", "&Save as BMP..."), onFiles<&PrintAndSave::save>},
    {1, "fileSeparator", {nullptr, "-"}},
    {1, "exit", NC_("File menu", "E&xit"), onMain<&M::exit>},
    {0, "editMenu", NC_("menu bar", "&Edit")},
    {1,
     "copyChart",
     NC_("Edit menu", "&Copy chart"),
     onMain<&M::copyChart>,
     false,
     {},
     QKeySequence::Copy},
    {0, "chartMenu", NC_("menu bar", "&Chart")},
    {1, "chartTypeMenu", NC_("Chart menu", "Chart &type")},
    {2, "biorhythmChart", NC_("Chart type menu", "&Biorhythm chart"),
     onDisplay<&D::showBiorhythmChart>, true},
    {2, "comparisonChart", NC_("Chart type menu", "&Comparison chart"),
     onDisplay<&D::showComparisonChart>, true},
    {1, "goMenu", NC_("Chart menu", "&Go to")},
    {2, "goToday", NC_("Go to menu", "&Today"), onMain<&M::goToday>, false, Qt::CTRL | Qt::Key_T},
    {2, "forwardMenu", NC_("Go to menu", "&Forward")},
    {3, "goNextDay", NC_("Forward menu", "Next &day"), onMain<&M::goNextDay>, false, Qt::Key_F1},
    {3, "goNextWeek", NC_("Forward menu", "Next &week"), onMain<&M::goNextWeek>, false, Qt::Key_F2},
    {3, "goForward28Days", NC_("Forward menu", "Next &month"), onMain<&M::goForward28Days>, false,
     Qt::Key_F3},
    {2, "backMenu", NC_("Go to menu", "&Back")},
    {3, "goPreviousDay", NC_("Back menu", "Previous &day"), onMain<&M::goPreviousDay>, false,
     Qt::SHIFT | Qt::Key_F1},
    {3, "goPreviousWeek", NC_("Back menu", "Previous &week"), onMain<&M::goPreviousWeek>, false,
     Qt::SHIFT | Qt::Key_F2},
    {3, "goBack28Days", NC_("Back menu", "Previous &month"), onMain<&M::goBack28Days>, false,
     Qt::SHIFT | Qt::Key_F3},
    {1, "chartSeparator", {nullptr, "-"}},
    {1, "interpret", NC_("Chart menu", "&Interpret..."), onMain<&M::interpret>, false,
     Qt::CTRL | Qt::Key_I},
    {1, "criticalDays", NC_("Chart menu", "C&ritical days..."), openCriticalDays, false,
     Qt::CTRL | Qt::Key_R},
    {0, "settingsMenu", NC_("menu bar", "&Settings")},
    {1, "ageUnitMenu", NC_("Settings menu", "&Age format")},
    {2, "ageInDays", NC_("Age format menu", "&Days"), onDisplay<&D::showAgeInDays>, true},
    {2, "ageInWeeks", NC_("Age format menu", "&Weeks"), onDisplay<&D::showAgeInWeeks>, true},
    {2, "ageInYears", NC_("Age format menu", "&Years"), onDisplay<&D::showAgeInYears>, true},
    {1, "weekSeparators", NC_("Settings menu", "&Week separators"),
     onDisplay<&D::toggleWeekSeparators>, true},
    {1, "todayMarker", NC_("Settings menu", "&Today marker"), onDisplay<&D::toggleTodayMarker>,
     true},
    {1, "criticalDayMarks", NC_("Settings menu", "Critical &day marks"),
     onDisplay<&D::toggleCriticalDayMarks>, true},
    {1, "settingsSeparator", {nullptr, "-"}},
    {1, "curvesMenu", NC_("Settings menu", "&Show curves")},
    {2, "physicalCurve", NC_("Show curves menu", "&Physical curve"),
     onDisplay<&D::togglePhysicalCurve>, true},
    {2, "emotionalCurve", NC_("Show curves menu", "&Emotional curve"),
     onDisplay<&D::toggleEmotionalCurve>, true},
    {2, "intellectualCurve", NC_("Show curves menu", "&Intellectual curve"),
     onDisplay<&D::toggleIntellectualCurve>, true},
    {2, "averageCurve", NC_("Show curves menu", "&Average curve"),
     onDisplay<&D::toggleAverageCurve>, true},
    {1, "coloursMenu", NC_("Settings menu", "&Colours")},
    {2, "physicalColour", NC_("Colours menu", "&Physical curve..."),
     onDisplay<&D::choosePhysicalColour>},
    {2, "emotionalColour", NC_("Colours menu", "&Emotional curve..."),
     onDisplay<&D::chooseEmotionalColour>},
    {2, "intellectualColour", NC_("Colours menu", "&Intellectual curve..."),
     onDisplay<&D::chooseIntellectualColour>},
    {2, "averageColour", NC_("Colours menu", "&Average curve..."),
     onDisplay<&D::chooseAverageColour>},
    {2, "backgroundColour", NC_("Colours menu", "&Background..."),
     onDisplay<&D::chooseBackgroundColour>},
    {2, "coloursSeparator", {nullptr, "-"}},
    {2, "resetColours", NC_("Colours menu", "&Reset to default"), onDisplay<&D::resetColours>},
    {0, "helpMenu", NC_("menu bar", "&Help")},
    {1, "helpContents", NC_("Help menu", "&Contents..."), onHelp<&HelpCommands::showContents>},
    {1, "helpIndex", NC_("Help menu", "&Index..."), onHelp<&HelpCommands::showTopicFinder>},
    {1, "helpSeparator", {nullptr, "-"}},
    {1, "chartKey", NC_("Help menu", "Chart &key..."), onHelp<&HelpCommands::showChartKey>},
    {1, "about", NC_("Help menu", "&About Tidewell..."), onHelp<&HelpCommands::showAbout>},
};

constexpr bool isSeparator(const MenuRow& row) { return row.caption.id == std::string_view("-"); }
constexpr bool opensMenu(std::size_t i) {
  return i + 1 < std::size(kMenus) && kMenus[i + 1].depth > kMenus[i].depth;
}

// Every item runs a command, and nothing else does: a row without one does not build.
consteval bool eachItemHasACommand() {
  for (std::size_t i = 0; i < std::size(kMenus); ++i)
    if (kMenus[i].command.given == (opensMenu(i) || isSeparator(kMenus[i]))) return false;
  return true;
}
static_assert(eachItemHasACommand(), "a menu item without a command, or a menu with one");

struct ToolRow {
  const char* key;  // nullptr for a separator
  int image;
  Message tooltip;
  Command command;
};

const ToolRow kTools[] = {
    // TRANSLATORS: the toolbar's buttons' tooltips and names.
    {"Print", 2, NC_("toolbar", "Print"), onMain<&M::print>},
    {"Save", 1, NC_("toolbar", "Save as BMP"), onMain<&M::save>},
    {nullptr, 0, {}, nullptr},
    {"BackMonth", 3, NC_("toolbar", "Back 1 month"), onMain<&M::goBack28Days>},
    {"BackWeek", 4, NC_("toolbar", "Back 1 week"), onMain<&M::goPreviousWeek>},
    {"BackDay", 5, NC_("toolbar", "Back 1 day"), onMain<&M::goPreviousDay>},
    {"Today", 9, NC_("toolbar", "Goto today"), onMain<&M::goToday>},
    {"ForwardDay", 6, NC_("toolbar", "Forward 1 day"), onMain<&M::goNextDay>},
    {"ForwardWeek", 7, NC_("toolbar", "Forward 1 week"), onMain<&M::goNextWeek>},
    {"ForwardMonth", 8, NC_("toolbar", "Forward 1 month"), onMain<&M::goForward28Days>},
    {nullptr, 0, {}, nullptr},
    {"Interpret", 10, NC_("toolbar", "Interpret chart"), onMain<&M::interpret>},
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
      const QString caption = qtText(_(row.caption));
      QMenu* menu = row.depth == 0 ? bar->addMenu(caption) : open[row.depth - 1]->addMenu(caption);
      menu->setObjectName(name);
      open[row.depth] = menu;
      action = menu->menuAction();
    } else if (isSeparator(row)) {
      action = open[row.depth - 1]->addSeparator();
    } else {
      action = open[row.depth - 1]->addAction(qtText(_(row.caption)));
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
    const QString tip = qtText(_(row.tooltip));
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
  Message caption;  // no text: the menu item itself
} kChartMenu[] = {
    {"copyChart", {}},
    // TRANSLATORS: its access key must differ from those of Copy chart, Print..., Interpret...
    // and Critical days... in the Edit, File and Chart menus.
    {"saveAsBmp", NC_("chart's context menu", "&Save as...")},
    {"print", {}},
    {"interpret", {}},
    {"criticalDays", {}},
};
}  // namespace

void fillChartMenu(QMenu* menu, const QHash<QString, QAction*>& actions) {
  for (const auto& row : kChartMenu) {
    QAction* item = actions.value(QString::fromLatin1(row.name));
    if (!item) throw std::logic_error(std::string("no menu item is named ") + row.name);
    if (!row.caption.id) {
      menu->addAction(item);
      continue;
    }
    QAction* standIn = menu->addAction(qtText(_(row.caption)));
    standIn->setObjectName(QString::fromLatin1(row.name) + QStringLiteral("Chart"));
    QObject::connect(standIn, &QAction::triggered, item, &QAction::trigger);
  }
}

}  // namespace tw::platform

#include "platform/windows/main_bars.h"

#include <QKeyCombination>
#include <QKeySequence>
#include <QMenu>

#include "platform/drawing/icons.h"

namespace tw::platform {

namespace {

struct MenuRow {
  int depth;
  const char* name;
  const char* caption;  // "-" for a separator line
  QKeyCombination key = {};
  bool check = false;
  QKeySequence::StandardKey standardKey = QKeySequence::UnknownKey;  // the platform's own
};

const MenuRow kMenus[] = {
    {0, "fileMenu", "&File"},
    {1, "print", "&Print..."},
    {1, "saveAsBmp", "&Save as BMP..."},
    {1, "fileSeparator", "-"},
    {1, "exit", "E&xit"},
    {0, "editMenu", "&Edit"},
    {1, "copyChart", "&Copy chart", {}, false, QKeySequence::Copy},
    {0, "chartMenu", "&Chart"},
    {1, "chartTypeMenu", "Chart &type"},
    {2, "biorhythmChart", "&Biorhythm chart", {}, true},
    {2, "comparisonChart", "&Comparison chart", {}, true},
    {1, "goMenu", "&Go to"},
    {2, "goToday", "&Today", Qt::CTRL | Qt::Key_T},
    {2, "forwardMenu", "&Forward"},
    {3, "goNextDay", "Next &day", QKeyCombination(Qt::Key_F1)},
    {3, "goNextWeek", "Next &week", QKeyCombination(Qt::Key_F2)},
    {3, "goForward28Days", "Next &month", QKeyCombination(Qt::Key_F3)},
    {2, "backMenu", "&Back"},
    {3, "goPreviousDay", "Previous &day", Qt::SHIFT | Qt::Key_F1},
    {3, "goPreviousWeek", "Previous &week", Qt::SHIFT | Qt::Key_F2},
    {3, "goBack28Days", "Previous &month", Qt::SHIFT | Qt::Key_F3},
    {1, "chartSeparator", "-"},
    {1, "interpret", "&Interpret...", Qt::CTRL | Qt::Key_I},
    {1, "criticalDays", "C&ritical days...", Qt::CTRL | Qt::Key_R},
    {0, "settingsMenu", "&Settings"},
    {1, "ageUnitMenu", "&Age format"},
    {2, "ageInDays", "&Days", {}, true},
    {2, "ageInWeeks", "&Weeks", {}, true},
    {2, "ageInYears", "&Years", {}, true},
    {1, "weekSeparators", "&Week separators", {}, true},
    {1, "todayMarker", "&Today marker", {}, true},
    {1, "criticalDayMarks", "Critical &day marks", {}, true},
    {1, "settingsSeparator", "-"},
    {1, "curvesMenu", "&Show curves"},
    {2, "physicalCurve", "&Physical curve", {}, true},
    {2, "emotionalCurve", "&Emotional curve", {}, true},
    {2, "intellectualCurve", "&Intellectual curve", {}, true},
    {2, "averageCurve", "&Average curve", {}, true},
    {1, "coloursMenu", "&Colours"},
    {2, "physicalColour", "&Physical curve..."},
    {2, "emotionalColour", "&Emotional curve..."},
    {2, "intellectualColour", "&Intellectual curve..."},
    {2, "averageColour", "&Average curve..."},
    {2, "backgroundColour", "&Background..."},
    {2, "coloursSeparator", "-"},
    {2, "resetColours", "&Reset to default"},
    {0, "helpMenu", "&Help"},
    {1, "helpContents", "&Contents..."},
    {1, "helpIndex", "&Index..."},
    {1, "helpSeparator", "-"},
    {1, "chartKey", "Chart &key..."},
    {1, "about", "&About Tidewell..."},
};

struct ToolRow {
  const char* key;  // nullptr for a separator
  int image;
  const char* tooltip;
};

const ToolRow kTools[] = {
    {"Print", 2, "Print"},
    {"Save", 1, "Save as BMP"},
    {nullptr, 0, nullptr},
    {"BackMonth", 3, "Back 1 month"},
    {"BackWeek", 4, "Back 1 week"},
    {"BackDay", 5, "Back 1 day"},
    {"Today", 9, "Goto today"},
    {"ForwardDay", 6, "Forward 1 day"},
    {"ForwardWeek", 7, "Forward 1 week"},
    {"ForwardMonth", 8, "Forward 1 month"},
    {nullptr, 0, nullptr},
    {"Interpret", 10, "Interpret chart"},
};

}  // namespace

QHash<QString, QAction*> buildMenus(QMenuBar* bar) {
  QHash<QString, QAction*> actions;
  QMenu* open[4] = {};  // the menu currently filled at each depth
  const int rows = static_cast<int>(std::size(kMenus));
  for (int i = 0; i < rows; ++i) {
    const MenuRow& row = kMenus[i];
    const QString name = QString::fromLatin1(row.name);
    const bool hasItems = i + 1 < rows && kMenus[i + 1].depth > row.depth;
    QAction* action = nullptr;
    if (hasItems) {
      QMenu* menu = row.depth == 0 ? bar->addMenu(QString::fromLatin1(row.caption))
                                   : open[row.depth - 1]->addMenu(QString::fromLatin1(row.caption));
      menu->setObjectName(name);
      open[row.depth] = menu;
      action = menu->menuAction();
    } else if (QString::fromLatin1(row.caption) == QLatin1String("-")) {
      action = open[row.depth - 1]->addSeparator();
    } else {
      action = open[row.depth - 1]->addAction(QString::fromLatin1(row.caption));
      if (row.key != QKeyCombination()) action->setShortcut(QKeySequence(row.key));
      if (row.standardKey != QKeySequence::UnknownKey) action->setShortcuts(row.standardKey);
      if (row.check) {
        action->setCheckable(true);
        // Undo Qt's own toggle before any handler runs: the mark mirrors the state.
        QObject::connect(action, &QAction::triggered, action,
                         [action](bool checked) { action->setChecked(!checked); });
      }
    }
    action->setObjectName(name);
    actions.insert(name, action);
  }
  return actions;
}

void buildToolbar(QToolBar* bar) {
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
    if (!item) continue;
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

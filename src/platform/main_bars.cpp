#include "platform/main_bars.h"

#include <QKeyCombination>
#include <QMenu>

#include "platform/icons.h"

namespace tw::platform {

namespace {

struct MenuRow {
  int depth;
  const char* name;
  const char* caption;  // "-" for a separator line
  QKeyCombination key = {};
  bool check = false;
};

const MenuRow kMenus[] = {
    {0, "MenuFile", "&File"},
    {1, "FilePrint", "&Print..."},
    {1, "FileSaveBMP", "&Save as BMP..."},
    {1, "MenuFileNull", "-"},
    {1, "FileExit", "E&xit"},
    {0, "MenuChart", "&Chart"},
    {1, "MenuChartType", "Chart &type"},
    {2, "MenuChartTypeBio", "&Biorhythm chart", {}, true},
    {2, "MenuChartTypeComp", "&Comparison chart", {}, true},
    {1, "MenuGo", "&Go to"},
    {2, "MenuGoToday", "&Today", Qt::CTRL | Qt::Key_T},
    {2, "MenuGoForward", "&Forward"},
    {3, "MenuGoTomorrow", "Next &day", QKeyCombination(Qt::Key_F1)},
    {3, "MenuGoNextWeek", "Next &week", QKeyCombination(Qt::Key_F2)},
    {3, "MenuGoNextMonth", "Next &month", QKeyCombination(Qt::Key_F3)},
    {2, "MenuGoBack", "&Back"},
    {3, "MenuGoYesterday", "Previous &day", Qt::SHIFT | Qt::Key_F1},
    {3, "MenuGoLastWeek", "Previous &week", Qt::SHIFT | Qt::Key_F2},
    {3, "MenuGoLastMonth", "Previous &month", Qt::SHIFT | Qt::Key_F3},
    {1, "MenuNull2", "-"},
    {1, "MenuChartInterpret", "&Interpret...", Qt::CTRL | Qt::Key_I},
    {0, "MenuSettings", "&Settings"},
    {1, "MenuAgeFormat", "&Age format"},
    {2, "MenuAgeDays", "&Days", {}, true},
    {2, "MenuAgeWeeks", "&Weeks", {}, true},
    {2, "MenuAgeYears", "&Years", {}, true},
    {1, "MenuSettingWeekSeparators", "&Week separators", {}, true},
    {1, "MenuSettingTodayMarker", "&Today marker", {}, true},
    {1, "MenuSettingNull2", "-"},
    {1, "MenuSettingCurves", "&Show curves"},
    {2, "MenuShowPhy", "&Physical curve", {}, true},
    {2, "MenuShowEmo", "&Emotional curve", {}, true},
    {2, "MenuShowInt", "&Intellectual curve", {}, true},
    {2, "MenuShowAve", "&Average curve", {}, true},
    {1, "MenuSettingColour", "&Colours"},
    {2, "MenuSettingPhysicalColour", "&Physical curve..."},
    {2, "MenuSettingEmotionalColour", "&Emotional curve..."},
    {2, "MenuSettingIntellectualColour", "&Intellectual curve..."},
    {2, "MenuSettingAverageColour", "&Average curve..."},
    {2, "MenuSettingBackgroundColour", "&Background..."},
    {2, "MenuSettingColourNull", "-"},
    {2, "MenuSettingResetColours", "&Reset to default"},
    {0, "MenuHelp", "&Help"},
    {1, "MenuHelpContents", "&Contents..."},
    {1, "MenuHelpIndex", "&Index..."},
    {1, "MenuHelpNul1", "-"},
    {1, "HelpChartKey", "Chart &key..."},
    {1, "HelpAbout", "&About Tidewell..."},
};

struct ToolRow {
  const char* key;  // nullptr for a separator
  int image;
  const char* tooltip;
  bool tagged;  // the button carries its image's tag
};

const ToolRow kTools[] = {
    {"Print", 2, "Print", false},
    {"Save", 1, "Save as BMP", true},
    {nullptr, 0, nullptr, false},
    {"BackMonth", 3, "Back 1 month", true},
    {"BackWeek", 4, "Back 1 week", true},
    {"BackDay", 5, "Back 1 day", true},
    {"Today", 9, "Goto today", false},
    {"ForwardDay", 6, "Forward 1 day", true},
    {"ForwardWeek", 7, "Forward 1 week", true},
    {"ForwardMonth", 8, "Forward 1 month", true},
    {nullptr, 0, nullptr, false},
    {"Interpret", 10, "Interpret chart", false},
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
    action->setProperty("tag", row.tagged ? imageTag(row.image) : QString());
  }
}

}  // namespace tw::platform

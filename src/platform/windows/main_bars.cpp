#include "platform/windows/main_bars.h"

#include <QKeyCombination>
#include <QKeySequence>
#include <QMenu>

#include <string_view>

#include "catalogue/catalogue.h"
#include "platform/drawing/icons.h"

namespace tw::platform {

namespace {

struct MenuRow {
  int depth;
  const char* name;
  Message caption;  // "-" for a separator line; its context names the menu it is in
  QKeyCombination key = {};
  bool check = false;
  QKeySequence::StandardKey standardKey = QKeySequence::UnknownKey;  // the platform's own
};

const MenuRow kMenus[] = {
    // TRANSLATORS: the menus. Each item's context names its menu: access keys (the letter after
    // "&") must differ within one menu.
    {0, "fileMenu", NC_("menu bar", "&File")},
    {1, "print", NC_("File menu", "&Print...")},
    {1, "saveAsBmp", NC_("File menu", "&Save as BMP...")},
    {1, "fileSeparator", {nullptr, "-"}},
    {1, "exit", NC_("File menu", "E&xit")},
    {0, "editMenu", NC_("menu bar", "&Edit")},
    {1, "copyChart", NC_("Edit menu", "&Copy chart"), {}, false, QKeySequence::Copy},
    {0, "chartMenu", NC_("menu bar", "&Chart")},
    {1, "chartTypeMenu", NC_("Chart menu", "Chart &type")},
    {2, "biorhythmChart", NC_("Chart type menu", "&Biorhythm chart"), {}, true},
    {2, "comparisonChart", NC_("Chart type menu", "&Comparison chart"), {}, true},
    {1, "goMenu", NC_("Chart menu", "&Go to")},
    {2, "goToday", NC_("Go to menu", "&Today"), Qt::CTRL | Qt::Key_T},
    {2, "forwardMenu", NC_("Go to menu", "&Forward")},
    {3, "goNextDay", NC_("Forward menu", "Next &day"), QKeyCombination(Qt::Key_F1)},
    {3, "goNextWeek", NC_("Forward menu", "Next &week"), QKeyCombination(Qt::Key_F2)},
    {3, "goForward28Days", NC_("Forward menu", "Next &month"), QKeyCombination(Qt::Key_F3)},
    {2, "backMenu", NC_("Go to menu", "&Back")},
    {3, "goPreviousDay", NC_("Back menu", "Previous &day"), Qt::SHIFT | Qt::Key_F1},
    {3, "goPreviousWeek", NC_("Back menu", "Previous &week"), Qt::SHIFT | Qt::Key_F2},
    {3, "goBack28Days", NC_("Back menu", "Previous &month"), Qt::SHIFT | Qt::Key_F3},
    {1, "chartSeparator", {nullptr, "-"}},
    {1, "interpret", NC_("Chart menu", "&Interpret..."), Qt::CTRL | Qt::Key_I},
    {1, "criticalDays", NC_("Chart menu", "C&ritical days..."), Qt::CTRL | Qt::Key_R},
    {0, "settingsMenu", NC_("menu bar", "&Settings")},
    {1, "ageUnitMenu", NC_("Settings menu", "&Age format")},
    {2, "ageInDays", NC_("Age format menu", "&Days"), {}, true},
    {2, "ageInWeeks", NC_("Age format menu", "&Weeks"), {}, true},
    {2, "ageInYears", NC_("Age format menu", "&Years"), {}, true},
    {1, "weekSeparators", NC_("Settings menu", "&Week separators"), {}, true},
    {1, "todayMarker", NC_("Settings menu", "&Today marker"), {}, true},
    {1, "criticalDayMarks", NC_("Settings menu", "Critical &day marks"), {}, true},
    {1, "settingsSeparator", {nullptr, "-"}},
    {1, "curvesMenu", NC_("Settings menu", "&Show curves")},
    {2, "physicalCurve", NC_("Show curves menu", "&Physical curve"), {}, true},
    {2, "emotionalCurve", NC_("Show curves menu", "&Emotional curve"), {}, true},
    {2, "intellectualCurve", NC_("Show curves menu", "&Intellectual curve"), {}, true},
    {2, "averageCurve", NC_("Show curves menu", "&Average curve"), {}, true},
    {1, "coloursMenu", NC_("Settings menu", "&Colours")},
    {2, "physicalColour", NC_("Colours menu", "&Physical curve...")},
    {2, "emotionalColour", NC_("Colours menu", "&Emotional curve...")},
    {2, "intellectualColour", NC_("Colours menu", "&Intellectual curve...")},
    {2, "averageColour", NC_("Colours menu", "&Average curve...")},
    {2, "backgroundColour", NC_("Colours menu", "&Background...")},
    {2, "coloursSeparator", {nullptr, "-"}},
    {2, "resetColours", NC_("Colours menu", "&Reset to default")},
    {0, "helpMenu", NC_("menu bar", "&Help")},
    {1, "helpContents", NC_("Help menu", "&Contents...")},
    {1, "helpIndex", NC_("Help menu", "&Index...")},
    {1, "helpSeparator", {nullptr, "-"}},
    {1, "chartKey", NC_("Help menu", "Chart &key...")},
    {1, "about", NC_("Help menu", "&About Tidewell...")},
};

struct ToolRow {
  const char* key;  // nullptr for a separator
  int image;
  Message tooltip;
};

const ToolRow kTools[] = {
    // TRANSLATORS: the toolbar's buttons' tooltips and names.
    {"Print", 2, NC_("toolbar", "Print")},
    {"Save", 1, NC_("toolbar", "Save as BMP")},
    {nullptr, 0, {}},
    {"BackMonth", 3, NC_("toolbar", "Back 1 month")},
    {"BackWeek", 4, NC_("toolbar", "Back 1 week")},
    {"BackDay", 5, NC_("toolbar", "Back 1 day")},
    {"Today", 9, NC_("toolbar", "Goto today")},
    {"ForwardDay", 6, NC_("toolbar", "Forward 1 day")},
    {"ForwardWeek", 7, NC_("toolbar", "Forward 1 week")},
    {"ForwardMonth", 8, NC_("toolbar", "Forward 1 month")},
    {nullptr, 0, {}},
    {"Interpret", 10, NC_("toolbar", "Interpret chart")},
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
      const QString caption = QString::fromUtf8(_(row.caption));
      QMenu* menu = row.depth == 0 ? bar->addMenu(caption) : open[row.depth - 1]->addMenu(caption);
      menu->setObjectName(name);
      open[row.depth] = menu;
      action = menu->menuAction();
    } else if (std::string_view(row.caption.id) == "-") {
      action = open[row.depth - 1]->addSeparator();
    } else {
      action = open[row.depth - 1]->addAction(QString::fromUtf8(_(row.caption)));
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
    const QString tip = QString::fromUtf8(_(row.tooltip));
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
  Message caption;  // no text: the menu item itself
} kChartMenu[] = {
    {"copyChart", {}},    {"saveAsBmp", NC_("chart's context menu", "&Save as...")},
    {"print", {}},        {"interpret", {}},
    {"criticalDays", {}},
};
}  // namespace

void fillChartMenu(QMenu* menu, const QHash<QString, QAction*>& actions) {
  for (const auto& row : kChartMenu) {
    QAction* item = actions.value(QString::fromLatin1(row.name));
    if (!item) continue;
    if (!row.caption.id) {
      menu->addAction(item);
      continue;
    }
    QAction* standIn = menu->addAction(QString::fromUtf8(_(row.caption)));
    standIn->setObjectName(QString::fromLatin1(row.name) + QStringLiteral("Chart"));
    QObject::connect(standIn, &QAction::triggered, item, &QAction::trigger);
  }
}

}  // namespace tw::platform

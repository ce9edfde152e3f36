#pragma once
// The main window's menu bar and toolbar: one table each, every row with its command.
#include <QAction>
#include <QHash>
#include <QMenu>
#include <QMenuBar>
#include <QString>
#include <QToolBar>

namespace tw {
class MainWindow;
class DisplaySettings;
class PrintAndSave;
class HelpCommands;
}  // namespace tw

namespace tw::platform {

class CriticalDaysWiring;

// What the items' commands run on; filled once everything is built, before the first click.
struct MenuTargets {
  MainWindow* main = nullptr;
  DisplaySettings* display = nullptr;
  PrintAndSave* files = nullptr;
  HelpCommands* help = nullptr;
  CriticalDaysWiring* criticalDays = nullptr;
};

// Every menu, item and separator as a QAction named after its item ("goNextWeek"),
// submenus also as a QMenu of that name; each item runs its command on `targets`. A check
// item's mark changes only when a handler sets it, never by the click itself.
QHash<QString, QAction*> buildMenus(QMenuBar* bar, const MenuTargets& targets);

// The twelve buttons: key in data(), tooltip also as the text. A click takes what was typed
// into the window's date fields before its command runs.
void buildToolbar(QToolBar* bar, const MenuTargets& targets);

// The chart area's context menu, of the items above by name.
void fillChartMenu(QMenu* menu, const QHash<QString, QAction*>& actions);

}  // namespace tw::platform

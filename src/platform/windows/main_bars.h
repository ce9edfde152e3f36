#pragma once
// The main window's menu bar and toolbar, built from their tables.
#include <QAction>
#include <QHash>
#include <QMenu>
#include <QMenuBar>
#include <QString>
#include <QToolBar>

namespace tw::platform {

// Every menu, item and separator as a QAction named after its item ("goNextWeek"),
// submenus also as a QMenu of that name. A check item's mark changes only when a handler
// sets it, never by the click itself.
QHash<QString, QAction*> buildMenus(QMenuBar* bar);

// The twelve buttons: key in data(), tooltip also as the text.
void buildToolbar(QToolBar* bar);

// The chart area's context menu, of the items above by name.
void fillChartMenu(QMenu* menu, const QHash<QString, QAction*>& actions);

}  // namespace tw::platform

#pragma once
// Chart > "Critical days...": the window is built the first time it is asked for, so a run that
// never opens it costs nothing at start-up.
#include <QPointer>

#include "platform/windows/qt_critical_days_window.h"
#include "platform/windows/qt_main_window.h"

namespace tw::platform {

class CriticalDaysWiring {
 public:
  CriticalDaysWiring(QtMainWindow& window, MainWindow& main, ui::SettingsStore& store,
                     const ui::Screens& screens);

  // Opens the window (building it first), or brings it to the front; any menu may call it.
  void open();
  QtCriticalDaysWindow* view() const { return view_; }  // null until first opened

 private:
  QtMainWindow& window_;
  MainWindow& main_;
  ui::SettingsStore& store_;
  const ui::Screens& screens_;
  QPointer<QtCriticalDaysWindow> view_;
};

}  // namespace tw::platform

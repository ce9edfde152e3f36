#include "platform/windows/critical_days_wiring.h"

#include "platform/system/qt_locale.h"

namespace tw::platform {

CriticalDaysWiring::CriticalDaysWiring(QtMainWindow& window, MainWindow& main,
                                       ui::SettingsStore& store, const ui::Screens& screens)
    : window_(window), main_(main), store_(store), screens_(screens) {}

void CriticalDaysWiring::open() {
  if (!view_) {
    // A window of the main window's, so it closes with it and never keeps the program running.
    auto* dialog = new QtDialogWindow(&window_);
    dialog->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    view_ = new QtCriticalDaysWindow(dialog, main_, window_.windowAdapter(), store_, screens_,
                                     userLocale());
    main_.addChartWatcher(&view_->window());
  }
  view_->window().open();
}

}  // namespace tw::platform

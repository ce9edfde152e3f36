#include "platform/app_root.h"

#include "platform/people_windows.h"
#include "platform/qt_locale.h"

namespace tw::platform {

AppRoot::AppRoot(const QString& settingsFile)
    : store_(settingsFile.isEmpty() ? QtSettingsStore::defaultFilePath() : settingsFile),
      form_(window_.controls(),
            Form1Services{window_.surface(), window_.measure(), messages_, store_, clock_, program_,
                          userLocale()},
            Form1Peers{form5_, form6_, form2_}) {
  // The people list and entry windows are built into their two widgets, which own them, when
  // the list is first opened; the list is loaded then.
  form5_.beforeFirstShow([this] {
    new PeopleWindows(&form5Widget_, form5_, &form6Widget_, form6_, form_, store_);
  });
  form2Widget_.setPalette(QPalette(Qt::white));
  form2Widget_.setAutoFillBackground(true);
  window_.attach(form_, program_);
}

void AppRoot::start() {
  form_.Form_Load();
  if (window_.windowAdapter().windowState() == ui::Maximized)
    window_.showMaximized();
  else
    window_.show();
}

}  // namespace tw::platform

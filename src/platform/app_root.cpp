#include "platform/app_root.h"

#include <QTimer>

#include "platform/qt_locale.h"
#include "platform/qt_people_windows.h"

namespace tw::platform {

AppRoot::AppRoot(const QString& settingsFile)
    : store_(settingsFile.isEmpty() ? QtSettingsStore::defaultFilePath() : settingsFile),
      main_(window_.controls(),
            MainWindowServices{window_.surface(), window_.measure(), messages_, store_, clock_,
                               program_, userLocale()},
            MainWindowPeers{peopleListWindow_, personEntryWindow_, printPageWindow_}) {
  // The people list and entry windows are built into their two widgets, which own them, when
  // the list is first opened; the list is loaded then.
  peopleListWindow_.beforeFirstShow([this] {
    peopleWindows_ = new QtPeopleWindows(&peopleListWidget_, peopleListWindow_, &personEntryWidget_,
                        personEntryWindow_, main_, store_);
  });
  printPageWidget_.setPalette(QPalette(Qt::white));
  printPageWidget_.setAutoFillBackground(true);
  window_.attach(main_, program_);
  main_.setChartWatcher(window_.chartView());
}

void AppRoot::welcomeFirstRun() {
  if (!main_.isFirstRun()) return;
  QTimer::singleShot(0, &window_, [this] {
    peopleListWindow_.buildNow();
    if (peopleWindows_) peopleWindows_->peopleList().welcomeFirstPerson();
  });
}

void AppRoot::start() {
  main_.start();
  if (window_.windowAdapter().windowState() == ui::WindowState::Maximized)
    window_.showMaximized();
  else
    window_.show();
}

}  // namespace tw::platform

#pragma once
// Everything the running program is made of, built in one place and wired together.
#include <QPointer>
#include <QString>
#include <QWidget>

#include "app/main_window.h"
#include "platform/drawing/program_style.h"
#include "platform/system/qt_screens.h"
#include "platform/system/qt_services.h"
#include "platform/system/qt_settings_store.h"
#include "platform/windows/critical_days_wiring.h"
#include "platform/windows/display_wiring.h"
#include "platform/windows/help_wiring.h"
#include "platform/windows/qt_main_window.h"
#include "platform/windows/qt_window.h"

namespace tw::platform {

class QtPeopleWindows;

class AppRoot {
 public:
  // The per-user settings file, or another file (tests, benchmarks).
  explicit AppRoot(const QString& settingsFile = QString());

  void start();         // start, then show the main window
  void bringToFront();  // the main window, and any window open over it
  // On the first run, once the window shows: the entry window asks for the user's own birthday.
  void welcomeFirstRun();
  // Once the window shows: a settings file that is there but left untouched this run is said.
  void tellIfSettingsUntouched();
  // A signal or the session's end: everything ends as File > Exit ends it, but nothing waits
  // for a person: a failed save is one line on standard error and a non-zero exit status, and
  // a second request ends the program at once, whatever box is open.
  void quitOnRequest();

  QtMainWindow& view() { return window_; }
  MainWindow& mainWindow() { return main_; }
  QtWindow& printPageWindow() { return printPageWindow_; }
  QtSettingsStore& store() { return store_; }
  QtProgram& program() { return program_; }
  DisplayWiring& display() { return display_; }
  CriticalDaysWiring& criticalDays() { return criticalDays_; }

 private:
  // Before any widget: the style every window is made with.
  struct StyleFirst {
    StyleFirst() { ProgramStyle::install(); }
  } style_;
  QtSettingsStore store_;
  QtClock clock_;
  QtProgram program_;
  QtScreens screens_;
  QtMainWindow window_;
  QtMessages messages_{&window_};

  // The people list, person entry and print page windows, all hidden for now.
  QtDialogWindow peopleListWidget_, personEntryWidget_;
  QWidget printPageWidget_;
  QtWindow peopleListWindow_{&peopleListWidget_, kDialogFrame};
  QtWindow personEntryWindow_{&personEntryWidget_, kDialogFrame};
  QtWindow printPageWindow_{&printPageWidget_, kDialogFrame};

  MainWindow main_;
  DisplayWiring display_{window_, main_, printPageWindow_};  // display settings, print and save
  HelpWiring help_{window_, main_};                          // the Help menu
  CriticalDaysWiring criticalDays_{window_, main_, store_, screens_};  // built when first opened
  QPointer<QtPeopleWindows> peopleWindows_;                            // built when first needed
  int quitRequests_ = 0;
};

}  // namespace tw::platform

#include "platform/app_root.h"

#include <QApplication>
#include <QTimer>
#include <iostream>

#include "catalogue/catalogue.h"
#include "platform/system/qt_locale.h"
#include "platform/windows/qt_people_windows.h"

namespace tw::platform {

AppRoot::AppRoot(const QString& settingsFile)
    : store_(settingsFile.isEmpty() ? QtSettingsStore::defaultFilePath() : settingsFile),
      main_(window_.controls(),
            MainWindowServices{window_.surface(), window_.measure(), messages_, store_, clock_,
                               program_, userLocale(), screens_},
            MainWindowPeers{peopleListWindow_, personEntryWindow_, printPageWindow_}) {
  // The people list and entry windows are built into their two widgets, which own them, when
  // the list is first opened; the list is loaded then.
  peopleListWindow_.beforeFirstShow([this] {
    peopleWindows_ = new QtPeopleWindows(&peopleListWidget_, peopleListWindow_, &personEntryWidget_,
                                         personEntryWindow_, main_, store_);
  });
  // Sized as built, so that their stored places are fitted to the screens by their real size.
  QtPeopleWindows::setDesignedSizes(&peopleListWidget_, &personEntryWidget_);
  printPageWidget_.setPalette(QPalette(Qt::white));
  printPageWidget_.setAutoFillBackground(true);
  window_.attach(
      {&main_, &display_.settings(), &display_.printAndSave(), &help_.commands(), &criticalDays_},
      program_);
  store_.onWriteFailed([this](const QString& file, const QString& reason) {
    if (quitRequests_ > 0) return;  // said on standard error once the program ends
    // Over the window the change was made in: the people list is modal over the main window.
    QWidget* over = QApplication::activeModalWidget();
    QtMessages(over ? over : &window_)
        // TRANSLATORS: {1} is the settings file's path, {2} why it could not be saved.
        .warn(withCrLf(fillIn(_("Tidewell could not save its settings to\n{1}:\n{2}.\n\nUntil it "
                                "can, your changes are kept only while Tidewell runs. It tries "
                                "again at every change and when it closes."),
                              file.toStdString(), reason.toStdString())),
              "Tidewell");
  });
  main_.addChartWatcher(window_.chartView());
}

void AppRoot::welcomeFirstRun() {
  if (!main_.isFirstRun()) return;
  QTimer::singleShot(0, &window_, [this] {
    peopleListWindow_.buildNow();
    if (peopleWindows_) peopleWindows_->peopleList().welcomeFirstPerson();
  });
}

void AppRoot::tellIfSettingsUntouched() {
  const QString reason = store_.leftUntouchedBecause();
  if (reason.isEmpty()) return;
  QTimer::singleShot(0, &window_, [this, reason] {
    // TRANSLATORS: {1} is the settings file's path, {2} why it was left alone.
    QtMessages(&window_).warn(
        withCrLf(fillIn(_("Tidewell could not take its settings from\n{1}:\n{2}.\n\nSo that "
                          "nothing in that file is lost, Tidewell leaves it as it is and will not "
                          "save your settings to it this time."),
                        store_.filePath().toStdString(), reason.toStdString())),
        "Tidewell");
  });
}

void AppRoot::quitOnRequest() {
  constexpr int kNotSaved = 1;
  if (quitRequests_++ > 0) {
    // Asked again: whatever is still open, nothing more is shown.
    QCoreApplication::exit(store_.unsavedBecause().isEmpty() ? 0 : kNotSaved);
    return;
  }
  if (program_.ended()) return;
  main_.saveAndClose();
  if (const QString why = store_.unsavedBecause(); !why.isEmpty()) {
    std::cerr
        << "tidewell: "
        // TRANSLATORS: on standard error at the end; {1} is the settings file's path, {2} why.
        << fillIn(_("could not save the settings to {1}: {2}"), store_.filePath().toStdString(),
                  why.toStdString())
        << "\n";
    program_.setExitStatus(kNotSaved);
  }
  program_.end();
}

void AppRoot::start() {
  store_.makeFolder();  // before any dialog saves its own settings beside it
  main_.start();
  window_.laidOutBeforeShowing();  // the chart is drawn once, not again as the window shows
  if (window_.windowAdapter().windowState() == ui::WindowState::Maximized)
    window_.showMaximized();
  else
    window_.show();
}

void AppRoot::bringToFront() {
  window_.setWindowState(window_.windowState() & ~Qt::WindowMinimized);
  window_.raise();
  window_.activateWindow();
  if (QWidget* modal = QApplication::activeModalWidget()) {
    modal->raise();
    modal->activateWindow();
  }
}

}  // namespace tw::platform

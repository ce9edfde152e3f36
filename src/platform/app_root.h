#pragma once
// Everything the running program is made of, built in one place and wired together.
#include <QString>
#include <QWidget>

#include "app/form1.h"
#include "platform/display_wiring.h"
#include "platform/help_wiring.h"
#include "platform/main_window.h"
#include "platform/program_style.h"
#include "platform/qt_services.h"
#include "platform/qt_settings_store.h"
#include "platform/qt_window.h"

namespace tw::platform {

class AppRoot {
 public:
  // The per-user settings file, or another file (tests, benchmarks).
  explicit AppRoot(const QString& settingsFile = QString());

  void start();  // Form_Load, then show the main window

  MainWindow& mainWindow() { return window_; }
  Form1& form() { return form_; }
  QtSettingsStore& store() { return store_; }
  QtProgram& program() { return program_; }
  DisplayWiring& display() { return display_; }

 private:
  // Before any widget: the style every window is made with.
  struct StyleFirst {
    StyleFirst() { ProgramStyle::install(); }
  } style_;
  QtSettingsStore store_;
  QtClock clock_;
  QtProgram program_;
  MainWindow window_;
  QtMessageBoxes messages_{&window_};

  // Stand-ins for the people list, person entry and print page windows, all hidden for now.
  QWidget form5Widget_, form6Widget_, form2Widget_;
  QtWindow form5_{&form5Widget_, kDialogFrame};
  QtWindow form6_{&form6Widget_, kDialogFrame};
  QtWindow form2_{&form2Widget_, kDialogFrame};

  Form1 form_;
  DisplayWiring display_{window_, form_, form2_};  // display settings, print and save
  HelpWiring help_{window_, form_};  // the Help menu
};

}  // namespace tw::platform

#pragma once
// The display settings, print and save commands, built over the main window; the menu table's
// items run them.
#include "commands/display_settings.h"
#include "commands/print_and_save.h"
#include "platform/drawing/qt_chart_clipboard.h"
#include "platform/drawing/qt_chart_output.h"
#include "platform/system/qt_services.h"
#include "platform/windows/qt_dialogs.h"
#include "platform/windows/qt_main_window.h"

namespace tw::platform {

class DisplayWiring {
 public:
  // `printPageWindow` is the print page window MainWindow closes at shut-down.
  DisplayWiring(QtMainWindow& window, MainWindow& main, QtWindow& printPageWindow);

  QtDialogs& dialogs() { return dialogs_; }
  Printer* printer() { return printer_.get(); }
  QtPrintPage& printPage() { return page_; }
  DisplaySettings& settings() { return settings_; }
  PrintAndSave& printAndSave() { return printAndSave_; }

 private:
  PrinterSlot printer_;
  QtDialogs dialogs_;
  QtMessages messages_;
  QtChartImageSource chartImage_;
  QtPrintPage page_;
  QtChartFiles files_;
  QtChartClipboard clipboard_;
  DisplaySettings settings_;
  PrintAndSave printAndSave_;
};

}  // namespace tw::platform

#pragma once
// The display settings, print and save commands, built over the main window and plugged into
// its menu and toolbar.
#include "commands/display_settings.h"
#include "commands/print_save.h"
#include "platform/common_dialog.h"
#include "platform/main_window.h"
#include "platform/print_save.h"

namespace tw::platform {

class DisplayWiring {
 public:
  // `form2` is the print page window Form1 closes at shut-down.
  DisplayWiring(MainWindow& window, Form1& form, QtWindow& form2);

  QtCommonDialog& dialog() { return dialog_; }
  QPrinter& printer() { return printer_.get(); }
  QtPrintPage& printPage() { return page_; }
  DisplaySettings& settings() { return settings_; }
  PrintSave& printSave() { return printSave_; }

 private:
  PrinterSlot printer_;
  QtCommonDialog dialog_;
  QtChartPicture chartPicture_;
  QtPrintPage page_;
  QtPictureFiles files_;
  DisplaySettings settings_;
  PrintSave printSave_;
};

}  // namespace tw::platform

#include "platform/windows/display_wiring.h"

namespace tw::platform {

DisplayWiring::DisplayWiring(QtMainWindow& window, MainWindow& main, QtWindow& printPageWindow)
    : dialogs_(&window, printer_),
      messages_(&window),
      chartImage_(window.surface()),
      page_(printPageWindow, printer_),
      files_(window.surface()),
      clipboard_(window.surface()),
      settings_(main, dialogs_),
      printAndSave_(main, dialogs_, messages_, chartImage_, page_, files_) {
  main.setFileCommands(&printAndSave_);  // the toolbar's "Print" and "Save"
  main.setChartClipboard(&clipboard_);
}

}  // namespace tw::platform

#pragma once
// The Help menu of the main window: our help viewer, the chart key and the About box.
#include "commands/help_commands.h"
#include "platform/about_box.h"
#include "platform/about_system.h"
#include "platform/help_viewer.h"
#include "platform/main_window.h"
#include "platform/registry_sysinfo.h"

namespace tw::platform {

class HelpWiring {
 public:
  // Connects the four Help menu items to their commands.
  HelpWiring(MainWindow& window, Form1& form);

  HelpCommands& commands() { return commands_; }
  QtHelpViewer& viewer() { return viewer_; }

 private:
  QtHelpViewer viewer_;
  SysInfoRegistry registry_;
  QtFileLookup files_;
  QtProgramStarter starter_;
  QtAboutBoxLoader about_;
  HelpCommands commands_;
};

}  // namespace tw::platform

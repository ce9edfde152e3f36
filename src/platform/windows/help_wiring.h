#pragma once
// What the Help menu's commands need: our help viewer, the chart key and the About box.
#include "commands/help_commands.h"
#include "platform/system/qt_system_info_tool.h"
#include "platform/windows/qt_about_box.h"
#include "platform/windows/qt_help_viewer.h"
#include "platform/windows/qt_main_window.h"

namespace tw::platform {

class HelpWiring {
 public:
  HelpWiring(QtMainWindow& window, const MainWindow& main);

  HelpCommands& commands() { return commands_; }
  QtHelpViewer& viewer() { return viewer_; }

 private:
  QtHelpViewer viewer_;
  QtSystemInfoTool systemInfo_;
  QtAboutBoxMaker about_;
  QtMessages messages_;
  HelpCommands commands_;
};

}  // namespace tw::platform

#include "platform/windows/help_wiring.h"

namespace tw::platform {

HelpWiring::HelpWiring(QtMainWindow& window, const MainWindow& main)
    : about_(&window, systemInfo_),
      messages_(&window),
      commands_(main, viewer_, about_, messages_) {
  const struct {
    const char* name;
    void (HelpCommands::*run)();
  } items[] = {
      {"helpContents", &HelpCommands::showContents},
      {"helpIndex", &HelpCommands::showTopicFinder},
      {"chartKey", &HelpCommands::showChartKey},
      {"about", &HelpCommands::showAbout},
  };
  for (const auto& item : items) {
    window.onMenuItem(item.name, [this, run = item.run] { (commands_.*run)(); });
  }
}

}  // namespace tw::platform

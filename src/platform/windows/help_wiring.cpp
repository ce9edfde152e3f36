#include "platform/windows/help_wiring.h"

namespace tw::platform {

HelpWiring::HelpWiring(QtMainWindow& window, const MainWindow& main)
    : about_(&window, systemInfo_),
      messages_(&window),
      commands_(main, viewer_, about_, messages_) {}

}  // namespace tw::platform

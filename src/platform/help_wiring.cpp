#include "platform/help_wiring.h"

namespace tw::platform {

HelpWiring::HelpWiring(MainWindow& window, Form1& form)
    : about_(&window, registry_, files_, starter_), commands_(form, viewer_, about_) {
  const struct {
    const char* name;
    void (HelpCommands::*run)();
  } items[] = {
      {"MenuHelpContents", &HelpCommands::MenuHelpContents_Click},
      {"MenuHelpIndex", &HelpCommands::MenuHelpIndex_Click},
      {"HelpChartKey", &HelpCommands::HelpChartKey_Click},
      {"HelpAbout", &HelpCommands::HelpAbout_Click},
  };
  for (const auto& item : items) {
    QAction* action = window.action(QString::fromLatin1(item.name));
    if (!action) continue;
    QObject::connect(action, &QAction::triggered, &window,
                     [this, run = item.run] { (commands_.*run)(); });
  }
}

}  // namespace tw::platform

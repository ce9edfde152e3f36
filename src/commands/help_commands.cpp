#include "commands/help_commands.h"

#include "commands/chart_key.h"

namespace tw {

// The viewer's answer is of no use here: a missing file is the viewer's to show.
void HelpCommands::MenuHelpContents_Click() { viewer_.WinHelp(form_.HelpFile, HELP_CONTENTS, 0); }

void HelpCommands::MenuHelpIndex_Click() { viewer_.WinHelp(form_.HelpFile, HELP_FINDER, 0); }

void HelpCommands::HelpChartKey_Click() {
  form_.services().messages.MsgBox(ChartKeyText(form_.ChartOptions), ui::vbInformation,
                                   kChartKeyTitle);
}

void HelpCommands::HelpAbout_Click() {
  auto box = about_.Load();
  box->Form_Load();
  box->Show();  // modal: returns once the box is closed
  box.reset();  // unloaded, so an inverted icon does not outlive it
}

}  // namespace tw

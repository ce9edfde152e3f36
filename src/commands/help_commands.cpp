#include "commands/help_commands.h"

#include "catalogue/catalogue.h"
#include "commands/chart_key.h"

namespace tw {

void HelpCommands::showContents() { viewer_.showContents(main_.helpFile()); }

void HelpCommands::showTopicFinder() { viewer_.showTopicFinder(main_.helpFile()); }

void HelpCommands::showChartKey() {
  messages_.inform(chartKeyText(main_.state().options), _(kChartKeyTitle));
}

void HelpCommands::showAbout() {
  auto box = about_.make();
  box->fill();
  box->showModal();  // returns once the box is closed
  box.reset();       // gone, so an inverted icon does not outlive it
}

}  // namespace tw

#pragma once
// The Help menu: the help file's contents and topic finder, the chart key and the About box.
#include <memory>

#include "app/form1.h"
#include "commands/frm_about.h"
#include "commands/help_viewer.h"

namespace tw {

class AboutBoxLoader {
 public:
  virtual ~AboutBoxLoader() = default;
  // A new About box with its window and controls, nothing filled in yet; destroying it
  // unloads it.
  virtual std::unique_ptr<frmAbout> Load() = 0;
};

class HelpCommands {
 public:
  HelpCommands(Form1& form, HelpViewer& viewer, AboutBoxLoader& about)
      : form_(form), viewer_(viewer), about_(about) {}

  void MenuHelpContents_Click();
  void MenuHelpIndex_Click();
  void HelpChartKey_Click();
  void HelpAbout_Click();

 private:
  Form1& form_;
  HelpViewer& viewer_;
  AboutBoxLoader& about_;
};

}  // namespace tw

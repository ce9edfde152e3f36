#pragma once
// The Help menu: the help file's contents and topic finder, the chart key and the About box.
#include <memory>

#include "app/main_window.h"
#include "commands/about_box.h"
#include "commands/help_viewer.h"

namespace tw {

class AboutBoxMaker {
 public:
  virtual ~AboutBoxMaker() = default;
  // A new About box with its window and controls, nothing filled in yet; destroying it
  // closes it for good.
  virtual std::unique_ptr<AboutBox> make() = 0;
};

class HelpCommands {
 public:
  HelpCommands(const MainWindow& main, HelpViewer& viewer, AboutBoxMaker& about,
               ui::Messages& messages)
      : main_(main), viewer_(viewer), about_(about), messages_(messages) {}

  void showContents();
  void showTopicFinder();
  void showChartKey();
  void showAbout();

 private:
  const MainWindow& main_;
  HelpViewer& viewer_;
  AboutBoxMaker& about_;
  ui::Messages& messages_;
};

}  // namespace tw

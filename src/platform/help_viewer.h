#pragma once
// The help viewer of this platform: our own help window, opened beside the program.
#include <QPointer>

#include "commands/help_viewer.h"
#include "platform/help_window.h"

namespace tw::platform {

class QtHelpViewer : public HelpViewer {
 public:
  QtHelpViewer() = default;
  ~QtHelpViewer() override;
  QtHelpViewer(const QtHelpViewer&) = delete;
  QtHelpViewer& operator=(const QtHelpViewer&) = delete;

  // HELP_CONTENTS or HELP_FINDER; shows the window and returns at once. True when the file
  // was there to show.
  bool WinHelp(const std::string& helpFile, int command, std::uintptr_t data) override;

  HelpWindow* window() const { return window_; }

 private:
  QPointer<HelpWindow> window_;
};

}  // namespace tw::platform

#include "platform/help_viewer.h"

namespace tw::platform {

QtHelpViewer::~QtHelpViewer() { delete window_; }

bool QtHelpViewer::WinHelp(const std::string& helpFile, int command, std::uintptr_t) {
  if (command != HELP_CONTENTS && command != HELP_FINDER) return false;
  // No owner window: the viewer stands on its own beside the program's windows.
  if (!window_) window_ = new HelpWindow(nullptr);
  const QString file = QString::fromStdString(helpFile);
  if (command == HELP_CONTENTS)
    window_->showContents(file);
  else
    window_->showFinder(file);
  window_->show();
  window_->raise();
  window_->activateWindow();
  return window_->fileLoaded();
}

}  // namespace tw::platform

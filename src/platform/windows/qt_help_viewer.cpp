#include "platform/windows/qt_help_viewer.h"

namespace tw::platform {

QtHelpViewer::~QtHelpViewer() { delete window_; }

HelpWindow& QtHelpViewer::helpWindow() {
  // No owner window: the viewer stands on its own beside the program's windows.
  if (!window_) window_ = new HelpWindow(nullptr);
  return *window_;
}

void QtHelpViewer::bringUp() {
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void QtHelpViewer::showContents(const std::string& helpFile) {
  helpWindow().showContents(QString::fromStdString(helpFile));
  bringUp();
}

void QtHelpViewer::showTopicFinder(const std::string& helpFile) {
  helpWindow().showFinder(QString::fromStdString(helpFile));
  bringUp();
}

}  // namespace tw::platform

#pragma once
// The help viewer of this platform: our own help window, opened beside the program.
#include <QPointer>
#include <QString>

#include "commands/help_viewer.h"
#include "platform/windows/help_window.h"

namespace tw::platform {

class QtHelpViewer : public HelpViewer {
 public:
  QtHelpViewer() = default;
  ~QtHelpViewer() override;
  QtHelpViewer(const QtHelpViewer&) = delete;
  QtHelpViewer& operator=(const QtHelpViewer&) = delete;

  // Each shows the window and returns at once.
  void showContents(const std::string& helpFile) override;
  void showTopicFinder(const std::string& helpFile) override;

  HelpWindow* window() const { return window_; }

 private:
  HelpWindow& helpWindow();
  void bringUp();
  QPointer<HelpWindow> window_;
};

}  // namespace tw::platform

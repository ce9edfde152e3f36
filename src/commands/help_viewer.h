#pragma once
// The viewer the Help menu opens the program's help file in. It runs on its own: the program
// neither waits for it nor closes it, and a missing file is the viewer's to report.
#include <string>

namespace tw {

class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  virtual void showContents(const std::string& helpFile) = 0;
  virtual void showTopicFinder(const std::string& helpFile) = 0;
};

}  // namespace tw

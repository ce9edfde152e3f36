#pragma once
// The help viewer the Help menu opens the program's help file in. It runs on its own: the
// program neither waits for it nor closes it.
#include <cstdint>
#include <string>

namespace tw {

inline constexpr int HELP_CONTENTS = 3;  // the contents page
inline constexpr int HELP_FINDER = 11;   // the topic finder

class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  // Opens helpFile as `command` asks, with no owner window. False when the viewer could not
  // do it; a missing file is the viewer's to report, not the caller's.
  virtual bool WinHelp(const std::string& helpFile, int command, std::uintptr_t data) = 0;
};

}  // namespace tw

#pragma once
// The About box's file check and program start on this platform.
#include "commands/about_platform.h"

namespace tw::platform {

class QtFileLookup : public FileLookup {
 public:
  bool FileExists(const std::string& path) const override;
};

// Starts the program detached; it shows its own window, the program does not wait.
class QtProgramStarter : public ProgramStarter {
 public:
  bool Shell(const std::string& path, int windowStyle) override;
};

}  // namespace tw::platform

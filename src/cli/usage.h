#pragma once
// tidewell-chart's options as one table: --help writes it for a terminal and the build writes it
// as the manual page (manual.h), so the two cannot say different things.
#include <string>
#include <vector>

namespace tw::cli {

struct OptionUsage {
  std::vector<std::string> forms;  // "--birthday DATE"; a second line where one is too long
  std::vector<std::string> what;   // what it does, in the lines the terminal shows
  std::string example;             // a whole command line, or empty
};

struct OptionGroup {
  std::string heading;  // "What to make:", or empty
  std::vector<OptionUsage> options;
};

struct Usage {
  std::string synopsis;              // "tidewell-chart [OPTION]..."
  std::vector<std::string> summary;  // the lines under it
  std::vector<OptionGroup> groups;
  std::vector<std::string> closing;  // what happens to files, and the exit status
};

Usage usage();

}  // namespace tw::cli

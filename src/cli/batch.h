#pragma once
// tidewell-chart --batch: one request a line, in the options' own words, each run as a run of its
// own would be, in one process.
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "cli/program.h"

namespace tw::cli {

// A line split into words as a shell splits simple ones: blanks (spaces, tabs) part them;
// '...' keeps what is inside as it is; "..." too, but \" and \\ in it stand for " and \; outside
// quotes a backslash keeps the next character as it is. A line that is blank, or whose first
// character past the blanks is #, has no words; a # further on is an ordinary character. A CR
// at the end (a file saved with CR LF) is dropped.
struct BatchLine {
  std::vector<std::string> words;
  std::string error;  // why the line cannot be split; empty when it could
};
BatchLine splitBatchLine(std::string_view line);

// Runs every line of `lines`; a line refused is one line on `err`, "tidewell-chart: NAME:N:
// the reason", and the next line is run. kExitOk when every line was done, else kExitBadInput.
int runBatch(std::string_view name, std::istream& lines, Host& host, std::ostream& out,
             std::ostream& err);

// The same, from the file at `path`, or from `in` when the path is "-".
int runBatchFile(const std::string& path, Host& host, std::istream& in, std::ostream& out,
                 std::ostream& err);

}  // namespace tw::cli

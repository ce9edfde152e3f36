#pragma once
// The manual pages of both programs, in the man macros: tidewell-chart's from the same table as
// its --help (usage.h), tidewell's of its own. The build writes them; `man -l` reads them.
#include <string>
#include <string_view>

namespace tw::cli {

std::string chartManual();   // tidewell-chart.1
std::string windowManual();  // tidewell.1

// Text set as it reads: no line starts a request, and '-' and '\' print as themselves.
std::string roffText(std::string_view text);

}  // namespace tw::cli

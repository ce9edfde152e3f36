// The command line: any list of arguments is understood or refused with one line, never a crash.
#include "cli/options.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tw;
  // NUL between arguments, as no argument can hold one; any other byte may be in one.
  const std::vector<std::string> args = fuzz::split(fuzz::bytes(data, size), std::string_view("\0", 1));
  const cli::ParseResult r = cli::parseArguments(args);
  // A refusal is one line on standard error.
  fuzz::require(r.ok() || r.error.find_first_of("\n\r") == std::string::npos);
  if (!r.ok()) return 0;
  const cli::Options& o = r.options;
  fuzz::require(o.widthPx >= 1 && o.widthPx <= cli::kMaxSidePx && o.heightPx >= 1 &&
                o.heightPx <= cli::kMaxSidePx);
  if (o.criticalFrom) fuzz::require(cli::hundredYearsOn(*o.criticalFrom) >= *o.criticalFrom);
  for (const std::string& arg : args) {
    std::string why;
    if (const auto d = cli::parseDateArg(arg, why)) fuzz::require(toIso(*d) == arg);
  }
  return 0;
}

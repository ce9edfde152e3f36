#pragma once
// Output files are written beside their target and renamed over it, so a failed run leaves
// no file and no half-written one.
#include <string>
#include <string_view>

namespace tw::cli {

// Why `target` cannot be written, found by making (and removing) a temporary file beside it;
// empty when it can. Run before any work so one bad output stops the run before the others.
std::string checkWritable(const std::string& target);

// The whole content through a temporary file renamed over the target; empty on success,
// else the reason.
std::string writeFileAtomically(const std::string& target, std::string_view content);

}  // namespace tw::cli

#pragma once
// Output files are written in full beside their targets and renamed over them only when every
// one of a run's files was written, so a failed run changes no file and leaves no half-written
// one. It behaves as a saving file of the desktop does: through a symbolic link the file it
// points to is replaced, an existing file keeps its permission bits, a new one gets 0666 less
// the umask, and a file that may not be written is refused.
#include <string>
#include <vector>

namespace tw::cli {

struct FileContent {
  std::string path;  // as the user gave it; messages name it so
  std::string content;
};

// Every file or none; empty on success, else one line naming the file and the reason. A device
// or pipe (such as /dev/full or a named pipe) cannot be replaced: it is written straight to,
// after the other files were written and before any is moved into place.
std::string writeFiles(const std::vector<FileContent>& files);

// A device or pipe, which is written to rather than replaced.
bool isDeviceOrPipe(const std::string& path);

}  // namespace tw::cli

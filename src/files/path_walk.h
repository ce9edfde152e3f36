#pragma once
// A path walked the way the system walks it, entry by entry and through every link, noting what
// each entry is and whose: what the trust rule judges.
#include <string>
#include <vector>

#include "files/path_trust.h"

namespace tw::files {

struct Walked {
  std::vector<PathEntry> entries;  // from `judgedFrom` down, links' targets included
  std::string target;   // where the name leads, every link followed: the file to read or replace
  bool exists = false;  // whether something is at `target`
  unsigned type = 0;    // its file type bits (S_IFREG, S_IFIFO...) when it exists
  std::string missingFolder;  // a folder on the way that is not there
  std::string error;          // why the path cannot be walked at all; empty when it can
};

// Walks `path`; entries at and below the folder `judgedFrom` are noted (what lies above it is
// followed but not judged), and so is every entry a noted link leads through. Both paths may be
// relative to the working folder.
Walked walkPath(const std::string& path, const std::string& judgedFrom);

// The trust rule over a walk, as one sentence; empty when the path may be used.
std::string whyNotTrusted(const Walked& walked, bool fileModeCounts);

}  // namespace tw::files

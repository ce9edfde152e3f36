#pragma once
// Whether a path may be read or written: nobody but its user (or root) could have put there what
// is there. The rule sshd applies to ~/.ssh, sudo to its files and git to a repository's folder.
#include <optional>
#include <string>
#include <vector>

namespace tw::files {

// One thing passed on the way to a file, as lstat saw it.
struct PathEntry {
  enum Kind { Folder, Link, File, Missing } kind = Folder;
  std::string path;
  unsigned owner = 0;     // uid
  std::string ownerName;  // for the message; empty when the system has none
  unsigned mode = 0;      // permission bits with the sticky bit (07777)
  int folder = -1;        // the entry of the folder it is in; -1 when that folder is not judged
  std::optional<unsigned> targetOwner;  // of a link: the owner of what it leads to, if anything
};

// Why a path is not trusted: which entry, and how it is open.
struct Distrust {
  enum Why {
    OwnedByOther,        // the entry belongs to neither the user nor root
    OpenFolder,          // group or others may write in the folder, and it is not sticky
    OpenFile,            // group or others may write the file itself
    LinkInSharedFolder,  // a link in a sticky shared folder leads to what another owner has
  } why = OwnedByOther;
  PathEntry entry;
  std::optional<PathEntry> folder;  // the shared folder, for LinkInSharedFolder
};

struct TrustRule {
  unsigned user = 0;            // the effective uid
  bool fileModeCounts = false;  // whether the file itself must be closed to others (settings)
};

// The first entry on the way that someone else could have put or changed; nothing when all
// are safe. Entries are in the order walked.
std::optional<Distrust> distrust(const std::vector<PathEntry>& walked, const TrustRule& rule);

// One sentence for the user: which folder, link or file is open to whom, and what to change.
std::string distrustText(const Distrust& d);

}  // namespace tw::files

#pragma once
// Every file the program writes goes through here: the settings, chart files, calendar files
// and the command line's outputs. A file is written whole beside its target, flushed to the disk
// and renamed over the old one, so a failure or a kill leaves the old file as it was; and only
// where nobody else could have put the path (path_trust.h).
#include <optional>
#include <string>
#include <vector>

namespace tw::files {

struct WholeFile {
  std::string path;  // as the user named it; a link keeps pointing at the file that gets the text
  std::string bytes;
};

struct WriteOptions {
  // Every entry from this folder down to the file is judged; empty: from the file's own folder.
  std::string judgedFrom;
  // The settings: a new file and any folder made on the way are the user's alone, and the file
  // itself must be closed to others as well.
  bool privateFile = false;
};

struct WriteFailure {
  std::string path;  // as given
  std::string why;   // in words, without a full stop: "it is a folder"

  std::string sentence() const;  // the reason on its own: "It is a folder"
};

// Writes every file, or none: each is written beside its target first, and only when all were
// written are they put in place. An existing file keeps its mode; a new one gets 0600 when
// private, else 0666 less the umask. A folder, named pipe, socket or device is never opened.
std::optional<WriteFailure> writeWholeFiles(const std::vector<WholeFile>& files,
                                            const WriteOptions& options);

// Why the file may not be read: someone else could have put it or what leads to it there, or it
// is no plain file. Empty when it may be read (or is not there).
std::string whyNotReadable(const std::string& path, const WriteOptions& options);

// Makes the folder and each missing one above it, for their owner alone whatever the umask; a
// folder that is there, or is made meanwhile, is left as it is. Empty on success, else why not.
std::string makePrivateFolders(const std::string& folder);

// Of the names in a folder beside `fileName`, whether `name` is one of the program's own
// temporaries for it: ".NAME.tmp-XXXXXX" as written here, or "NAME.XXXXXX" as earlier versions
// wrote them (mixed letters and digits, so a hand-made "NAME.backup" is never one).
bool isOwnTemporary(const std::string& name, const std::string& fileName);

}  // namespace tw::files

#include "files/whole_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <random>

#include "catalogue/catalogue.h"
#include "files/path_walk.h"

namespace tw::files {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTempMark = ".tmp-";
constexpr std::size_t kTempLetters = 6;
// A temporary this old is no save in progress: saving takes well under a second.
constexpr std::time_t kStaleSeconds = 60;

std::string folderOf(const std::string& path) {
  const std::string folder = fs::path(path).parent_path().string();
  return folder.empty() ? "." : folder;
}

std::string nameOf(const std::string& path) { return fs::path(path).filename().string(); }

std::string kindOf(unsigned type) {
  switch (type) {
    // TRANSLATORS: why a file could not be read or written, after its name and a colon.
    case S_IFDIR: return _("it is a folder");
    case S_IFIFO: return _("it is a named pipe");
    case S_IFSOCK: return _("it is a socket");
    case S_IFCHR:
    case S_IFBLK: return _("it is a device");
    default: return _("it is not a plain file");
  }
}

// One file on its way: where it goes, and its temporary once written.
struct Staged {
  const WholeFile* file;
  std::string target;
  std::string temp;
};

bool writeAll(int fd, const std::string& bytes) {
  const char* at = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, at, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    at += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

std::string randomLetters() {
  static constexpr char kLetters[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  static std::mt19937 rng{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
  std::string out;
  for (std::size_t i = 0; i < kTempLetters; ++i) out += kLetters[pick(rng)];
  return out;
}

// Walks the path and applies the rule; the walk when the file may be written there.
std::optional<Walked> walkTrusted(const std::string& path, const WriteOptions& options,
                                  std::string& why) {
  const std::string from = options.judgedFrom.empty() ? folderOf(path) : options.judgedFrom;
  const auto walk = [&]() -> std::optional<Walked> {
    Walked walked = walkPath(path, from);
    why = walked.error.empty() ? whyNotTrusted(walked, options.privateFile) : walked.error;
    if (!why.empty()) return std::nullopt;
    return walked;
  };
  std::optional<Walked> walked = walk();
  if (walked && !walked->missingFolder.empty() && options.privateFile) {
    if (why = makePrivateFolders(folderOf(walked->target)); !why.empty()) return std::nullopt;
    walked = walk();
  }
  if (!walked) return std::nullopt;
  if (!walked->missingFolder.empty()) {
    why = fillIn(_("the folder {1} does not exist"), walked->missingFolder);
    return std::nullopt;
  }
  if (walked->exists && walked->type != S_IFREG) {
    why = kindOf(walked->type);
    return std::nullopt;
  }
  return walked;
}

std::string stage(Staged& s, const Walked& walked, bool privateFile) {
  struct stat old {};
  const bool exists = walked.exists && ::stat(s.target.c_str(), &old) == 0;
  // Said as the system says it: a file the user may not write stays so.
  if (exists && ::access(s.target.c_str(), W_OK) != 0) return std::strerror(errno);
  const std::string folder = folderOf(s.target), name = nameOf(s.target);
  int fd = -1;
  for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
    s.temp = folder + "/." + name + std::string(kTempMark) + randomLetters();
    fd = ::open(s.temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                exists || privateFile ? 0600 : 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    s.temp.clear();
    return std::strerror(errno);
  }
  bool ok = (!exists || ::fchmod(fd, old.st_mode & 0777) == 0) && writeAll(fd, s.file->bytes) &&
            ::fsync(fd) == 0;
  int error = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok) return {};
  ::unlink(s.temp.c_str());
  s.temp.clear();
  return std::strerror(error);
}

void syncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Leftovers of saves that a kill cut short, beside `target`: only the user's own plain files.
void removeStaleTemporaries(const std::string& target) {
  const std::string folder = folderOf(target), name = nameOf(target);
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  const std::time_t now = std::time(nullptr);
  while (const dirent* d = ::readdir(dir)) {
    if (!isOwnTemporary(d->d_name, name)) continue;
    struct stat st {};
    if (::fstatat(::dirfd(dir), d->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && st.st_mtime + kStaleSeconds < now)
      ::unlinkat(::dirfd(dir), d->d_name, 0);
  }
  ::closedir(dir);
}

}  // namespace

std::string WriteFailure::sentence() const {
  std::string text = why;
  if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  return text;
}

std::string makePrivateFolders(const std::string& folder) {
  std::vector<fs::path> missing;
  std::error_code ec;
  for (fs::path p = fs::absolute(folder, ec).lexically_normal();
       !fs::exists(fs::symlink_status(p, ec));) {
    missing.insert(missing.begin(), p);
    if (p == p.parent_path()) break;
    p = p.parent_path();
  }
  for (const fs::path& p : missing) {
    if (::mkdir(p.c_str(), 0700) != 0) {
      if (errno == EEXIST) continue;  // made meanwhile, by whoever: left as it is
      return std::strerror(errno);
    }
    ::chmod(p.c_str(), 0700);  // the umask may take bits away, never add them
  }
  return {};
}

bool isOwnTemporary(const std::string& name, const std::string& fileName) {
  const auto letters = [](std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isalnum(c); });
  };
  const std::string ours = "." + fileName + std::string(kTempMark);
  if (name.size() > ours.size() && name.size() <= ours.size() + kTempLetters &&
      name.starts_with(ours))
    return letters(std::string_view(name).substr(ours.size()));
  const std::string earlier = fileName + ".";
  if (name.size() != earlier.size() + kTempLetters || !name.starts_with(earlier)) return false;
  const std::string_view tail = std::string_view(name).substr(earlier.size());
  const auto has = [&](int (*kind)(int)) {
    return std::any_of(tail.begin(), tail.end(), [kind](unsigned char c) { return kind(c) != 0; });
  };
  return letters(tail) && has(::isdigit) && has(::islower) && has(::isupper);
}

std::string whyNotReadable(const std::string& path, const WriteOptions& options) {
  const Walked walked =
      walkPath(path, options.judgedFrom.empty() ? folderOf(path) : options.judgedFrom);
  if (!walked.error.empty()) return walked.error;
  if (std::string why = whyNotTrusted(walked, options.privateFile); !why.empty()) return why;
  if (walked.exists && walked.type != S_IFREG) return kindOf(walked.type);
  return {};
}

std::optional<WriteFailure> writeWholeFiles(const std::vector<WholeFile>& files,
                                            const WriteOptions& options) {
  std::vector<Staged> staged;
  std::vector<Walked> walks;
  for (const WholeFile& f : files) {
    std::string why;
    std::optional<Walked> walked = walkTrusted(f.path, options, why);
    if (!walked) return WriteFailure{f.path, why};
    // Two names of one file: the second would silently replace the first.
    for (const Staged& earlier : staged)
      if (earlier.target == walked->target)
        // TRANSLATORS: why a file was not written: {1} is another name given for it.
        return WriteFailure{f.path, fillIn(_("it names the same file as {1}"), earlier.file->path)};
    staged.push_back({&f, walked->target, {}});
    walks.push_back(std::move(*walked));
  }
  const auto discard = [&staged] {
    for (Staged& s : staged)
      if (!s.temp.empty()) ::unlink(s.temp.c_str());
  };
  for (std::size_t i = 0; i < staged.size(); ++i) {
    if (std::string why = stage(staged[i], walks[i], options.privateFile); !why.empty()) {
      discard();
      return WriteFailure{staged[i].file->path, why};
    }
  }
  for (Staged& s : staged) {
    if (::rename(s.temp.c_str(), s.target.c_str()) != 0) {
      const int error = errno;
      discard();
      return WriteFailure{s.file->path, std::strerror(error)};
    }
    s.temp.clear();
    syncFolder(folderOf(s.target));
    removeStaleTemporaries(s.target);
  }
  return std::nullopt;
}

}  // namespace tw::files

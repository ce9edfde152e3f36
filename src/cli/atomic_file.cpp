#include "cli/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

namespace tw::cli {

namespace fs = std::filesystem;

namespace {

std::string failure(const std::string& path, const std::string& why) {
  return "cannot write " + path + ": " + why;
}
std::string failure(const std::string& path, int error) {
  return failure(path, std::strerror(error));
}

// The end of a chain of symbolic links (a dangling link names the file to make); a loop
// leaves the name itself, which is then replaced.
fs::path finalPath(const fs::path& path) {
  fs::path p = path;
  for (int depth = 0; depth < 128; ++depth) {
    std::error_code ec;
    if (!fs::is_symlink(p, ec)) return p;
    const fs::path target = fs::read_symlink(p, ec);
    if (ec) return p;
    p = target.is_absolute() ? target : p.parent_path() / target;
  }
  return path;
}

// One output on its way: a temporary file beside its target, or a device written to at once.
struct Staged {
  const FileContent* file;
  fs::path target;
  fs::path temp;
  bool direct = false;
};

bool writeAll(int fd, const std::string& content) {
  const char* at = content.data();
  std::size_t left = content.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, at, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    at += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

// Ends with a closed file; the reason is that of the first step that failed.
std::string finish(int fd, bool ok, const std::string& path) {
  int error = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  return ok ? "" : failure(path, error);
}

int openTemp(Staged& s, bool replacing) {
  const fs::path folder = s.target.has_parent_path() ? s.target.parent_path() : fs::path(".");
  std::random_device seed;
  std::mt19937 rng(seed());
  for (int attempt = 0; attempt < 16; ++attempt) {
    s.temp = folder / ("." + s.target.filename().string() + ".tmp-" + std::to_string(rng() % 1000000));
    // Private until it takes the old file's mode; a new file's mode is the umask's business.
    const int fd = ::open(s.temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                          replacing ? 0600 : 0666);
    if (fd >= 0 || errno != EEXIST) {
      if (fd < 0) s.temp.clear();
      return fd;
    }
  }
  s.temp.clear();
  errno = EEXIST;
  return -1;
}

std::string stage(Staged& s) {
  if (s.direct) return "";
  const std::string& name = s.file->path;
  struct stat old {};
  const bool exists = ::stat(s.target.c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) return failure(name, "it is a folder");
  if (exists && !S_ISREG(old.st_mode)) {
    s.direct = true;
    return "";
  }
  if (exists && ::access(s.target.c_str(), W_OK) != 0) return failure(name, errno);
  std::error_code ec;
  if (s.target.has_parent_path() && !fs::is_directory(s.target.parent_path(), ec))
    return failure(name, "the folder " + s.target.parent_path().string() + " does not exist");

  const int fd = openTemp(s, exists);
  if (fd < 0) return failure(name, errno);
  const bool ok = (!exists || ::fchmod(fd, old.st_mode & 0777) == 0) &&
                  writeAll(fd, s.file->content) && (::fsync(fd) == 0 || errno == EINVAL);
  std::string why = finish(fd, ok, name);
  if (!why.empty()) {
    ::unlink(s.temp.c_str());
    s.temp.clear();
  }
  return why;
}

std::string writeDirect(const Staged& s) {
  const int fd = ::open(s.target.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return failure(s.file->path, errno);
  return finish(fd, writeAll(fd, s.file->content), s.file->path);
}

fs::path identity(const fs::path& p) {
  std::error_code ec;
  const fs::path c = fs::weakly_canonical(p, ec);
  return ec ? p.lexically_normal() : c;
}

}  // namespace

bool isDeviceOrPipe(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
}

std::string writeFiles(const std::vector<FileContent>& files) {
  std::vector<Staged> staged;
  for (const FileContent& f : files) {
    // A device or pipe is opened by the name given: /dev/stdout's link leads nowhere one could
    // write a file beside.
    const bool direct = isDeviceOrPipe(f.path);
    Staged s{&f, direct ? fs::path(f.path) : finalPath(f.path), {}, direct};
    // Two names of one file: the second would silently replace the first.
    for (const Staged& earlier : staged)
      if (identity(earlier.target) == identity(s.target))
        return earlier.file->path + " and " + f.path + " name the same file";
    staged.push_back(s);
  }
  const auto discard = [&staged] {
    for (Staged& s : staged)
      if (!s.temp.empty()) ::unlink(s.temp.c_str());
  };
  std::string why;
  for (Staged& s : staged)
    if (why.empty()) why = stage(s);
  for (const Staged& s : staged)
    if (why.empty() && s.direct) why = writeDirect(s);
  if (!why.empty()) {
    discard();
    return why;
  }
  for (Staged& s : staged) {
    if (s.temp.empty()) continue;
    if (::rename(s.temp.c_str(), s.target.c_str()) != 0) {
      const int error = errno;
      discard();
      return failure(s.file->path, error);
    }
    s.temp.clear();
  }
  return "";
}

}  // namespace tw::cli

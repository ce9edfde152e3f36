#include "cli/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

namespace tw::cli {

namespace fs = std::filesystem;

namespace {

struct Temp {
  std::FILE* file = nullptr;
  std::string path;
  std::string error;
};

// A new file of our own beside the target; "x" refuses a name that already exists.
Temp openTempBeside(const std::string& target) {
  Temp t;
  const fs::path p(target);
  const fs::path folder = p.parent_path().empty() ? fs::path(".") : p.parent_path();
  std::error_code ec;
  if (fs::is_directory(p, ec)) {
    t.error = "cannot write " + target + ": it is a folder";
    return t;
  }
  if (!fs::is_directory(folder, ec)) {
    t.error = "cannot write " + target + ": the folder " + folder.string() + " does not exist";
    return t;
  }
  std::random_device seed;
  std::mt19937 rng(seed());
  for (int attempt = 0; attempt < 16; ++attempt) {
    const fs::path candidate =
        folder / ("." + p.filename().string() + ".tmp-" + std::to_string(rng() % 1000000));
    errno = 0;
    if (std::FILE* f = std::fopen(candidate.c_str(), "wbx")) {
      t.file = f;
      t.path = candidate.string();
      return t;
    }
    if (errno != EEXIST) {
      t.error = "cannot write " + target + ": " + std::strerror(errno);
      return t;
    }
  }
  t.error = "cannot write " + target + ": no free temporary name beside it";
  return t;
}

}  // namespace

std::string checkWritable(const std::string& target) {
  Temp t = openTempBeside(target);
  if (!t.file) return t.error;
  std::fclose(t.file);
  std::error_code ec;
  fs::remove(t.path, ec);
  return "";
}

std::string writeFileAtomically(const std::string& target, std::string_view content) {
  Temp t = openTempBeside(target);
  if (!t.file) return t.error;
  const bool written = std::fwrite(content.data(), 1, content.size(), t.file) == content.size();
  const int writeErrno = errno;
  const bool closed = std::fclose(t.file) == 0;
  std::error_code ec;
  if (!written || !closed) {
    fs::remove(t.path, ec);
    return "cannot write " + target + ": " + std::strerror(written ? errno : writeErrno);
  }
  fs::rename(t.path, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(t.path, ignored);
    return "cannot write " + target + ": " + ec.message();
  }
  return "";
}

}  // namespace tw::cli

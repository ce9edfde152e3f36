#pragma once
// A folder of the test's own, closed to others and removed with all it holds.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>

namespace tw::test {

namespace fs = std::filesystem;

struct ScratchFolder {
  ScratchFolder() {
    fs::create_directories(dir);
    fs::permissions(dir, fs::perms::owner_all);
  }
  ~ScratchFolder() { fs::remove_all(dir); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::set<std::string> names() const {
    std::set<std::string> out;
    for (const auto& e : fs::directory_iterator(dir)) out.insert(e.path().filename().string());
    return out;
  }

  const fs::path dir =
      fs::temp_directory_path() / ("tidewell-test-" + std::to_string(std::random_device{}()));
};

// The permission bits of the path itself (not of where a link leads), or 0 when it is not there.
inline unsigned modeOf(const fs::path& p) {
  struct stat st {};
  return ::lstat(p.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

inline std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace tw::test

#include "files/path_walk.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <filesystem>

namespace tw::files {

namespace {

namespace fs = std::filesystem;

// The system's links nest at most 40 deep; so do ours.
constexpr int kMostLinks = 40;

std::string userName(uid_t uid) {
  struct passwd pw {};
  struct passwd* found = nullptr;
  char buffer[1024];
  if (::getpwuid_r(uid, &pw, buffer, sizeof buffer, &found) != 0 || !found) return {};
  return pw.pw_name;
}

std::string joined(const std::string& folder, const std::string& name) {
  return folder == "/" ? "/" + name : folder + "/" + name;
}

struct Step {
  std::string name;
  bool judged;
};

std::deque<Step> stepsOf(const fs::path& path, bool judged) {
  std::deque<Step> steps;
  for (const fs::path& part : path.relative_path()) steps.push_back({part.string(), judged});
  return steps;
}

}  // namespace

Walked walkPath(const std::string& path, const std::string& judgedFrom) {
  Walked w;
  std::error_code ec;
  const fs::path whole = fs::absolute(path, ec).lexically_normal();
  fs::path from = fs::absolute(judgedFrom, ec).lexically_normal();
  if (from.has_relative_path() && from.filename().empty()) from = from.parent_path();
  // Judged from the component that names `judgedFrom`; a path outside it is judged whole.
  std::size_t unjudged = 0;
  const auto end = std::mismatch(from.begin(), from.end(), whole.begin(), whole.end()).first;
  const fs::path fromParts = from.relative_path();
  const auto depth = std::distance(fromParts.begin(), fromParts.end());
  if (end == from.end() && depth > 0) unjudged = static_cast<std::size_t>(depth - 1);
  std::deque<Step> todo = stepsOf(whole, true);
  for (std::size_t i = 0; i < unjudged && i < todo.size(); ++i) todo[i].judged = false;

  // The folders we are in, each with its entry (-1 when not judged); ".." goes back one.
  std::vector<std::pair<std::string, int>> at{{"/", -1}};
  int links = 0;
  while (!todo.empty()) {
    const Step step = todo.front();
    todo.pop_front();
    if (step.name.empty() || step.name == ".") continue;
    if (step.name == "..") {
      if (at.size() > 1) at.pop_back();
      continue;
    }
    const std::string here = joined(at.back().first, step.name);
    struct stat st {};
    if (::lstat(here.c_str(), &st) != 0) {
      if (errno != ENOENT) {
        w.error = here + ": " + std::strerror(errno);
        return w;
      }
      if (step.judged)
        w.entries.push_back({PathEntry::Missing, here, 0, {}, 0, at.back().second, {}});
      w.target = here;
      if (!todo.empty()) w.missingFolder = here;
      for (const Step& rest : todo) w.target = joined(w.target, rest.name);
      return w;
    }
    PathEntry e{PathEntry::File,  here, st.st_uid, {}, static_cast<unsigned>(st.st_mode & 07777),
                at.back().second, {}};
    if (step.judged && st.st_uid != ::geteuid() && st.st_uid != 0)
      e.ownerName = userName(st.st_uid);
    if (S_ISLNK(st.st_mode)) {
      if (++links > kMostLinks) {
        w.error = here + ": " + std::strerror(ELOOP);
        return w;
      }
      std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
      const ssize_t n = ::readlink(here.c_str(), target.data(), target.size());
      if (n < 0) {
        w.error = here + ": " + std::strerror(errno);
        return w;
      }
      target.resize(static_cast<std::size_t>(n));
      if (step.judged) {
        e.kind = PathEntry::Link;
        struct stat led {};
        if (::stat(here.c_str(), &led) == 0) e.targetOwner = led.st_uid;
        w.entries.push_back(e);
      }
      // What the link names is walked in its place, judged as the link was.
      std::deque<Step> more = stepsOf(fs::path(target), step.judged);
      todo.insert(todo.begin(), more.begin(), more.end());
      if (fs::path(target).is_absolute()) at.assign(1, {"/", -1});
      continue;
    }
    if (S_ISDIR(st.st_mode)) {
      e.kind = PathEntry::Folder;
      if (step.judged) w.entries.push_back(e);
      at.push_back({here, step.judged ? static_cast<int>(w.entries.size()) - 1 : -1});
      continue;
    }
    if (!todo.empty()) {
      w.error = here + ": " + std::strerror(ENOTDIR);
      return w;
    }
    if (step.judged) w.entries.push_back(e);
    w.target = here;
    w.exists = true;
    w.type = st.st_mode & S_IFMT;
    return w;
  }
  // The path names a folder.
  w.target = at.back().first;
  w.exists = true;
  w.type = S_IFDIR;
  return w;
}

std::string whyNotTrusted(const Walked& walked, bool fileModeCounts) {
  const auto d = distrust(walked.entries, {static_cast<unsigned>(::geteuid()), fileModeCounts});
  return d ? distrustText(*d) : std::string();
}

}  // namespace tw::files

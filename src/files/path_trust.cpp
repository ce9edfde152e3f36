#include "files/path_trust.h"

#include <cstdio>

namespace tw::files {

namespace {

constexpr unsigned kOpenToOthers = 0022;
constexpr unsigned kSticky = 01000;
constexpr unsigned kRoot = 0;

bool shared(const PathEntry& folder) {
  return (folder.mode & kOpenToOthers) && (folder.mode & kSticky);
}

std::string octal(unsigned mode) {
  char text[8];
  std::snprintf(text, sizeof text, "%04o", mode & 07777);
  return text;
}

std::string kindWord(const PathEntry& e) {
  switch (e.kind) {
    case PathEntry::Folder: return "folder";
    case PathEntry::Link: return "link";
    default: return "file";
  }
}

// "every user" or "its group", with the mode that says so.
std::string openTo(const PathEntry& e) {
  return std::string(e.mode & 0002 ? "every user" : "its group") + " (mode " + octal(e.mode) + ")";
}

std::string owner(const PathEntry& e) {
  return e.ownerName.empty() ? "user " + std::to_string(e.owner) : e.ownerName;
}

}  // namespace

std::optional<Distrust> distrust(const std::vector<PathEntry>& walked, const TrustRule& rule) {
  for (const PathEntry& e : walked) {
    if (e.kind == PathEntry::Missing) continue;
    const PathEntry* in = e.folder >= 0 && static_cast<std::size_t>(e.folder) < walked.size()
                              ? &walked[static_cast<std::size_t>(e.folder)]
                              : nullptr;
    // In a sticky folder that others write to, only what they own can have been put there by
    // them; a link there must also lead to what its owner owns, as the kernel's protected links.
    std::optional<PathEntry> sharedFolder;
    if (in && shared(*in)) sharedFolder = *in;
    if (e.owner != rule.user && e.owner != kRoot)
      return Distrust{Distrust::OwnedByOther, e, sharedFolder};
    if (sharedFolder && e.kind == PathEntry::Link && e.targetOwner && *e.targetOwner != e.owner)
      return Distrust{Distrust::LinkInSharedFolder, e, sharedFolder};
    if (e.kind == PathEntry::Folder && (e.mode & kOpenToOthers) && !(e.mode & kSticky))
      return Distrust{Distrust::OpenFolder, e, {}};
    if (e.kind == PathEntry::File && rule.fileModeCounts && (e.mode & kOpenToOthers))
      return Distrust{Distrust::OpenFile, e, {}};
  }
  return std::nullopt;
}

std::string distrustText(const Distrust& d) {
  const PathEntry& e = d.entry;
  const std::string what = "the " + kindWord(e) + " " + e.path;
  switch (d.why) {
    case Distrust::OpenFolder:
    case Distrust::OpenFile:
      return "The " + kindWord(e) + " " + e.path + " can be changed by " + openTo(e) +
             ": make it yours alone with chmod go-w " + e.path;
    case Distrust::LinkInSharedFolder:
      return "The folder " + d.folder->path + " can be changed by " + openTo(*d.folder) + ", and " +
             what +
             " in it leads to something of another owner: put the file itself in its place, "
             "or keep it in a folder that is yours alone";
    case Distrust::OwnedByOther: break;
  }
  const std::string belongs =
      " belongs to another user (" + owner(e) + "), who could have put it there";
  if (d.folder)
    return "The folder " + d.folder->path + " can be changed by " + openTo(*d.folder) + ", and " +
           what + " in it" + belongs +
           ": remove it, or keep the file in a folder that is yours alone";
  std::string text = what + belongs + ": remove it, or make it yours";
  text[0] = 'T';
  return text;
}

}  // namespace tw::files

#include "files/path_trust.h"

#include <cstdio>

#include "catalogue/catalogue.h"

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

// One sentence for each kind of entry, in the order folder, link, file.
const char* byKind(const PathEntry& e, const char* folder, const char* link, const char* file) {
  switch (e.kind) {
    case PathEntry::Folder: return folder;
    case PathEntry::Link: return link;
    default: return file;
  }
}

// "every user" or "its group", with the mode that says so.
std::string openTo(const PathEntry& e) {
  // TRANSLATORS: who can change a file or folder; {1} its mode in octal ("0777").
  return fillIn(e.mode & 0002 ? _("every user (mode {1})") : _("its group (mode {1})"),
                octal(e.mode));
}

std::string owner(const PathEntry& e) {
  // TRANSLATORS: a user known only by number.
  return e.ownerName.empty() ? fillIn(_("user {1}"), std::to_string(e.owner)) : e.ownerName;
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
  switch (d.why) {
    case Distrust::OpenFolder:
    case Distrust::OpenFile:
      return fillIn(
          byKind(e,
                 // TRANSLATORS: why Tidewell neither reads nor writes a file: {1} and {3} are
                 // paths, {2} who can change the folder ("every user (mode 0777)"), {4} the other
                 // user's name. "chmod go-w" is a command and stays as it is.
                 _("The folder {1} can be changed by {2}: make it yours alone with "
                   "chmod go-w {1}"),
                 _("The link {1} can be changed by {2}: make it yours alone with "
                   "chmod go-w {1}"),
                 _("The file {1} can be changed by {2}: make it yours alone with "
                   "chmod go-w {1}")),
          e.path, openTo(e));
    case Distrust::LinkInSharedFolder:
      return fillIn(_("The folder {1} can be changed by {2}, and the link {3} in it leads to "
                      "something of another owner: put the file itself in its place, or keep it "
                      "in a folder that is yours alone"),
                    d.folder->path, openTo(*d.folder), e.path);
    case Distrust::OwnedByOther: break;
  }
  if (d.folder)
    return fillIn(
        byKind(e,
               _("The folder {1} can be changed by {2}, and the folder {3} in it belongs to "
                 "another user ({4}), who could have put it there: remove it, or keep the file "
                 "in a folder that is yours alone"),
               _("The folder {1} can be changed by {2}, and the link {3} in it belongs to "
                 "another user ({4}), who could have put it there: remove it, or keep the file "
                 "in a folder that is yours alone"),
               _("The folder {1} can be changed by {2}, and the file {3} in it belongs to "
                 "another user ({4}), who could have put it there: remove it, or keep the file "
                 "in a folder that is yours alone")),
        d.folder->path, openTo(*d.folder), e.path, owner(e));
  return fillIn(byKind(e,
                       // TRANSLATORS: {1} is a path, {2} the name of the user it belongs to.
                       _("The folder {1} belongs to another user ({2}), who could have put it "
                         "there: remove it, or make it yours"),
                       _("The link {1} belongs to another user ({2}), who could have put it "
                         "there: remove it, or make it yours"),
                       _("The file {1} belongs to another user ({2}), who could have put it "
                         "there: remove it, or make it yours")),
                e.path, owner(e));
}

}  // namespace tw::files

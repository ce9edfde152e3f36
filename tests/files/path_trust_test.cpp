#include "files/path_trust.h"

#include <gtest/gtest.h>

namespace tw::files {
namespace {

constexpr unsigned kMe = 1000, kOther = 1001, kRoot = 0;

PathEntry folder(const std::string& path, unsigned owner, unsigned mode, int in) {
  return {PathEntry::Folder, path, owner, owner == kOther ? "mallory" : "", mode, in, {}};
}
PathEntry link(const std::string& path, unsigned owner, int in, unsigned targetOwner) {
  return {PathEntry::Link, path, owner, owner == kOther ? "mallory" : "", 0777, in, targetOwner};
}
PathEntry file(const std::string& path, unsigned owner, unsigned mode, int in) {
  return {PathEntry::File, path, owner, owner == kOther ? "mallory" : "", mode, in, {}};
}
PathEntry missing(const std::string& path, int in) {
  return {PathEntry::Missing, path, 0, {}, 0, in, {}};
}

// "OpenFolder /c/K": the reason and the entry it names, or "trusted".
std::string verdict(const std::optional<Distrust>& d) {
  if (!d) return "trusted";
  const char* why[] = {"OwnedByOther", "OpenFolder", "OpenFile", "LinkInSharedFolder"};
  return std::string(why[d->why]) + " " + d->entry.path +
         (d->folder ? " in " + d->folder->path : "");
}

TEST(PathTrust, OnlyTheUserOrRootCanHavePutWhatIsOnTheWay) {
  const struct {
    const char* name;
    std::vector<PathEntry> walked;
    std::string want;
    unsigned user = kMe;
    bool fileMode = true;
  } rows[] = {
      {"all the user's, closed to others",
       {folder("/c", kMe, 0700, -1), folder("/c/K", kMe, 0755, 0), file("/c/K/T", kMe, 0600, 1)},
       "trusted"},
      {"a root-owned config home", {folder("/c", kRoot, 0755, -1), missing("/c/K", 0)}, "trusted"},
      {"a folder left at 0777",
       {folder("/c", kMe, 0700, -1), folder("/c/K", kMe, 0777, 0), file("/c/K/T", kMe, 0600, 1)},
       "OpenFolder /c/K"},
      {"a folder its group may write",
       {folder("/c", kMe, 0775, -1), missing("/c/K", 0)},
       "OpenFolder /c"},
      {"a 0777 folder is named before the link planted in it",
       {folder("/c", kMe, 0777, -1), link("/c/T", kOther, 0, kMe)},
       "OpenFolder /c"},
      {"the user's own folder in a sticky shared one",
       {folder("/s", kRoot, 01777, -1), folder("/s/K", kMe, 0700, 0), file("/s/K/T", kMe, 0600, 1)},
       "trusted"},
      {"another user's link in a sticky shared folder",
       {folder("/s", kRoot, 01777, -1), link("/s/T", kOther, 0, kMe),
        file("/home/me/.gitconfig", kMe, 0644, -1)},
       "OwnedByOther /s/T in /s"},
      {"another user's folder in a sticky shared folder",
       {folder("/s", kRoot, 01777, -1), folder("/s/K", kOther, 0777, 0)},
       "OwnedByOther /s/K in /s"},
      {"the user's link in a sticky shared folder, to root's file",
       {folder("/s", kRoot, 01777, -1), link("/s/T", kMe, 0, kRoot),
        file("/etc/passwd", kRoot, 0644, -1)},
       "LinkInSharedFolder /s/T in /s"},
      {"the user's link in a sticky shared folder, to the user's file",
       {folder("/s", kMe, 01777, -1), link("/s/T", kMe, 0, kMe), file("/home/me/t", kMe, 0600, -1)},
       "trusted"},
      {"another user's link in the user's closed folder",
       {folder("/c", kMe, 0700, -1), link("/c/T", kOther, 0, kOther)},
       "OwnedByOther /c/T"},
      {"another user's file",
       {folder("/c", kMe, 0700, -1), file("/c/T", kOther, 0644, 0)},
       "OwnedByOther /c/T"},
      {"a file every user may write, for the settings",
       {folder("/c", kMe, 0700, -1), file("/c/T", kMe, 0666, 0)},
       "OpenFile /c/T"},
      {"a file every user may write, for a chart",
       {folder("/c", kMe, 0700, -1), file("/c/T", kMe, 0666, 0)},
       "trusted",
       kMe,
       false},
      {"as root, a user's link to root's file",
       {folder("/s", kRoot, 01777, -1), link("/s/T", kMe, 0, kRoot)},
       "OwnedByOther /s/T in /s",
       kRoot,
       true},
  };
  for (const auto& r : rows)
    EXPECT_EQ(verdict(distrust(r.walked, {r.user, r.fileMode})), r.want) << r.name;
}

// The message names the folder or link, who may change it, and what to do.
TEST(PathTrust, TheReasonSaysWhatIsOpenToWhomAndWhatToChange) {
  const PathEntry shared = folder("/srv/shared", kRoot, 01777, -1);
  const struct {
    Distrust d;
    std::string want;
  } rows[] = {
      {{Distrust::OpenFolder, folder("/c/K", kMe, 0775, -1), {}},
       "The folder /c/K can be changed by its group (mode 0775): make it yours alone with chmod "
       "go-w /c/K"},
      {{Distrust::OwnedByOther, link("/srv/shared/T", kOther, 0, kMe), shared},
       "The folder /srv/shared can be changed by every user (mode 1777), and the link "
       "/srv/shared/T in it belongs "
       "to another user (mallory), who could have put it there: remove it, or keep the file in a "
       "folder that is yours alone"},
      {{Distrust::LinkInSharedFolder, link("/srv/shared/T", kMe, 0, kRoot), shared},
       "The folder /srv/shared can be changed by every user (mode 1777), and the link "
       "/srv/shared/T in it leads to "
       "something of another owner: put the file itself in its place, or keep it in a folder that "
       "is yours alone"},
      {{Distrust::OwnedByOther, file("/c/T", 1234, 0600, -1), {}},
       "The file /c/T belongs to another user (user 1234), who could have put it there: remove it, "
       "or make it yours"},
  };
  for (const auto& r : rows) EXPECT_EQ(distrustText(r.d), r.want);
}

}  // namespace
}  // namespace tw::files

#include "files/whole_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

#include "mock/scratch_folder.h"

namespace tw::files {
namespace {

using test::modeOf;
using test::slurp;
namespace fs = std::filesystem;

TEST(WholeFile, OnlyItsOwnTemporariesCountAsLeftovers) {
  const struct {
    const char* name;
    bool own;
  } rows[] = {
      {".Tidewell.ini.tmp-Ab12Cd", true},
      {".Tidewell.ini.tmp-123", true},
      {"Tidewell.ini.aB3xY9", true},
      {"Tidewell.ini.backup", false},
      {"Tidewell.ini.Backup", false},
      {"Tidewell.ini.202412", false},
      {"Tidewell.ini.aB3xY", false},
      {"Tidewell.ini.aB3xY9z", false},
      {".Tidewell.ini.tmp-Ab12Cd7", false},
      {".Tidewell.ini.tmp-", false},
      {".Tidewell.ini.tmp-a/b", false},
      {"Other.ini.aB3xY9", false},
      {"Tidewell.ini", false},
  };
  for (const auto& r : rows) EXPECT_EQ(isOwnTemporary(r.name, "Tidewell.ini"), r.own) << r.name;
}

class WholeFileOnDisk : public ::testing::Test, protected test::ScratchFolder {};

// A save leaves no leftover of an earlier one cut short, and nothing that is not one.
TEST_F(WholeFileOnDisk, ASaveRemovesItsStaleTemporariesOnly) {
  const fs::path file = dir / "Tidewell.ini";
  const std::vector<std::string> stale = {".Tidewell.ini.tmp-Ab12Cd", "Tidewell.ini.aB3xY9"};
  const std::vector<std::string> kept = {"Tidewell.ini.backup", ".Other.ini.tmp-Ab12Cd",
                                         ".Tidewell.ini.tmp-Zz9Yy8"};
  for (const auto& name : stale) std::ofstream(dir / name) << "half";
  for (const auto& name : kept) std::ofstream(dir / name) << "mine";
  const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(2);
  for (const auto& name : stale) fs::last_write_time(dir / name, old);
  for (std::size_t i = 0; i + 1 < kept.size(); ++i)
    fs::last_write_time(dir / kept[i], old);  // the last is fresh

  ASSERT_EQ(writeWholeFiles({{file.string(), "[Tidewell]\n"}}, {dir.string(), true}), std::nullopt);
  std::set<std::string> want(kept.begin(), kept.end());
  want.insert("Tidewell.ini");
  EXPECT_EQ(names(), want);
}

// The settings' folders and file are made for the user alone, whatever the umask.
TEST_F(WholeFileOnDisk, APrivateFileAndItsFoldersAreTheUsersAlone) {
  const mode_t kept = ::umask(0);
  const fs::path file = dir / "config" / "Kestrelmoor" / "Tidewell.ini";
  const auto failed = writeWholeFiles({{file.string(), "x"}}, {(dir / "config").string(), true});
  ::umask(kept);
  EXPECT_EQ(failed.has_value() ? failed->why : "", "");
  EXPECT_EQ(
      (std::vector<unsigned>{modeOf(dir / "config"), modeOf(file.parent_path()), modeOf(file)}),
      (std::vector<unsigned>{0700, 0700, 0600}));
}

// What someone else could have put in place, or what is no plain file, is never opened.
TEST_F(WholeFileOnDisk, WhatOthersCouldHavePutThereIsLeftAsItIs) {
  const bool root = ::geteuid() == 0;
  const fs::path open = dir / "open", shared = dir / "shared";
  fs::create_directories(open);
  fs::create_directories(shared);
  fs::permissions(open, fs::perms::all);
  fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
  const fs::path victim = dir / "victim.ini";
  std::ofstream(victim) << "victim";
  fs::create_symlink(victim, open / "planted.ini");
  fs::create_symlink(victim, shared / "planted.ini");
  // As root a link of another user's can be made; as anyone, one to a file of root's.
  if (root) {
    ASSERT_EQ(::lchown((shared / "planted.ini").c_str(), 65534, 65534), 0);
  } else {
    fs::create_symlink("/etc/hostname", shared / "rootfile.ini");
  }
  ::mkfifo((dir / "pipe.ini").c_str(), 0600);  // opened for writing with no reader, it would wait
  const struct {
    fs::path path;
    std::string why;
  } rows[] = {
      {open / "planted.ini",
       "The folder " + open.string() + " can be changed by every user (mode 0777)"},
      {root ? shared / "planted.ini" : shared / "rootfile.ini",
       "The folder " + shared.string() + " can be changed by every user (mode 1777), and the link"},
      {dir / "pipe.ini", "it is a named pipe"},
      {dir, "it is a folder"},
  };
  for (const auto& r : rows) {
    const auto failed = writeWholeFiles({{r.path.string(), "new"}}, {});
    EXPECT_EQ(failed ? failed->why.substr(0, r.why.size()) : "(written)", r.why) << r.path;
  }
  EXPECT_EQ(slurp(victim), "victim");
  // The user's own file in a sticky shared folder, such as /tmp, is theirs to replace.
  EXPECT_EQ(writeWholeFiles({{(shared / "mine.png").string(), "new"}}, {}), std::nullopt);
}

}  // namespace
}  // namespace tw::files

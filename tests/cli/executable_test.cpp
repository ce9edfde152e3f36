// The built tidewell-chart, run in a temporary folder with its own settings folder.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "mock/scratch_folder.h"

namespace {

using tw::test::modeOf;
using tw::test::slurp;
namespace fs = std::filesystem;

class ChartProgram : public ::testing::Test, protected tw::test::ScratchFolder {
 protected:
  void SetUp() override { fs::create_directories(dir / "config"); }

  struct Result {
    int status;
    std::string out, err;
  };

  Result run(const std::vector<std::string>& args, const std::string& umask = "022",
             const std::string& environment = "") {
    std::string cmd = "cd '" + dir.string() + "' && umask " + umask + " && " + environment +
                      " XDG_CONFIG_HOME='" + (dir / "config").string() +
                      "' '" TIDEWELL_CHART_EXE "'";
    for (const std::string& a : args) cmd += " '" + a + "'";
    cmd += " >.stdout 2>.stderr";
    const int raw = std::system(cmd.c_str());
    Result r{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(dir / ".stdout"),
             slurp(dir / ".stderr")};
    fs::remove(dir / ".stdout");
    fs::remove(dir / ".stderr");
    return r;
  }
};

// A refused run changes no file: its files are moved into place only when every one was
// written, and no temporary file is left behind.
TEST_F(ChartProgram, ARefusedRunChangesNoFile) {
  std::ofstream(dir / "a.png") << "old";
  std::ofstream(dir / "a.svg") << "old";
  fs::create_symlink("/dev/full", dir / "full.ics");
  fs::create_symlink("a.svg", dir / "same.ics");
  const struct {
    std::vector<std::string> outputs;
    const char* reason;
  } cases[] = {
      {{"--out", "missing/new.png"},
       "cannot write missing/new.png: the folder DIR/missing does not exist"},
      {{"--out", "a.png", "--ics", "full.ics"}, "cannot write full.ics: it is a device"},
      {{"--out", "a.svg", "--ics", "same.ics"},
       "cannot write same.ics: it names the same file as a.svg"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reason);
    std::vector<std::string> args = {"--birthday", "1990-01-31", "--critical", "1990-01-01",
                                     "2089-12-31"};
    args.insert(args.end(), c.outputs.begin(), c.outputs.end());
    const Result r = run(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    std::string reason = c.reason;
    if (const auto at = reason.find("DIR"); at != std::string::npos)
      reason.replace(at, 3, dir.string());
    EXPECT_EQ(r.err, "tidewell-chart: " + reason + "\n");
    EXPECT_EQ(names(), (std::set<std::string>{"a.png", "a.svg", "config", "full.ics", "same.ics"}));
    EXPECT_EQ(slurp(dir / "a.png") + slurp(dir / "a.svg"), "oldold");
  }
}

// Every format is saved alike: an existing file keeps its mode, a symbolic link keeps pointing
// at the file that gets the new content, and a new file has the umask's mode.
TEST_F(ChartProgram, EveryFormatIsSavedTheSameWay) {
  const struct {
    std::string ext, magic;
  } formats[] = {{"png", "\x89PNG"},
                 {"bmp", "BM"},
                 {"svg", "<?xml"},
                 {"pdf", "%PDF"},
                 {"ics", "BEGIN:VCALENDAR"}};
  fs::create_directory(dir / "real");
  for (const auto& f : formats) {
    const std::string kept = "kept." + f.ext, link = "link." + f.ext, made = "made." + f.ext;
    std::ofstream(dir / kept) << "old";
    fs::permissions(dir / kept, fs::perms::owner_read | fs::perms::owner_write);
    std::ofstream(dir / "real" / link) << "old";
    fs::create_symlink(fs::path("real") / link, dir / link);
    for (const std::string& name : {kept, link, made}) {
      const Result r = run({"--birthday", "1990-01-31", "--critical", "2024-01-01", "2024-01-31",
                            f.ext == "ics" ? "--ics" : "--out", name},
                           "027");
      EXPECT_EQ(r.status, 0) << name << ": " << r.err;
    }
    EXPECT_EQ(modeOf(dir / kept), 0600u) << kept;
    EXPECT_EQ(slurp(dir / kept).substr(0, f.magic.size()), f.magic) << kept;
    EXPECT_TRUE(fs::is_symlink(dir / link)) << link;
    EXPECT_EQ(slurp(dir / "real" / link).substr(0, f.magic.size()), f.magic) << link;
    EXPECT_EQ(modeOf(dir / made), 0640u) << made;
  }
}

// Settings that someone else could have put in place are not taken, and the reason is said.
TEST_F(ChartProgram, SettingsOthersCouldHavePutThereAreNotRead) {
  const fs::path folder = dir / "config" / "Kestrelmoor";
  fs::create_directories(folder);
  std::ofstream(folder / "Tidewell.ini") << "[Tidewell]\nBirthday1=31/1/1990\n";
  fs::permissions(folder, fs::perms::all);
  const Result r = run({"--interpret"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(
      r.err,
      "tidewell-chart: no --birthday given, and Tidewell's settings are not read: The folder " +
          folder.string() +
          " can be changed by every user (mode 0777): make it yours alone with "
          "chmod go-w " +
          folder.string() + "\n");
}

// The catalogue beside the program is found: a language gettext picks shows in its messages (the
// pseudo-language here), but under the C locale every output stays English, so scripts keep
// working.
TEST_F(ChartProgram, SpeaksTheLanguageGettextPicksAndEnglishUnderTheCLocale) {
  const Result pseudo = run({"--bogus"}, "022", "LANGUAGE=qps LC_ALL=C.UTF-8");
  EXPECT_EQ(pseudo.err.rfind("tidewell-chart: [", 0), 0u) << pseudo.err;
  EXPECT_NE(pseudo.err.find("\"--bogus\""), std::string::npos) << pseudo.err;
  const Result english = run({"--bogus"}, "022", "LANGUAGE=qps LC_ALL=C");
  EXPECT_EQ(english.err, "tidewell-chart: unknown option \"--bogus\" (see --help)\n");
}

}  // namespace

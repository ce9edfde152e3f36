// The built tidewell-chart, run in a temporary folder with its own settings folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// "640": the permission bits in octal.
std::string modeOf(const fs::path& p) {
  const auto bits = static_cast<unsigned>(fs::status(p).permissions() & fs::perms::mask);
  return std::to_string(bits >> 6 & 7) + std::to_string(bits >> 3 & 7) + std::to_string(bits & 7);
}

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class ChartProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("tidewell-cli-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir / "config");
  }
  void TearDown() override { fs::remove_all(dir); }

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

  std::vector<std::string> files() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir;
};

// A refused run changes no file: its files are moved into place only when every one was
// written, and no temporary file is left behind.
TEST_F(ChartProgram, ARefusedRunChangesNoFile) {
  std::ofstream(dir / "a.png") << "old";
  std::ofstream(dir / "a.svg") << "old";
  fs::create_directory(dir / "folder.svg");
  fs::create_symlink("/dev/full", dir / "full.ics");
  fs::create_symlink("a.svg", dir / "same.ics");
  ::mkfifo((dir / "pipe.ics").c_str(), 0600);  // with no reader: opened for writing, it would wait
  const struct {
    std::vector<std::string> outputs;
    const char* reason;
  } cases[] = {
      {{"--out", "missing/new.png"},
       "cannot write missing/new.png: the folder DIR/missing does not exist"},
      {{"--out", "folder.svg"}, "cannot write folder.svg: it is a folder"},
      {{"--out", "a.png", "--ics", "full.ics"}, "cannot write full.ics: it is a device"},
      {{"--out", "a.png", "--ics", "pipe.ics"}, "cannot write pipe.ics: it is a named pipe"},
      {{"--out", "a.svg", "--ics", "same.ics"},
       "cannot write same.ics: it names the same file as a.svg"},
      {{"--out", "a.png", "--date", "1990-02-30"},
       "--date \"1990-02-30\": no such day in the calendar"},
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
    EXPECT_EQ(files(), (std::vector<std::string>{"a.png", "a.svg", "config", "folder.svg",
                                                 "full.ics", "pipe.ics", "same.ics"}));
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
    EXPECT_EQ(modeOf(dir / kept), "600") << kept;
    EXPECT_EQ(slurp(dir / kept).substr(0, f.magic.size()), f.magic) << kept;
    EXPECT_TRUE(fs::is_symlink(dir / link)) << link;
    EXPECT_EQ(slurp(dir / "real" / link).substr(0, f.magic.size()), f.magic) << link;
    EXPECT_EQ(modeOf(dir / made), "640") << made;
  }
}

// A batch draws its charts in one start, each as a run of its own would; a refused line is
// reported and the next one still drawn.
TEST_F(ChartProgram, ABatchWritesEveryChartItCan) {
  std::ofstream(dir / "charts.txt") << "--birthday 1990-01-31 --out a.png\n"
                                       "--birthday 1990-01-31 --out 'b c.pdf' --date 2024-02-30\n"
                                       "--birthday 1990-01-31 --type comparison --birthday2 "
                                       "1992-06-15 --out 'b c.pdf'\n";
  const Result r = run({"--batch", "charts.txt"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err,
            "tidewell-chart: charts.txt:2: --date \"2024-02-30\": no such day in the calendar\n");
  EXPECT_EQ(slurp(dir / "a.png").substr(0, 4), "\x89PNG");
  EXPECT_EQ(slurp(dir / "b c.pdf").substr(0, 4), "%PDF");
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

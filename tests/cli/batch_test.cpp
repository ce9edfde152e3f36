// tidewell-chart --batch over a fake machine: how lines are split, and that a refused line is
// reported with its number while the others are still run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>

#include "cli/batch.h"
#include "mock/fake_chart_host.h"

namespace tw::cli {
namespace {

namespace fs = std::filesystem;

TEST(BatchLine, SplitsLikeAShellSplitsSimpleWords) {
  using Words = std::vector<std::string>;
  const struct {
    const char* name;
    std::string line;
    Words words;
    std::string error;
  } cases[] = {
      {"blanks part words", " --out  a.png\t--interpret ", {"--out", "a.png", "--interpret"}, ""},
      {"single quotes keep all", R"(--out 'my "\chart".png')", {"--out", R"(my "\chart".png)"}, ""},
      {"double quotes take \\\" and \\\\",
       R"(--out "a \"b\" \\ \c.png")",
       {"--out", R"(a "b" \ \c.png)"},
       ""},
      {"a backslash keeps a blank", R"(--out my\ chart.png)", {"--out", "my chart.png"}, ""},
      {"quotes inside a word", "--out=my' '\"chart\".png", {"--out=my chart.png"}, ""},
      {"empty quotes are a word", "--out ''", {"--out", ""}, ""},
      {"a # further on is kept",
       "--background-colour #ffffff",
       {"--background-colour", "#ffffff"},
       ""},
      {"CR LF line end", "--interpret\r", {"--interpret"}, ""},
      {"a blank line", " \t", {}, ""},
      {"a comment", "  # --out a.png", {}, ""},
      {"an unclosed quote", "--out 'a.png", {}, "a ' is not closed"},
      {"an unclosed double quote", "--out \"a.png\\\"", {}, "a \" is not closed"},
      {"a backslash at the end", "--out a\\", {}, "the line ends in a backslash"},
      {"a NUL", std::string("--out a\0b.png", 13), {}, "a NUL character in the line"},
  };
  for (const auto& c : cases) {
    const BatchLine r = splitBatchLine(c.line);
    EXPECT_EQ(r.words, c.words) << c.name;
    EXPECT_EQ(r.error, c.error) << c.name;
  }
}

class Batch : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("tidewell-batch-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  // "DIR" in `text` made the test's folder.
  std::string inDir(std::string text) const {
    for (auto at = text.find("DIR"); at != std::string::npos; at = text.find("DIR", at))
      text.replace(at, 3, dir.string());
    return text;
  }

  std::set<std::string> files() const {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
    return names;
  }

  fs::path dir;
  test::FakeChartHost host;
};

// Each line is followed by a good one, which must be run whatever became of the first.
TEST_F(Batch, ReportsARefusedLineWithItsNumberAndRunsTheRest) {
  const struct {
    const char* name;
    std::string line;
    std::string refusal;  // of line 1; empty when it is done or skipped
    std::set<std::string> written;
  } cases[] = {
      {"a good line", "--birthday 1990-01-31 --out 'DIR/my chart.png'", "", {"my chart.png"}},
      {"a bad option",
       "--birthday 1990-01-31 --frobnicate --out DIR/a.png",
       "unknown option \"--frobnicate\" (see --help)",
       {}},
      {"a bad date",
       "--birthday 1990-01-31 --date 2024-02-30 --out DIR/a.png",
       "--date \"2024-02-30\": no such day in the calendar",
       {}},
      {"an unwritable file",
       "--birthday 1990-01-31 --out DIR/missing/a.png",
       "cannot write DIR/missing/a.png: the folder DIR/missing does not exist",
       {}},
      {"an empty line", "", "", {}},
      {"a comment", "# --birthday 1990-01-31 --out DIR/a.png", "", {}},
      {"a line that cannot be split",
       "--birthday 1990-01-31 --out 'DIR/a.png",
       "a ' is not closed",
       {}},
      {"a batch in the batch", "--batch DIR/other.txt", "--batch is not taken inside a batch", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (const auto& e : fs::directory_iterator(dir)) fs::remove_all(e.path());
    std::istringstream lines(inDir(c.line + "\n--birthday 1990-01-31 --out DIR/after.png\n"));
    std::ostringstream out, err;
    const int status = runBatch("charts.txt", lines, host, out, err);
    EXPECT_EQ(status, c.refusal.empty() ? kExitOk : kExitBadInput);
    EXPECT_EQ(err.str(),
              c.refusal.empty() ? "" : inDir("tidewell-chart: charts.txt:1: " + c.refusal + "\n"));
    std::set<std::string> written = c.written;
    written.insert("after.png");
    EXPECT_EQ(files(), written);
  }
}

TEST_F(Batch, TheCommandLineNamesTheBatchAlone) {
  std::ofstream(dir / "charts.txt") << "--frobnicate\n";
  const struct {
    std::vector<std::string> args;
    std::string stdinText;
    int status;
    std::string err;
  } cases[] = {
      {{"--batch", "-"},
       "# skipped\n\n--birthday 2000-01-01 --date 2000-01-12 --interpret\n--x\n",
       kExitBadInput,
       "tidewell-chart: standard input:4: unknown option \"--x\" (see --help)\n"},
      {{"--batch=DIR/charts.txt"},
       "",
       kExitBadInput,
       "tidewell-chart: DIR/charts.txt:1: unknown option \"--frobnicate\" (see --help)\n"},
      {{"--batch", "DIR/none.txt"},
       "",
       kExitBadInput,
       "tidewell-chart: cannot read DIR/none.txt: No such file or directory\n"},
      {{"--batch", "DIR"}, "", kExitBadInput, "tidewell-chart: cannot read DIR: it is a folder\n"},
      {{"--batch", "-", "--interpret"},
       "",
       kExitBadInput,
       "tidewell-chart: --batch takes no other options: give them on the file's lines\n"},
      {{"--batch", "-"}, "\n# nothing to do\n", kExitOk, ""},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args;
    for (const std::string& a : c.args) args.push_back(inDir(a));
    std::istringstream in(c.stdinText);
    std::ostringstream out, err;
    EXPECT_EQ(run(args, host, in, out, err), c.status) << args[0];
    EXPECT_EQ(err.str(), inDir(c.err));
  }
}

}  // namespace
}  // namespace tw::cli

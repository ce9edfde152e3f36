// tidewell-chart --batch over a fake machine: how lines are split, and that a refused line is
// reported with its number while the others are still run.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/batch.h"
#include "mock/fake_chart_host.h"
#include "mock/scratch_folder.h"

namespace tw::cli {
namespace {

namespace fs = std::filesystem;

// The words joined by "|", or why the line is refused.
std::string split(std::string_view line) {
  const BatchLine r = splitBatchLine(line);
  if (!r.error.empty()) return "refused: " + r.error;
  std::string joined;
  for (const std::string& w : r.words) joined += (joined.empty() ? "" : "|") + w;
  return joined;
}

TEST(BatchLine, SplitsLikeAShellSplitsSimpleWords) {
  const std::pair<std::string, std::string> cases[] = {
      {" --out  a.png\t--interpret ", "--out|a.png|--interpret"},
      {R"(--out 'my "\chart".png')", R"(--out|my "\chart".png)"},
      {R"(--out "a \"b\" \\ \c.png")", R"(--out|a "b" \ \c.png)"},
      {R"(--out my\ chart.png)", "--out|my chart.png"},
      {"--out=my' '\"chart\".png", "--out=my chart.png"},
      {"--background-colour #ffffff", "--background-colour|#ffffff"},
      {"--interpret\r", "--interpret"},
      {"  # --out a.png", ""},
      {"--out 'a.png", "refused: a ' is not closed"},
      {"--out \"a.png\\\"", "refused: a \" is not closed"},
      {"--out a\\", "refused: the line ends in a backslash"},
      {std::string("--out a\0b.png", 13), "refused: a NUL character in the line"},
  };
  for (const auto& [line, want] : cases) EXPECT_EQ(split(line), want) << printable(line);
}

class Batch : public ::testing::Test, protected test::ScratchFolder {
 protected:
  // "DIR" in `text` made the test's folder.
  std::string inDir(std::string text) const {
    for (auto at = text.find("DIR"); at != std::string::npos; at = text.find("DIR", at))
      text.replace(at, 3, dir.string());
    return text;
  }

  test::FakeChartHost host;
};

// Each line is followed by a good one, which must be run whatever became of the first.
TEST_F(Batch, ReportsARefusedLineWithItsNumberAndRunsTheRest) {
  const struct {
    const char* name;
    std::string line;
    std::string refusal;                 // of line 1; empty when it is done or skipped
    std::set<std::string> written = {};  // besides after.png
  } cases[] = {
      {"a good line", "--birthday 1990-01-31 --out 'DIR/my chart.png'", "", {"my chart.png"}},
      {"a bad option", "--birthday 1990-01-31 --frob", "unknown option \"--frob\" (see --help)"},
      {"an unwritable file", "--birthday 1990-01-31 --out DIR/missing/a.png",
       "cannot write DIR/missing/a.png: the folder DIR/missing does not exist"},
      {"a blank line", " \t", ""},
      {"a batch in the batch", "--batch DIR/other.txt", "--batch is not taken inside a batch"},
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
    EXPECT_EQ(names(), written);
  }
}

TEST_F(Batch, TheCommandLineNamesTheBatchAlone) {
  std::ofstream(dir / "charts.txt") << "--frob\n";
  const struct {
    std::vector<std::string> args;
    std::string in, err;
  } cases[] = {
      {{"--batch", "-"},
       "# skipped\n\n--birthday 2000-01-01 --interpret\n--x\n",
       "standard input:4: unknown option \"--x\" (see --help)"},
      {{"--batch=DIR/charts.txt"}, "", "DIR/charts.txt:1: unknown option \"--frob\" (see --help)"},
      {{"--batch", "DIR/none.txt"}, "", "cannot read DIR/none.txt: No such file or directory"},
      {{"--batch", "DIR"}, "", "cannot read DIR: it is a folder"},
      {{"--batch", "-", "--interpret"},
       "",
       "--batch takes no other options: give them on the file's lines"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args;
    for (const std::string& a : c.args) args.push_back(inDir(a));
    std::istringstream in(c.in);
    std::ostringstream out, err;
    EXPECT_EQ(run(args, host, in, out, err), kExitBadInput) << args[0];
    EXPECT_EQ(err.str(), inDir("tidewell-chart: " + c.err + "\n"));
  }
}

}  // namespace
}  // namespace tw::cli

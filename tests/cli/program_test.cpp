// The program's decisions over a fake machine: where the people come from, what is printed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "cli/program.h"
#include "mock/fake_chart_host.h"
#include "version.h"

namespace tw::cli {
namespace {

using Store = std::map<std::string, std::string>;

using FakeHost = test::FakeChartHost;

struct Outcome {
  int status;
  std::string out, err;
};

Outcome runWith(FakeHost& host, const Store& store, const std::vector<std::string>& args) {
  host.settings.values = store;
  std::istringstream in;
  std::ostringstream out, err;
  const int status = run(args, host, in, out, err);
  return {status, out.str(), err.str()};
}

TEST(Program, PrintsForTheStoredPersonOrTheCommandLinesPeople) {
  const std::string physicalCritical =
      "\n\nPhysical critical day!\n\nDon't overwork, and avoid\n"
      "alcohol and other\nindulgements. Possibility\nof headaches or depression.\n";
  const struct {
    const char* name;
    Store store;
    std::vector<std::string> args;
    std::string out;
  } cases[] = {
      // Eleven days after the birthday the physical cycle is critical and the others high.
      {"stored person",
       {{"Birthday1", "31/1/1990"}, {"Birthname1", "Ann"}},
       {"--interpret", "--date", "1990-02-11"},
       "Interpretation for 11/2/1990:" + physicalCritical},
      {"comparison",
       {},
       {"--birthday", "2000-01-01", "--birthday2", "2000-01-01", "--type", "comparison",
        "--interpret", "--date", "2000-02-01"},
       "Comparison for 1/2/2000:\n\nPhysical: 100%\nEmotional: 100%\nIntellectual: 100%\nOverall: "
       "100%\n"},
      {"critical days",
       {},
       {"--birthday", "2000-01-01", "--critical", "2000-01-01", "2000-01-20"},
       "2000-01-01 Saturday: physical, emotional, intellectual\n2000-01-12 Wednesday: physical\n"
       "2000-01-15 Saturday: emotional\n2000-01-17 Monday: intellectual\n"},
      {"on the birthday itself",
       {},
       {"--birthday", "2000-01-01", "--date", "2000-01-01", "--interpret"},
       "Interpretation for 1/1/2000:\n\nPhysical, emotional &\nintellectual critical day!\n\nDon't "
       "get out of bed, "
       "don't\ngo anywhere, and don't do\nanything!!!\n"},
      {"version", {}, {"--version"}, std::string("tidewell-chart ") + kVersion + "\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeHost host;
    const Outcome r = runWith(host, c.store, c.args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(host.settings.reads.empty(), c.store.empty())
        << "a --birthday run leaves the store alone";
  }
}

TEST(Program, RefusesWhatCannotBeChartedWithOneLine) {
  const std::string one = "--birthday 2000-01-01 ",
                    two = one + "--birthday2 2000-02-01 --type comparison ";
  const std::pair<std::string, const char*> cases[] = {
      {"--interpret", "no --birthday given and Tidewell has no stored birthday"},
      {one, "nothing to do: give --out FILE, --interpret or --critical FROM TO (see --help)"},
      {one + "--type comparison --interpret", "--type comparison needs --birthday2"},
      {one + "--date 1999-12-31 --interpret",
       "the chart date 1999-12-31 is before the birthday 2000-01-01"},
      {two + "--date 2000-01-31 --interpret",
       "the chart date 2000-01-31 is before the second birthday 2000-02-01"},
      {one + "--ics x.ics", "--ics needs --critical FROM TO"},
      {one + "--critical 2000-01-01 2000-01-02 --ics days.txt",
       "--ics \"days.txt\": the calendar file's name must end in .ics"},
      // Sizes below one day column or a curve band that holds its labels.
      {one + "--width 49 --height 94 --out a.png",
       "--width 49 --height 94: too small for the one-person chart, which needs at least 50 x 94 "
       "pixels"},
      {two + "--width 77 --height 111 --out a.png",
       "--width 77 --height 111: too small for the comparison chart, which needs at least 77 x 112 "
       "pixels"},
  };
  for (const auto& [line, reason] : cases) {
    std::vector<std::string> args;
    std::istringstream words(line);
    for (std::string w; words >> w;) args.push_back(w);
    FakeHost host;
    const Outcome r = runWith(host, {}, args);
    EXPECT_EQ(r.status, 2) << line;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "tidewell-chart: " + std::string(reason) + "\n");
  }
}

// The curve letters are the only one-letter texts; a critical day's mark is the only thick line.
TEST(Program, CommandLineOptionsOverrideTheStoredOnes) {
  const std::string png = ::testing::TempDir() + "tidewell-overrides.png";
  Store stored = {{"Birthday1", "31/1/1990"},
                  {"Physical", "0"},
                  {"Average", "0"},
                  {"Background colour", "255"}};
  const std::vector<std::string> ei = {"text \"E\"", "text \"I\""};
  const struct {
    const char* marksStored;
    std::vector<std::string> args;
    const char* background;
    std::vector<std::string> letters;
    int marks;
  } rows[] = {
      {"-1", {"--date=2024-03-07"}, "255", ei, 1},
      {"0", {"--critical-marks"}, "255", ei, 1},
      {"-1",
       {"--curves", "A", "--background-colour", "#00ff00", "--no-critical-marks"},
       "65280",
       {"text \"A\""},
       0},
  };
  for (const auto& r : rows) {
    FakeHost host;
    stored["Critical day marks"] = r.marksStored;
    std::vector<std::string> args = {"--out", png};
    args.insert(args.end(), r.args.begin(), r.args.end());
    const Outcome o = runWith(host, stored, args);
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(host.drawn.at(0), std::string("setBackground ") + r.background);
    std::vector<std::string> letters;
    for (const std::string& call : host.drawn)
      if (call.size() == 8 && call.starts_with("text \"")) letters.push_back(call);
    EXPECT_EQ(letters, r.letters);
    EXPECT_EQ(std::ranges::count(host.drawn, "setLineWidth 3"), r.marks) << r.args[0];
  }
  std::remove(png.c_str());
}

}  // namespace
}  // namespace tw::cli

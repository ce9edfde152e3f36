// The program's decisions over a fake machine: where the people come from, what is printed.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/program.h"
#include "mock/fakes.h"
#include "mock/recording_surface.h"

namespace tw::cli {
namespace {

class FakeHost : public Host {
 public:
  Date today() override { return day; }
  Locale locale() override { return Locale{}; }
  const ui::SettingsStore& store() override { return settings; }
  const TextMeasure& textMeasure() override { return measure; }
  std::string fontFamily() override { return "sans-serif"; }
  std::string writeRendered(const std::string&, OutputFormat, int w, int h,
                            const std::function<void(DrawingSurface&)>& draw) override {
    test::RecordingSurface surface(static_cast<float>(w) * 15, static_cast<float>(h) * 15);
    draw(surface);
    drawn = surface.calls;
    return "";
  }

  Date day = fromYmd(2024, 3, 5);
  test::MemoryStore settings;
  test::FixedWidthMeasure measure;
  std::vector<std::string> drawn;
};

struct Outcome {
  int status;
  std::string out, err;
};

Outcome runWith(FakeHost& host, std::vector<std::string> args) {
  std::ostringstream out, err;
  const int status = run(args, host, out, err);
  return {status, out.str(), err.str()};
}

TEST(Program, InterpretsTheStoredPerson) {
  FakeHost host;
  host.settings.values = {{"Birthday1", "31/1/1990"}, {"Birthname1", "Ann"}};
  // Eleven days after the birthday the physical cycle is critical and the others high.
  const Outcome r = runWith(host, {"--interpret", "--date", "1990-02-11"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "Interpretation for 11/2/1990:\n\nPhysical critical day!\n\nDon't overwork, and avoid\n"
            "alcohol and other\nindulgements. Possibility\nof headaches or depression.\n");
}

TEST(Program, ComparisonUsesBothCommandLineBirthdays) {
  FakeHost host;
  const Outcome r = runWith(host, {"--birthday", "2000-01-01", "--birthday2", "2000-01-01",
                               "--type", "comparison", "--interpret", "--date", "2000-02-01"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "Comparison for 1/2/2000:\n\nPhysical: 100%\nEmotional: 100%\n"
                   "Intellectual: 100%\nOverall: 100%\n");
  EXPECT_TRUE(host.settings.reads.empty()) << "a --birthday run leaves the store alone";
}

TEST(Program, ListsCriticalDaysWithTheirCycles) {
  FakeHost host;
  const Outcome r = runWith(host, {"--birthday", "2000-01-01", "--critical", "2000-01-01", "2000-01-20"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "2000-01-01 Saturday: physical, emotional, intellectual\n"
            "2000-01-12 Wednesday: physical\n"
            "2000-01-15 Saturday: emotional\n"
            "2000-01-17 Monday: intellectual\n");
}

TEST(Program, CommandLineOptionsOverrideTheStoredOnes) {
  FakeHost host;
  host.settings.values = {{"Birthday1", "31/1/1990"}, {"Physical", "0"}, {"Average", "0"},
                          {"Background colour", "255"}};
  const Outcome r = runWith(host, {"--out", "c.png", "--curves", "A", "--width", "600",
                               "--background-colour", "#00ff00"});
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_FALSE(host.drawn.empty());
  EXPECT_EQ(host.drawn[0], "BackColor 65280");
  std::vector<std::string> letters;  // the curve letters: the only one-letter texts
  for (const std::string& call : host.drawn)
    if (call.size() == 9 && call.rfind("Print \"", 0) == 0) letters.push_back(call);
  EXPECT_EQ(letters, std::vector<std::string>{"Print \"A\""});
}

TEST(Program, RefusesWhatCannotBeCharted) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{"--interpret"}, "no stored birthday"},
      {{"--birthday", "2000-01-01"}, "nothing to do"},
      {{"--birthday", "2000-01-01", "--type", "comparison", "--interpret"}, "needs --birthday2"},
      {{"--birthday", "2000-01-01", "--date", "1999-12-31", "--interpret"}, "before the birthday"},
      {{"--birthday", "2000-01-01", "--birthday2", "2001-01-01", "--type", "comparison",
        "--date", "2000-06-01", "--interpret"}, "before the second birthday"},
      {{"--birthday", "2000-01-01", "--ics", "x.ics"}, "--ics needs --critical"},
      {{"--birthday", "2000-01-01", "--critical", "2001-01-01", "2000-01-01"}, "runs backwards"},
  };
  for (const auto& [args, reason] : cases) {
    FakeHost host;
    const Outcome r = runWith(host, args);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(r.err.rfind("tidewell-chart: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(reason), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line";
  }
}

TEST(Program, StoredChartTypeWithoutAChartIsRefusedUnlessOverridden) {
  FakeHost host;
  host.settings.values = {{"Birthday1", "1/1/2000"}, {"Chart type", " 2"}};
  const Outcome refused = runWith(host, {"--interpret", "--date", "2000-01-12"});
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("neither bio nor comparison"), std::string::npos) << refused.err;
  const Outcome overridden = runWith(host, {"--interpret", "--date", "2000-01-12", "--type", "bio"});
  EXPECT_EQ(overridden.status, 0) << overridden.err;
  EXPECT_NE(overridden.out.find("Physical critical day!"), std::string::npos);
}

}  // namespace
}  // namespace tw::cli

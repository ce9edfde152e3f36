// The program's decisions over a fake machine: where the people come from, what is printed.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <stdexcept>

#include "chart/draw_chart.h"
#include "cli/program.h"
#include "mock/fakes.h"
#include "mock/recording_surface.h"
#include "version.h"

namespace tw::cli {
namespace {

using Store = std::map<std::string, std::string>;

class FakeHost : public Host {
 public:
  Date today() override { return fromYmd(2024, 3, 5); }
  Locale locale() override { return Locale{}; }
  const ui::SettingsStore& store() override { return settings; }
  const TextMeasure& textMeasure() override { return measure; }
  const TextFace& chartFace() override { throw std::logic_error("no SVG is written here"); }
  Rendered render(OutputFormat, int w, int h,
                  const std::function<void(DrawingSurface&)>& draw) override {
    test::RecordingSurface surface(static_cast<float>(w) * 15, static_cast<float>(h) * 15);
    draw(surface);
    drawn = surface.calls;
    return {"drawn", ""};
  }

  test::MemoryStore settings;
  test::FixedWidthMeasure measure;
  std::vector<std::string> drawn;
};

struct Outcome {
  int status;
  std::string out, err;
};

Outcome runWith(FakeHost& host, const Store& store, const std::vector<std::string>& args) {
  host.settings.values = store;
  std::ostringstream out, err;
  const int status = run(args, host, out, err);
  return {status, out.str(), err.str()};
}

TEST(Program, PrintsForTheStoredPersonOrTheCommandLinesPeople) {
  const struct { Store store; std::vector<std::string> args; std::string out; } cases[] = {
      // Eleven days after the birthday the physical cycle is critical and the others high.
      {{{"Birthday1", "31/1/1990"}, {"Birthname1", "Ann"}}, {"--interpret", "--date", "1990-02-11"},
       "Interpretation for 11/2/1990:\n\nPhysical critical day!\n\nDon't overwork, and avoid\n"
       "alcohol and other\nindulgements. Possibility\nof headaches or depression.\n"},
      {{}, {"--birthday", "2000-01-01", "--birthday2", "2000-01-01", "--type", "comparison", "--interpret", "--date", "2000-02-01"},
       "Comparison for 1/2/2000:\n\nPhysical: 100%\nEmotional: 100%\nIntellectual: 100%\nOverall: 100%\n"},
      {{}, {"--birthday", "2000-01-01", "--critical", "2000-01-01", "2000-01-20"},
       "2000-01-01 Saturday: physical, emotional, intellectual\n2000-01-12 Wednesday: physical\n"
       "2000-01-15 Saturday: emotional\n2000-01-17 Monday: intellectual\n"},
      // A stored chart type no chart has reads as the one-person chart.
      {{{"Birthday1", "1/1/2000"}, {"Chart type", " 41"}}, {"--interpret", "--date", "2000-01-12"},
       "Interpretation for 12/1/2000:\n\nPhysical critical day!\n\nDon't overwork, and avoid\n"
       "alcohol and other\nindulgements. Possibility\nof headaches or depression.\n"},
      // The README's example, word for word.
      {{}, {"--birthday", "1990-01-31", "--date", "2024-03-05", "--interpret"},
       "Interpretation for 5/3/2024:\n\nGood physical and\nintellectual form. You\nshould generally feel\n"
       "quite lively, but may\nexperience a lack of\ninspiration.\n"},
      {{}, {"--version"}, std::string("tidewell-chart ") + kVersion + "\n"},
  };
  for (const auto& c : cases) {
    FakeHost host;
    const Outcome r = runWith(host, c.store, c.args);
    EXPECT_TRUE(r.status == 0 && r.out == c.out) << r.err << r.out;
    EXPECT_EQ(host.settings.reads.empty(), c.store.empty()) << "a --birthday run leaves the store alone";
  }
}

TEST(Program, RefusesWhatCannotBeChartedWithOneLine) {
  const struct { Store store; std::vector<std::string> args; const char* reason; } cases[] = {
      {{}, {"--interpret"}, "no stored birthday"}, {{}, {"--birthday", "2000-01-01"}, "nothing to do"},
      {{}, {"--birthday", "2000-01-01", "--type", "comparison", "--interpret"}, "needs --birthday2"},
      {{}, {"--birthday", "2000-01-01", "--date", "1999-12-31", "--interpret"}, "before the birthday"},
      {{}, {"--birthday", "2000-01-01", "--birthday2", "2001-01-01", "--type", "comparison", "--date", "2000-06-01",
            "--interpret"}, "before the second birthday"},
      {{}, {"--birthday", "2000-01-01", "--ics", "x.ics"}, "--ics needs --critical"},
      {{}, {"--birthday", "2000-01-01", "--critical", "2000-01-01", "2000-01-02", "--ics", "days.txt"},
       "must end in .ics"},
  };
  for (const auto& c : cases) {
    FakeHost host;
    const Outcome r = runWith(host, c.store, c.args);
    EXPECT_TRUE(r.status == 2 && r.out.empty() && r.err.starts_with("tidewell-chart: ") &&
                r.err.find(c.reason) != std::string::npos && r.err.find('\n') == r.err.size() - 1) << r.err;
  }
}

TEST(Program, CommandLineOptionsOverrideTheStoredOnes) {
  FakeHost host;
  const std::string png = ::testing::TempDir() + "tidewell-overrides.png";
  const Outcome r = runWith(host, {{"Birthday1", "31/1/1990"}, {"Physical", "0"}, {"Average", "0"}, {"Background colour", "255"}},
                            {"--out", png, "--curves", "A", "--width", "600", "--background-colour", "#00ff00"});
  std::remove(png.c_str());
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_FALSE(host.drawn.empty());
  EXPECT_EQ(host.drawn[0], "setBackground 65280");
  std::vector<std::string> letters;  // the curve letters: the only one-letter texts
  for (const std::string& call : host.drawn)
    if (call.size() == 8 && call.starts_with("text \"")) letters.push_back(call);
  EXPECT_EQ(letters, std::vector<std::string>{"text \"A\""});
}

TEST(Program, ShortHelpIsHelp) {
  FakeHost host;
  const Outcome r = runWith(host, {}, {"-h"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, helpText());
}

// The smallest areas: one day column ((W - 200) / 275 - 1 >= 1, (W - 600) / 275 - 1 for the
// comparison) and a curve band that holds its labels (amplitude >= 200 twips about the zero line;
// the comparison's three scale marks apart: band >= 470 twips).
TEST(Program, RefusesAChartAreaThatShowsNoChart) {
  const struct { const char* type; const char* width; const char* height; const char* refusal; } cases[] = {
      {"bio", "50", "94", ""},
      {"bio", "49", "94", "--width 49 --height 94: too small for the one-person chart, which needs at least 50 x 94 pixels"},
      {"bio", "50", "93", "50 x 94 pixels"},
      {"bio", "10", "10", "50 x 94 pixels"},
      {"comparison", "77", "112", ""},
      {"comparison", "76", "112", "the comparison chart, which needs at least 77 x 112 pixels"},
      {"comparison", "77", "111", "77 x 112 pixels"},
  };
  const std::string png = ::testing::TempDir() + "tidewell-small.png";
  for (const auto& c : cases) {
    FakeHost host;
    const Outcome r = runWith(host, {}, {"--birthday", "2000-01-01", "--birthday2", "2000-02-01", "--date", "2000-03-01", "--type",
                                         c.type, "--width", c.width, "--height", c.height, "--out", png});
    std::remove(png.c_str());
    if (*c.refusal == 0) {
      EXPECT_EQ(r.status, 0) << r.err;
    } else {
      EXPECT_EQ(r.status, 2) << c.type << " " << c.width << " x " << c.height;
      EXPECT_NE(r.err.find(c.refusal), std::string::npos) << r.err;
    }
  }
}

// What the limits stand for, seen in the drawing: at the smallest area a curve segment runs
// inside the band; one pixel narrower there is no column to draw it in.
TEST(Program, TheSmallestAreaShowsACurve) {
  for (const ChartType type : {ChartType::Biorhythm, ChartType::Comparison}) {
    const PixelSize least = smallestChartArea(type);
    const auto physicalSegments = [&](int widthPx) {
      ChartState state;
      state.options.chartType = type;
      state.birthday = fromYmd(2000, 1, 1), state.birthday2 = fromYmd(2000, 1, 10);
      state.chartDate = fromYmd(2000, 3, 1);
      test::RecordingSurface surface(static_cast<float>(widthPx) * 15, static_cast<float>(least.height) * 15);
      drawChart(state, surface, test::FixedWidthMeasure{}, Locale{});
      int n = 0;
      for (const std::string& call : surface.only("line")) n += call.ends_with(" 255");
      return n;
    };
    EXPECT_GE(physicalSegments(least.width), 1) << static_cast<int>(type);
    EXPECT_EQ(physicalSegments(least.width - 1), 0) << static_cast<int>(type);
  }
}

}  // namespace
}  // namespace tw::cli

#include <gtest/gtest.h>

#include <sstream>

#include "chart/curves.h"
#include "cli/options.h"
#include "cli/program.h"

namespace tw::cli {
namespace {

// The words of a line, as a shell splits words without quotes.
ParseResult parse(const std::string& line) {
  std::vector<std::string> args;
  std::istringstream words(line);
  for (std::string w; words >> w;) args.push_back(w);
  return parseArguments(args);
}

TEST(Options, ReadsEveryValue) {
  const ParseResult r = parse(
      "--birthday 1990-01-31 --birthday2=1992-06-15 --date 2024-03-05 --type comparison "
      "--width 2195 --height 300 --curves p,a --age WEEKS --week-separators --today-marker "
      "--background-colour #ff8000 --average-colour 102030 --out x/Chart.SVG --interpret "
      "--critical 2024-01-01 2024-12-31 --ics c.ics");
  ASSERT_TRUE(r.ok()) << r.error;
  const Options& o = r.options;
  EXPECT_EQ((std::vector<std::optional<Date>>{o.birthday, o.birthday2, o.date, o.criticalFrom,
                                              o.criticalTo}),
            (std::vector<std::optional<Date>>{fromYmd(1990, 1, 31), fromYmd(1992, 6, 15),
                                              fromYmd(2024, 3, 5), fromYmd(2024, 1, 1),
                                              fromYmd(2024, 12, 31)}));
  EXPECT_EQ(std::tuple(o.chartType, o.widthPx, o.heightPx, o.ageUnit),
            std::tuple(ChartType::Comparison, 2195, 300, AgeUnit::Weeks));
  EXPECT_EQ(o.curves, (Curves{true, false, false, true}));  // physical and average
  EXPECT_EQ(std::tuple(o.weekSeparators, o.todayMarker, o.interpret), std::tuple(true, true, true));
  EXPECT_EQ(o.backgroundColour, 0x0080FF);  // 0x00BBGGRR of red ff, green 80, blue 00
  EXPECT_EQ(o.curveColours[indexOf(CycleKind::Average)], 0x302010);
  EXPECT_EQ(o.outFormat, ChartFileType::Svg);
  EXPECT_EQ(o.ics, "c.ics");
  const Options later =
      parse("--today-marker --week-separators --no-today-marker --no-week-separators").options;
  EXPECT_EQ(std::tuple(later.todayMarker, later.weekSeparators),
            std::tuple(false, false));  // the last one counts
  std::string why;
  EXPECT_EQ(parseDateArg("1601-01-01", why), kFirstDate);
  EXPECT_EQ(parseDateArg("9999-12-31", why), kLastDate);
}

TEST(Options, RefusesWithOneReason) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{"--birthday", "31/01/1990"}, "not a date"},
      {{"--date", "2023-02-29"}, "no such day"},
      {{"--date", "1600-12-31"}, "out of range"},
      {{"--date"}, "--date needs a value"},
      {{"--date", "--interpret"}, "--date needs a value"},
      {{"--critical", "2024-01-01"}, "needs two values"},
      {{"--frobnicate"}, "unknown option \"--frobnicate\""},
      {{"chart.png"}, "unexpected argument"},
      {{"--interpret=yes"}, "takes no value"},
      {{"--type", "pie"}, "bio or comparison"},
      {{"--age", "months"}, "days, weeks or years"},
      {{"--curves", "PEX"}, "P, E, I and A"},
      {{"--width", "0"}, "from 1 to 8192"},
      {{"--height", "12.5"}, "from 1 to 8192"},
      {{"--physical-colour", "#ff00"}, "not a colour"},
      {{"--physical-colour", "#gg0000"}, "not a colour"},
      {{"--out", "chart.gif"}, "unknown file type"},
      {{"--out", "dir.png/chart"}, "unknown file type"},
      // Found by fuzzing: a refusal quoting the argument was more than one line.
      {{"--frob\r\nx\x01"}, "unknown option \"--frob\\r\\nx\\x01\""},
      {{"--type", "a\nb"}, "--type \"a\\nb\""},
  };
  for (const auto& [args, reason] : cases) {
    const ParseResult r = parseArguments(args);
    EXPECT_NE(r.error.find(reason), std::string::npos) << args[0] << ": " << r.error;
    EXPECT_EQ(r.error.find('\n'), std::string::npos);
  }
}

TEST(CriticalRange, AtMostAHundredYearsForwards) {
  const Date y2000 = fromYmd(2000, 1, 1);
  const struct {
    Date from, to;
    const char* reason;
  } cases[] = {
      {y2000, y2000, ""},
      {y2000, fromYmd(2100, 1, 1), ""},
      {y2000, fromYmd(2100, 1, 2), "longer than 100 years"},
      {fromYmd(2000, 2, 29), fromYmd(2100, 2, 28), ""},
      {fromYmd(2000, 2, 29), fromYmd(2100, 3, 1), "longer than 100 years"},
      {fromYmd(9950, 1, 1), kLastDate, ""},
      {y2000 + 1, y2000, "runs backwards"},
  };
  for (const auto& c : cases) {
    const std::string why = checkCriticalRange(c.from, c.to);
    if (*c.reason == 0)
      EXPECT_EQ(why, "") << toIso(c.to);
    else
      EXPECT_NE(why.find(c.reason), std::string::npos) << toIso(c.to) << ": " << why;
  }
}

}  // namespace
}  // namespace tw::cli

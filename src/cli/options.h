#pragma once
// The command line of tidewell-chart, read into one record; nothing here touches a file.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_file_type.h"
#include "chart/twips.h"
#include "cycles/date.h"
#include "state/chart_state.h"
#include "state/colour.h"

namespace tw::cli {

// Control characters written as \n, \r, \t or \xHH, so a message naming the text stays one line.
std::string printable(std::string_view text);

// Whether each curve is drawn, by CycleKind.
using Curves = std::array<bool, 4>;

// Default chart area: the window's designed chart area, in pixels at kDesignDpi.
inline constexpr int kDefaultWidthPx = 6735 / kTwipsPerPixel;
inline constexpr int kDefaultHeightPx = 2895 / kTwipsPerPixel;
// Keeps an image's memory sane (a square of this side is 256 MB).
inline constexpr int kMaxSidePx = 8192;

struct Options {
  bool help = false;
  bool version = false;

  std::optional<Date> birthday;
  std::optional<Date> birthday2;
  std::optional<Date> date;
  std::optional<ChartType> chartType;
  int widthPx = kDefaultWidthPx;
  int heightPx = kDefaultHeightPx;
  std::optional<Curves> curves;
  std::optional<AgeUnit> ageUnit;
  std::optional<bool> weekSeparators;
  std::optional<bool> todayMarker;
  std::optional<bool> criticalMarks;
  std::optional<Colour> backgroundColour;
  std::array<std::optional<Colour>, 4> curveColours;  // by CycleKind

  std::optional<std::string> out;
  ChartFileType outFormat = ChartFileType::Png;
  bool interpret = false;
  std::optional<Date> criticalFrom;
  std::optional<Date> criticalTo;
  std::optional<std::string> ics;
  std::optional<std::string> batch;  // a file of requests, one a line; "-": standard input
};

struct ParseResult {
  Options options;
  std::string error;  // one line naming the problem; empty when the line was understood
  bool ok() const { return error.empty(); }
};

// Arguments without the program name. "--name value" and "--name=value" both work; --help and
// --version end the reading at once.
ParseResult parseArguments(const std::vector<std::string>& args);

// ISO "1990-01-31" from kFirstDate to kLastDate; otherwise the reason in `error`.
std::optional<Date> parseDateArg(std::string_view text, std::string& error);
// "#rrggbb" (the "#" may be left out, since a shell takes an unquoted "#..." as a comment).
std::optional<Colour> parseColourArg(std::string_view text);
// The curves' letters in any case, commas and blanks between them ignored.
std::optional<Curves> parseCurvesArg(std::string_view text);

// The same day 100 years on (28 February for 29 February, kept inside the calendar): the last
// day a --critical range from `from` may reach.
Date hundredYearsOn(Date from);

}  // namespace tw::cli

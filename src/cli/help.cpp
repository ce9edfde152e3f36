#include "cli/program.h"
#include "cli/usage.h"

namespace tw::cli {

namespace {
std::string sizeText(ChartType type) {
  const PixelSize least = smallestChartArea(type);
  return std::to_string(least.width) + " x " + std::to_string(least.height);
}

// An option's forms stand in a column this wide, its text after it; the example under the text.
constexpr std::size_t kFormColumn = 23;
const std::string kTextIndent(2 + kFormColumn, ' ');
const std::string kExampleIndent(2 + kFormColumn + 2, ' ');
}  // namespace

Usage usage() {
  return {
      "tidewell-chart [OPTION]...",
      {"Draws Tidewell's biorhythm and comparison charts, prints the interpretation of a day and "
       "lists",
       "critical days. Without --birthday the birthdays, names and display options come from "
       "Tidewell's",
       "own settings; the options given here change them for this run only."},
      {
          {"People and days (dates are YYYY-MM-DD):",
           {
               {{"--birthday DATE"},
                {"the first person's birthday"},
                "tidewell-chart --birthday 1990-01-31 --interpret"},
               {{"--birthday2 DATE"},
                {"the second person's birthday, for the comparison chart"},
                "tidewell-chart --birthday 1990-01-31 --birthday2 1992-06-15 --type comparison "
                "--interpret"},
               {{"--date DATE"},
                {"the chart date, today when left out"},
                "tidewell-chart --birthday 1990-01-31 --date 2024-03-05 --interpret"},
           }},
          {"What to make:",
           {
               {{"--out FILE"},
                {"draws the chart into FILE: " + chartFileExtensionWords(ChartFileType::Png)},
                "tidewell-chart --birthday 1990-01-31 --out chart.svg"},
               {{"--interpret"},
                {"prints the interpretation of the chart date"},
                "tidewell-chart --interpret"},
               {{"--critical FROM TO"},
                {"lists the first person's critical days from FROM to TO (at most 100 years)"},
                "tidewell-chart --birthday 1990-01-31 --critical 2024-03-01 2024-03-31"},
               {{"--ics FILE"},
                {"with --critical, also writes those days as an iCalendar (.ics) file"},
                "tidewell-chart --critical 2024-01-01 2024-12-31 --ics critical.ics"},
               {{"--batch FILE"},
                {"runs each line of FILE (- for standard input) as its own command line,",
                 "in one start; quotes keep blanks; a line starting with # is skipped"},
                "tidewell-chart --batch charts.txt"},
           }},
          {"How the chart looks:",
           {
               {{"--type bio|comparison"},
                {"one person's cycles, or how two people's cycles match"},
                "tidewell-chart --type bio --out chart.png"},
               {{"--width PX --height PX"},
                {"the chart area in pixels at " + std::to_string(kDesignDpi) + " dpi (default " +
                     std::to_string(kDefaultWidthPx) + " x " + std::to_string(kDefaultHeightPx) +
                     "; at least",
                 sizeText(ChartType::Biorhythm) + " for one person, " +
                     sizeText(ChartType::Comparison) + " for the comparison chart)"},
                "tidewell-chart --width 1200 --height 400 --out wide.png"},
               {{"--curves LETTERS"},
                {"the curves to draw: any of P (physical), E (emotional),",
                 "I (intellectual), A (average)"},
                "tidewell-chart --curves PEA --out chart.png"},
               {{"--age days|weeks|years"},
                {"the unit of the age in the header"},
                "tidewell-chart --age years --out chart.png"},
               {{"--week-separators"},
                {"a line after every Sunday (--no-week-separators: none)"},
                "tidewell-chart --week-separators --out chart.png"},
               {{"--today-marker"},
                {"a dotted line through the chart date (--no-today-marker: none)"},
                "tidewell-chart --today-marker --out chart.png"},
               {{"--critical-marks"},
                {"a mark on the zero line on every critical day (--no-critical-marks: none)"},
                "tidewell-chart --critical-marks --out chart.png"},
               {{"--background-colour '#rrggbb'   --physical-colour '#rrggbb'   "
                 "--emotional-colour '#rrggbb'",
                 "--intellectual-colour '#rrggbb' --average-colour '#rrggbb'"},
                {"colours, quoted so the shell keeps the '#'"},
                "tidewell-chart --background-colour '#ffffff' --out chart.png"},
           }},
          {"",
           {
               {{"-h, --help"}, {"shows this text"}, ""},
               {{"--version"}, {"prints the version"}, ""},
           }},
      },
      {"Files are replaced only when all of them have been written in full. Bad input, or a file "
       "that",
       "cannot be written, prints one line on standard error and exits with status 2, leaving "
       "every",
       "file as it was."},
  };
}

std::string helpText() {
  const Usage u = usage();
  std::string text = "Usage: " + u.synopsis + "\n";
  for (const std::string& line : u.summary) text += line + "\n";
  for (const OptionGroup& group : u.groups) {
    text += "\n";
    if (!group.heading.empty()) text += group.heading + "\n";
    for (const OptionUsage& option : group.options) {
      std::size_t line = 0;
      // A form that fits its column shares a line with the text's first line.
      if (option.forms.size() == 1 && option.forms[0].size() < kFormColumn) {
        text += "  " + option.forms[0] + std::string(kFormColumn - option.forms[0].size(), ' ') +
                option.what[line++] + "\n";
      } else {
        for (const std::string& form : option.forms) text += "  " + form + "\n";
      }
      for (; line < option.what.size(); ++line) text += kTextIndent + option.what[line] + "\n";
      if (!option.example.empty()) text += kExampleIndent + option.example + "\n";
    }
  }
  text += "\n";
  for (const std::string& line : u.closing) text += line + "\n";
  return text;
}

}  // namespace tw::cli

#include "cli/program.h"
#include "cli/usage.h"

#include "catalogue/catalogue.h"

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

// A text of the catalogue in the lines it breaks it into.
std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  for (std::size_t at = 0; at <= text.size();) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    out.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  return out;
}
}  // namespace

Usage usage() {
  return {
      "tidewell-chart [OPTION]...",
      // TRANSLATORS: tidewell-chart --help and its manual: break the lines where they fit a
      // terminal 96 characters wide (the options' texts start in column 26). Options, the words
      // in capitals (DATE, FILE) and the examples stay as they are.
      lines(_("Draws Tidewell's biorhythm and comparison charts, prints the interpretation of a "
              "day and lists\n"
              "critical days. Without --birthday the birthdays, names and display options come "
              "from Tidewell's\n"
              "own settings; the options given here change them for this run only.")),
      {
          {_("People and days (dates are YYYY-MM-DD):"),
           {
               {{"--birthday DATE"},
                lines(_("the first person's birthday")),
                "tidewell-chart --birthday 1990-01-31 --interpret"},
               {{"--birthday2 DATE"},
                lines(_("the second person's birthday, for the comparison chart")),
                "tidewell-chart --birthday 1990-01-31 --birthday2 1992-06-15 --type comparison "
                "--interpret"},
               {{"--date DATE"},
                lines(_("the chart date, today when left out")),
                "tidewell-chart --birthday 1990-01-31 --date 2024-03-05 --interpret"},
           }},
          {_("What to make:"),
           {
               {{"--out FILE"},
                // TRANSLATORS: {1} the file types: ".png, .bmp, .svg or .pdf".
                lines(fillIn(_("draws the chart into FILE: {1}"),
                             chartFileExtensionWords(ChartFileType::Png))),
                "tidewell-chart --birthday 1990-01-31 --out chart.svg"},
               {{"--interpret"},
                lines(_("prints the interpretation of the chart date")),
                "tidewell-chart --interpret"},
               {{"--critical FROM TO"},
                lines(_(
                    "lists the first person's critical days from FROM to TO (at most 100 years)")),
                "tidewell-chart --birthday 1990-01-31 --critical 2024-03-01 2024-03-31"},
               {{"--ics FILE"},
                lines(_("with --critical, also writes those days as an iCalendar (.ics) file")),
                "tidewell-chart --critical 2024-01-01 2024-12-31 --ics critical.ics"},
               {{"--batch FILE"},
                lines(
                    _("runs each line of FILE (- for standard input) as its own command line,\nin "
                      "one start; quotes keep blanks; a line starting with # is skipped")),
                "tidewell-chart --batch charts.txt"},
           }},
          {_("How the chart looks:"),
           {
               {{"--type bio|comparison"},
                lines(_("one person's cycles, or how two people's cycles match")),
                "tidewell-chart --type bio --out chart.png"},
               {{"--width PX --height PX"},
                // TRANSLATORS: {1} the dots per inch, {2} x {3} the default size, {4} and {5}
                // the smallest sizes ("600 x 200").
                lines(fillIn(_("the chart area in pixels at {1} dpi (default {2} x {3}; at least\n"
                               "{4} for one person, {5} for the comparison chart)"),
                             std::to_string(kDesignDpi), std::to_string(kDefaultWidthPx),
                             std::to_string(kDefaultHeightPx), sizeText(ChartType::Biorhythm),
                             sizeText(ChartType::Comparison))),
                "tidewell-chart --width 1200 --height 400 --out wide.png"},
               {{"--curves LETTERS"},
                lines(_("the curves to draw: any of P (physical), E (emotional),\nI "
                        "(intellectual), A (average)")),
                "tidewell-chart --curves PEA --out chart.png"},
               {{"--age days|weeks|years"},
                lines(_("the unit of the age in the header")),
                "tidewell-chart --age years --out chart.png"},
               {{"--week-separators"},
                lines(_("a line after every Sunday (--no-week-separators: none)")),
                "tidewell-chart --week-separators --out chart.png"},
               {{"--today-marker"},
                lines(_("a dotted line through the chart date (--no-today-marker: none)")),
                "tidewell-chart --today-marker --out chart.png"},
               {{"--critical-marks"},
                lines(
                    _("a mark on the zero line on every critical day (--no-critical-marks: none)")),
                "tidewell-chart --critical-marks --out chart.png"},
               {{"--background-colour '#rrggbb'   --physical-colour '#rrggbb'   "
                 "--emotional-colour '#rrggbb'",
                 "--intellectual-colour '#rrggbb' --average-colour '#rrggbb'"},
                lines(_("colours, quoted so the shell keeps the '#'")),
                "tidewell-chart --background-colour '#ffffff' --out chart.png"},
           }},
          {"",
           {
               {{"-h, --help"}, lines(_("shows this text")), ""},
               {{"--version"}, lines(_("prints the version")), ""},
           }},
      },
      lines(_("Files are replaced only when all of them have been written in full. Bad input, or a "
              "file that\n"
              "cannot be written, prints one line on standard error and exits with status 2, "
              "leaving every\n"
              "file as it was.")),
  };
}

std::string helpText() {
  const Usage u = usage();
  // TRANSLATORS: {1} is "tidewell-chart [OPTION]...".
  std::string text = fillIn(_("Usage: {1}"), u.synopsis) + "\n";
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

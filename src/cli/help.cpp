#include "cli/program.h"

#include "catalogue/catalogue.h"

namespace tw::cli {

namespace {
std::string sizeText(ChartType type) {
  const PixelSize least = smallestChartArea(type);
  return std::to_string(least.width) + " x " + std::to_string(least.height);
}
}  // namespace

std::string helpText() {
  // TRANSLATORS: tidewell-chart --help. Options, their values' words in capitals (DATE, FILE,
  // PX), the command lines given as examples and the shell's quotes stay as they are; keep the
  // columns. {1} the file types (".png, .bmp, .svg or .pdf"), {2} the dots per inch, {3} x {4}
  // the default size, {5} and {6} the smallest sizes ("600 x 200").
  return fillIn(_(R"(Usage: tidewell-chart [OPTION]...
Draws Tidewell's biorhythm and comparison charts, prints the interpretation of a day and lists
critical days. Without --birthday the birthdays, names and display options come from Tidewell's
own settings; the options given here change them for this run only.

People and days (dates are YYYY-MM-DD):
  --birthday DATE        the first person's birthday
                           tidewell-chart --birthday 1990-01-31 --interpret
  --birthday2 DATE       the second person's birthday, for the comparison chart
                           tidewell-chart --birthday 1990-01-31 --birthday2 1992-06-15 --type comparison --interpret
  --date DATE            the chart date, today when left out
                           tidewell-chart --birthday 1990-01-31 --date 2024-03-05 --interpret

What to make:
  --out FILE             draws the chart into FILE: {1}
                           tidewell-chart --birthday 1990-01-31 --out chart.svg
  --interpret            prints the interpretation of the chart date
                           tidewell-chart --interpret
  --critical FROM TO     lists the first person's critical days from FROM to TO (at most 100 years)
                           tidewell-chart --birthday 1990-01-31 --critical 2024-03-01 2024-03-31
  --ics FILE             with --critical, also writes those days as an iCalendar (.ics) file
                           tidewell-chart --critical 2024-01-01 2024-12-31 --ics critical.ics
  --batch FILE           runs each line of FILE (- for standard input) as its own command line,
                         in one start; quotes keep blanks; a line starting with # is skipped
                           tidewell-chart --batch charts.txt

How the chart looks:
  --type bio|comparison  one person's cycles, or how two people's cycles match
                           tidewell-chart --type bio --out chart.png
  --width PX --height PX the chart area in pixels at {2} dpi (default {3} x {4}; at least
                         {5} for one person, {6} for the comparison chart)
                           tidewell-chart --width 1200 --height 400 --out wide.png
  --curves LETTERS       the curves to draw: any of P (physical), E (emotional),
                         I (intellectual), A (average)
                           tidewell-chart --curves PEA --out chart.png
  --age days|weeks|years the unit of the age in the header
                           tidewell-chart --age years --out chart.png
  --week-separators      a line after every Sunday (--no-week-separators: none)
                           tidewell-chart --week-separators --out chart.png
  --today-marker         a dotted line through the chart date (--no-today-marker: none)
                           tidewell-chart --today-marker --out chart.png
  --critical-marks       a mark on the zero line on every critical day (--no-critical-marks: none)
                           tidewell-chart --critical-marks --out chart.png
  --background-colour '#rrggbb'   --physical-colour '#rrggbb'   --emotional-colour '#rrggbb'
  --intellectual-colour '#rrggbb' --average-colour '#rrggbb'
                         colours, quoted so the shell keeps the '#'
                           tidewell-chart --background-colour '#ffffff' --out chart.png

  -h, --help             shows this text
  --version              prints the version

Files are replaced only when all of them have been written in full. Bad input, or a file that
cannot be written, prints one line on standard error and exits with status 2, leaving every
file as it was.
)"),
                chartFileExtensionWords(ChartFileType::Png), std::to_string(kDesignDpi),
                std::to_string(kDefaultWidthPx), std::to_string(kDefaultHeightPx),
                sizeText(ChartType::Biorhythm), sizeText(ChartType::Comparison));
}

}  // namespace tw::cli

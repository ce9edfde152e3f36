#pragma once
// tidewell-chart's logic: from the command line to files, standard output and an exit status.
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "app/ui.h"
#include "chart/drawing_surface.h"
#include "chart/text_face.h"
#include "cli/options.h"
#include "cycles/locale.h"
#include "interpret/ical.h"
#include "interpret/interpret.h"
#include "state/chart_state.h"

namespace tw::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 2;  // bad command line, or an output that cannot be written

// A file's bytes, or the reason there are none.
struct Rendered {
  std::string bytes;
  std::string error;
};

// What the program takes from the machine it runs on; main.cpp gives the Qt-backed one.
class Host {
 public:
  virtual ~Host() = default;
  virtual Date today() = 0;
  virtual UtcTime nowUtc() = 0;  // a calendar file's time of writing
  virtual Locale locale() = 0;
  // The user's Tidewell settings; asked for only when no --birthday is given.
  virtual const ui::SettingsStore& store() = 0;
  // Why the settings file was not read (someone else could have put it there...); empty when
  // it was, or when there is none. Asked after store().
  virtual std::string settingsUnread() { return {}; }
  // The main window's text measure, which centres the headers.
  virtual const TextMeasure& textMeasure() = 0;
  // The face the window draws the chart's texts in, for SVG files.
  virtual const TextFace& chartFace() = 0;
  // Runs `draw` on an image (PNG, BMP) or a PDF page of this many pixels at 96 dpi and gives
  // the file's bytes; the program writes them with its other files.
  virtual Rendered render(ChartFileType format, int widthPx, int heightPx,
                          const std::function<void(DrawingSurface&)>& draw) = 0;
};

std::string helpText();
std::string versionText();  // "tidewell-chart " and the version

// The chart state the options ask for: the people and options from the command line, or, without
// --birthday, from the store with the command line's options on top. `error` names a problem.
struct ChartRequest {
  ChartState state;
  std::string error;
};
ChartRequest chartRequest(const Options& options, Host& host);

// Why the --critical range is refused, or empty.
std::string checkCriticalRange(Date from, Date to);

// The smallest chart area in pixels on which the chart type shows a day column and its curves.
struct PixelSize {
  int width;
  int height;
  bool operator==(const PixelSize&) const = default;
};
PixelSize smallestChartArea(ChartType type);

// "2024-03-05 Tuesday: physical, emotional", one line per day.
std::string criticalListing(const std::vector<CriticalDay>& days);

// One request, its options read: prints and writes what they ask for. Returns why it was
// refused, in one line, or empty when it was done.
std::string runRequest(const Options& options, Host& host, std::ostream& out);

// The whole run; returns the exit status. `in` is read only for "--batch -".
int run(const std::vector<std::string>& args, Host& host, std::istream& in, std::ostream& out,
        std::ostream& err);

}  // namespace tw::cli

#include "cli/program.h"

#include <cctype>
#include <ostream>

#include "catalogue/catalogue.h"
#include "chart/curves.h"
#include "chart/draw_chart.h"
#include "chart/recoloured_surface.h"
#include "chart/svg_surface.h"
#include "chart/twips.h"
#include "cli/batch.h"
#include "files/whole_file.h"
#include "interpret/ical.h"
#include "settings/settings_io.h"
#include "settings/settings_schema.h"
#include "version.h"

namespace tw::cli {

namespace {

void applyOverrides(const Options& o, ChartOptions& r) {
  if (o.chartType) r.chartType = *o.chartType;
  for (const ChartCurve& c : kChartCurves) {
    const std::size_t i = indexOf(c.kind);
    if (o.curves) r.*c.shown = (*o.curves)[i];
    if (o.curveColours[i]) r.*c.colour = *o.curveColours[i];
  }
  if (o.ageUnit) r.ageUnit = *o.ageUnit;
  if (o.weekSeparators) r.weekSeparators = *o.weekSeparators;
  if (o.todayMarker) r.todayMarker = *o.todayMarker;
  if (o.criticalMarks) r.criticalMarks = *o.criticalMarks;
  if (o.backgroundColour) r.backgroundColour = *o.backgroundColour;
}

// The prompt as the message box shows it, its CR LF breaks made terminal newlines.
std::string terminalLines(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out + "\n";
}

std::string cannotWrite(const std::string& path, const std::string& why) {
  // TRANSLATORS: {1} is a file's path, {2} why it could not be written.
  return fillIn(_("cannot write {1}: {2}"), path, why);
}

float twips(int pixels) { return static_cast<float>(pixels) * kTwipsPerPixel; }

Rendered chartFile(const Options& o, const ChartState& state, Host& host) {
  const Locale locale = host.locale();
  if (o.outFormat == ChartFileType::Svg) {
    SvgSurface svg(twips(o.widthPx), twips(o.heightPx), host.chartFace());
    drawChart(state, svg, host.textMeasure(), locale);
    return {svg.document(), ""};
  }
  const TextMeasure& measure = host.textMeasure();
  Rendered r = host.render(o.outFormat, o.widthPx, o.heightPx, [&](DrawingSurface& target) {
    RecolouredSurface surface(target, fileColour);  // as the SVG gets them, whatever the palette
    drawChart(state, surface, measure, locale);
  });
  if (!r.error.empty()) r.error = cannotWrite(*o.out, r.error);
  return r;
}

std::string checkChartArea(const Options& o, ChartType type) {
  if (chartFits(type, twips(o.widthPx), twips(o.heightPx))) return "";
  const PixelSize least = smallestChartArea(type);
  return fillIn(
      type == ChartType::Comparison
          // TRANSLATORS: {1} and {2} are the width and height given, {3} x {4} the smallest size.
          ? _("--width {1} --height {2}: too small for the comparison chart, which "
              "needs at least {3} x {4} pixels")
          : _("--width {1} --height {2}: too small for the one-person chart, which "
              "needs at least {3} x {4} pixels"),
      std::to_string(o.widthPx), std::to_string(o.heightPx), std::to_string(least.width),
      std::to_string(least.height));
}

bool namesCalendar(const std::string& path) {
  std::string ext = path.size() >= 4 ? path.substr(path.size() - 4) : "";
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".ics";
}

}  // namespace

std::string versionText() { return std::string("tidewell-chart ") + kVersion; }

ChartRequest chartRequest(const Options& o, Host& host) {
  ChartRequest r;
  ChartState& s = r.state;
  const Date today = host.today();
  if (o.birthday) {
    s.birthday = *o.birthday;
    s.birthday2 = o.birthday2.value_or(*o.birthday);
    s.options = defaultChartOptions();
  } else {
    const ui::SettingsStore& store = host.store();
    if (const std::string why = host.settingsUnread(); !why.empty()) {
      // TRANSLATORS: {1} is why the settings file was left alone.
      r.error = fillIn(_("no --birthday given, and Tidewell's settings are not read: {1}"), why);
      return r;
    }
    if (readSetting(store, setting::Birthday).empty()) {
      r.error = _("no --birthday given and Tidewell has no stored birthday");
      return r;
    }
    s.options = readChartOptions(store);
    readPeople(store, today, s);
    if (o.birthday2) {
      s.birthday2 = *o.birthday2;
      s.name2.clear();
    }
  }
  applyOverrides(o, s.options);
  s.chartDate = o.date.value_or(today);

  const bool charted = o.out || o.interpret;
  const bool comparison = s.options.chartType == ChartType::Comparison;
  if (!charted) return r;
  if (comparison && o.birthday && !o.birthday2) {
    r.error = _("--type comparison needs --birthday2");
  } else if (s.chartDate < s.birthday) {
    // TRANSLATORS: {1} and {2} are dates such as 1990-01-31.
    r.error = fillIn(_("the chart date {1} is before the birthday {2}"), toIso(s.chartDate),
                     toIso(s.birthday));
  } else if (comparison && s.chartDate < s.birthday2) {
    // TRANSLATORS: {1} and {2} are dates such as 1990-01-31.
    r.error = fillIn(_("the chart date {1} is before the second birthday {2}"), toIso(s.chartDate),
                     toIso(s.birthday2));
  } else if (s.options.chartType != ChartType::Biorhythm && !comparison) {
    // TRANSLATORS: {1} is the number stored for the chart type; "bio" and "comparison" are the
    // values --type takes.
    r.error = fillIn(_("the stored chart type {1} is neither bio nor comparison; choose one with "
                       "--type"),
                     std::to_string(static_cast<int>(s.options.chartType)));
  }
  return r;
}

PixelSize smallestChartArea(ChartType type) {
  // The two sides are independent: each is found with plenty of room on the other.
  const float roomy = twips(kMaxSidePx);
  PixelSize least{1, 1};
  while (least.width < kMaxSidePx && !chartFits(type, twips(least.width), roomy)) ++least.width;
  while (least.height < kMaxSidePx && !chartFits(type, roomy, twips(least.height))) ++least.height;
  return least;
}

std::string checkCriticalRange(Date from, Date to) {
  // TRANSLATORS: {1} and {2} are the dates given, such as 2024-01-01.
  if (from > to)
    return fillIn(_("--critical {1} {2}: the range runs backwards"), toIso(from), toIso(to));
  if (to > hundredYearsOn(from))
    // TRANSLATORS: {1} and {2} are the dates given, such as 2024-01-01.
    return fillIn(_("--critical {1} {2}: the range is longer than 100 years"), toIso(from),
                  toIso(to));
  return "";
}

std::string criticalListing(const std::vector<CriticalDay>& days) {
  std::string out;
  for (const CriticalDay& d : days)
    // TRANSLATORS: a line of --critical: {1} the date (2024-03-05), {2} its weekday, {3} the
    // critical cycles ("physical, emotional").
    out += fillIn(C_("critical days listing", "{1} {2}: {3}"), toIso(d.date), weekdayName(d.date),
                  criticalCycleNames(d)) +
           "\n";
  return out;
}

std::string runRequest(const Options& o, Host& host, std::ostream& out) {
  if (o.help) {
    out << helpText();
    return "";
  }
  if (o.version) {
    out << versionText() << "\n";
    return "";
  }
  const bool critical = o.criticalFrom.has_value();
  if (o.ics && !critical) return _("--ics needs --critical FROM TO");
  if (o.ics && !namesCalendar(*o.ics))
    // TRANSLATORS: {1} is the name given.
    return fillIn(_("--ics \"{1}\": the calendar file's name must end in .ics"), *o.ics);
  if (!o.out && !o.interpret && !critical)
    return _("nothing to do: give --out FILE, --interpret or --critical FROM TO (see --help)");
  if (critical) {
    if (std::string why = checkCriticalRange(*o.criticalFrom, *o.criticalTo); !why.empty())
      return why;
  }

  const ChartRequest request = chartRequest(o, host);
  if (!request.error.empty()) return request.error;
  const ChartState& state = request.state;
  if (o.out) {
    if (std::string why = checkChartArea(o, state.options.chartType); !why.empty()) return why;
  }

  std::string printed;
  if (o.interpret) {
    if (const auto prompt = interpretation(state, host.locale())) printed += terminalLines(*prompt);
  }
  std::vector<CriticalDay> days;
  if (critical) {
    days = criticalDays(state.birthday, *o.criticalFrom, *o.criticalTo);
    if (!printed.empty()) printed += "\n";
    printed += criticalListing(days);
  }

  // All files or none: a calendar that cannot be written leaves the old chart file as it was.
  std::vector<files::WholeFile> outputs;
  if (o.out) {
    Rendered chart = chartFile(o, state, host);
    if (!chart.error.empty()) return chart.error;
    outputs.push_back({*o.out, std::move(chart.bytes)});
  }
  if (o.ics)
    outputs.push_back(
        {*o.ics, iCalendar(entriesOf(days, state.birthday, state.name), {host.nowUtc()})});
  if (const auto failed = files::writeWholeFiles(outputs, {}))
    return cannotWrite(failed->path, failed->why);
  out << printed;
  return "";
}

int run(const std::vector<std::string>& args, Host& host, std::istream& in, std::ostream& out,
        std::ostream& err) {
  const auto fail = [&err](const std::string& why) {
    err << "tidewell-chart: " << printable(why) << "\n";
    return kExitBadInput;
  };
  const ParseResult parsed = parseArguments(args);
  if (!parsed.ok()) return fail(parsed.error);
  const Options& o = parsed.options;
  if (o.batch && !o.help && !o.version) {
    // Each line brings its own options; none given here would be clear for all of them.
    if (args.size() != (args.front().starts_with("--batch=") ? 1u : 2u))
      return fail(_("--batch takes no other options: give them on the file's lines"));
    return runBatchFile(*o.batch, host, in, out, err);
  }
  if (const std::string why = runRequest(o, host, out); !why.empty()) return fail(why);
  return kExitOk;
}

}  // namespace tw::cli

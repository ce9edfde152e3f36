#include "cli/options.h"

#include "catalogue/catalogue.h"
#include "chart/curves.h"
#include "chart/svg_surface.h"
#include "settings/settings_io.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <functional>

namespace tw::cli {

namespace {

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool allDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int toInt(std::string_view s) {
  int v = 0;
  std::from_chars(s.data(), s.data() + s.size(), v);
  return v;
}

std::string quoted(std::string_view s) { return "\"" + printable(s) + "\""; }

// One option: how many values it takes and what it does with them; a non-empty result is the
// reason a value was refused.
struct OptionDef {
  std::string name;
  int values;
  std::string example;  // shown when a value is missing
  std::function<std::string(Options&, const std::vector<std::string>&)> apply;
};

std::string dateInto(std::optional<Date>& target, const std::string& name, const std::string& v) {
  std::string why;
  target = parseDateArg(v, why);
  // TRANSLATORS: tidewell-chart's refusal of a value: {1} the option, {2} the value in quotes,
  // {3} why ("no such day in the calendar").
  return target ? "" : fillIn(C_("command line", "{1} {2}: {3}"), name, quoted(v), why);
}

std::string colourInto(std::optional<Colour>& target, const std::string& name,
                       const std::string& v) {
  target = parseColourArg(v);
  return target
             ? ""
             // TRANSLATORS: {1} the option, {2} the value in quotes; "#rrggbb" is the form to
             // write.
             : fillIn(_("{1} {2}: not a colour, write #rrggbb such as '#ff8000'"), name, quoted(v));
}

std::string pixelsInto(int& target, const std::string& name, const std::string& v) {
  if (allDigits(v) && v.size() <= 5 && toInt(v) >= 1 && toInt(v) <= kMaxSidePx) {
    target = toInt(v);
    return "";
  }
  // TRANSLATORS: {1} the option, {2} the value in quotes, {3} the largest number allowed.
  return fillIn(_("{1} {2}: not a whole number of pixels from 1 to {3}"), name, quoted(v),
                std::to_string(kMaxSidePx));
}

// "P, E, I and A"
std::string curveLetters() {
  std::vector<std::string> letters;
  for (const auto& curve : kChartCurves) letters.emplace_back(curve.letter);
  // TRANSLATORS: the end of a list: "P, E, I and A".
  return listInWords(letters, C_("list", "{1} and {2}"));
}

std::vector<OptionDef> makeOptionDefs() {
  std::vector<OptionDef> table = {
      {"--birthday", 1, "1990-01-31",
       [](Options& o, auto& v) { return dateInto(o.birthday, "--birthday", v[0]); }},
      {"--birthday2", 1, "1992-06-15",
       [](Options& o, auto& v) { return dateInto(o.birthday2, "--birthday2", v[0]); }},
      {"--date", 1, "2024-03-05",
       [](Options& o, auto& v) { return dateInto(o.date, "--date", v[0]); }},
      {"--type", 1, "comparison",
       [](Options& o, auto& v) -> std::string {
         const std::string t = lower(v[0]);
         if (t == "bio")
           o.chartType = ChartType::Biorhythm;
         else if (t == "comparison")
           o.chartType = ChartType::Comparison;
         else
           // TRANSLATORS: {1} is the value given; "bio" and "comparison" are the values to write.
           return fillIn(_("--type {1}: choose bio or comparison"), quoted(v[0]));
         return "";
       }},
      {"--width", 1, "900",
       [](Options& o, auto& v) { return pixelsInto(o.widthPx, "--width", v[0]); }},
      {"--height", 1, "300",
       [](Options& o, auto& v) { return pixelsInto(o.heightPx, "--height", v[0]); }},
      {"--curves", 1, "PEI",
       [](Options& o, auto& v) -> std::string {
         o.curves = parseCurvesArg(v[0]);
         return o.curves
                    ? ""
                    // TRANSLATORS: {1} is the value given, {2} the letters to use ("P, E, I and
                    // A").
                    : fillIn(_("--curves {1}: use the letters {2}"), quoted(v[0]), curveLetters());
       }},
      {"--age", 1, "years",
       [](Options& o, auto& v) -> std::string {
         const std::string a = lower(v[0]);
         if (a == "days")
           o.ageUnit = AgeUnit::Days;
         else if (a == "weeks")
           o.ageUnit = AgeUnit::Weeks;
         else if (a == "years")
           o.ageUnit = AgeUnit::Years;
         else
           // TRANSLATORS: {1} is the value given; "days", "weeks" and "years" are the values to
           // write.
           return fillIn(_("--age {1}: choose days, weeks or years"), quoted(v[0]));
         return "";
       }},
      {"--week-separators", 0, "",
       [](Options& o, auto&) {
         o.weekSeparators = true;
         return std::string();
       }},
      {"--no-week-separators", 0, "",
       [](Options& o, auto&) {
         o.weekSeparators = false;
         return std::string();
       }},
      {"--today-marker", 0, "",
       [](Options& o, auto&) {
         o.todayMarker = true;
         return std::string();
       }},
      {"--no-today-marker", 0, "",
       [](Options& o, auto&) {
         o.todayMarker = false;
         return std::string();
       }},
      {"--critical-marks", 0, "",
       [](Options& o, auto&) {
         o.criticalMarks = true;
         return std::string();
       }},
      {"--no-critical-marks", 0, "",
       [](Options& o, auto&) {
         o.criticalMarks = false;
         return std::string();
       }},
      {"--background-colour", 1, "'#ffffff'",
       [](Options& o, auto& v) {
         return colourInto(o.backgroundColour, "--background-colour", v[0]);
       }},
      {"--out", 1, "chart.png",
       [](Options& o, auto& v) -> std::string {
         const auto f = chartFileTypeOf(v[0]);
         if (!f)
           // TRANSLATORS: {1} is the name given, {2} the types: ".png, .bmp, .svg or .pdf".
           return fillIn(_("--out {1}: unknown file type, end the name in {2}"), quoted(v[0]),
                         chartFileExtensionWords(ChartFileType::Png));
         o.out = v[0];
         o.outFormat = *f;
         return "";
       }},
      {"--interpret", 0, "",
       [](Options& o, auto&) {
         o.interpret = true;
         return std::string();
       }},
      {"--critical", 2, "2024-01-01 2024-12-31",
       [](Options& o, auto& v) -> std::string {
         if (auto e = dateInto(o.criticalFrom, "--critical", v[0]); !e.empty()) return e;
         return dateInto(o.criticalTo, "--critical", v[1]);
       }},
      // Its name is checked with the files: a device such as /dev/stdout may take the calendar.
      {"--ics", 1, "critical.ics",
       [](Options& o, auto& v) {
         o.ics = v[0];
         return std::string();
       }},
      {"--batch", 1, "charts.txt",
       [](Options& o, auto& v) {
         o.batch = v[0];
         return std::string();
       }},
      {"--help", 0, "",
       [](Options& o, auto&) {
         o.help = true;
         return std::string();
       }},
      {"--version", 0, "",
       [](Options& o, auto&) {
         o.version = true;
         return std::string();
       }},
  };
  // "--physical-colour" and so on, each with its default colour as the example.
  const ChartOptions defaults = defaultChartOptions();
  for (const ChartCurve& c : kChartCurves) {
    const std::string name = "--" + std::string(c.name) + "-colour";
    table.push_back({name, 1, "'" + hexColour(defaults.*c.colour) + "'",
                     [name, i = indexOf(c.kind)](Options& o, auto& v) {
                       return colourInto(o.curveColours[i], name, v[0]);
                     }});
  }
  return table;
}

const std::vector<OptionDef>& optionDefs() {
  static const std::vector<OptionDef> table = makeOptionDefs();
  return table;
}

}  // namespace

std::string printable(std::string_view text) {
  static const char kHex[] = "0123456789abcdef";
  std::string out;
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '\n')
      out += "\\n";
    else if (c == '\r')
      out += "\\r";
    else if (c == '\t')
      out += "\\t";
    else if (u < 0x20 || u == 0x7f)
      out += std::string("\\x") + kHex[u >> 4] + kHex[u & 15];
    else
      out += c;
  }
  return out;
}

std::optional<Date> parseDateArg(std::string_view text, std::string& error) {
  const bool shaped = text.size() == 10 && text[4] == '-' && text[7] == '-' &&
                      allDigits(text.substr(0, 4)) && allDigits(text.substr(5, 2)) &&
                      allDigits(text.substr(8, 2));
  if (!shaped) {
    error = _("not a date, write YYYY-MM-DD such as 1990-01-31");
    return std::nullopt;
  }
  if (const int y = toInt(text.substr(0, 4)); y < kFirstYear) {
    error =
        // TRANSLATORS: {1} and {2} are the first and last dates, such as 1601-01-01.
        fillIn(_("out of range, dates run from {1} to {2}"), toIso(kFirstDate), toIso(kLastDate));
    return std::nullopt;
  }
  auto d = parseIso(text);
  if (!d) error = _("no such day in the calendar");
  return d;
}

std::optional<Colour> parseColourArg(std::string_view text) {
  if (!text.empty() && text.front() == '#') text.remove_prefix(1);
  if (text.size() != 6) return std::nullopt;
  unsigned v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v, 16);
  if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return rgb(static_cast<int>(v >> 16) & 0xFF, static_cast<int>(v >> 8) & 0xFF,
             static_cast<int>(v) & 0xFF);
}

std::optional<Curves> parseCurvesArg(std::string_view text) {
  Curves c{};
  for (char ch : text) {
    if (ch == ',' || ch == ' ') continue;
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    const auto curve = std::ranges::find_if(kChartCurves, [&](const ChartCurve& k) {
      return k.letter[0] == letter && k.letter[1] == 0;
    });
    if (curve == kChartCurves.end()) return std::nullopt;
    c[indexOf(curve->kind)] = true;
  }
  return c;
}

Date hundredYearsOn(Date from) {
  using namespace std::chrono;
  year_month_day ymd = toYmd(from);
  ymd += years{100};
  if (!ymd.ok()) ymd = year_month_day{year_month_day_last{ymd.year(), month_day_last{ymd.month()}}};
  if (ymd.year() > year{kLastYear}) return kLastDate;
  return fromYmd(ymd);
}

ParseResult parseArguments(const std::vector<std::string>& args) {
  ParseResult r;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::string name = arg == "-h" ? "--help" : arg;
    std::optional<std::string> inlineValue;
    if (const auto eq = arg.find('='); arg.starts_with("--") && eq != std::string::npos) {
      name = arg.substr(0, eq);
      inlineValue = arg.substr(eq + 1);
    }
    const auto& table = optionDefs();
    const auto def = std::find_if(table.begin(), table.end(),
                                  [&](const OptionDef& s) { return name == s.name; });
    if (def == table.end()) {
      r.error = arg.starts_with("-")
                    // TRANSLATORS: {1} is what was given, in quotes.
                    ? fillIn(_("unknown option {1} (see --help)"), quoted(name))
                    : fillIn(_("unexpected argument {1} (see --help)"), quoted(arg));
      return r;
    }
    std::vector<std::string> values;
    if (inlineValue) {
      if (def->values != 1) {
        r.error = fillIn(
            // TRANSLATORS: {1} is an option, such as --interpret.
            def->values == 0 ? _("{1} takes no value") : _("{1} takes its values after a blank"),
            def->name);
        return r;
      }
      values.push_back(*inlineValue);
    }
    while (static_cast<int>(values.size()) < def->values) {
      // The next option is never taken as a value: "--date --out x.png" lacks the date.
      if (i + 1 >= args.size() || args[i + 1].starts_with("--")) {
        // TRANSLATORS: {1} is an option, such as --date, {2} an example of its values.
        r.error = fillIn(def->values == 2 ? _("{1} needs two values, e.g. {1} {2}")
                                          : _("{1} needs a value, e.g. {1} {2}"),
                         def->name, def->example);
        return r;
      }
      values.push_back(args[++i]);
    }
    if (std::string why = def->apply(r.options, values); !why.empty()) {
      r.error = why;
      return r;
    }
    if (r.options.help || r.options.version) return r;
  }
  return r;
}

}  // namespace tw::cli

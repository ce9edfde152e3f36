#include "cli/manual.h"

#include <cctype>

#include "cli/usage.h"
#include "version.h"

namespace tw::cli {

namespace {

std::string header(const std::string& name, const std::string& summary) {
  std::string upper;
  for (char c : name) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return ".TH " + roffText(upper) + " 1 \"\" \"Tidewell " + kVersion + "\" \"User Commands\"\n" +
         // Paths and options are not hyphenated (HY is what the macros restore after an
         // example), nor lines stretched to fill.
         ".nr HY 0\n.nh\n.ad l\n.SH NAME\n" + roffText(name) + " \\- " + roffText(summary) + "\n";
}

// "--width PX" as a man page sets an option: the option in bold, its values in italics.
std::string optionForm(std::string_view form) {
  std::string out;
  std::size_t at = 0;
  while (at < form.size()) {
    const std::size_t end = std::min(form.find(' ', at), form.size());
    const std::string_view word = form.substr(at, end - at);
    if (!word.empty()) {
      if (!out.empty()) out += ' ';
      out += (word.front() == '-' ? "\\fB" : "\\fI") + roffText(word) + "\\fR";
    }
    at = end + 1;
  }
  return out;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : " ") + line;
  return text;
}

std::string section(const std::string& name, const std::string& text) {
  return ".SH " + name + "\n" + roffText(text) + "\n";
}

// A term and its meaning, indented under it.
std::string item(const std::string& term, const std::string& text) {
  return ".TP\n" + term + "\n" + roffText(text) + "\n";
}

const char* const kSettingsFile = "~/.config/Kestrelmoor/Tidewell.ini";

std::string settingsFileItem(const std::string& whatFor) {
  return item("\\fI" + roffText(kSettingsFile) + "\\fR",
              std::string("Tidewell's settings (in $XDG_CONFIG_HOME/Kestrelmoor/Tidewell.ini when "
                          "XDG_CONFIG_HOME is set). ") +
                  whatFor);
}

}  // namespace

std::string roffText(std::string_view text) {
  std::string out;
  bool lineStart = true;
  for (const char c : text) {
    if (lineStart && (c == '.' || c == '\'')) out += "\\&";
    if (c == '\\')
      out += "\\e";
    else if (c == '-')
      out += "\\-";
    else
      out += c;
    lineStart = c == '\n';
  }
  return out;
}

std::string chartManual() {
  const Usage u = usage();
  const std::size_t space = u.synopsis.find(' ');
  std::string page = header("tidewell-chart",
                            "biorhythm charts, interpretations and critical "
                            "days from the command line");
  page += ".SH SYNOPSIS\n.B " + roffText(u.synopsis.substr(0, space)) + "\n" +
          optionForm(u.synopsis.substr(space + 1)) + "\n";
  page += section("DESCRIPTION", joined(u.summary));
  page += ".SH OPTIONS\n";
  for (const OptionGroup& group : u.groups) {
    if (!group.heading.empty()) {
      const std::string heading = group.heading.substr(0, group.heading.find_last_not_of(':') + 1);
      page += ".SS " + roffText(heading) + "\n";
    } else {
      page += ".SS Other options\n";
    }
    for (const OptionUsage& option : group.options) {
      std::string forms;
      for (const std::string& form : option.forms)
        forms += (forms.empty() ? "" : "\n.TQ\n") + optionForm(form);
      page += item(forms, joined(option.what));
      if (!option.example.empty())
        page += ".RS\n.PP\n.EX\n" + roffText(option.example) + "\n.EE\n.RE\n";
    }
  }
  page += section("EXIT STATUS", joined(u.closing));
  page += ".SH FILES\n" + settingsFileItem(
                              "Read only when --birthday is not given, for the birthdays, names "
                              "and display options Tidewell last showed; never written.");
  page += ".SH SEE ALSO\n.BR tidewell (1)\n";
  return page;
}

std::string windowManual() {
  std::string page = header("tidewell", "biorhythm charts of one person or two");
  page += ".SH SYNOPSIS\n.B tidewell\n[\\fIQt options\\fR]\n";
  page += section(
      "DESCRIPTION",
      "Tidewell draws biorhythm charts: the physical (23-day), emotional (28-day) and "
      "intellectual (33-day) cycles of one person and their average, or how closely two "
      "people's cycles match, over day columns centred on a chart date. It keeps a list of up "
      "to 50 people, interprets the chart date in words, lists the critical days ahead and "
      "puts them in your calendar, prints the chart, copies it and saves it as a bitmap, PNG, "
      "SVG or PDF file, and remembers everything between runs.");
  page += ".PP\n" +
          roffText(
              "Its help (Help > Contents, or Help > Index to find a topic by a word) "
              "describes every window, menu, mouse gesture and key.") +
          "\n";
  page += ".PP\n" +
          roffText(
              "One copy runs for each settings file: starting Tidewell again brings the "
              "running window to the front.") +
          "\n";
  page += section("OPTIONS",
                  "Tidewell has no options of its own. It takes the options every Qt program "
                  "takes, such as -platform NAME (xcb or wayland, for example) and -style NAME "
                  "(Fusion, for example).");
  page += ".SH ENVIRONMENT\n" +
          item("\\fBXDG_CONFIG_HOME\\fR",
               "The folder of the settings folder Kestrelmoor; ~/.config when it is not set.") +
          item("\\fBXDG_RUNTIME_DIR\\fR",
               "Where the running copy keeps its lock and socket, when the folder is yours and "
               "closed to others; otherwise ~/.cache/tidewell.");
  page += ".SH FILES\n" +
          settingsFileItem(
              "Everything Tidewell remembers: the display options, both birthdays "
              "and names, the window's place and the people list. It is read once "
              "at start and saved when Tidewell closes (the people list after each "
              "change), readable by you alone. Delete it, with Tidewell closed, to "
              "start afresh.") +
          item("\\fI" + roffText("../share/tidewell/Tidewell.html") + "\\fR",
               "The help file, found from the program's own folder (/usr/share/tidewell/"
               "Tidewell.html for /usr/bin/tidewell), or Tidewell.html beside the program.");
  page += section("SIGNALS",
                  "SIGTERM, SIGHUP, SIGINT and the end of the desktop session close Tidewell as "
                  "File > Exit does, saving the settings, but without waiting for anyone: a save "
                  "that fails then is one line on standard error and exit status 1. A second "
                  "signal ends the program at once.");
  page += ".SH SEE ALSO\n.BR tidewell\\-chart (1)\n";
  return page;
}

}  // namespace tw::cli

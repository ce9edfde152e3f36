#include "commands/critical_days_window.h"

#include <cmath>

#include "app/screen_fit.h"
#include "catalogue/catalogue.h"
#include "chart/chart_parts.h"
#include "settings/settings_schema.h"
#include "settings/text_forms.h"

namespace tw {

namespace {
const char* noneFound(CriticalSpan span) {
  switch (span) {
    // TRANSLATORS: {1} is the chart date as the chart's header writes it ("Monday 4/12/2026").
    case CriticalSpan::Months3: return _("No critical days in the 3 months from {1}.");
    case CriticalSpan::Months12: return _("No critical days in the 12 months from {1}.");
    case CriticalSpan::Days30: break;
  }
  return _("No critical days in the 30 days from {1}.");
}

// No folder separators in a name offered as a file name.
std::string fileSafe(std::string name) {
  for (char& c : name)
    if (c == '/' || c == '\\') c = '-';
  return name;
}
}  // namespace

void CriticalDaysWindow::open() {
  if (!opened_) {
    opened_ = true;
    span_ = static_cast<CriticalSpan>(readNumber(services_.store, setting::CriticalDaysSpan));
    reminder_ = readBool(readSetting(services_.store, setting::CriticalDaysReminder));
    ui::Window& w = services_.window;
    w.setLeft(services_.chartWindow.left() + services_.chartWindow.width());
    w.setTop(services_.chartWindow.top());
    if (auto x = readGeometry(readSetting(services_.store, setting::CriticalDaysX))) w.setLeft(*x);
    if (auto y = readGeometry(readSetting(services_.store, setting::CriticalDaysY))) w.setTop(*y);
    fitOnScreens(w, services_.screens.areas());
    services_.controls.showSpan(span_);
    services_.controls.showReminder(reminder_);
  }
  refresh();
  services_.controls.showWindow();
}

void CriticalDaysWindow::chartDrawn(const ChartState&, const Locale& locale) {
  services_.locale = locale;
  hint_.clear();
  if (opened_) refresh();
}

void CriticalDaysWindow::hintShown(const std::string& hint) {
  hint_ = hint;
  if (opened_) refresh();
}

void CriticalDaysWindow::refresh() {
  if (!hint_.empty()) {
    entries_.clear();
    services_.controls.showRows({}, false);
    services_.controls.showNote(hint_);
    return;
  }
  const ChartState& state = services_.main.state();
  entries_ = criticalDaysAhead(state, span_);
  const bool two = state.options.chartType == ChartType::Comparison;
  std::vector<CriticalRow> rows;
  rows.reserve(entries_.size());
  for (const CriticalEntry& e : entries_)
    rows.push_back({chart::dateWithName(e.day.date, {}, services_.locale),
                    criticalCycleNames(e.day), two ? whoseText(e) : std::string()});
  services_.controls.showRows(rows, two);
  services_.controls.showNote(
      rows.empty()
          ? fillIn(noneFound(span_), chart::dateWithName(state.chartDate, {}, services_.locale))
          : std::string());
}

void CriticalDaysWindow::chooseSpan(CriticalSpan span) {
  span_ = span;
  writeSetting(services_.store, setting::CriticalDaysSpan, numberText(static_cast<int>(span)));
  refresh();
}

void CriticalDaysWindow::setReminder(bool on) {
  reminder_ = on;
  writeSetting(services_.store, setting::CriticalDaysReminder, boolText(on));
}

void CriticalDaysWindow::goToRow(int row) {
  if (row < 0 || row >= static_cast<int>(entries_.size())) return;
  // The chart's redraw brings the list up to date, starting at that day.
  services_.main.goToDate(entries_[static_cast<std::size_t>(row)].day.date);
}

void CriticalDaysWindow::addToCalendar() {
  // TRANSLATORS: the title of the save dialog of the Critical days window's button.
  SaveFileOptions options{C_("dialog title", "Add to calendar"),
                          {{_("iCalendar files"), "*.ics"}},
                          "ics",
                          calendarFileName(services_.main.state())};
  const auto chosen = services_.dialogs.chooseSaveFile(options);
  if (!chosen) return;
  const std::string text = iCalendar(entries_, {services_.clock.now(), reminder_});
  if (std::string why = services_.files.write(chosen->path, text); !why.empty()) {
    services_.messages.warn(
        // TRANSLATORS: {1} is the file's path, {2} why it could not be written, as the system
        // says it ("Permission denied").
        withCrLf(fillIn(_("Tidewell could not write the calendar file\n{1}:\n{2}.\n\nNo file was "
                          "changed."),
                        chosen->path, why)),
        _(kCriticalDaysTitle));
    return;
  }
  if (!services_.calendar.hasCalendarProgram()) {
    services_.messages.inform(
        // TRANSLATORS: {1} is the calendar file's path.
        withCrLf(fillIn(_("The critical days are saved in\n{1}.\n\nNo program on this computer "
                          "opens calendar files.\nImport the file into your calendar yourself."),
                        chosen->path)),
        _(kCriticalDaysTitle));
    return;
  }
  const auto answer = services_.messages.ask(
      // TRANSLATORS: {1} is the calendar file's path.
      withCrLf(fillIn(_("The critical days are saved in\n{1}.\n\nOpen it in your calendar "
                        "program to add them?"),
                      chosen->path)),
      _(kCriticalDaysTitle));
  if (answer == ui::Answer::Yes && !services_.calendar.open(chosen->path))
    services_.messages.warn(
        // TRANSLATORS: {1} is the calendar file's path.
        withCrLf(fillIn(_("Tidewell could not open the calendar file\n{1}\nin your calendar "
                          "program.\n\nThe file is saved: import it into your calendar "
                          "yourself."),
                        chosen->path)),
        _(kCriticalDaysTitle));
}

void CriticalDaysWindow::placeChanged() {
  if (!opened_) return;
  const auto twips = [](double v) { return numberText(static_cast<long long>(std::floor(v))); };
  writeSetting(services_.store, setting::CriticalDaysX, twips(services_.window.left()));
  writeSetting(services_.store, setting::CriticalDaysY, twips(services_.window.top()));
}

std::string calendarFileName(const ChartState& state) {
  std::string names;
  const auto add = [&](const std::string& name) {
    if (name.empty() || names == name) return;
    // TRANSLATORS: two people's names in the calendar file's name.
    names = names.empty() ? name : fillIn(C_("calendar file name", "{1} and {2}"), names, name);
  };
  add(state.name);
  if (state.options.chartType == ChartType::Comparison) add(state.name2);
  // TRANSLATORS: the name offered for the calendar file, before ".ics"; {1} is who it is for.
  return (names.empty() ? std::string(C_("calendar file name", "Critical days"))
                        : fillIn(C_("calendar file name", "{1} critical days"), fileSafe(names))) +
         ".ics";
}

}  // namespace tw

#include "commands/critical_days_window.h"

#include <cmath>

#include "app/screen_fit.h"
#include "app/settings_schema.h"
#include "app/text_forms.h"
#include "chart/chart_parts.h"

namespace tw {

namespace {
const char* spanWords(CriticalSpan span) {
  switch (span) {
    case CriticalSpan::Months3: return "3 months";
    case CriticalSpan::Months12: return "12 months";
    case CriticalSpan::Days30: break;
  }
  return "30 days";
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
    span_ = static_cast<CriticalSpan>(readNumber(s_.store, setting::CriticalDaysSpan));
    reminder_ = readBool(readSetting(s_.store, setting::CriticalDaysReminder));
    ui::Window& w = s_.window;
    w.setLeft(s_.chartWindow.left() + s_.chartWindow.width());
    w.setTop(s_.chartWindow.top());
    if (auto x = readGeometry(readSetting(s_.store, setting::CriticalDaysX))) w.setLeft(*x);
    if (auto y = readGeometry(readSetting(s_.store, setting::CriticalDaysY))) w.setTop(*y);
    fitOnScreens(w, s_.screens.areas());
    s_.controls.showSpan(span_);
    s_.controls.showReminder(reminder_);
  }
  refresh();
  s_.controls.showWindow();
}

void CriticalDaysWindow::chartDrawn(const ChartState&, const Locale& locale) {
  s_.locale = locale;
  if (opened_) refresh();
}

void CriticalDaysWindow::refresh() {
  const ChartState& state = s_.main.state();
  entries_ = criticalDaysAhead(state, span_);
  const bool two = state.options.chartType == ChartType::Comparison;
  std::vector<CriticalRow> rows;
  rows.reserve(entries_.size());
  for (const CriticalEntry& e : entries_)
    rows.push_back({chart::dateWithName(e.day.date, {}, s_.locale), criticalCycleNames(e.day),
                    two ? whoseText(e) : std::string()});
  s_.controls.showRows(rows, two);
  s_.controls.showNote(rows.empty() ? std::string("No critical days in the ") + spanWords(span_) +
                                          " from " +
                                          chart::dateWithName(state.chartDate, {}, s_.locale) + "."
                                    : std::string());
}

void CriticalDaysWindow::chooseSpan(CriticalSpan span) {
  span_ = span;
  writeSetting(s_.store, setting::CriticalDaysSpan, numberText(static_cast<int>(span)));
  refresh();
}

void CriticalDaysWindow::setReminder(bool on) {
  reminder_ = on;
  writeSetting(s_.store, setting::CriticalDaysReminder, boolText(on));
}

void CriticalDaysWindow::goToRow(int row) {
  if (row < 0 || row >= static_cast<int>(entries_.size())) return;
  // The chart's redraw brings the list up to date, starting at that day.
  s_.main.goToDate(entries_[static_cast<std::size_t>(row)].day.date);
}

void CriticalDaysWindow::addToCalendar() {
  SaveFileOptions options{"Add to calendar",
                          {{"iCalendar files", "*.ics"}},
                          "ics",
                          calendarFileName(s_.main.state())};
  const auto path = s_.dialogs.chooseSaveFile(options);
  if (!path) return;
  const std::string text = iCalendar(entries_, {s_.clock.now(), reminder_});
  if (std::string why = s_.files.write(*path, text); !why.empty())
    s_.messages.warn("Tidewell could not write the calendar file\r\n" + *path + ":\r\n" + why +
                         ".\r\n\r\nNo file was changed.",
                     kCriticalDaysTitle);
}

void CriticalDaysWindow::placeChanged() {
  if (!opened_) return;
  const auto twips = [](double v) { return numberText(static_cast<long long>(std::floor(v))); };
  writeSetting(s_.store, setting::CriticalDaysX, twips(s_.window.left()));
  writeSetting(s_.store, setting::CriticalDaysY, twips(s_.window.top()));
}

std::string calendarFileName(const ChartState& state) {
  std::string names;
  const auto add = [&](const std::string& name) {
    if (name.empty() || names == name) return;
    names += (names.empty() ? "" : " and ") + name;
  };
  add(state.name);
  if (state.options.chartType == ChartType::Comparison) add(state.name2);
  return names.empty() ? "Critical days.ics" : fileSafe(names) + " critical days.ics";
}

}  // namespace tw

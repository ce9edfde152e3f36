#pragma once
// "Critical days": the critical days ahead of the chart date, in a window that may stay open
// beside the chart. It follows the chart, makes a chosen day the chart date and hands the days
// to the user's own calendar as an iCalendar file.
#include <string>
#include <vector>

#include "app/main_window.h"
#include "catalogue/catalogue.h"
#include "commands/dialogs.h"
#include "interpret/critical_days.h"
#include "interpret/ical.h"

namespace tw {

// English; shown through the catalogue.
inline constexpr const char* kCriticalDaysTitle = N_("Critical days");

// One line of the list: the day as the chart's header writes it, the critical cycles, and on
// the comparison chart whose they are.
struct CriticalRow {
  std::string date;
  std::string cycles;
  std::string whose;  // empty on the one-person chart
  bool operator==(const CriticalRow&) const = default;
};

// The window's own controls. Setting them from the program runs no handler.
class CriticalDaysControls {
 public:
  virtual ~CriticalDaysControls() = default;
  virtual void showWindow() = 0;  // shown without waiting, brought to the front
  // The rows, with the column of whose days when `withWhose`.
  virtual void showRows(const std::vector<CriticalRow>& rows, bool withWhose) = 0;
  virtual void showNote(const std::string& text) = 0;  // "" when there are rows
  virtual void showSpan(CriticalSpan span) = 0;
  virtual void showReminder(bool on) = 0;
};

// A file replaced whole, or not at all: on failure any old file stays as it was.
class WholeFiles {
 public:
  virtual ~WholeFiles() = default;
  // Empty on success, else the reason in words.
  virtual std::string write(const std::string& path, const std::string& bytes) = 0;
};

// The desktop's own program for calendar files, which imports a file it is given.
class CalendarOpener {
 public:
  virtual ~CalendarOpener() = default;
  // Whether the desktop names a program for calendar files at all.
  virtual bool hasCalendarProgram() = 0;
  // Hands the file to that program; false when the desktop could not.
  virtual bool open(const std::string& path) = 0;
};

class UtcClock {
 public:
  virtual ~UtcClock() = default;
  virtual UtcTime now() const = 0;
};

struct CriticalDaysServices {
  MainWindow& main;
  ui::Window& window;
  const ui::Window& chartWindow;  // the main window, which it first opens beside
  CriticalDaysControls& controls;
  Dialogs& dialogs;
  ui::Messages& messages;
  ui::SettingsStore& store;
  WholeFiles& files;
  CalendarOpener& calendar;
  const UtcClock& clock;
  const ui::Screens& screens;
  Locale locale;
};

class CriticalDaysWindow : public ChartWatcher {
 public:
  explicit CriticalDaysWindow(CriticalDaysServices services) : services_(std::move(services)) {}

  // The first time, reads the span, the reminder and the window's place (right of the chart
  // window when none is stored); shows the window over the chart as it stands.
  void open();
  void chartDrawn(const ChartState& state, const Locale& locale) override;
  void hintShown(const std::string& hint) override;  // no birthday yet: no days either
  void chooseSpan(CriticalSpan span);
  void setReminder(bool on);
  void goToRow(int row);  // Return or a double-click on a row
  // Writes the listed days to a file the user names, then offers to open it in the calendar.
  void addToCalendar();
  void placeChanged();  // moved or closed: the place is remembered

  const std::vector<CriticalEntry>& entries() const { return entries_; }
  CriticalSpan span() const { return span_; }

 private:
  void refresh();

  CriticalDaysServices services_;
  bool opened_ = false;
  CriticalSpan span_ = CriticalSpan::Days30;
  bool reminder_ = false;
  std::vector<CriticalEntry> entries_;
  std::string hint_;  // what the chart area says instead of a chart; empty while it shows one
};

// "Anna critical days.ics", "Anna and Bo critical days.ics", or "Critical days.ics" without names.
std::string calendarFileName(const ChartState& state);

}  // namespace tw

#pragma once
// The main window: the whole application state and the handlers of its own controls. Other
// windows and commands read its state and change it through the intents at the end.
#include <functional>
#include <string>
#include <vector>

#include "app/chart_gestures.h"
#include "app/ui.h"
#include "chart/drawing_surface.h"
#include "cycles/locale.h"
#include "state/chart_state.h"

namespace tw {

// Which birthday the people list fills when a person is chosen.
enum class ChoosingFor { Birthday, Birthday2 };

// The check items of the menus that mirror the options.
struct MainWindowMenus {
  ui::MenuItem& biorhythmChart;
  ui::MenuItem& comparisonChart;
  ui::MenuItem& physicalCurve;
  ui::MenuItem& emotionalCurve;
  ui::MenuItem& intellectualCurve;
  ui::MenuItem& averageCurve;
  ui::MenuItem& ageInDays;
  ui::MenuItem& ageInWeeks;
  ui::MenuItem& ageInYears;
  ui::MenuItem& weekSeparators;
  ui::MenuItem& todayMarker;
  ui::MenuItem& criticalDayMarks;
};

struct MainWindowControls {
  ui::Window& window;  // the main window itself
  ui::Control& toolbar;
  ui::Control& chartView;
  ui::Control& birthdayButton;
  ui::DatePicker& birthdayPicker;
  ui::Control& birthday2Button;
  ui::DatePicker& birthday2Picker;
  ui::Control& chartDateLabel;
  ui::DatePicker& chartDatePicker;
  MainWindowMenus menus;
};

struct MainWindowServices {
  DrawingSurface& surface;  // the chart view's image
  const TextMeasure& measure;
  ui::Messages& messages;
  ui::SettingsStore& store;
  const ui::Clock& clock;
  ui::Program& program;
  Locale locale;
  const ui::Screens& screens;  // the stored geometry is fitted to them at start-up
};

// The other windows the main window positions at start-up and closes at shut-down.
struct MainWindowPeers {
  ui::Window& peopleList;
  ui::Window& personEntry;
  ui::Window& printPage;
};

// The chart as it stands, to be drawn again on another surface: a printed page, a file.
struct ChartDrawing {
  std::function<void(DrawingSurface&)> draw;
  double width = 0;  // twips of the chart area it was drawn for
  double height = 0;
};

// Printing and saving live in their own folder but are run from this window's toolbar.
class FileCommands {
 public:
  virtual ~FileCommands() = default;
  virtual void print() = 0;
  virtual void save() = 0;
};

// Takes the chart anywhere: as an image, a drawing and words, at once.
class ChartClipboard {
 public:
  virtual ~ChartClipboard() = default;
  virtual void copy(const ChartDrawing& chart, const std::string& text) = 0;
};

// Hears of every redraw, with the state the chart was drawn from (the chart area's description
// and the values under the pointer follow it).
class ChartWatcher {
 public:
  virtual ~ChartWatcher() = default;
  virtual void chartDrawn(const ChartState& state, const Locale& locale) = 0;
  // The chart area shows `hint` in words instead of a chart.
  virtual void hintShown(const std::string& hint) = 0;
};

// The birthdays a chart date may not come before, in the order they are checked: the one
// person's, or both in the comparison chart.
std::vector<Date> birthdaysBefore(const ChartState& state);
// The latest of them: where a gesture stops, without a word.
Date earliestChartDate(const ChartState& state);

class MainWindow {
 public:
  MainWindow(MainWindowControls controls, MainWindowServices services, MainWindowPeers peers);

  void setFileCommands(FileCommands* commands) { fileCommands_ = commands; }
  // Every watcher hears of every redraw, in the order they were added.
  void addChartWatcher(ChartWatcher* watcher) { chartWatchers_.push_back(watcher); }
  void setChartClipboard(ChartClipboard* clipboard) { clipboard_ = clipboard; }

  const ChartState& state() const { return state_; }
  const std::string& helpFile() const { return helpFile_; }
  ui::WindowState windowState() const { return controls_.window.windowState(); }
  // Whether the store held nothing at start-up.
  bool isFirstRun() const { return firstRun_; }

  // Start-up and shut-down.
  void start();
  void saveAndClose();
  void exit();  // saveAndClose, then the program ends at once

  // Layout pass, run on every size or state change of the window; it redraws the chart.
  void layOut();
  void drawChart();
  // The chart of the present state at the chart area's present size; later changes of the
  // state do not reach it.
  ChartDrawing chartDrawing() const;

  // Chart date navigation.
  void refuseDateBeforeBirth(Date birthday);  // tells the user, moves the chart date onto it
  void birthdayChanged();
  void birthday2Changed();
  void chartDateChanged();
  void chartDateLeft();  // Return, Tab or a command took what was typed in the chart date
  void goToday();
  // A day chosen elsewhere (the list of critical days) becomes the chart date, refused as a
  // date typed into the chart date field is.
  void goToDate(Date day);
  void goNextDay() { goForward(1); }
  void goNextWeek() { goForward(7); }
  void goForward28Days() { goForward(28); }
  void goPreviousDay() { goBack(1); }
  void goPreviousWeek() { goBack(7); }
  void goBack28Days() { goBack(28); }

  // Opening the people list for birthday 1 or 2.
  void chooseBirthday();
  void chooseBirthday2();

  // Gestures over the chart area, x in twips from its left edge. They stop at the birthday
  // without a word; a date they reach is shown at once.
  void turnWheel(int dx, int dy, bool byWeek);
  void pressChart(double x);
  void dragChart(double x);
  void releaseChart();
  void cancelChartDrag();      // back to the date the drag started from
  void chooseDayAt(double x);  // a double-click: the day there becomes the chart date
  void chooseDay(Date day);    // as a double-click on that day: the day cursor's Return
  bool isDraggingChart() const { return gestures_.isDragging(); }

  void copyChart();
  void interpret();
  // The toolbar's Print and Save buttons.
  void print();
  void save();

  // Intents of the other windows and commands; none of them redraws.
  //
  // The person chosen in the people list takes the birthday the list was opened for; a chart
  // date before it is refused.
  void takeChosenPerson(Date birthday, const std::string& name);
  // New display options: the check marks and the second birthday's controls follow them.
  void applyOptions(const ChartOptions& options);
  // The first run's question was cancelled: the chart area says how to choose a birthday.
  void awaitBirthday() { awaitingBirthday_ = true; }
  // Refuses a chart date before `birthday`; a date on it passes.
  void keepChartDateFrom(Date birthday);
  // Redraws the chart on white in a window of at most `maxWidth` by `maxHeight` twips, hands
  // `take` the chart view's size while it stands so, then puts window and colours back. Does
  // nothing and says false when the window's height cannot be kept.
  bool drawForPrinting(double maxWidth, double maxHeight,
                       const std::function<void(double chartWidth, double chartHeight)>& take);

 private:
  void showOptions();
  void goForward(int days);
  void goBack(int days);
  void showGestureDate(Date day);

  MainWindowControls controls_;
  MainWindowServices services_;
  MainWindowPeers peers_;
  ChartState state_;
  ChartGestures gestures_;
  ChoosingFor choosingFor_ = ChoosingFor::Birthday;
  std::string helpFile_;
  FileCommands* fileCommands_ = nullptr;
  std::vector<ChartWatcher*> chartWatchers_;
  ChartClipboard* clipboard_ = nullptr;
  bool firstRun_ = false;
  bool awaitingBirthday_ = false;
};

}  // namespace tw

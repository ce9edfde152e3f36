#pragma once
// The main window wired to fakes, as the Qt side wires it to widgets, with its display, print
// and save commands. `timeline` records in order the dialogs shown, the window sizes set and
// what happened to the print page and the files.
#include <algorithm>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

#include "app/main_window.h"
#include "commands/display_settings.h"
#include "commands/print_and_save.h"
#include "mock/fakes.h"
#include "mock/recording_surface.h"
#include "settings/text_forms.h"

namespace tw::test {

inline std::string twips(double v) { return std::to_string(static_cast<long long>(v)); }

struct DialogAnswer {
  bool confirm = false;
  Colour color = 0;        // a confirmed colour dialog's choice
  std::string fileName;    // a confirmed save dialog's choice
  std::size_t filter = 0;  // and the filter chosen with it
};

// Dialogs that answer from a script (Cancel once it runs dry); `shown` names each showing, a
// save dialog with the file name it offers.
class ScriptedDialogs : public Dialogs {
 public:
  std::deque<DialogAnswer> answers;
  std::vector<std::string> shown;
  std::function<void()> onShow;

  std::optional<Colour> chooseColour(Colour) override {
    const DialogAnswer a = answer("chooseColour");
    return a.confirm ? std::optional(a.color) : std::nullopt;
  }
  bool choosePrinter(const PrintDialogOptions&) override { return answer("choosePrinter").confirm; }
  std::optional<ChosenFile> chooseSaveFile(const SaveFileOptions& options) override {
    const DialogAnswer a = answer("chooseSaveFile " + options.fileName);
    return a.confirm ? std::optional(ChosenFile{a.fileName, a.filter}) : std::nullopt;
  }

 private:
  DialogAnswer answer(std::string showing) {
    shown.push_back(std::move(showing));
    if (onShow) onShow();
    const DialogAnswer a = answers.empty() ? DialogAnswer{} : answers.front();
    if (!answers.empty()) answers.pop_front();
    return a;
  }
};

// The chart area: its size is the drawing surface's size.
class FakePicture : public FakeControl {
 public:
  explicit FakePicture(RecordingSurface& s) : surface(s) {}
  void setWidth(double v) override { surface.setSize(static_cast<float>(w = v), surface.height()); }
  void setHeight(double v) override { surface.setSize(surface.width(), static_cast<float>(h = v)); }
  RecordingSurface& surface;
};

// What the chart area showed when its image was taken, or what a chart drawing draws.
struct ChartSnapshot : ChartImage {
  std::string background;  // of the last redraw before the copy, or the drawing's own
  double width = 0, height = 0;
};

// A chart drawing drawn on a recording surface of its size.
inline ChartSnapshot snapshotOf(const ChartDrawing& chart) {
  RecordingSurface s(static_cast<float>(chart.width), static_cast<float>(chart.height));
  chart.draw(s);
  ChartSnapshot snapshot;
  snapshot.background = s.only("setBackground").back();
  snapshot.width = chart.width, snapshot.height = chart.height;
  return snapshot;
}

struct MainWindowFixture {
  struct Chart : ChartImageSource {
    MainWindowFixture& f;
    explicit Chart(MainWindowFixture& fixture) : f(fixture) {}
    std::shared_ptr<const ChartImage> copy() const override {
      f.timeline.push_back("copy");
      auto s = std::make_shared<ChartSnapshot>();
      s->background = f.surface.only("setBackground").back();
      s->width = f.picture.width(), s->height = f.picture.height();
      return s;
    }
  };
  struct Page : PrintPage {
    MainWindowFixture& f;
    double w = 0, h = 0;
    ChartDrawing chart;
    std::optional<ChartSnapshot> picture;  // what the printer drew
    bool printerWorks = true;
    explicit Page(MainWindowFixture& fixture) : f(fixture) {}
    double width() const override { return w; }
    double height() const override { return h; }
    void setWidth(double v) override { f.timeline.push_back("page width " + twips(w = v)); }
    void setHeight(double v) override { f.timeline.push_back("page height " + twips(h = v)); }
    void setChart(ChartDrawing c) override { f.timeline.push_back("chart"), chart = std::move(c); }
    bool print() override {
      f.timeline.push_back("print");
      picture = snapshotOf(chart);  // after the window and its colours were put back
      return printerWorks;
    }
    void hide() override { f.timeline.push_back("hide"); }
  };
  struct Files : ChartFiles {
    MainWindowFixture& f;
    std::map<std::string, ChartSnapshot> written;
    bool writable = true;
    explicit Files(MainWindowFixture& fixture) : f(fixture) {}
    bool write(const ChartImage& p, const std::string& path) override {
      f.timeline.push_back("save " + path);
      if (writable) written[path] = dynamic_cast<const ChartSnapshot&>(p);
      return writable;
    }
    bool draw(const ChartDrawing& chart, ChartFileType type, const std::string& path) override {
      const char* names[] = {"BMP", "PNG", "SVG", "PDF"};
      f.timeline.push_back(std::string("draw ") + names[static_cast<int>(type)] + " " + path);
      if (writable) written[path] = snapshotOf(chart);
      return writable;
    }
  };

  FakeWindow window, peopleListWindow, personEntryWindow, printPageWindow;
  FakeControl toolbar, birthdayButton, birthday2Button, chartDateLabel;
  RecordingSurface surface;
  FakePicture picture{surface};
  FakeDatePicker birthdayPicker, birthday2Picker, chartDatePicker;
  FakeMenuItem bio, comp, phy, emo, intl, ave, days, weeks, years, weekSep, todayMark,
      criticalMarks;
  FixedWidthMeasure measure;
  ScriptedMessages messages;
  MemoryStore store;
  FixedClock clock{fromYmd(2026, 12, 5)};
  FakeProgram program;
  FakeScreens screens;
  MainWindow main{
      MainWindowControls{window, toolbar, picture, birthdayButton, birthdayPicker, birthday2Button,
                         birthday2Picker, chartDateLabel, chartDatePicker,
                         MainWindowMenus{bio, comp, phy, emo, intl, ave, days, weeks, years,
                                         weekSep, todayMark, criticalMarks}},
      MainWindowServices{surface, measure, messages, store, clock, program, Locale{}, screens},
      MainWindowPeers{peopleListWindow, personEntryWindow, printPageWindow}};
  std::vector<std::string> timeline;
  ScriptedDialogs dialog;
  Chart chart{*this};
  Page page{*this};
  Files files{*this};
  DisplaySettings settings{main, dialog};
  PrintAndSave printAndSave{main, dialog, messages, chart, page, files};

  MainWindowFixture() {
    window.place(600, 450, 7140, 4590);
    window.onResize = [this] {
      timeline.push_back("window " + twips(window.width()) + "x" + twips(window.height()));
      main.layOut();
    };
    dialog.onShow = [this] { timeline.push_back(dialog.shown.back()); };
    main.setFileCommands(&printAndSave);
  }

  // Started as the program starts, with whatever the store holds.
  void load() {
    main.start();
    timeline.clear();
  }

  // Started from a store that holds these birthdays and chart type, on the day `chartDate`;
  // the clock then reads its own day again.
  void startWith(Date birthday, Date birthday2, Date chartDate,
                 ChartType type = ChartType::Biorhythm) {
    store.values["Birthday1"] = dateText(birthday);
    store.values["Birthday2"] = dateText(birthday2);
    store.values["Chart type"] = numberText(static_cast<int>(type));
    const Date today = clock.day;
    clock.day = chartDate;
    load();
    clock.day = today;
  }

  // The ticked menu items and the shown second-birthday controls, in the window's order.
  std::string marks() const {
    const std::pair<const char*, bool> items[] = {{"biorhythmChart", bio.checked},
                                                  {"comparisonChart", comp.checked},
                                                  {"physicalCurve", phy.checked},
                                                  {"emotionalCurve", emo.checked},
                                                  {"intellectualCurve", intl.checked},
                                                  {"averageCurve", ave.checked},
                                                  {"ageInDays", days.checked},
                                                  {"ageInWeeks", weeks.checked},
                                                  {"ageInYears", years.checked},
                                                  {"weekSeparators", weekSep.checked},
                                                  {"todayMarker", todayMark.checked},
                                                  {"criticalDayMarks", criticalMarks.checked},
                                                  {"birthday2Picker", birthday2Picker.isVisible()},
                                                  {"birthday2Button", birthday2Button.isVisible()}};
    std::string out;
    for (const auto& [name, on] : items)
      if (on) out += (out.empty() ? "" : " ") + std::string(name);
    return out;
  }

  // Each full redraw of a chart starts by clearing the surface.
  int redraws() const { return static_cast<int>(std::ranges::count(surface.calls, "clear")); }
};

}  // namespace tw::test

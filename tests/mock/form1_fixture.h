#pragma once
// The main window wired to fakes, as the Qt side wires it to widgets, with its display, print
// and save commands. `timeline` records in order the dialogs shown, the window sizes set and
// what happened to the print page and the files.
#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <memory>

#include "app/form1.h"
#include "commands/display_settings.h"
#include "commands/print_save.h"
#include "mock/fakes.h"
#include "mock/recording_surface.h"

namespace tw::test {

inline std::string twips(double v) { return std::to_string(static_cast<long long>(v)); }

struct DialogAnswer {
  bool confirm = false;
  Colour color = 0;      // a confirmed colour dialog's choice
  std::string fileName;  // a confirmed save dialog's choice
};

// A common dialog that answers from a script (Cancel once it runs dry) and keeps the settings
// each showing was given.
class ScriptedCommonDialog : public CommonDialog {
 public:
  struct Showing {
    std::string kind;  // "ShowColor", "ShowPrinter", "ShowSave"
    DialogSettings settings;
  };
  std::deque<DialogAnswer> answers;
  std::vector<Showing> shown;
  std::function<void()> onShow;

 protected:
  bool pickColour() override { return answer("ShowColor", [&](auto& a) { Color = a.color; }); }
  bool pickPrinter() override { return answer("ShowPrinter", [](auto&) {}); }
  bool pickSaveFile() override { return answer("ShowSave", [&](auto& a) { FileName = a.fileName; }); }

 private:
  template <typename Take>
  bool answer(const char* kind, Take take) {
    shown.push_back({kind, static_cast<const DialogSettings&>(*this)});
    if (onShow) onShow();
    const DialogAnswer a = answers.empty() ? DialogAnswer{} : answers.front();
    if (!answers.empty()) answers.pop_front();
    if (a.confirm) take(a);
    return a.confirm;
  }
};

// The chart area: its size is the drawing surface's size.
class FakePicture : public FakeControl {
 public:
  explicit FakePicture(RecordingSurface& s) : surface(s) {}
  void setWidth(double v) override { surface.setSize(static_cast<float>(w = v), surface.Height()); }
  void setHeight(double v) override { surface.setSize(surface.Width(), static_cast<float>(h = v)); }
  RecordingSurface& surface;
};

// What the chart area showed when its image was taken.
struct ChartSnapshot : Picture {
  std::string background;  // of the last redraw before the copy
  double width = 0, height = 0;
};

struct Form1Fixture {
  struct Chart : ChartPicture {
    Form1Fixture& f;
    explicit Chart(Form1Fixture& fixture) : f(fixture) {}
    std::shared_ptr<const Picture> Image() const override {
      f.timeline.push_back("copy");
      auto s = std::make_shared<ChartSnapshot>();
      s->background = f.surface.only("BackColor").back();
      s->width = f.picture.width(), s->height = f.picture.height();
      return s;
    }
  };
  struct Page : PrintPage {
    Form1Fixture& f;
    double w = 0, h = 0;
    std::shared_ptr<const ChartSnapshot> picture;
    bool printerWorks = true;
    explicit Page(Form1Fixture& fixture) : f(fixture) {}
    double width() const override { return w; }
    double height() const override { return h; }
    void setWidth(double v) override { f.timeline.push_back("page width " + twips(w = v)); }
    void setHeight(double v) override { f.timeline.push_back("page height " + twips(h = v)); }
    void setPicture(std::shared_ptr<const Picture> p) override {
      picture = std::dynamic_pointer_cast<const ChartSnapshot>(p);
    }
    bool PrintForm() override { return f.timeline.push_back("print"), printerWorks; }
    void hide() override { f.timeline.push_back("hide"); }
  };
  struct Files : PictureFiles {
    Form1Fixture& f;
    std::map<std::string, ChartSnapshot> written;
    bool writable = true;
    explicit Files(Form1Fixture& fixture) : f(fixture) {}
    bool SavePicture(const Picture& p, const std::string& path) override {
      f.timeline.push_back("save " + path);
      if (writable) written[path] = dynamic_cast<const ChartSnapshot&>(p);
      return writable;
    }
  };

  FakeWindow window, form5, form6, form2;
  FakeControl toolbar, command1, command2, label3;
  RecordingSurface surface;
  FakePicture picture{surface};
  FakeDatePicker dt1, dt2, dt3;
  FakeMenuItem bio, comp, phy, emo, intl, ave, days, weeks, years, weekSep, todayMark;
  FixedWidthMeasure measure;
  ScriptedMessageBoxes messages;
  MemoryStore store;
  FixedClock clock{fromYmd(2026, 12, 5)};
  FakeProgram program;
  Form1 form{Form1Controls{window, toolbar, picture, command1, dt1, command2, dt2, label3, dt3,
                           Form1Menus{bio, comp, phy, emo, intl, ave, days, weeks, years, weekSep,
                                      todayMark}},
             Form1Services{surface, measure, messages, store, clock, program, Locale{}},
             Form1Peers{form5, form6, form2}};
  std::vector<std::string> timeline;
  ScriptedCommonDialog dialog;
  Chart chart{*this};
  Page page{*this};
  Files files{*this};
  DisplaySettings settings{form, dialog};
  PrintSave printSave{form, dialog, chart, page, files};

  Form1Fixture() {
    window.place(600, 450, 7140, 4590);
    window.onResize = [this] {
      timeline.push_back("window " + twips(window.width()) + "x" + twips(window.height()));
      form.Form_Resize();
    };
    dialog.onShow = [this] { timeline.push_back(dialog.shown.back().kind); };
    form.setCommands(&printSave);
  }

  // Started as the program starts, with whatever the store holds.
  void load() {
    form.Form_Load();
    timeline.clear();
  }

  // Each full redraw of a chart starts by clearing the surface.
  int redraws() const { return static_cast<int>(std::ranges::count(surface.calls, "Cls")); }
};

}  // namespace tw::test

#pragma once
// The main window wired to fakes with its display, print and save commands. `timeline` records,
// in order, the dialogs shown, the window sizes set, what happened to the print page and files.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "commands/display_settings.h"
#include "commands/print_save.h"
#include "mock/dialog_fakes.h"
#include "mock/form1_fixture.h"

namespace tw::test {

inline std::string twips(double v) { return std::to_string(static_cast<long long>(v)); }

// What the chart area showed when its image was taken.
struct ChartSnapshot : Picture {
  std::string background;  // of the last redraw before the copy
  double width = 0, height = 0;
};

struct CommandsFixture : Form1Fixture {
  struct Chart : ChartPicture {
    CommandsFixture& f;
    explicit Chart(CommandsFixture& fixture) : f(fixture) {}
    std::shared_ptr<const Picture> Image() const override {
      auto s = std::make_shared<ChartSnapshot>();
      s->background = f.surface.only("BackColor").back();
      s->width = f.picture.width();
      s->height = f.picture.height();
      f.timeline.push_back("copy");
      return s;
    }
  };
  struct Page : PrintPage {
    CommandsFixture& f;
    double w = 0, h = 0;
    std::shared_ptr<const ChartSnapshot> picture;
    bool printerWorks = true;
    explicit Page(CommandsFixture& fixture) : f(fixture) {}
    double width() const override { return w; }
    double height() const override { return h; }
    void setWidth(double v) override { f.timeline.push_back("page width " + twips(w = v)); }
    void setHeight(double v) override { f.timeline.push_back("page height " + twips(h = v)); }
    void setPicture(std::shared_ptr<const Picture> p) override {
      picture = std::dynamic_pointer_cast<const ChartSnapshot>(p);
    }
    bool PrintForm() override {
      f.timeline.push_back("print");
      return printerWorks;
    }
    void hide() override { f.timeline.push_back("hide"); }
  };
  struct Files : PictureFiles {
    CommandsFixture& f;
    std::map<std::string, ChartSnapshot> written;
    bool writable = true;
    explicit Files(CommandsFixture& fixture) : f(fixture) {}
    bool SavePicture(const Picture& p, const std::string& path) override {
      f.timeline.push_back("save " + path);
      if (writable) written[path] = dynamic_cast<const ChartSnapshot&>(p);
      return writable;
    }
  };

  std::vector<std::string> timeline;
  ScriptedCommonDialog dialog;
  Chart chart{*this};
  Page page{*this};
  Files files{*this};
  DisplaySettings settings{form, dialog};
  PrintSave printSave{form, dialog, chart, page, files};

  CommandsFixture() {
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
};

}  // namespace tw::test

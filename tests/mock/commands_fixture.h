#pragma once
// The main window wired to fakes with its display settings, print and save commands, and a
// timeline of what the print and save commands did to the window, the page and the files.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "commands/display_settings.h"
#include "commands/print_save.h"
#include "mock/dialog_fakes.h"
#include "mock/form1_fixture.h"

namespace tw::test {

// What the chart area showed when its image was taken.
struct ChartSnapshot : Picture {
  int serial = 0;
  Colour background = 0;  // of the last redraw before the copy
  double width = 0, height = 0;
};

inline std::string twips(double v) { return std::to_string(static_cast<long long>(v)); }

class FakeChartPicture : public ChartPicture {
 public:
  FakeChartPicture(Form1Fixture& f, std::vector<std::string>& timeline) : f_(f), t_(timeline) {}
  std::shared_ptr<const Picture> Image() const override {
    auto s = std::make_shared<ChartSnapshot>();
    s->serial = ++copies;
    const auto backs = f_.surface.only("BackColor");
    s->background = backs.empty() ? 0 : std::stoi(backs.back().substr(10));
    s->width = f_.picture.width();
    s->height = f_.picture.height();
    t_.push_back("copy");
    return s;
  }
  mutable int copies = 0;

 private:
  Form1Fixture& f_;
  std::vector<std::string>& t_;
};

class FakePrintPage : public PrintPage {
 public:
  explicit FakePrintPage(std::vector<std::string>& timeline) : t_(timeline) {}
  double width() const override { return width_; }
  double height() const override { return height_; }
  void setWidth(double v) override {
    width_ = v;
    t_.push_back("page width " + twips(v));
  }
  void setHeight(double v) override {
    height_ = v;
    t_.push_back("page height " + twips(v));
  }
  void setPicture(std::shared_ptr<const Picture> p) override {
    picture = std::dynamic_pointer_cast<const ChartSnapshot>(p);
    t_.push_back("page picture");
  }
  bool PrintForm() override {
    t_.push_back("print");
    if (visible) shownWhilePrinting = true;
    return printerWorks;
  }
  void hide() override {
    visible = false;
    t_.push_back("hide");
  }
  std::shared_ptr<const ChartSnapshot> picture;
  bool visible = false, shownWhilePrinting = false, printerWorks = true;

 private:
  double width_ = 0, height_ = 0;
  std::vector<std::string>& t_;
};

class FakePictureFiles : public PictureFiles {
 public:
  explicit FakePictureFiles(std::vector<std::string>& timeline) : t_(timeline) {}
  bool SavePicture(const Picture& p, const std::string& path) override {
    t_.push_back("save " + path);
    if (!writable) return false;
    files[path] = dynamic_cast<const ChartSnapshot&>(p);
    return true;
  }
  std::map<std::string, ChartSnapshot> files;
  bool writable = true;

 private:
  std::vector<std::string>& t_;
};

struct CommandsFixture : Form1Fixture {
  std::vector<std::string> timeline;
  ScriptedCommonDialog dialog;
  FakeChartPicture chartPicture{*this, timeline};
  FakePrintPage page{timeline};
  FakePictureFiles files{timeline};
  DisplaySettings settings{form, dialog};
  PrintSave printSave{form, dialog, chartPicture, page, files};

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

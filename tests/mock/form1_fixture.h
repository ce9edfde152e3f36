#pragma once
// A main window wired to fakes, as the Qt side wires it to widgets.
#include <algorithm>

#include "app/form1.h"
#include "mock/fakes.h"
#include "mock/recording_surface.h"
#include "mock/text_measure_fake.h"

namespace tw::test {

// The chart area: its size is the drawing surface's size.
class FakePicture : public FakeControl {
 public:
  explicit FakePicture(RecordingSurface& s) : surface(s) {}
  void setWidth(double v) override {
    FakeControl::setWidth(v);
    surface.setSize(static_cast<float>(v), surface.Height());
  }
  void setHeight(double v) override {
    FakeControl::setHeight(v);
    surface.setSize(surface.Width(), static_cast<float>(v));
  }
  RecordingSurface& surface;
};

struct Form1Fixture {
  FakeWindow window;
  FakeControl toolbar;
  RecordingSurface surface;
  FakePicture picture{surface};
  FakeControl command1, command2, label3;
  FakeDatePicker dt1, dt2, dt3;
  FakeMenuItem bio, comp, phy, emo, intl, ave, days, weeks, years, weekSep, todayMark;
  FixedWidthMeasure measure;
  ScriptedMessageBoxes messages;
  MemoryStore store;
  FixedClock clock{fromYmd(2026, 12, 5)};
  FakeProgram program;
  FakeWindow form5, form6, form2;
  Form1 form{Form1Controls{window, toolbar, picture, command1, dt1, command2, dt2, label3, dt3,
                           Form1Menus{bio, comp, phy, emo, intl, ave, days, weeks, years, weekSep,
                                      todayMark}},
             Form1Services{surface, measure, messages, store, clock, program, Locale{}},
             Form1Peers{form5, form6, form2}};

  Form1Fixture() {
    window.place(600, 450, 7140, 4590);
    window.onResize = [this] { form.Form_Resize(); };
  }

  // Each full redraw of a chart starts by clearing the surface.
  int redraws() const {
    return static_cast<int>(std::count(surface.calls.begin(), surface.calls.end(), "Cls"));
  }
};

}  // namespace tw::test

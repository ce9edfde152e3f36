#include "commands/print_and_save.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mock/main_window_fixture.h"

namespace tw::test {
namespace {

using Steps = std::vector<std::string>;
const DialogAnswer kConfirm{true, 0, ""};

std::string joined(const Steps& steps) {
  std::string out;
  for (const std::string& s : steps) out += (out.empty() ? "" : ", ") + s;
  return out;
}

TEST(Print, RefusedUnlessTheWindowIsNormal) {
  for (ui::WindowState state : {ui::WindowState::Maximized, ui::WindowState::Minimized}) {
    MainWindowFixture f;
    f.load();
    f.window.state = state;
    f.dialog.answers = {kConfirm};
    const int before = f.redraws();
    f.printAndSave.print();
    EXPECT_EQ(
        f.messages.shown,
        (Shown{{"Unable to print while this window is maximized.\r\nPlease restore the window "
                "and try again.",
                MessageKind::Warning, "Tidewell"}}));
    EXPECT_EQ(f.timeline, Steps{});  // no dialog, no size change, the page left alone
    EXPECT_EQ(f.redraws(), before);
  }
}

TEST(Print, PrintsAWhiteChartAtALimitedSizeThenRestores) {
  // Chart area = window - (350, 1775); the page is the chart area + (100, 400).
  const std::string at9000x7000 =
      "choosePrinter, page width 8750, page height 5625, chart, window 9000x7000, "
      "window 9000x7000, print, hide";
  const struct {
    const char* what;
    double width, height;
    std::string steps;
    double chartWidth = 0, chartHeight = 0;  // of the printed image
    bool confirm = true, printerWorks = true;
  } cases[] = {
      {"fits", 9000, 7000, at9000x7000, 8650, 5225},
      {"too large", 14000, 12000,
       "choosePrinter, window 11500x12000, window 11500x10000, page width 11250, page height "
       "8625, chart, window 14000x10000, window 14000x12000, print, hide",
       11150, 8225},
      {"the tallest kept", 9000, 32767,
       "choosePrinter, window 9000x10000, page width 8750, page height 8625, chart, "
       "window 9000x10000, window 9000x32767, print, hide",
       8650, 8225},
      {"cancelled", 9000, 7000, "choosePrinter, hide", 0, 0, false},
      {"too tall to keep", 9000, 32767.5, "choosePrinter, hide"},  // rounds to 32768
      {"the printer fails", 9000, 7000, at9000x7000, 8650, 5225, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MainWindowFixture f;
    f.store.values["Background colour"] = " 12632256";
    f.load();
    f.window.place(300, 200, c.width, c.height);
    f.page.printerWorks = c.printerWorks;
    f.dialog.answers = {{c.confirm, 0, ""}};
    const auto backsBefore = f.surface.only("setBackground").size();
    f.printAndSave.print();

    EXPECT_EQ(joined(f.timeline), c.steps);
    EXPECT_EQ(f.messages.shown, Shown{});
    EXPECT_EQ(f.window.width(), c.width);
    EXPECT_EQ(f.window.height(), c.height);
    EXPECT_EQ(f.surface.only("setBackground").back(), "setBackground 12632256");
    if (!c.chartWidth) continue;
    ASSERT_TRUE(f.page.picture) << "the print page got no picture";
    EXPECT_EQ(f.page.picture->background, "setBackground 16777215");
    EXPECT_EQ(f.page.picture->width, c.chartWidth);
    EXPECT_EQ(f.page.picture->height, c.chartHeight);
    // White from the first redraw of the command until the colour is put back for the last.
    const auto backs = f.surface.only("setBackground");
    Steps white(backs.size() - backsBefore, "setBackground 16777215");
    white.back() = "setBackground 12632256";
    EXPECT_EQ(Steps(backs.begin() + backsBefore, backs.end()), white);
  }
}

TEST(SaveChart, EachSaveWritesTheTypeItsNameEndsIn) {
  MainWindowFixture f;
  f.store.values["Background colour"] = " 8454143";
  f.load();
  f.dialog.answers = {{true, 0, "/home/u/june.BMP"},   {},
                      {true, 0, "/home/u/july.png"},   {true, 0, "/home/u/v1.2/chart.SVG"},
                      {true, 0, "/home/u/report.Pdf"}, {true, 0, "/home/u/v1.2/notes", 1}};
  for (int i = 0; i < 6; ++i) f.printAndSave.save();
  f.files.writable = false;  // the folder turned read-only: nothing is redrawn
  f.dialog.answers = {{true, 0, "/home/u/august.png"}};
  const int redraws = f.redraws();
  f.printAndSave.save();

  EXPECT_EQ(f.redraws(), redraws);
  // A bitmap is the screen's image; the other types are drawn afresh. The dialog offers the
  // last name saved, or the program's name at first.
  EXPECT_EQ(f.timeline,
            (Steps{"chooseSaveFile Tidewell", "copy", "save /home/u/june.BMP",
                   "chooseSaveFile /home/u/june.BMP", "chooseSaveFile /home/u/june.BMP",
                   "draw PNG /home/u/july.png", "chooseSaveFile /home/u/july.png",
                   "draw SVG /home/u/v1.2/chart.SVG", "chooseSaveFile /home/u/v1.2/chart.SVG",
                   "draw PDF /home/u/report.Pdf", "chooseSaveFile /home/u/report.Pdf",
                   "draw PNG /home/u/v1.2/notes.png", "chooseSaveFile /home/u/v1.2/notes.png",
                   "draw PNG /home/u/august.png"}));
  ASSERT_EQ(f.files.written.size(), 5u);
  for (const auto& [path, chart] : f.files.written)
    EXPECT_EQ(chart.background, "setBackground 8454143") << path;
}

}  // namespace
}  // namespace tw::test

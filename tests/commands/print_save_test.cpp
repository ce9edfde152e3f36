#include "commands/print_and_save.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "mock/main_window_fixture.h"

namespace tw::test {
namespace {

using Steps = std::vector<std::string>;
const DialogAnswer kConfirm{true, 0, ""};

TEST(Print, RefusedUnlessTheWindowIsNormal) {
  for (ui::WindowState state : {ui::WindowState::Maximized, ui::WindowState::Minimized}) {
    MainWindowFixture f;
    f.load();
    f.window.state = state;
    f.dialog.answers = {kConfirm};
    const int before = f.redraws();
    f.printAndSave.print();
    EXPECT_EQ(f.messages.shown, (Shown{{"Unable to print while this window is maximized.\r\nPlease restore the window "
                                        "and try again.", MessageKind::Warning, "Tidewell"}}));
    EXPECT_EQ(f.timeline, Steps{});  // no dialog, no size change, the page left alone
    EXPECT_EQ(f.redraws(), before);
  }
}

TEST(Print, PrintsAWhiteChartAtTheLimitedSizeThenPutsWindowAndColourBack) {
  // Chart area = window - (350, 1775); the page is the chart area + (100, 400).
  const struct { double width, height; Steps steps; double chartWidth, chartHeight; } cases[] = {
      {9000, 7000, {"choosePrinter", "page width 8750", "page height 5625", "chart", "window 9000x7000",
                    "window 9000x7000", "print", "hide"}, 8650, 5225},
      {14000, 12000, {"choosePrinter", "window 11500x12000", "window 11500x10000", "page width 11250",
                      "page height 8625", "chart", "window 14000x10000", "window 14000x12000", "print", "hide"},
       11150, 8225},
      {9000, 32767, {"choosePrinter", "window 9000x10000", "page width 8750", "page height 8625", "chart",
                     "window 9000x10000", "window 9000x32767", "print", "hide"}, 8650, 8225},  // tallest kept
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.width);
    MainWindowFixture f;
    f.store.values["Background colour"] = " 12632256";
    f.load();
    f.window.place(300, 200, c.width, c.height);
    f.dialog.answers = {kConfirm};
    const auto backsBefore = f.surface.only("setBackground").size();
    f.printAndSave.print();

    EXPECT_EQ(f.timeline, c.steps);
    EXPECT_FALSE(f.dialog.shown[0].print.pageRange);
    ASSERT_TRUE(f.page.picture);
    EXPECT_EQ(std::tie(f.page.picture->background, f.page.picture->width, f.page.picture->height),
              std::make_tuple("setBackground 16777215", c.chartWidth, c.chartHeight));
    // White from the first redraw of the command until the colour is put back for the last.
    const auto backs = f.surface.only("setBackground");
    Steps white(backs.size() - backsBefore, "setBackground 16777215");
    white.back() = "setBackground 12632256";
    EXPECT_EQ(Steps(backs.begin() + backsBefore, backs.end()), white);
    EXPECT_EQ(f.picture.width(), c.width - 350);
    EXPECT_EQ(f.picture.height(), c.height - 1775);
    EXPECT_EQ(f.messages.shown, Shown{});
  }
}

TEST(Print, CancelATooTallWindowOrAPrinterFailureEndWithThePageHidden) {
  const struct { double height; bool confirm, printerWorks; Steps steps; } cases[] = {
      {7000, false, true, {"choosePrinter", "hide"}},
      {32767.5, true, true, {"choosePrinter", "hide"}},  // rounds to 32768: not kept, not changed
      {7000, true, false, {"choosePrinter", "page width 8750", "page height 5625", "chart",
                           "window 9000x7000", "window 9000x7000", "print", "hide"}},
  };
  for (const auto& c : cases) {
    MainWindowFixture f;
    f.load();
    f.window.place(300, 200, 9000, c.height);
    f.page.printerWorks = c.printerWorks;
    f.dialog.answers = {{c.confirm, 0, ""}};
    f.printAndSave.print();
    EXPECT_EQ(f.timeline, c.steps);
    EXPECT_EQ(f.window.height(), c.height);
    EXPECT_EQ(f.messages.shown, Shown{});
    EXPECT_EQ(f.surface.only("setBackground").back(), "setBackground -2147483633");
  }
}

TEST(SaveChart, OffersThePresetsThenTheLastNameAndWritesTheTypeTheNameEndsIn) {
  MainWindowFixture f;
  f.store.values["Background colour"] = " 8454143";
  f.load();
  f.dialog.answers = {{true, 0, "/home/u/june.BMP"}, {}, {true, 0, "/home/u/july.png"},
                      {true, 0, "/home/u/v1.2/chart.SVG"}, {true, 0, "/home/u/report.Pdf"},
                      {true, 0, "/home/u/v1.2/notes"}};
  int redraws = f.redraws();
  std::vector<int> drawn;
  for (std::size_t i = 0; i < 6; ++i) {
    f.printAndSave.save();
    drawn.push_back(f.redraws() - redraws);
    redraws = f.redraws();
  }
  f.files.writable = false;  // the folder turned read-only
  f.dialog.answers = {{true, 0, "/home/u/august.BMP"}, {true, 0, "/home/u/august.png"}};
  f.printAndSave.save();
  f.printAndSave.save();

  EXPECT_EQ(drawn, (std::vector<int>{1, 0, 1, 1, 1, 1}));
  EXPECT_EQ(f.redraws(), redraws);  // nor after a failed write
  // A bitmap is the screen's image; the other types are drawn afresh.
  EXPECT_EQ(f.timeline, (Steps{"chooseSaveFile", "copy", "save /home/u/june.BMP", "chooseSaveFile",
                               "chooseSaveFile", "draw PNG /home/u/july.png",
                               "chooseSaveFile", "draw SVG /home/u/v1.2/chart.SVG",
                               "chooseSaveFile", "draw PDF /home/u/report.Pdf",
                               "chooseSaveFile", "copy", "save /home/u/v1.2/notes",
                               "chooseSaveFile", "copy", "save /home/u/august.BMP",
                               "chooseSaveFile", "draw PNG /home/u/august.png"}));
  const Steps offered = {"Tidewell", "/home/u/june.BMP", "/home/u/june.BMP", "/home/u/july.png"};
  for (std::size_t i = 0; i < offered.size(); ++i) {
    const SaveFileOptions& s = f.dialog.shown.at(i).save;
    EXPECT_EQ(s.fileName, offered[i]);
    Steps filters;
    for (const FileFilter& filter : s.filters) filters.push_back(filter.label + " " + filter.pattern);
    EXPECT_EQ(filters, (Steps{"Bitmaps *.BMP", "PNG images *.png", "SVG drawings *.svg", "PDF documents *.pdf"}));
    EXPECT_EQ(std::tie(s.title, s.defaultSuffix), std::make_tuple("Save chart as bitmap", "BMP"));
    EXPECT_TRUE(s.confirmOverwrite);
    EXPECT_TRUE(s.folderMustExist);
  }
  ASSERT_EQ(f.files.written.size(), 5u);
  for (const auto& [path, chart] : f.files.written) {
    EXPECT_EQ(chart.background, "setBackground 8454143") << path;
    EXPECT_EQ(std::tie(chart.width, chart.height), std::make_tuple(6790.0, 2815.0)) << path;
  }
  EXPECT_TRUE(f.messages.shown.empty());
}

}  // namespace
}  // namespace tw::test

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
  for (int state : {ui::Maximized, ui::Minimized}) {
    MainWindowFixture f;
    f.load();
    f.window.state = state;
    f.dialog.answers = {kConfirm};
    const int before = f.redraws();
    f.printAndSave.print();
    EXPECT_EQ(f.messages.shown, (Shown{{"Unable to print while this window is maximized.\r\nPlease restore the window "
                                        "and try again.", 48, "Tidewell"}}));
    EXPECT_TRUE(f.timeline.empty());  // no dialog, no size change, the page left alone
    EXPECT_EQ(f.redraws(), before);
  }
}

TEST(Print, PrintsAWhiteChartAtTheLimitedSizeThenPutsWindowAndColourBack) {
  // Chart area = window - (350, 1775); the page is the chart area + (100, 400).
  const struct { double width, height; Steps steps; double chartWidth, chartHeight; } cases[] = {
      {9000, 7000, {"ShowPrinter", "page width 8750", "page height 5625", "copy", "window 9000x7000",
                    "window 9000x7000", "print", "hide"}, 8650, 5225},
      {14000, 12000, {"ShowPrinter", "window 11500x12000", "window 11500x10000", "page width 11250",
                      "page height 8625", "copy", "window 14000x10000", "window 14000x12000", "print", "hide"},
       11150, 8225},
      {9000, 32767, {"ShowPrinter", "window 9000x10000", "page width 8750", "page height 8625", "copy",
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
    EXPECT_TRUE(f.dialog.shown[0].settings.CancelError && f.dialog.shown[0].settings.Flags == 0x100008);
    ASSERT_TRUE(f.page.picture);
    EXPECT_EQ(std::tie(f.page.picture->background, f.page.picture->width, f.page.picture->height),
              std::make_tuple("setBackground 16777215", c.chartWidth, c.chartHeight));
    // White from the first redraw of the command until the colour is put back for the last.
    const auto backs = f.surface.only("setBackground");
    Steps white(backs.size() - backsBefore, "setBackground 16777215");
    white.back() = "setBackground 12632256";
    EXPECT_EQ(Steps(backs.begin() + backsBefore, backs.end()), white);
    EXPECT_TRUE(f.picture.width() == c.width - 350 && f.picture.height() == c.height - 1775);
    EXPECT_TRUE(f.messages.shown.empty());
  }
}

TEST(Print, CancelATooTallWindowOrAPrinterFailureEndWithThePageHidden) {
  const struct { double height; bool confirm, printerWorks; Steps steps; } cases[] = {
      {7000, false, true, {"ShowPrinter", "hide"}},
      {32767.5, true, true, {"ShowPrinter", "hide"}},  // rounds to 32768: not kept, not changed
      {7000, true, false, {"ShowPrinter", "page width 8750", "page height 5625", "copy",
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
    EXPECT_TRUE(f.window.height() == c.height && f.messages.shown.empty());
    EXPECT_EQ(f.surface.only("setBackground").back(), "setBackground -2147483633");
  }
}

TEST(SaveBitmap, OffersThePresetsThenTheLastNameAndWritesOnlyWhenConfirmed) {
  MainWindowFixture f;
  f.store.values["Background colour"] = " 8454143";
  f.load();
  f.dialog.answers = {{true, 0, "/home/u/june.BMP"}, {}, {true, 0, "/home/u/july.BMP"}};
  int redraws = f.redraws();
  std::vector<int> drawn;
  for (int i = 0; i < 3; ++i) {
    f.printAndSave.save();
    drawn.push_back(f.redraws() - redraws);
    redraws = f.redraws();
  }
  f.files.writable = false;  // the folder turned read-only
  f.dialog.answers = {{true, 0, "/home/u/august.BMP"}};
  f.printAndSave.save();

  EXPECT_EQ(drawn, (std::vector<int>{1, 0, 1}));
  EXPECT_EQ(f.redraws(), redraws);  // nor after the failed write
  EXPECT_EQ(f.timeline, (Steps{"ShowSave", "copy", "save /home/u/june.BMP", "ShowSave", "ShowSave", "copy",
                               "save /home/u/july.BMP", "ShowSave", "copy", "save /home/u/august.BMP"}));
  const Steps offered = {"Tidewell", "/home/u/june.BMP", "/home/u/june.BMP", "/home/u/july.BMP"};
  for (std::size_t i = 0; i < offered.size(); ++i) {
    const auto& s = f.dialog.shown.at(i).settings;
    EXPECT_EQ(s.FileName, offered[i]);
    EXPECT_EQ(std::tie(s.DialogTitle, s.Filter, s.DefaultExt, s.Flags, s.CancelError),
              std::make_tuple("Save chart as bitmap", "Bitmaps|*.BMP", "BMP", 0x806, true));
  }
  ASSERT_EQ(f.files.written.size(), 2u);
  EXPECT_EQ(f.files.written["/home/u/june.BMP"].background, "setBackground 8454143");
  EXPECT_TRUE(f.messages.shown.empty());
}

}  // namespace
}  // namespace tw::test

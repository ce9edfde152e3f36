#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mock/commands_fixture.h"

namespace tw::test {
namespace {

const std::string kRefusal =
    "Unable to print while this window is maximized.\r\nPlease restore the window and try again.";

TEST(Print, RefusedUnlessTheWindowIsNormalFromMenuAndToolbar) {
  for (int state : {ui::Maximized, ui::Minimized}) {
    for (bool toolbar : {false, true}) {
      SCOPED_TRACE("state " + std::to_string(state) + (toolbar ? " toolbar" : " menu"));
      CommandsFixture f;
      f.load();
      f.window.state = state;
      const int before = f.redraws();
      f.dialog.answers = {ScriptedCommonDialog::confirm()};
      if (toolbar)
        f.form.Toolbar1_ButtonClick("Print");
      else
        f.printSave.FilePrint_Click();
      ASSERT_EQ(f.messages.shown.size(), 1u);
      EXPECT_EQ(f.messages.shown[0].prompt, kRefusal);
      EXPECT_EQ(f.messages.shown[0].style, 48);
      EXPECT_EQ(f.messages.shown[0].title, "Tidewell");
      EXPECT_TRUE(f.dialog.shown.empty());
      EXPECT_TRUE(f.timeline.empty());  // no page, no size change, no print
      EXPECT_EQ(f.redraws(), before);
    }
  }
}

struct PrintCase {
  const char* name;
  double width, height;
  std::vector<std::string> timeline;
  double chartWidth, chartHeight;  // the chart area when its image is taken
  int redraws;                     // during the command
};

// Sizes of the chart area follow from the layout: window width - 350, height - 1775.
const PrintCase kPrintCases[] = {
    {"fits the limits",
     9000,
     7000,
     {"ShowPrinter", "page width 8750", "page height 5625", "copy", "page picture", "window 9000x7000",
      "window 9000x7000", "print", "hide"},
     8650,
     5225,
     4},
    {"larger than both limits",
     14000,
     12000,
     {"ShowPrinter", "window 11500x12000", "window 11500x10000", "page width 11250",
      "page height 8625", "copy", "page picture", "window 14000x10000", "window 14000x12000", "print", "hide"},
     11150,
     8225,
     6},
    {"only too wide",
     12000,
     5000,
     {"ShowPrinter", "window 11500x5000", "page width 11250", "page height 3625", "copy", "page picture",
      "window 12000x5000", "window 12000x5000", "print", "hide"},
     11150,
     3225,
     5},
    {"exactly at the limits",
     11500,
     10000,
     {"ShowPrinter", "page width 11250", "page height 8625", "copy", "page picture", "window 11500x10000",
      "window 11500x10000", "print", "hide"},
     11150,
     8225,
     4},
    {"tallest height that can be kept",
     9000,
     32767,
     {"ShowPrinter", "window 9000x10000", "page width 8750", "page height 8625", "copy", "page picture",
      "window 9000x10000", "window 9000x32767", "print", "hide"},
     8650,
     8225,
     5},
};

TEST(Print, PrintsAWhiteChartAtTheLimitedSizeAndPutsTheWindowBack) {
  for (const auto& c : kPrintCases) {
    SCOPED_TRACE(c.name);
    CommandsFixture f;
    f.store.values["Background colour"] = " 12632256";
    f.load();
    f.window.place(300, 200, c.width, c.height);
    f.dialog.answers = {ScriptedCommonDialog::confirm()};
    const int before = f.redraws();
    const auto backsBefore = f.surface.only("BackColor").size();

    f.printSave.FilePrint_Click();

    EXPECT_EQ(f.timeline, c.timeline);
    ASSERT_EQ(f.dialog.shown.size(), 1u);
    EXPECT_TRUE(f.dialog.shown[0].cancelError);
    EXPECT_EQ(f.dialog.shown[0].flags, 0x100008);
    EXPECT_EQ(f.redraws() - before, c.redraws);

    ASSERT_TRUE(f.page.picture);
    EXPECT_EQ(f.page.picture->background, 0xFFFFFF);
    EXPECT_EQ(f.page.picture->width, c.chartWidth);
    EXPECT_EQ(f.page.picture->height, c.chartHeight);
    EXPECT_EQ(f.page.width(), c.chartWidth + 100);
    EXPECT_EQ(f.page.height(), c.chartHeight + 400);
    EXPECT_FALSE(f.page.shownWhilePrinting);

    // Every redraw before the copy and until the colour comes back is white; the last is not.
    const auto backs = f.surface.only("BackColor");
    for (auto i = backsBefore; i + 1 < backs.size(); ++i)
      EXPECT_EQ(backs[i], "BackColor 16777215") << i;
    EXPECT_EQ(backs.back(), "BackColor 12632256");
    EXPECT_EQ(f.form.ChartOptions.backgroundColour, 12632256);
    EXPECT_EQ(f.window.width(), c.width);
    EXPECT_EQ(f.window.height(), c.height);
    EXPECT_EQ(f.window.left(), 300);
    EXPECT_EQ(f.picture.width(), c.width - 350);
    EXPECT_EQ(f.picture.height(), c.height - 1775);
    EXPECT_TRUE(f.messages.shown.empty());
  }
}

TEST(Print, CancelOrAnUnkeepableHeightOnlyHidesThePage) {
  const struct {
    const char* name;
    double height;
    bool confirm;
  } cases[] = {
      {"cancel", 7000, false},
      {"height rounds to 32768", 32767.5, true},
      {"height far above", 40000, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CommandsFixture f;
    f.load();
    f.window.place(300, 200, 9000, c.height);
    f.dialog.answers = {c.confirm ? ScriptedCommonDialog::confirm()
                                  : ScriptedCommonDialog::cancel()};
    const int before = f.redraws();
    f.printSave.FilePrint_Click();
    EXPECT_EQ(f.timeline, (std::vector<std::string>{"ShowPrinter", "hide"}));
    EXPECT_EQ(f.redraws(), before);
    EXPECT_EQ(f.window.height(), c.height);
    EXPECT_EQ(f.form.ChartOptions.backgroundColour, ChartOptionsRecord{}.backgroundColour);
    EXPECT_TRUE(f.messages.shown.empty());
  }
}

TEST(Print, APrinterFailureStillLeavesTheWindowRestoredAndThePageHidden) {
  CommandsFixture f;
  f.load();
  f.window.place(300, 200, 14000, 12000);
  f.page.printerWorks = false;
  f.dialog.answers = {ScriptedCommonDialog::confirm()};
  f.printSave.FilePrint_Click();
  EXPECT_EQ(f.timeline.back(), "hide");
  EXPECT_EQ(f.window.width(), 14000);
  EXPECT_EQ(f.window.height(), 12000);
  EXPECT_EQ(f.surface.only("BackColor").back(), "BackColor -2147483633");
  EXPECT_TRUE(f.messages.shown.empty());
}

TEST(Print, ThePrintDialogDoesNotDisturbTheSavePresets) {
  CommandsFixture f;
  f.load();
  f.dialog.answers = {ScriptedCommonDialog::cancel(), ScriptedCommonDialog::cancel()};
  f.printSave.FilePrint_Click();
  f.printSave.FileSaveBMP_Click();
  ASSERT_EQ(f.dialog.shown.size(), 2u);
  EXPECT_EQ(f.dialog.shown[1].fileName, "Tidewell");
  EXPECT_EQ(f.dialog.shown[1].flags, 0x806);
}

}  // namespace
}  // namespace tw::test

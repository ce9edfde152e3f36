#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mock/commands_fixture.h"

namespace tw::test {
namespace {

TEST(SaveBitmap, OffersThePresetsThenTheNameChosenLast) {
  CommandsFixture f;
  f.load();
  f.dialog.answers = {ScriptedCommonDialog::file("/home/u/charts/june.BMP"),
                      ScriptedCommonDialog::cancel(),
                      ScriptedCommonDialog::file("/home/u/charts/july.BMP")};
  f.printSave.FileSaveBMP_Click();
  f.printSave.FileSaveBMP_Click();
  f.printSave.FileSaveBMP_Click();

  const std::vector<std::string> offered = {"Tidewell", "/home/u/charts/june.BMP",
                                            "/home/u/charts/june.BMP"};
  ASSERT_EQ(f.dialog.shown.size(), offered.size());
  for (std::size_t i = 0; i < offered.size(); ++i) {
    const auto& s = f.dialog.shown[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(s.kind, "ShowSave");
    EXPECT_EQ(s.fileName, offered[i]);
    EXPECT_EQ(s.title, "Save chart as bitmap");
    EXPECT_EQ(s.filter, "Bitmaps|*.BMP");
    EXPECT_EQ(s.defaultExt, "BMP");
    EXPECT_EQ(s.flags, 0x806);
    EXPECT_TRUE(s.cancelError);
  }
  EXPECT_EQ(f.timeline, (std::vector<std::string>{
                            "ShowSave", "copy", "save /home/u/charts/june.BMP", "ShowSave",
                            "ShowSave", "copy", "save /home/u/charts/july.BMP"}));
}

TEST(SaveBitmap, WritesTheChartAsShownThenRedrawsOnlyAfterASuccess) {
  const struct {
    const char* name;
    bool confirm;
    bool writable;
    bool written;
    int redraws;
  } cases[] = {
      {"saved", true, true, true, 1},
      {"cancelled", false, true, false, 0},
      {"folder not writable", true, false, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CommandsFixture f;
    f.store.values["Background colour"] = " 8454143";  // a pale yellow
    f.load();
    f.files.writable = c.writable;
    f.dialog.answers = {c.confirm ? ScriptedCommonDialog::file("/tmp/t/chart.BMP")
                                  : ScriptedCommonDialog::cancel()};
    const int before = f.redraws();
    f.printSave.FileSaveBMP_Click();
    EXPECT_EQ(f.redraws() - before, c.redraws);
    EXPECT_EQ(f.files.files.count("/tmp/t/chart.BMP"), c.written ? 1u : 0u);
    EXPECT_TRUE(f.messages.shown.empty());
    if (c.written) {
      const auto& saved = f.files.files.at("/tmp/t/chart.BMP");
      EXPECT_EQ(saved.background, 8454143);  // its own colour, not the print's white
      EXPECT_EQ(saved.width, f.picture.width());
      EXPECT_EQ(saved.height, f.picture.height());
    }
  }
}

}  // namespace
}  // namespace tw::test

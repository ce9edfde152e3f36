#include <gtest/gtest.h>

#include <string>

#include "commands/display_settings.h"
#include "mock/commands_fixture.h"

namespace tw::test {
namespace {

struct ColourCommand {
  const char* key;
  void (DisplaySettings::*run)();
  Colour ChartOptionsRecord::*field;
  Colour stored;  // what the store starts with
};

const ColourCommand kColours[] = {
    {"Physical colour", &DisplaySettings::MenuSettingPhysicalColour_Click,
     &ChartOptionsRecord::physicalColour, 0x102030},
    {"Emotional colour", &DisplaySettings::MenuSettingEmotionalColour_Click,
     &ChartOptionsRecord::emotionalColour, 0x405060},
    {"Intellectual colour", &DisplaySettings::MenuSettingIntellectualColour_Click,
     &ChartOptionsRecord::intellectualColour, 0x708090},
    {"Average colour", &DisplaySettings::MenuSettingAverageColour_Click,
     &ChartOptionsRecord::averageColour, 0xA0B0C0},
    // The button face: the dialog is handed the system colour itself.
    {"Background colour", &DisplaySettings::MenuSettingBackgroundColour_Click,
     &ChartOptionsRecord::backgroundColour, static_cast<Colour>(0x8000000FU)},
};

TEST(ColourCommands, CancelKeepsTheColourAndConfirmTakesTheChoice) {
  for (const auto& c : kColours) {
    SCOPED_TRACE(c.key);
    CommandsFixture f;
    f.store.values[c.key] = std::to_string(c.stored);
    f.load();
    // Flags left by an earlier save stay as they are; Cancel must not count as a choice.
    f.dialog.Flags = 0x806;
    f.dialog.CancelError = false;
    const int before = f.redraws();

    f.dialog.answers = {ScriptedCommonDialog::cancel()};
    (f.settings.*c.run)();
    ASSERT_EQ(f.dialog.shown.size(), 1u);
    EXPECT_EQ(f.dialog.shown[0].kind, "ShowColor");
    EXPECT_TRUE(f.dialog.shown[0].cancelError);
    EXPECT_EQ(f.dialog.shown[0].flags, 0x806);
    EXPECT_EQ(f.dialog.shown[0].color, c.stored);  // opens on the current colour
    EXPECT_EQ(f.form.ChartOptions.*c.field, c.stored);
    EXPECT_EQ(f.redraws(), before);
    EXPECT_TRUE(f.messages.shown.empty());

    f.dialog.answers = {ScriptedCommonDialog::colour(0x00336699)};
    (f.settings.*c.run)();
    EXPECT_EQ(f.dialog.shown[1].color, c.stored);
    EXPECT_EQ(f.form.ChartOptions.*c.field, 0x00336699);
    EXPECT_EQ(f.redraws(), before + 1);

    // The next opening starts from the new colour, and the store gets it at shut-down.
    f.dialog.answers = {ScriptedCommonDialog::cancel()};
    (f.settings.*c.run)();
    EXPECT_EQ(f.dialog.shown[2].color, 0x00336699);
    int cancel = 0;
    f.form.Form_Unload(cancel);
    EXPECT_EQ(f.store.values[c.key], " 3368601");

    // Only this colour changed.
    for (const auto& other : kColours) {
      if (other.field == c.field) continue;
      EXPECT_EQ(f.form.ChartOptions.*other.field, ChartOptionsRecord{}.*other.field);
    }
  }
}

TEST(ColourCommands, ResetBringsBackTheDefaultsAndTheButtonFace) {
  for (bool customised : {true, false}) {
    SCOPED_TRACE(customised ? "custom colours" : "already at defaults");
    CommandsFixture f;
    if (customised)
      for (const auto& c : kColours) f.store.values[c.key] = "123456";
    f.store.values["Week separators"] = "-1";
    f.store.values["Age format"] = " 2";
    f.load();
    const int before = f.redraws();

    f.settings.MenuSettingResetColours_Click();

    const auto& o = f.form.ChartOptions;
    EXPECT_EQ(static_cast<std::uint32_t>(o.backgroundColour), 0x8000000FU);
    EXPECT_EQ(o.physicalColour, 255);
    EXPECT_EQ(o.emotionalColour, 65280);
    EXPECT_EQ(o.intellectualColour, 16711680);
    EXPECT_EQ(o.averageColour, 65535);
    EXPECT_EQ(f.redraws(), before + 1);
    EXPECT_TRUE(f.dialog.shown.empty());
    // Other options and their marks stay.
    EXPECT_TRUE(o.weekSeparators);
    EXPECT_TRUE(f.weekSep.checked);
    EXPECT_TRUE(f.years.checked);

    int cancel = 0;
    f.form.Form_Unload(cancel);
    EXPECT_EQ(f.store.values["Background colour"], "-2147483633");
    EXPECT_EQ(f.store.values["Physical colour"], " 255");
  }
}

TEST(ColourCommands, CancelledBackgroundKeepsTheButtonFaceUntilAColourIsPicked) {
  CommandsFixture f;
  f.load();
  f.dialog.answers = {ScriptedCommonDialog::cancel(), ScriptedCommonDialog::colour(0x00C0FFEE)};
  f.settings.MenuSettingBackgroundColour_Click();
  EXPECT_EQ(static_cast<std::uint32_t>(f.form.ChartOptions.backgroundColour), 0x8000000FU);
  f.settings.MenuSettingBackgroundColour_Click();
  EXPECT_EQ(f.form.ChartOptions.backgroundColour, 0x00C0FFEE);
  // The redraw paints the chart in the new colour.
  EXPECT_EQ(f.surface.only("BackColor").back(), "BackColor " + std::to_string(0x00C0FFEE));
  f.settings.MenuSettingResetColours_Click();
  EXPECT_EQ(f.surface.only("BackColor").back(), "BackColor -2147483633");
}

}  // namespace
}  // namespace tw::test

#include "commands/display_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "mock/form1_fixture.h"

namespace tw::test {
namespace {

using Command = void (DisplaySettings::*)();
using D = DisplaySettings;
using O = ChartOptionsRecord;

void expectMarksMirrorOptions(Form1Fixture& f) {
  const auto& o = f.form.ChartOptions;
  EXPECT_EQ((std::vector<bool>{f.bio.checked, f.comp.checked, f.dt2.isVisible(), f.command2.isVisible(),
                               f.days.checked, f.weeks.checked, f.years.checked, f.phy.checked,
                               f.emo.checked, f.intl.checked, f.ave.checked, f.weekSep.checked,
                               f.todayMark.checked}),
            (std::vector<bool>{o.chartType == 0, o.chartType == 1, o.chartType == 1, o.chartType == 1,
                               o.ageFormat == 0, o.ageFormat == 1, o.ageFormat == 2, o.showPhysical,
                               o.showEmotional, o.showIntellectual, o.showAverage, o.weekSeparators,
                               o.todayMarker}));
}

TEST(DisplaySettings, EveryCommandKeepsTheMarksInStepAndRedrawsOnce) {
  const Command all[] = {&D::MenuChartTypeBio_Click, &D::MenuChartTypeComp_Click,
                         &D::MenuAgeDays_Click, &D::MenuAgeWeeks_Click, &D::MenuAgeYears_Click,
                         &D::MenuSettingWeekSeparators_Click, &D::MenuSettingTodayMarker_Click,
                         &D::MenuShowPhy_Click, &D::MenuShowEmo_Click, &D::MenuShowInt_Click,
                         &D::MenuShowAve_Click, &D::MenuSettingPhysicalColour_Click,
                         &D::MenuSettingEmotionalColour_Click,
                         &D::MenuSettingIntellectualColour_Click,
                         &D::MenuSettingAverageColour_Click,
                         &D::MenuSettingBackgroundColour_Click, &D::MenuSettingResetColours_Click};
  // Start away from every default so each command has something to change.
  for (std::size_t i = 0; i < std::size(all); ++i) {
    SCOPED_TRACE(i);
    Form1Fixture f;
    f.store.values = {{"Chart type", " 1"}, {"Age format", " 2"}, {"Background colour", " 7"}};
    f.load();
    f.dialog.answers = {{true, 0x123456, ""}};
    const int before = f.redraws();
    (f.settings.*all[i])();
    EXPECT_EQ(f.redraws(), before + 1);
    EXPECT_TRUE(f.messages.shown.empty());
    expectMarksMirrorOptions(f);
  }
  Form1Fixture f;  // a choice already made stays the only tick
  f.load();
  f.settings.MenuAgeWeeks_Click();
  f.settings.MenuAgeWeeks_Click();
  EXPECT_EQ(f.form.ChartOptions.ageFormat, 1);
  expectMarksMirrorOptions(f);
}

TEST(DisplaySettings, ComparisonChartRefusesAChartDateBeforeTheSecondBirthdayOnly) {
  const Date birthday2 = fromYmd(2027, 3, 1);
  for (int offset : {-400, -1, 0, 1}) {
    SCOPED_TRACE(offset);
    Form1Fixture f;
    f.load();
    f.form.birthdate = birthday2 + 1000;  // later than every chart date here: not examined
    f.form.birthdate2 = birthday2;
    f.form.chartdate = birthday2 + offset;
    int redrawsAtMessage = -1;
    f.messages.onShow = [&] { redrawsAtMessage = f.dt2.isVisible() ? f.redraws() : -2; };
    const int before = f.redraws();
    f.settings.MenuChartTypeComp_Click();
    EXPECT_EQ(f.redraws(), before + 1);
    if (offset < 0) {
      ASSERT_EQ(f.messages.shown.size(), 1u);
      EXPECT_NE(f.messages.shown[0].prompt.find("Setting chart date to 1/3/2027."),
                std::string::npos);
      EXPECT_EQ(redrawsAtMessage, before);  // shown after the controls, before the chart
      EXPECT_EQ(f.dt3.value(), birthday2);
    }
    EXPECT_EQ(f.messages.shown.size(), offset < 0 ? 1u : 0u);
    EXPECT_EQ(f.form.chartdate, offset < 0 ? birthday2 : birthday2 + offset);

    f.settings.MenuChartTypeBio_Click();  // hides Birthday 2; the moved date stays
    EXPECT_FALSE(f.dt2.isVisible());
    EXPECT_FALSE(f.command2.isVisible());
    EXPECT_EQ(f.form.chartdate, offset < 0 ? birthday2 : birthday2 + offset);
  }
}

TEST(DisplaySettings, TogglesFromAStoredOneSwitchOffAndAreStoredAsBooleans) {
  const struct { const char* key; Command run; bool O::*field; FakeMenuItem Form1Fixture::*mark; } toggles[] = {
      {"Physical", &D::MenuShowPhy_Click, &O::showPhysical, &Form1Fixture::phy},
      {"Emotional", &D::MenuShowEmo_Click, &O::showEmotional, &Form1Fixture::emo},
      {"Intellectual", &D::MenuShowInt_Click, &O::showIntellectual, &Form1Fixture::intl},
      {"Average", &D::MenuShowAve_Click, &O::showAverage, &Form1Fixture::ave},
      {"Week separators", &D::MenuSettingWeekSeparators_Click, &O::weekSeparators,
       &Form1Fixture::weekSep},
      {"Today marker", &D::MenuSettingTodayMarker_Click, &O::todayMarker,
       &Form1Fixture::todayMark},
  };
  for (const auto& t : toggles) {
    SCOPED_TRACE(t.key);
    Form1Fixture f;
    f.store.values[t.key] = "1";  // read as True
    f.load();
    (f.settings.*t.run)();
    EXPECT_FALSE(f.form.ChartOptions.*t.field);
    EXPECT_FALSE((f.*t.mark).checked);
    int cancel = 0;
    f.form.Form_Unload(cancel);
    EXPECT_EQ(f.store.values[t.key], "0");
    (f.settings.*t.run)();
    EXPECT_TRUE(f.form.ChartOptions.*t.field);
    EXPECT_TRUE((f.*t.mark).checked);
  }
}

TEST(DisplaySettings, ColourDialogCancelChangesNothingAndConfirmTakesTheChoice) {
  const struct { Command run; Colour O::*field; } colours[] = {{&D::MenuSettingPhysicalColour_Click, &O::physicalColour},
                 {&D::MenuSettingEmotionalColour_Click, &O::emotionalColour},
                 {&D::MenuSettingIntellectualColour_Click, &O::intellectualColour},
                 {&D::MenuSettingAverageColour_Click, &O::averageColour},
                 {&D::MenuSettingBackgroundColour_Click, &O::backgroundColour}};
  for (const auto& c : colours) {
    Form1Fixture f;
    f.load();
    const Colour start = f.form.ChartOptions.*c.field;
    f.dialog.Flags = 0x806;  // left by a save; the colour commands set none of their own
    const int before = f.redraws();
    f.dialog.answers = {{false, 0x111111, ""}, {true, 0x336699, ""}};
    (f.settings.*c.run)();
    EXPECT_EQ(f.form.ChartOptions.*c.field, start);
    EXPECT_EQ(f.redraws(), before);
    (f.settings.*c.run)();
    EXPECT_EQ(f.form.ChartOptions.*c.field, 0x336699);
    EXPECT_EQ(f.redraws(), before + 1);
    for (const auto& s : f.dialog.shown) {
      EXPECT_EQ(s.kind, "ShowColor");
      EXPECT_TRUE(s.settings.CancelError);
      EXPECT_EQ(s.settings.Flags, 0x806);
      EXPECT_EQ(s.settings.Color, start);  // opens on the current colour, button face included
    }
  }
}

TEST(DisplaySettings, ResetBringsBackTheDefaultColoursWithTheButtonFace) {
  Form1Fixture f;
  f.store.values = {{"Background colour", " 1"}, {"Physical colour", " 2"},
                    {"Emotional colour", " 3"},  {"Intellectual colour", " 4"},
                    {"Average colour", " 5"},    {"Week separators", "-1"}};
  f.load();
  f.settings.MenuSettingResetColours_Click();
  const auto& o = f.form.ChartOptions;
  EXPECT_EQ(static_cast<std::uint32_t>(o.backgroundColour), 0x8000000FU);
  EXPECT_EQ(o.physicalColour, 255);
  EXPECT_EQ(o.emotionalColour, 65280);
  EXPECT_EQ(o.intellectualColour, 16711680);
  EXPECT_EQ(o.averageColour, 65535);
  EXPECT_TRUE(f.weekSep.checked && o.weekSeparators);
  EXPECT_EQ(f.surface.only("BackColor").back(), "BackColor -2147483633");
}

}  // namespace
}  // namespace tw::test

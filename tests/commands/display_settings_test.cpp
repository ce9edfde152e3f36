#include "commands/display_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "mock/form1_fixture.h"

namespace tw::test {
namespace {

using Command = void (DisplaySettings::*)();
using D = DisplaySettings;
using O = ChartOptionsRecord;

void expectMarksMirrorOptions(Form1Fixture& f) {
  const auto& o = f.form.ChartOptions;
  EXPECT_EQ((std::vector<bool>{f.bio.checked, f.comp.checked, f.dt2.isVisible(), f.command2.isVisible(),
                               f.days.checked, f.weeks.checked, f.years.checked, f.phy.checked, f.emo.checked,
                               f.intl.checked, f.ave.checked, f.weekSep.checked, f.todayMark.checked}),
            (std::vector<bool>{o.chartType == 0, o.chartType == 1, o.chartType == 1, o.chartType == 1,
                               o.ageFormat == 0, o.ageFormat == 1, o.ageFormat == 2, o.showPhysical, o.showEmotional,
                               o.showIntellectual, o.showAverage, o.weekSeparators, o.todayMarker}));
}

TEST(DisplaySettings, EveryCommandKeepsTheMarksInStepAndRedrawsOnce) {
  const Command all[] = {
      &D::MenuChartTypeBio_Click, &D::MenuChartTypeComp_Click, &D::MenuAgeDays_Click, &D::MenuAgeWeeks_Click,
      &D::MenuAgeYears_Click, &D::MenuSettingWeekSeparators_Click, &D::MenuSettingTodayMarker_Click,
      &D::MenuShowPhy_Click, &D::MenuShowEmo_Click, &D::MenuShowInt_Click, &D::MenuShowAve_Click,
      &D::MenuSettingPhysicalColour_Click, &D::MenuSettingEmotionalColour_Click,
      &D::MenuSettingIntellectualColour_Click, &D::MenuSettingAverageColour_Click,
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
    f.form.birthdate2 = birthday2, f.form.chartdate = birthday2 + offset;
    int redrawsAtMessage = -1;
    f.messages.onShow = [&] { redrawsAtMessage = f.dt2.isVisible() ? f.redraws() : -2; };
    const int before = f.redraws();
    f.settings.MenuChartTypeComp_Click();
    EXPECT_EQ(f.redraws(), before + 1);
    ASSERT_EQ(f.messages.shown.size(), offset < 0 ? 1u : 0u);
    if (offset < 0) {
      EXPECT_NE(f.messages.shown[0].prompt.find("Setting chart date to 1/3/2027."), std::string::npos);
      EXPECT_EQ(redrawsAtMessage, before);  // shown after the controls, before the chart
      EXPECT_EQ(f.dt3.value(), birthday2);
    }
    EXPECT_EQ(f.form.chartdate, offset < 0 ? birthday2 : birthday2 + offset);

    f.settings.MenuChartTypeBio_Click();  // hides Birthday 2; the moved date stays
    EXPECT_FALSE(f.dt2.isVisible() || f.command2.isVisible());
    EXPECT_EQ(f.form.chartdate, offset < 0 ? birthday2 : birthday2 + offset);
  }
}

TEST(DisplaySettings, TogglesFromAStoredOneSwitchOffAndAreStoredAsBooleans) {
  const struct { const char* key; Command run; bool O::*field; } toggles[] = {
      {"Physical", &D::MenuShowPhy_Click, &O::showPhysical}, {"Emotional", &D::MenuShowEmo_Click, &O::showEmotional},
      {"Intellectual", &D::MenuShowInt_Click, &O::showIntellectual}, {"Average", &D::MenuShowAve_Click, &O::showAverage},
      {"Week separators", &D::MenuSettingWeekSeparators_Click, &O::weekSeparators},
      {"Today marker", &D::MenuSettingTodayMarker_Click, &O::todayMarker},
  };
  for (const auto& t : toggles) {
    SCOPED_TRACE(t.key);
    Form1Fixture f;
    f.store.values[t.key] = "1";  // read as True
    f.load();
    (f.settings.*t.run)();
    EXPECT_FALSE(f.form.ChartOptions.*t.field);
    int cancel = 0;
    f.form.Form_Unload(cancel);
    EXPECT_EQ(f.store.values[t.key], "0");
    (f.settings.*t.run)();
    EXPECT_TRUE(f.form.ChartOptions.*t.field);
  }
}

TEST(DisplaySettings, ColourDialogCancelChangesNothingConfirmTakesTheChoiceAndResetBringsTheDefaults) {
  const struct { Command run; Colour O::*field; Colour byDefault; } colours[] = {
      {&D::MenuSettingPhysicalColour_Click, &O::physicalColour, 255},
      {&D::MenuSettingEmotionalColour_Click, &O::emotionalColour, 65280},
      {&D::MenuSettingIntellectualColour_Click, &O::intellectualColour, 16711680},
      {&D::MenuSettingAverageColour_Click, &O::averageColour, 65535},
      {&D::MenuSettingBackgroundColour_Click, &O::backgroundColour, kButtonFace}};
  for (const auto& c : colours) {
    SCOPED_TRACE(c.byDefault);
    Form1Fixture f;
    f.store.values = {{"Background colour", " 1"}, {"Physical colour", " 2"}, {"Emotional colour", " 3"},
                      {"Intellectual colour", " 4"}, {"Average colour", " 5"}, {"Week separators", "-1"}};
    f.load();
    const Colour start = f.form.ChartOptions.*c.field;
    f.dialog.Flags = 0x806;  // left by a save; the colour commands set none of their own
    const int before = f.redraws();
    f.dialog.answers = {{false, 0x111111, ""}, {true, 0x336699, ""}};
    (f.settings.*c.run)();
    EXPECT_TRUE(f.form.ChartOptions.*c.field == start && f.redraws() == before);
    (f.settings.*c.run)();
    EXPECT_TRUE(f.form.ChartOptions.*c.field == 0x336699 && f.redraws() == before + 1);
    for (const auto& s : f.dialog.shown)  // opens on the current colour
      EXPECT_EQ(std::tie(s.kind, s.settings.CancelError, s.settings.Flags, s.settings.Color),
                std::make_tuple("ShowColor", true, 0x806, start));
    f.settings.MenuSettingResetColours_Click();
    EXPECT_EQ(f.form.ChartOptions.*c.field, c.byDefault);
    EXPECT_TRUE(f.weekSep.checked && f.form.ChartOptions.weekSeparators);
  }
}

}  // namespace
}  // namespace tw::test

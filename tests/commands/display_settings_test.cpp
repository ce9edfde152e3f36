#include "commands/display_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "mock/main_window_fixture.h"

namespace tw::test {
namespace {

using Command = void (DisplaySettings::*)();
using D = DisplaySettings;
using O = ChartOptions;

void expectMarksMirrorOptions(MainWindowFixture& f) {
  const auto& o = f.main.state().options;
  const bool bio = o.chartType == ChartType::Biorhythm, comp = o.chartType == ChartType::Comparison;
  EXPECT_EQ((std::vector<bool>{f.bio.checked, f.comp.checked, f.birthday2Picker.isVisible(), f.birthday2Button.isVisible(),
                               f.days.checked, f.weeks.checked, f.years.checked, f.phy.checked, f.emo.checked,
                               f.intl.checked, f.ave.checked, f.weekSep.checked, f.todayMark.checked}),
            (std::vector<bool>{bio, comp, comp, comp, o.ageUnit == AgeUnit::Days, o.ageUnit == AgeUnit::Weeks,
                               o.ageUnit == AgeUnit::Years, o.showPhysical, o.showEmotional,
                               o.showIntellectual, o.showAverage, o.weekSeparators, o.todayMarker}));
}

TEST(DisplaySettings, EveryCommandKeepsTheMarksInStepAndRedrawsOnce) {
  const Command all[] = {
      &D::showBiorhythmChart, &D::showComparisonChart, &D::showAgeInDays, &D::showAgeInWeeks,
      &D::showAgeInYears, &D::toggleWeekSeparators, &D::toggleTodayMarker,
      &D::togglePhysicalCurve, &D::toggleEmotionalCurve, &D::toggleIntellectualCurve, &D::toggleAverageCurve,
      &D::choosePhysicalColour, &D::chooseEmotionalColour,
      &D::chooseIntellectualColour, &D::chooseAverageColour,
      &D::chooseBackgroundColour, &D::resetColours};
  // Start away from every default so each command has something to change.
  for (std::size_t i = 0; i < std::size(all); ++i) {
    SCOPED_TRACE(i);
    MainWindowFixture f;
    f.store.values = {{"Chart type", " 1"}, {"Age format", " 2"}, {"Background colour", " 7"}};
    f.load();
    f.dialog.answers = {{true, 0x123456, ""}};
    const int before = f.redraws();
    (f.settings.*all[i])();
    EXPECT_EQ(f.redraws(), before + 1);
    EXPECT_TRUE(f.messages.shown.empty());
    expectMarksMirrorOptions(f);
  }
  MainWindowFixture f;  // a choice already made stays the only tick
  f.load();
  f.settings.showAgeInWeeks();
  f.settings.showAgeInWeeks();
  EXPECT_EQ(f.main.state().options.ageUnit, AgeUnit::Weeks);
  expectMarksMirrorOptions(f);
}

TEST(DisplaySettings, ComparisonChartRefusesAChartDateBeforeTheSecondBirthdayOnly) {
  const Date birthday2 = fromYmd(2027, 3, 1);
  for (int offset : {-400, -1, 0, 1}) {
    SCOPED_TRACE(offset);
    MainWindowFixture f;
    // The first birthday is later than every chart date here: it is not examined.
    f.startWith(birthday2 + 1000, birthday2, birthday2 + offset);
    int redrawsAtMessage = -1;
    f.messages.onShow = [&] { redrawsAtMessage = f.birthday2Picker.isVisible() ? f.redraws() : -2; };
    const int before = f.redraws();
    f.settings.showComparisonChart();
    EXPECT_EQ(f.redraws(), before + 1);
    ASSERT_EQ(f.messages.shown.size(), offset < 0 ? 1u : 0u);
    if (offset < 0) {
      EXPECT_NE(f.messages.shown[0].text.find("Setting chart date to 1/3/2027."), std::string::npos);
      EXPECT_EQ(redrawsAtMessage, before);  // shown after the controls, before the chart
      EXPECT_EQ(f.chartDatePicker.value(), birthday2);
    }
    EXPECT_EQ(f.main.state().chartDate, offset < 0 ? birthday2 : birthday2 + offset);

    f.settings.showBiorhythmChart();  // hides Birthday 2; the moved date stays
    EXPECT_FALSE(f.birthday2Picker.isVisible());
    EXPECT_FALSE(f.birthday2Button.isVisible());
    EXPECT_EQ(f.main.state().chartDate, offset < 0 ? birthday2 : birthday2 + offset);
  }
}

TEST(DisplaySettings, TogglesFromAStoredOneSwitchOffAndAreStoredAsBooleans) {
  const struct { const char* key; Command run; bool O::*field; } toggles[] = {
      {"Physical", &D::togglePhysicalCurve, &O::showPhysical}, {"Emotional", &D::toggleEmotionalCurve, &O::showEmotional},
      {"Intellectual", &D::toggleIntellectualCurve, &O::showIntellectual}, {"Average", &D::toggleAverageCurve, &O::showAverage},
      {"Week separators", &D::toggleWeekSeparators, &O::weekSeparators},
      {"Today marker", &D::toggleTodayMarker, &O::todayMarker},
  };
  for (const auto& t : toggles) {
    SCOPED_TRACE(t.key);
    MainWindowFixture f;
    f.store.values[t.key] = "1";  // read as True
    f.load();
    (f.settings.*t.run)();
    EXPECT_FALSE(f.main.state().options.*t.field);
    f.main.saveAndClose();
    EXPECT_EQ(f.store.values[t.key], "0");
    (f.settings.*t.run)();
    EXPECT_TRUE(f.main.state().options.*t.field);
  }
}

TEST(DisplaySettings, ColourDialogCancelChangesNothingConfirmTakesTheChoiceAndResetBringsTheDefaults) {
  const struct { Command run; Colour O::*field; Colour byDefault; } colours[] = {
      {&D::choosePhysicalColour, &O::physicalColour, 255},
      {&D::chooseEmotionalColour, &O::emotionalColour, 65280},
      {&D::chooseIntellectualColour, &O::intellectualColour, 16711680},
      {&D::chooseAverageColour, &O::averageColour, 65535},
      {&D::chooseBackgroundColour, &O::backgroundColour, kButtonFace}};
  for (const auto& c : colours) {
    SCOPED_TRACE(c.byDefault);
    MainWindowFixture f;
    f.store.values = {{"Background colour", " 1"}, {"Physical colour", " 2"}, {"Emotional colour", " 3"},
                      {"Intellectual colour", " 4"}, {"Average colour", " 5"}, {"Week separators", "-1"}};
    f.load();
    const ChartOptions& o = f.main.state().options;
    const Colour start = o.*c.field;
    const int before = f.redraws();
    f.dialog.answers = {{false, 0x111111, ""}, {true, 0x336699, ""}};
    (f.settings.*c.run)();
    EXPECT_EQ(o.*c.field, start);
    EXPECT_EQ(f.redraws(), before);
    (f.settings.*c.run)();
    EXPECT_EQ(o.*c.field, 0x336699);
    EXPECT_EQ(f.redraws(), before + 1);
    for (const auto& s : f.dialog.shown) {  // opens on the current colour
      EXPECT_EQ(s.kind, "chooseColour");
      EXPECT_EQ(s.colour, start);
    }
    f.settings.resetColours();
    EXPECT_EQ(o.*c.field, c.byDefault);
    EXPECT_TRUE(f.weekSep.checked);
    EXPECT_TRUE(o.weekSeparators);
  }
}

}  // namespace
}  // namespace tw::test

#include "commands/display_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "mock/commands_fixture.h"

namespace tw::test {
namespace {

using Command = void (DisplaySettings::*)();

// Each check mark against the option it mirrors, and the second-birthday controls.
void expectMirrors(CommandsFixture& f) {
  const auto& o = f.form.ChartOptions;
  EXPECT_EQ(f.bio.checked, o.chartType == 0);
  EXPECT_EQ(f.comp.checked, o.chartType == 1);
  EXPECT_EQ(f.dt2.isVisible(), o.chartType == 1);
  EXPECT_EQ(f.command2.isVisible(), o.chartType == 1);
  EXPECT_EQ(f.days.checked, o.ageFormat == 0);
  EXPECT_EQ(f.weeks.checked, o.ageFormat == 1);
  EXPECT_EQ(f.years.checked, o.ageFormat == 2);
  EXPECT_EQ(f.phy.checked, o.showPhysical);
  EXPECT_EQ(f.emo.checked, o.showEmotional);
  EXPECT_EQ(f.intl.checked, o.showIntellectual);
  EXPECT_EQ(f.ave.checked, o.showAverage);
  EXPECT_EQ(f.weekSep.checked, o.weekSeparators);
  EXPECT_EQ(f.todayMark.checked, o.todayMarker);
}

struct AnyCommand {
  const char* name;
  Command run;
};

const AnyCommand kAll[] = {
    {"MenuChartTypeBio", &DisplaySettings::MenuChartTypeBio_Click},
    {"MenuChartTypeComp", &DisplaySettings::MenuChartTypeComp_Click},
    {"MenuAgeDays", &DisplaySettings::MenuAgeDays_Click},
    {"MenuAgeWeeks", &DisplaySettings::MenuAgeWeeks_Click},
    {"MenuAgeYears", &DisplaySettings::MenuAgeYears_Click},
    {"MenuSettingWeekSeparators", &DisplaySettings::MenuSettingWeekSeparators_Click},
    {"MenuSettingTodayMarker", &DisplaySettings::MenuSettingTodayMarker_Click},
    {"MenuShowPhy", &DisplaySettings::MenuShowPhy_Click},
    {"MenuShowEmo", &DisplaySettings::MenuShowEmo_Click},
    {"MenuShowInt", &DisplaySettings::MenuShowInt_Click},
    {"MenuShowAve", &DisplaySettings::MenuShowAve_Click},
    {"MenuSettingPhysicalColour", &DisplaySettings::MenuSettingPhysicalColour_Click},
    {"MenuSettingEmotionalColour", &DisplaySettings::MenuSettingEmotionalColour_Click},
    {"MenuSettingIntellectualColour", &DisplaySettings::MenuSettingIntellectualColour_Click},
    {"MenuSettingAverageColour", &DisplaySettings::MenuSettingAverageColour_Click},
    {"MenuSettingBackgroundColour", &DisplaySettings::MenuSettingBackgroundColour_Click},
    {"MenuSettingResetColours", &DisplaySettings::MenuSettingResetColours_Click},
};

TEST(DisplaySettings, EveryCommandRedrawsOnceAndKeepsTheMarksInStep) {
  for (const auto& c : kAll) {
    SCOPED_TRACE(c.name);
    CommandsFixture f;
    f.store.values["Chart type"] = " 1";  // so the switch to the biorhythm chart changes things
    f.load();
    f.dialog.answers.push_back(ScriptedCommonDialog::colour(0x123456));
    const int before = f.redraws();
    (f.settings.*c.run)();
    EXPECT_EQ(f.redraws(), before + 1);
    EXPECT_TRUE(f.messages.shown.empty());
    expectMirrors(f);
  }
}

TEST(DisplaySettings, AgeFormatTicksOnlyTheChosenUnitWhateverWasSetBefore) {
  const struct {
    Command run;
    std::int16_t format;
  } units[] = {{&DisplaySettings::MenuAgeDays_Click, 0},
               {&DisplaySettings::MenuAgeWeeks_Click, 1},
               {&DisplaySettings::MenuAgeYears_Click, 2}};
  for (const char* stored : {" 0", " 1", " 2"}) {
    for (const auto& u : units) {
      SCOPED_TRACE(std::string("stored") + stored + " chosen " + std::to_string(u.format));
      CommandsFixture f;
      f.store.values["Age format"] = stored;
      f.load();
      (f.settings.*u.run)();
      EXPECT_EQ(f.form.ChartOptions.ageFormat, u.format);
      EXPECT_EQ(f.days.checked, u.format == 0);
      EXPECT_EQ(f.weeks.checked, u.format == 1);
      EXPECT_EQ(f.years.checked, u.format == 2);
    }
  }
}

TEST(DisplaySettings, WeeksChosenTwiceStaysTheOnlyTickAndRedrawsEachTime) {
  CommandsFixture f;
  f.load();
  const int before = f.redraws();
  f.settings.MenuAgeWeeks_Click();
  f.settings.MenuAgeWeeks_Click();
  EXPECT_EQ(f.redraws(), before + 2);
  EXPECT_FALSE(f.days.checked);
  EXPECT_TRUE(f.weeks.checked);
  EXPECT_FALSE(f.years.checked);
}

TEST(DisplaySettings, ComparisonChartChecksTheChartDateAgainstTheSecondBirthdayOnly) {
  const Date birthday2 = fromYmd(2027, 3, 1);
  const struct {
    const char* name;
    Date chartdate;
    bool refused;
  } cases[] = {
      {"day before", birthday2 - 1, true},
      {"long before", birthday2 - 400, true},
      {"on the birthday", birthday2, false},
      {"day after", birthday2 + 1, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CommandsFixture f;
    f.load();
    // The first birthday lies after every chart date here: it must not be examined.
    f.form.birthdate = birthday2 + 1000;
    f.form.birthdate2 = birthday2;
    f.form.chartdate = c.chartdate;
    const int before = f.redraws();
    int redrawsAtMessage = -1;
    bool controlsShownAtMessage = false;
    f.messages.onShow = [&] {
      redrawsAtMessage = f.redraws();
      controlsShownAtMessage = f.dt2.isVisible() && f.command2.isVisible() && f.comp.checked;
    };

    f.settings.MenuChartTypeComp_Click();

    EXPECT_EQ(f.form.ChartOptions.chartType, 1);
    EXPECT_TRUE(f.dt2.isVisible());
    EXPECT_TRUE(f.command2.isVisible());
    EXPECT_EQ(f.redraws(), before + 1);
    if (c.refused) {
      ASSERT_EQ(f.messages.shown.size(), 1u);
      EXPECT_NE(f.messages.shown[0].prompt.find("Setting chart date to 1/3/2027."),
                std::string::npos);
      EXPECT_EQ(redrawsAtMessage, before);  // the chart is drawn after the message
      EXPECT_TRUE(controlsShownAtMessage);
      EXPECT_EQ(f.form.chartdate, birthday2);
      EXPECT_EQ(f.dt3.value(), birthday2);
    } else {
      EXPECT_TRUE(f.messages.shown.empty());
      EXPECT_EQ(f.form.chartdate, c.chartdate);
    }
  }
}

TEST(DisplaySettings, BackToTheBiorhythmChartHidesBirthday2AndLeavesTheMovedDate) {
  CommandsFixture f;
  f.load();
  const Date birthday2 = f.form.chartdate + 10;
  f.form.birthdate2 = birthday2;
  f.settings.MenuChartTypeComp_Click();
  ASSERT_EQ(f.form.chartdate, birthday2);
  f.messages.shown.clear();

  f.settings.MenuChartTypeBio_Click();
  EXPECT_EQ(f.form.ChartOptions.chartType, 0);
  EXPECT_TRUE(f.bio.checked);
  EXPECT_FALSE(f.comp.checked);
  EXPECT_FALSE(f.dt2.isVisible());
  EXPECT_FALSE(f.command2.isVisible());
  EXPECT_EQ(f.form.chartdate, birthday2);
  EXPECT_TRUE(f.messages.shown.empty());
}

struct Toggle {
  const char* key;
  Command run;
  bool ChartOptionsRecord::*field;
  FakeMenuItem CommandsFixture::*item;
};

const Toggle kToggles[] = {
    {"Physical", &DisplaySettings::MenuShowPhy_Click, &ChartOptionsRecord::showPhysical,
     &CommandsFixture::phy},
    {"Emotional", &DisplaySettings::MenuShowEmo_Click, &ChartOptionsRecord::showEmotional,
     &CommandsFixture::emo},
    {"Intellectual", &DisplaySettings::MenuShowInt_Click, &ChartOptionsRecord::showIntellectual,
     &CommandsFixture::intl},
    {"Average", &DisplaySettings::MenuShowAve_Click, &ChartOptionsRecord::showAverage,
     &CommandsFixture::ave},
    {"Week separators", &DisplaySettings::MenuSettingWeekSeparators_Click,
     &ChartOptionsRecord::weekSeparators, &CommandsFixture::weekSep},
    {"Today marker", &DisplaySettings::MenuSettingTodayMarker_Click,
     &ChartOptionsRecord::todayMarker, &CommandsFixture::todayMark},
};

TEST(DisplaySettings, TogglesFlipTheirOwnOptionFromAnyStoredValue) {
  // A stored "1" reads as True, so the first toggle switches it off.
  const struct {
    const char* stored;
    bool afterOne;
    const char* written;
  } starts[] = {{"1", false, "0"}, {"-1", false, "0"}, {"0", true, "-1"}, {"x", true, "-1"}};
  for (const auto& t : kToggles) {
    for (const auto& s : starts) {
      SCOPED_TRACE(std::string(t.key) + " stored " + s.stored);
      CommandsFixture f;
      f.store.values[t.key] = s.stored;
      f.load();
      const ChartOptionsRecord others = f.form.ChartOptions;
      (f.settings.*t.run)();
      EXPECT_EQ(f.form.ChartOptions.*t.field, s.afterOne);
      EXPECT_EQ((f.*t.item).checked, s.afterOne);
      // Nothing else moved.
      for (const auto& o : kToggles) {
        if (o.field == t.field) continue;
        EXPECT_EQ(f.form.ChartOptions.*o.field, others.*o.field);
      }

      int cancel = 0;
      f.form.Form_Unload(cancel);
      EXPECT_EQ(f.store.values[t.key], s.written);

      (f.settings.*t.run)();
      EXPECT_EQ(f.form.ChartOptions.*t.field, !s.afterOne);
      EXPECT_EQ((f.*t.item).checked, !s.afterOne);
    }
  }
}

TEST(DisplaySettings, AllCurvesOffLeavesAChartWithoutCurves) {
  CommandsFixture f;
  f.load();
  f.settings.MenuShowAve_Click();
  const auto curveLines = [&] {
    const auto& calls = f.surface.calls;
    const auto lastChart = std::find(calls.rbegin(), calls.rend(), "Cls").base();
    return std::count_if(lastChart, calls.end(), [](const std::string& s) {
      if (s.rfind("Line ", 0) != 0) return false;
      for (const char* c : {" 255", " 65280", " 16711680", " 65535"})
        if (s.size() > std::string(c).size() && s.ends_with(c)) return true;
      return false;
    });
  };
  ASSERT_GT(curveLines(), 0);
  for (Command c : {&DisplaySettings::MenuShowPhy_Click, &DisplaySettings::MenuShowEmo_Click,
                    &DisplaySettings::MenuShowInt_Click, &DisplaySettings::MenuShowAve_Click})
    (f.settings.*c)();
  EXPECT_EQ(curveLines(), 0);
}

}  // namespace
}  // namespace tw::test

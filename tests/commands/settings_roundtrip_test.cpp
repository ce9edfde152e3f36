#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "mock/commands_fixture.h"

namespace tw::test {
namespace {

// The calls of the last chart drawn, from its background colour on.
std::vector<std::string> lastChart(const RecordingSurface& s) {
  const auto from = std::find_if(s.calls.rbegin(), s.calls.rend(), [](const std::string& c) {
    return c.rfind("BackColor", 0) == 0;
  });
  return {from.base() - 1, s.calls.end()};
}

TEST(SettingsRoundTrip, EveryOptionChangedSurvivesARestart) {
  CommandsFixture first;
  first.load();
  first.form.birthdate2 = first.form.chartdate - 4000;
  auto& s = first.settings;
  s.MenuChartTypeComp_Click();
  s.MenuAgeYears_Click();
  s.MenuSettingWeekSeparators_Click();
  s.MenuSettingTodayMarker_Click();
  s.MenuShowPhy_Click();
  s.MenuShowEmo_Click();
  s.MenuShowInt_Click();
  s.MenuShowAve_Click();
  first.dialog.answers = {ScriptedCommonDialog::colour(0x0000A0), ScriptedCommonDialog::colour(0x00A000),
                          ScriptedCommonDialog::colour(0xA00000), ScriptedCommonDialog::colour(0x00A0A0),
                          ScriptedCommonDialog::colour(0xE0F0FF)};
  s.MenuSettingPhysicalColour_Click();
  s.MenuSettingEmotionalColour_Click();
  s.MenuSettingIntellectualColour_Click();
  s.MenuSettingAverageColour_Click();
  s.MenuSettingBackgroundColour_Click();
  const auto shown = lastChart(first.surface);
  first.form.FileExit_Click();

  const std::map<std::string, std::string> expected = {
      {"Chart type", " 1"},         {"Physical", "0"},
      {"Emotional", "0"},           {"Intellectual", "0"},
      {"Average", "-1"},            {"Age format", " 2"},
      {"Week separators", "-1"},    {"Today marker", "-1"},
      {"Physical colour", " 160"},  {"Emotional colour", " 40960"},
      {"Intellectual colour", " 10485760"}, {"Average colour", " 41120"},
      {"Background colour", " 14741759"},
  };
  for (const auto& [key, text] : expected) EXPECT_EQ(first.store.values[key], text) << key;

  CommandsFixture second;
  second.store.values = first.store.values;
  second.load();
  EXPECT_TRUE(second.comp.checked);
  EXPECT_TRUE(second.years.checked);
  EXPECT_TRUE(second.dt2.isVisible());
  EXPECT_EQ(lastChart(second.surface), shown);
}

}  // namespace
}  // namespace tw::test

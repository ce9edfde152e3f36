#include "commands/chart_key.h"

#include <gtest/gtest.h>

#include "commands/help_commands.h"
#include "mock/about_fakes.h"
#include "mock/form1_fixture.h"

namespace tw::test {
namespace {

struct KeyCase {
  bool p, e, i, a;
  const char* text;
};

TEST(ChartKey, OneLinePerShownCurveInTheChartsOrder) {
  const KeyCase cases[] = {
      {false, false, false, false, "You need to turn on some curves\r\nin the Settings menu!"},
      {true, false, false, false, "P=Physical"},
      {false, true, false, false, "E=Emotional"},
      {false, false, true, false, "I=Intellectual"},
      {false, false, false, true, "A=Average"},
      {true, false, false, true, "P=Physical\r\nA=Average"},
      {false, true, true, false, "E=Emotional\r\nI=Intellectual"},
      {true, true, true, false, "P=Physical\r\nE=Emotional\r\nI=Intellectual"},
      {true, true, true, true, "P=Physical\r\nE=Emotional\r\nI=Intellectual\r\nA=Average"},
  };
  for (const auto& c : cases) {
    ChartOptionsRecord o;
    o.showPhysical = c.p;
    o.showEmotional = c.e;
    o.showIntellectual = c.i;
    o.showAverage = c.a;
    EXPECT_EQ(ChartKeyText(o), c.text) << c.p << c.e << c.i << c.a;
  }
}

TEST(ChartKey, ShownAsAnInformationBoxTitledChartKey) {
  Form1Fixture f;
  FakeAboutLoader about;
  struct NoViewer : HelpViewer {
    bool WinHelp(const std::string&, int, std::uintptr_t) override { return true; }
  } viewer;
  HelpCommands help{f.form, viewer, about};
  f.form.ChartOptions.showPhysical = false;
  f.form.ChartOptions.showEmotional = false;
  f.form.ChartOptions.showIntellectual = true;
  f.form.ChartOptions.showAverage = true;

  help.HelpChartKey_Click();

  ASSERT_EQ(f.messages.shown.size(), 1u);
  EXPECT_EQ(f.messages.shown[0].prompt, "I=Intellectual\r\nA=Average");
  EXPECT_EQ(f.messages.shown[0].style, 64);
  EXPECT_EQ(f.messages.shown[0].title, "Chart key");
  EXPECT_EQ(f.redraws(), 0);
}

}  // namespace
}  // namespace tw::test

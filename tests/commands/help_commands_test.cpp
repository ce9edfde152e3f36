#include "commands/help_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/chart_key.h"
#include "mock/about_fakes.h"
#include "mock/main_window_fixture.h"
#include "version.h"

namespace tw::test {
namespace {

struct HelpFixture : MainWindowFixture, HelpViewer {
  void showContents(const std::string& file) override { calls.push_back("contents " + file); }
  void showTopicFinder(const std::string& file) override { calls.push_back("topics " + file); }
  std::vector<std::string> calls;
  FakeAboutMaker about;
  HelpCommands help{main, *this, about, messages};
};

TEST(HelpCommands, ContentsAndIndexOpenTheHelpFileFoundAtStartUp) {
  HelpFixture f;
  f.load();
  f.help.showContents();
  f.help.showTopicFinder();
  EXPECT_EQ(f.calls, (std::vector<std::string>{"contents /opt/tidewell/Tidewell.html",
                                               "topics /opt/tidewell/Tidewell.html"}));
  EXPECT_TRUE(f.messages.shown.empty());
}

TEST(ChartKey, OneLinePerShownCurveInTheChartsOrderInAnInformationBox) {
  const struct { bool p, e, i, a; const char* text; } cases[] = {
      {false, false, false, false, "You need to turn on some curves\r\nin the Settings menu!"},
      {true, false, false, false, "P=Physical"}, {false, false, false, true, "A=Average"},
      {false, true, true, false, "E=Emotional\r\nI=Intellectual"},
      {true, true, true, true, "P=Physical\r\nE=Emotional\r\nI=Intellectual\r\nA=Average"},
  };
  for (const auto& c : cases) {
    ChartOptions o;
    o.showPhysical = c.p, o.showEmotional = c.e, o.showIntellectual = c.i, o.showAverage = c.a;
    EXPECT_EQ(chartKeyText(o), c.text) << c.p << c.e << c.i << c.a;
  }
  HelpFixture f;
  ChartOptions o;
  o.showPhysical = o.showEmotional = false;
  o.showAverage = true;
  f.main.applyOptions(o);
  f.help.showChartKey();
  EXPECT_EQ(f.messages.shown, (Shown{{"I=Intellectual\r\nA=Average", MessageKind::Information, "Chart key"}}));
}

TEST(HelpCommands, EachAboutIsAFreshBoxFilledShownModallyAndDestroyed) {
  HelpFixture f;
  std::string titleWhileShown;
  int destroyedWhileShown = -1;
  f.about.onMake = [&](AboutFixture& box) {
    box.window.onShowModal = [&] {
      titleWhileShown = box.title.value;
      destroyedWhileShown = f.about.destroyed;
    };
  };
  f.help.showAbout();
  EXPECT_EQ(titleWhileShown, std::string("Tidewell ") + kVersion);
  EXPECT_EQ(destroyedWhileShown, 0);
  f.about.onMake = nullptr;
  f.help.showAbout();  // nothing of the first box (an inverted icon) is kept
  EXPECT_EQ(f.about.made, 2);
  EXPECT_EQ(f.about.destroyed, 2);
}

}  // namespace
}  // namespace tw::test

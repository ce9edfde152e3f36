#include "commands/help_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/chart_key.h"
#include "mock/about_fakes.h"
#include "mock/main_window_fixture.h"

namespace tw::test {
namespace {

struct HelpFixture : MainWindowFixture, HelpViewer {
  bool WinHelp(const std::string& file, int command, std::uintptr_t data) override {
    calls.push_back(file + " " + std::to_string(command) + " " + std::to_string(data));
    return viewerWorks;
  }
  std::vector<std::string> calls;
  bool viewerWorks = true;
  FakeAboutLoader about;
  HelpCommands help{main, *this, about};
};

TEST(HelpCommands, ContentsAndIndexOpenTheHelpFileWithTheirCommandAndNeverComplain) {
  for (bool works : {true, false}) {
    HelpFixture f;
    f.viewerWorks = works;
    f.main.helpFile = "/usr/local/share/tidewell/Tidewell.html";
    f.help.showContents();
    f.help.showTopicFinder();
    EXPECT_EQ(f.calls, (std::vector<std::string>{"/usr/local/share/tidewell/Tidewell.html 3 0",
                                                 "/usr/local/share/tidewell/Tidewell.html 11 0"}));
    EXPECT_TRUE(f.messages.shown.empty());  // a failing viewer reports for itself
  }
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
  f.main.options.showPhysical = f.main.options.showEmotional = false;
  f.main.options.showAverage = true;
  f.help.showChartKey();
  EXPECT_EQ(f.messages.shown, (Shown{{"I=Intellectual\r\nA=Average", ui::vbInformation, "Chart key"}}));
}

TEST(HelpCommands, EachAboutIsAFreshBoxLoadedFilledShownModallyAndUnloaded) {
  HelpFixture f;
  std::string titleWhileShown;
  int unloadedWhileShown = -1;
  f.about.onLoad = [&](AboutFixture& box) {
    box.window.onShowModal = [&] {
      titleWhileShown = box.title.text;
      unloadedWhileShown = f.about.unloaded;
    };
  };
  f.help.showAbout();
  EXPECT_TRUE(titleWhileShown == "Tidewell 1.3.18" && unloadedWhileShown == 0) << titleWhileShown;
  f.about.onLoad = nullptr;
  f.help.showAbout();  // nothing of the first box (an inverted icon) is kept
  EXPECT_EQ(f.about.loaded + f.about.unloaded, 4);
}

}  // namespace
}  // namespace tw::test

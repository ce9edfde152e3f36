#include "commands/help_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mock/about_fakes.h"
#include "mock/form1_fixture.h"

namespace tw::test {
namespace {

struct ViewerCall {
  std::string file;
  int command;
  std::uintptr_t data;
};

class RecordingViewer : public HelpViewer {
 public:
  bool WinHelp(const std::string& file, int command, std::uintptr_t data) override {
    calls.push_back({file, command, data});
    return answer;
  }
  std::vector<ViewerCall> calls;
  bool answer = true;
};

struct HelpFixture : Form1Fixture {
  RecordingViewer viewer;
  FakeAboutLoader about;
  HelpCommands help{form, viewer, about};
};

TEST(HelpCommands, ContentsAndIndexOpenTheHelpFileWithTheirCommand) {
  const struct {
    void (HelpCommands::*run)();
    int command;
  } cases[] = {{&HelpCommands::MenuHelpContents_Click, 3},
               {&HelpCommands::MenuHelpIndex_Click, 11}};
  for (const auto& c : cases) {
    HelpFixture f;
    f.form.HelpFile = "/usr/local/share/tidewell/Tidewell.html";
    (f.help.*c.run)();
    ASSERT_EQ(f.viewer.calls.size(), 1u);
    EXPECT_EQ(f.viewer.calls[0].file, "/usr/local/share/tidewell/Tidewell.html");
    EXPECT_EQ(f.viewer.calls[0].command, c.command);
    EXPECT_EQ(f.viewer.calls[0].data, 0u);
  }
}

TEST(HelpCommands, AViewerThatFailsGetsNoMessageOfOurs) {
  HelpFixture f;
  f.viewer.answer = false;
  f.help.MenuHelpContents_Click();
  f.help.MenuHelpIndex_Click();
  EXPECT_EQ(f.viewer.calls.size(), 2u);
  EXPECT_TRUE(f.messages.shown.empty());
}

TEST(HelpCommands, AboutIsLoadedFilledShownModallyAndUnloaded) {
  HelpFixture f;
  std::string titleWhileShown;
  int unloadedWhileShown = -1;
  f.about.onLoad = [&](AboutFixture& box) {
    box.window.onShowModal = [&] {
      titleWhileShown = box.title.text;
      unloadedWhileShown = f.about.unloaded;
    };
  };

  f.help.HelpAbout_Click();

  EXPECT_EQ(f.about.loaded, 1);
  EXPECT_EQ(titleWhileShown, "Tidewell 1.3.18");
  EXPECT_EQ(unloadedWhileShown, 0);
  EXPECT_EQ(f.about.unloaded, 1);

  // Another About is another box: nothing of the first one (an inverted icon) is kept.
  f.about.onLoad = nullptr;
  f.help.HelpAbout_Click();
  EXPECT_EQ(f.about.loaded, 2);
  EXPECT_EQ(f.about.unloaded, 2);
}

}  // namespace
}  // namespace tw::test

#include "commands/help_commands.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "commands/chart_key.h"
#include "mock/main_window_fixture.h"
#include "version.h"

namespace tw {
namespace {

// Everything the Help menu's commands do, in order, as one list.
struct HelpWorld : HelpViewer, AboutBoxMaker, SystemInfoTool, InvertibleIcon {
  std::vector<std::string> done;
  std::optional<std::string> toolPath = "/usr/bin/sysinfo";
  bool starts = true, throws = false;
  test::MainWindowFixture f;
  test::FakeWindow window;
  struct Text : ui::Label {
    std::string value;
    std::string text() const override { return value; }
    void setText(const std::string& t) override { value = t; }
  } title, notice, contact;

  void showContents(const std::string& file) override { done.push_back("contents " + file); }
  void showTopicFinder(const std::string& file) override { done.push_back("finder " + file); }
  std::optional<std::string> find() const override {
    if (throws) throw std::runtime_error("no registry of programs");
    return toolPath;
  }
  bool start(const std::string& path) override {
    done.push_back("start " + path);
    return starts;
  }
  void invert() override { done.push_back("invert"); }

  struct Box : AboutBox {
    HelpWorld& w;
    Box(HelpWorld& world)
        : AboutBox({world.window, world, world.title, world.notice, world.contact}, world,
                   world.f.messages),
          w(world) {}
    ~Box() override { w.done.push_back("box gone"); }
  };
  std::unique_ptr<AboutBox> make() override {
    done.push_back("box made");
    window.onShowModal = [this] { done.push_back("shown: " + title.value); };
    return std::make_unique<Box>(*this);
  }
};

TEST(HelpCommands, EachItemOpensWhatItNames) {
  HelpWorld w;
  w.f.load();
  HelpCommands help(w.f.main, w, w, w.f.messages);
  help.showContents();
  help.showTopicFinder();
  help.showAbout();
  EXPECT_EQ(w.done,
            (std::vector<std::string>{"contents /opt/tidewell/Tidewell.html",
                                      "finder /opt/tidewell/Tidewell.html", "box made",
                                      std::string("shown: Tidewell ") + kVersion, "box gone"}));
  help.showChartKey();
  ASSERT_EQ(w.f.messages.shown.size(), 1u);
  EXPECT_EQ(w.f.messages.shown[0].title, kChartKeyTitle);
}

// Whatever stands in the way of the system-information tool ends in the one message.
TEST(HelpCommands, SystemInformationThatCannotStartIsSaidOnce) {
  const struct {
    const char* name;
    std::optional<std::string> path;
    bool starts, throws;
    bool told;
  } rows[] = {
      {"found and started", "/usr/bin/sysinfo", true, false, false},
      {"no such program", std::nullopt, true, false, true},
      {"found, would not start", "/usr/bin/sysinfo", false, false, true},
      {"the search itself fails", "/usr/bin/sysinfo", true, true, true},
  };
  for (const auto& r : rows) {
    HelpWorld w;
    w.toolPath = r.path;
    w.starts = r.starts;
    w.throws = r.throws;
    w.make()->startSystemInfo();
    const test::Shown want =
        r.told ? test::Shown{{AboutBox::kUnavailable, test::MessageKind::Plain, ""}}
               : test::Shown{};
    EXPECT_EQ(w.f.messages.shown, want) << r.name;
  }
}

}  // namespace
}  // namespace tw

#include "commands/about_box.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "mock/fakes.h"

namespace tw {
namespace {

// The desktop's tool as each row has it; the box's icon and texts are not looked at.
struct Tool : SystemInfoTool, InvertibleIcon {
  std::optional<std::string> path;
  bool starts = true, throws = false;
  std::optional<std::string> find() const override {
    if (throws) throw std::runtime_error("no registry of programs");
    return path;
  }
  bool start(const std::string&) override { return starts; }
  void invert() override {}
};

struct Text : ui::Label {
  std::string value;
  std::string text() const override { return value; }
  void setText(const std::string& t) override { value = t; }
};

// Whatever stands in the way of the system-information tool ends in the one message.
TEST(AboutBox, SystemInformationThatCannotStartIsSaidOnce) {
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
    Tool tool;
    tool.path = r.path;
    tool.starts = r.starts;
    tool.throws = r.throws;
    test::FakeWindow window;
    Text title, notice, contact;
    test::ScriptedMessages messages;
    AboutBox({window, tool, title, notice, contact}, tool, messages).startSystemInfo();
    const test::Shown want =
        r.told ? test::Shown{{AboutBox::kUnavailable, test::MessageKind::Plain, ""}}
               : test::Shown{};
    EXPECT_EQ(messages.shown, want) << r.name;
  }
}

}  // namespace
}  // namespace tw

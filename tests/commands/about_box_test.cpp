#include "commands/about_box.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "mock/fakes.h"

namespace tw::test {
namespace {

struct FakeLabel : ui::Label {
  std::string text() const override { return value; }
  void setText(const std::string& t) override { value = t; }
  std::string value;
};

struct FakeIcon : InvertibleIcon {
  void invert() override {}
};

struct FakeSystemInfoTool : SystemInfoTool {
  std::optional<std::string> find() const override {
    if (fails) throw std::runtime_error("lookup failed");
    return path;
  }
  bool start(const std::string& p) override {
    started.push_back(p);
    return works;
  }
  std::optional<std::string> path;
  bool works = true, fails = false;
  std::vector<std::string> started;
};

struct AboutFixture {
  FakeWindow window;
  FakeIcon icon;
  FakeLabel title, notice, contact;
  FakeSystemInfoTool tool;
  ScriptedMessages messages;
  AboutBox main{AboutBoxControls{window, icon, title, notice, contact}, tool, messages};
};

TEST(AboutBox, SystemInfoStartsTheToolFoundOrSaysItIsUnavailable) {
  const std::string tool = "/usr/bin/hardinfo";
  const Shown unavailable{{"System Information Is Unavailable At This Time", MessageKind::Plain, ""}};
  const struct { const char* what; bool found, starts, fails; std::vector<std::string> started; Shown shown; } cases[] = {
      {"found and started", true, true, false, {tool}, {}},
      {"none found", false, true, false, {}, unavailable},
      {"found but does not start", true, false, false, {tool}, unavailable},
      {"the lookup fails", true, true, true, {}, unavailable},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    AboutFixture f;
    if (c.found) f.tool.path = tool;
    f.tool.works = c.starts;
    f.tool.fails = c.fails;
    f.main.startSystemInfo();
    EXPECT_EQ(f.tool.started, c.started);
    EXPECT_EQ(f.messages.shown, c.shown);
  }
}

}  // namespace
}  // namespace tw::test

#pragma once
// The About box over fakes: labels, an icon that counts its inversions, a system-information
// tool that answers from its fields, and a maker that counts the boxes it made and destroyed.
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "commands/about_box.h"
#include "commands/help_commands.h"
#include "mock/fakes.h"

namespace tw::test {

struct FakeLabel : ui::Label {
  std::string text() const override { return value; }
  void setText(const std::string& t) override { value = t; }
  std::string value;
};

struct FakeIcon : InvertibleIcon {
  void invert() override { ++inversions; }
  int inversions = 0;
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

// Each make() gives a fresh box over its own fakes, as the platform makes a fresh dialog.
class FakeAboutMaker : public AboutBoxMaker {
  struct Owner {
    std::unique_ptr<AboutFixture> box = std::make_unique<AboutFixture>();
  };
  struct Made : Owner, AboutBox {
    explicit Made(FakeAboutMaker& m) : AboutBox(box->main), maker(m) {}
    ~Made() override { ++maker.destroyed; }
    FakeAboutMaker& maker;
  };

 public:
  std::unique_ptr<AboutBox> make() override {
    ++made;
    auto b = std::make_unique<Made>(*this);
    if (onMake) onMake(*b->box);
    return b;
  }
  int made = 0, destroyed = 0;
  std::function<void(AboutFixture&)> onMake;
};

}  // namespace tw::test

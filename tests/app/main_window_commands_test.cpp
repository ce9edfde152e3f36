#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "mock/main_window_fixture.h"

namespace tw::test {
namespace {

// Born 30 days before the chart date, with a file name ready for a save.
struct Session : MainWindowFixture {
  Session() {
    startWith(clock.day - 30, clock.day, clock.day);
    dialog.answers = {{true, 0, "/tmp/c.BMP"}};
  }
  std::vector<std::string> outcome() const {
    std::vector<std::string> o = timeline;
    for (const auto& m : messages.shown) o.push_back(m.title + ": " + m.text);
    o.push_back("date " + std::to_string(main.state().chartDate) + " " + std::to_string(chartDatePicker.value()));
    o.push_back("redraws " + std::to_string(redraws()));
    return o;
  }
};

TEST(Toolbar, EachKeyDoesExactlyWhatItsMenuItemDoesAndAnyOtherKeyNothing) {
  const std::pair<const char*, std::function<void(Session&)>> keys[] = {
      {"Print", [](Session& r) { r.printAndSave.print(); }},
      {"Save", [](Session& r) { r.printAndSave.save(); }},
      {"BackMonth", [](Session& r) { r.main.goPreviousMonth(); }},
      {"BackWeek", [](Session& r) { r.main.goPreviousWeek(); }},
      {"BackDay", [](Session& r) { r.main.goPreviousDay(); }},
      {"Today", [](Session& r) { r.main.goToday(); }},
      {"ForwardDay", [](Session& r) { r.main.goNextDay(); }},
      {"ForwardWeek", [](Session& r) { r.main.goNextWeek(); }},
      {"ForwardMonth", [](Session& r) { r.main.goNextMonth(); }},
      {"Interpret", [](Session& r) { r.main.interpret(); }},
  };
  for (const auto& [key, menu] : keys) {
    SCOPED_TRACE(key);
    Session viaMenu, viaToolbar, idle;
    menu(viaMenu);
    viaToolbar.main.toolbarButton(key);
    EXPECT_EQ(viaToolbar.outcome(), viaMenu.outcome());
    EXPECT_NE(viaToolbar.outcome(), idle.outcome());
  }
  for (const char* key : {"today", "SAVE", "Interpret ", ""}) {
    Session viaToolbar, idle;
    viaToolbar.main.toolbarButton(key);
    EXPECT_EQ(viaToolbar.outcome(), idle.outcome()) << key;
  }
}

}  // namespace
}  // namespace tw::test

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "mock/main_window_fixture.h"

namespace tw::test {
namespace {

// With the chart date on the first birthday every step back is refused with its message.
struct Session : MainWindowFixture {
  explicit Session(ui::WindowState windowState, int bornDaysAgo = 0) {
    startWith(clock.day - bornDaysAgo, clock.day, clock.day);
    window.state = windowState;
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

TEST(Toolbar, EachKeyDoesExactlyWhatItsMenuItemDoes) {
  const struct {
    const char* key;
    std::function<void(Session&)> menu;
    int days;  // how far the chart date moves
  } keys[] = {
      {"Print", [](Session& r) { r.printAndSave.print(); }, 0},
      {"Save", [](Session& r) { r.printAndSave.save(); }, 0},
      {"BackMonth", [](Session& r) { r.main.goPreviousMonth(); }, -28},
      {"BackWeek", [](Session& r) { r.main.goPreviousWeek(); }, -7},
      {"BackDay", [](Session& r) { r.main.goPreviousDay(); }, -1},
      {"Today", [](Session& r) { r.main.goToday(); }, 0},
      {"ForwardDay", [](Session& r) { r.main.goNextDay(); }, 1},
      {"ForwardWeek", [](Session& r) { r.main.goNextWeek(); }, 7},
      {"ForwardMonth", [](Session& r) { r.main.goNextMonth(); }, 28},
      {"Interpret", [](Session& r) { r.main.interpret(); }, 0},
  };
  // Maximised, printing is refused; born that day, every step back is refused.
  for (auto [state, bornDaysAgo] : {std::pair{ui::WindowState::Normal, 30}, {ui::WindowState::Maximized, 0}}) {
    for (const auto& k : keys) {
      SCOPED_TRACE(std::string(k.key) + " in state " + std::to_string(static_cast<int>(state)));
      Session viaMenu(state, bornDaysAgo), viaToolbar(state, bornDaysAgo), idle(state, bornDaysAgo);
      const Date start = viaMenu.main.state().chartDate;
      k.menu(viaMenu);
      viaToolbar.main.toolbarButton(k.key);
      EXPECT_EQ(viaToolbar.outcome(), viaMenu.outcome());
      EXPECT_NE(viaToolbar.outcome(), idle.outcome());
      EXPECT_EQ(viaToolbar.main.state().chartDate, start + (bornDaysAgo ? k.days : std::max(k.days, 0)));
    }
  }
}

TEST(Toolbar, AnyOtherKeyDoesNothing) {
  for (const char* key : {"today", "print", "SAVE", "Forward1IconKey", "", "Interpret "}) {
    SCOPED_TRACE(key);
    Session r(ui::WindowState::Normal), idle(ui::WindowState::Normal);
    r.main.toolbarButton(key);
    EXPECT_EQ(r.outcome(), idle.outcome());
  }
}

}  // namespace
}  // namespace tw::test

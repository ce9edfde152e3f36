#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "mock/form1_fixture.h"

namespace tw::test {
namespace {

// With the chart date on the first birthday every step back is refused with its message.
struct Session : Form1Fixture {
  explicit Session(int windowState, int bornDaysAgo = 0) {
    load();
    form.birthdate = form.chartdate - bornDaysAgo;
    window.state = windowState;
    dialog.answers = {{true, 0, "/tmp/c.BMP"}};
  }
  std::vector<std::string> outcome() const {
    std::vector<std::string> o = timeline;
    for (const auto& m : messages.shown) o.push_back(m.title + ": " + m.prompt);
    o.push_back("date " + std::to_string(form.chartdate) + " " + std::to_string(dt3.value()));
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
      {"Print", [](Session& r) { r.printSave.FilePrint_Click(); }, 0},
      {"Save", [](Session& r) { r.printSave.FileSaveBMP_Click(); }, 0},
      {"BackMonth", [](Session& r) { r.form.MenuGoLastMonth_Click(); }, -28},
      {"BackWeek", [](Session& r) { r.form.MenuGoLastWeek_Click(); }, -7},
      {"BackDay", [](Session& r) { r.form.MenuGoYesterday_Click(); }, -1},
      {"Today", [](Session& r) { r.form.MenuGoToday_Click(); }, 0},
      {"ForwardDay", [](Session& r) { r.form.MenuGoTomorrow_Click(); }, 1},
      {"ForwardWeek", [](Session& r) { r.form.MenuGoNextWeek_Click(); }, 7},
      {"ForwardMonth", [](Session& r) { r.form.MenuGoNextMonth_Click(); }, 28},
      {"Interpret", [](Session& r) { r.form.MenuChartInterpret_Click(); }, 0},
  };
  // Maximised, printing is refused; born that day, every step back is refused.
  for (auto [state, bornDaysAgo] : {std::pair{ui::Normal, 30}, {ui::Maximized, 0}}) {
    for (const auto& k : keys) {
      SCOPED_TRACE(std::string(k.key) + " in state " + std::to_string(state));
      Session viaMenu(state, bornDaysAgo), viaToolbar(state, bornDaysAgo), idle(state, bornDaysAgo);
      const Date start = viaMenu.form.chartdate;
      k.menu(viaMenu);
      viaToolbar.form.Toolbar1_ButtonClick(k.key);
      EXPECT_EQ(viaToolbar.outcome(), viaMenu.outcome());
      EXPECT_NE(viaToolbar.outcome(), idle.outcome());
      EXPECT_EQ(viaToolbar.form.chartdate, start + (bornDaysAgo ? k.days : std::max(k.days, 0)));
    }
  }
}

TEST(Toolbar, AnyOtherKeyDoesNothing) {
  for (const char* key : {"today", "print", "SAVE", "Forward1IconKey", "", "Interpret "}) {
    SCOPED_TRACE(key);
    Session r(ui::Normal), idle(ui::Normal);
    r.form.Toolbar1_ButtonClick(key);
    EXPECT_EQ(r.outcome(), idle.outcome());
  }
}

}  // namespace
}  // namespace tw::test

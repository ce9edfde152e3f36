#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "mock/commands_fixture.h"

namespace tw::test {
namespace {

// Chart date on the first birthday, so that every step back is refused with its message.
void prepare(CommandsFixture& f, int windowState) {
  f.load();
  f.form.birthdate = f.form.chartdate;
  f.form.birthdate2 = f.form.chartdate - 100;
  f.window.state = windowState;
  f.dialog.answers = {ScriptedCommonDialog::file("/tmp/c.BMP")};
}

struct Outcome {
  Date chartdate;
  Date picker;
  int redraws;
  std::vector<std::string> messages;
  std::vector<std::string> timeline;
  bool operator==(const Outcome&) const = default;
};

Outcome outcome(const CommandsFixture& f) {
  std::vector<std::string> messages;
  for (const auto& m : f.messages.shown) messages.push_back(m.title + ": " + m.prompt);
  return {f.form.chartdate, f.dt3.value(), f.redraws(), messages, f.timeline};
}

struct KeyCase {
  const char* key;
  std::function<void(CommandsFixture&)> menu;
  int days;  // how far the chart date moves from the menu command, worked out by hand
};

const KeyCase kKeys[] = {
    {"Print", [](CommandsFixture& f) { f.printSave.FilePrint_Click(); }, 0},
    {"Save", [](CommandsFixture& f) { f.printSave.FileSaveBMP_Click(); }, 0},
    {"BackMonth", [](CommandsFixture& f) { f.form.MenuGoLastMonth_Click(); }, 0},
    {"BackWeek", [](CommandsFixture& f) { f.form.MenuGoLastWeek_Click(); }, 0},
    {"BackDay", [](CommandsFixture& f) { f.form.MenuGoYesterday_Click(); }, 0},
    {"Today", [](CommandsFixture& f) { f.form.MenuGoToday_Click(); }, 0},
    {"ForwardDay", [](CommandsFixture& f) { f.form.MenuGoTomorrow_Click(); }, 1},
    {"ForwardWeek", [](CommandsFixture& f) { f.form.MenuGoNextWeek_Click(); }, 7},
    {"ForwardMonth", [](CommandsFixture& f) { f.form.MenuGoNextMonth_Click(); }, 28},
    {"Interpret", [](CommandsFixture& f) { f.form.MenuChartInterpret_Click(); }, 0},
};

TEST(Toolbar, EachKeyDoesWhatItsMenuItemDoes) {
  for (int state : {ui::Normal, ui::Maximized}) {
    for (const auto& k : kKeys) {
      SCOPED_TRACE(std::string(k.key) + (state ? " maximised" : " normal"));
      CommandsFixture viaMenu, viaToolbar, idle;
      prepare(viaMenu, state);
      prepare(viaToolbar, state);
      prepare(idle, state);
      const Date start = viaMenu.form.chartdate;
      k.menu(viaMenu);
      viaToolbar.form.Toolbar1_ButtonClick(k.key);
      EXPECT_EQ(outcome(viaToolbar), outcome(viaMenu));
      EXPECT_NE(outcome(viaToolbar), outcome(idle));  // the key did something
      EXPECT_EQ(viaToolbar.form.chartdate, start + k.days);
    }
  }
}

TEST(Toolbar, RefusalsComeThroughTheToolbarToo) {
  CommandsFixture f;
  prepare(f, ui::Normal);
  f.form.Toolbar1_ButtonClick("BackDay");
  ASSERT_EQ(f.messages.shown.size(), 1u);
  EXPECT_NE(f.messages.shown[0].prompt.find("Setting chart date to 5/12/2026."),
            std::string::npos);

  CommandsFixture g;
  prepare(g, ui::Maximized);
  g.form.Toolbar1_ButtonClick("Print");
  ASSERT_EQ(g.messages.shown.size(), 1u);
  EXPECT_EQ(g.messages.shown[0].prompt.rfind("Unable to print while this window is maximized.", 0),
            0u);
}

TEST(Toolbar, AnyOtherKeyDoesNothing) {
  for (const char* key : {"today", "print", "SAVE", "Forward1IconKey", "DiskIconTag", "",
                          "Interpret ", "Back"}) {
    SCOPED_TRACE(key);
    CommandsFixture f, idle;
    prepare(f, ui::Normal);
    prepare(idle, ui::Normal);
    f.form.Toolbar1_ButtonClick(key);
    EXPECT_EQ(outcome(f), outcome(idle));
    EXPECT_TRUE(f.dialog.shown.empty());
  }
}

}  // namespace
}  // namespace tw::test

#include "app/chart_gestures.h"

#include <gtest/gtest.h>

#include <vector>

namespace tw {
namespace {

const Date kBorn = fromYmd(1990, 1, 1);

TEST(ChartGestures, WheelTurnsAddUpToWholeDays) {
  struct Turn {
    int dx, dy;
    bool week = false;
  };
  struct Case {
    const char* name;
    Date from;
    std::vector<Turn> turns;
    Date expected;
  };
  const Date d = kBorn + 1000;
  const Case cases[] = {
      {"a notch down is a day later", d, {{0, -120}}, d + 1},
      {"a notch up is a day earlier", d, {{0, 120}}, d - 1},
      {"right is later, left earlier", d, {{-120, 0}, {-120, 0}, {120, 0}}, d + 1},
      {"with Shift a week", d, {{0, -120, true}}, d + 7},
      {"eight small steps of a fine wheel make a day", d, std::vector<Turn>(8, {0, -15}), d + 1},
      {"seven of them do not yet", d, std::vector<Turn>(7, {0, -15}), d},
      {"a flick moves what it adds up to, the rest kept", d, {{0, -1000}, {0, -200}}, d + 10},
      {"back and forth within a notch moves nothing", d, {{0, -100}, {0, 100}, {0, -100}}, d},
      {"a rest counts for the other way too", d, {{0, -100}, {0, 220}}, d - 1},
      {"stops on the birthday", kBorn + 2, {{0, 600}}, kBorn},
      {"turning on against the birthday stores nothing up",
       kBorn,
       {{0, 360}, {0, -120}},
       kBorn + 1},
      {"a date before the birthday is not pushed further back", kBorn - 5, {{0, 120}}, kBorn - 5},
      {"but moves later", kBorn - 5, {{0, -120}}, kBorn - 4},
      {"the last date holds", kLastDate, {{0, -120, true}}, kLastDate},
  };
  for (const auto& c : cases) {
    ChartGestures g;
    Date date = c.from;
    for (const Turn& t : c.turns) date = g.turn(date, t.dx, t.dy, t.week, kBorn);
    EXPECT_EQ(date, c.expected) << c.name;
  }
}

TEST(ChartGestures, DragsMoveByTheColumnsThePointerCrossed) {
  struct Case {
    const char* name;
    double left, width, pressX, x;
    Date from, expected;
  };
  const Date d = kBorn + 1000;
  const Case cases[] = {
      {"inside the pressed column", 200, 275, 300, 470, d, d},
      {"one column to the left shows a day later", 200, 275, 300, 25, d, d + 1},
      {"one column to the right, a day earlier", 200, 275, 300, 575, d, d - 1},
      {"a hair across a boundary counts", 200, 275, 474, 476, d, d - 1},
      {"screen pixels of a third", 13.3333, 18.3333, 100, 100 - 10 * 18.3333, d, d + 10},
      {"wide columns", 0, 1000, 1500, 5600, d, d - 4},
      {"left of the first column", 600, 275, 700, -1000, d, d + 6},
      {"stops on the birthday", 200, 275, 300, 3000, kBorn + 3, kBorn},
      {"no width, no move", 200, 0, 300, 3000, d, d},
  };
  for (const auto& c : cases) {
    ChartGestures g;
    g.press(c.pressX, c.from);
    EXPECT_EQ(g.dragTo(c.x, c.left, c.width, kBorn), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace tw

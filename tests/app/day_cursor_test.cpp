#include "app/day_cursor.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace tw {
namespace {

using Answer = DayCursor::Answer;
const Date kChart = fromYmd(2024, 3, 10);

// The chart date in the twelfth of `count` columns, as the main window shows it.
chart::DayColumns columnsAround(Date chartDate, int count = 22) {
  return {chart::kBiorhythmLeft, count, static_cast<long long>(chartDate) - 11};
}

using Step = std::function<Answer(DayCursor&)>;
Step key(Key k, bool plain = true) {
  return [k, plain](DayCursor& c) { return c.press({k, false, plain}, columnsAround(kChart)); };
}
Step draw(Date chartDate, int count = 22) {
  return [chartDate, count](DayCursor& c) {
    c.chartDrawn(chartDate, columnsAround(chartDate, count));
    return Answer::Stayed;
  };
}
std::vector<Step> times(int n, const Step& s) { return std::vector<Step>(n, s); }
std::vector<Step> operator+(std::vector<Step> a, const std::vector<Step>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const char* nameOf(Answer a) {
  const char* names[] = {"NotMine", "Stayed", "Moved", "Chosen"};
  return names[static_cast<int>(a)];
}

// Each row starts on a chart of 22 columns drawn for kChart; `day` is counted from kChart.
TEST(DayCursor, KeysMoveAndChooseAmongTheDaysShown) {
  const Step hide = [](DayCursor& c) {
    c.chartHidden();
    return Answer::Stayed;
  };
  const Step right = key(Key::Right);
  const struct {
    const char* name;
    std::vector<Step> steps;
    Answer last;
    int day;
  } rows[] = {
      {"Right is a day later", {key(Key::Right)}, Answer::Moved, 1},
      {"Left is a day earlier", {key(Key::Left)}, Answer::Moved, -1},
      {"Left stops at the first column", times(11, key(Key::Left)) + times(1, key(Key::Left)),
       Answer::Stayed, -11},
      {"Right stops at the last column", times(11, key(Key::Right)), Answer::Stayed, 10},
      {"Home goes back to the chart date", {right, right, key(Key::Home)}, Answer::Moved, 0},
      {"a held modifier leaves the key to others", {key(Key::Right, false)}, Answer::NotMine, 0},
      {"Return chooses the cursor's day", {key(Key::Left), key(Key::Return)}, Answer::Chosen, -1},
      {"Space chooses it too", {key(Key::Right), key(Key::Space)}, Answer::Chosen, 1},
      {"Up is not the cursor's", {key(Key::Up)}, Answer::NotMine, 0},
      {"a redraw of the same date keeps the day", {right, draw(kChart)}, Answer::Stayed, 1},
      {"a new chart date takes the cursor along", {right, draw(kChart + 5)}, Answer::Stayed, 5},
      {"a day no longer shown goes", {right, right, draw(kChart, 13)}, Answer::Stayed, 0},
      {"without a chart nothing moves", {hide, key(Key::Right), key(Key::Home)}, Answer::Stayed, 0},
      {"without a chart Return is not the cursor's", {hide, key(Key::Return)}, Answer::NotMine, 0},
      {"after a hint the chart date again", {right, hide, draw(kChart)}, Answer::Stayed, 0},
  };
  for (const auto& r : rows) {
    DayCursor cursor;
    cursor.chartDrawn(kChart, columnsAround(kChart));
    Answer last = Answer::Stayed;
    for (const Step& s : r.steps) last = s(cursor);
    EXPECT_STREQ(nameOf(last), nameOf(r.last)) << r.name;
    EXPECT_EQ(cursor.day() - kChart, r.day) << r.name;
  }
}

}  // namespace
}  // namespace tw

#pragma once
// The chart area's day cursor: the day the keyboard is on. Left and Right move it a day among
// the days shown, Home brings it back to the chart date, Return or Space choose its day.
#include "app/keys.h"
#include "chart/day_columns.h"

namespace tw {

class DayCursor {
 public:
  // What a key did: not one of the cursor's, taken but nothing moved, the cursor moved, or its
  // day chosen to be the chart date (as a double-click on that day chooses it).
  enum class Answer { NotMine, Stayed, Moved, Chosen };

  Date day() const { return day_; }
  // A chart is drawn, so there are days to move between.
  bool onChart() const { return onChart_; }

  // A drawing of the chart with `chartDate` in `columns`: the cursor keeps its day while the
  // chart date stays and the day is still shown, else it goes to the chart date.
  void chartDrawn(Date chartDate, const chart::DayColumns& columns);
  // A hint instead of a chart.
  void chartHidden() { onChart_ = false; }
  Answer press(const KeyPress& key, const chart::DayColumns& columns);

 private:
  bool onChart_ = false;
  Date chartDate_ = 0;
  Date day_ = 0;
};

}  // namespace tw

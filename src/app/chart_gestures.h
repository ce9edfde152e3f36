#pragma once
// Moving the chart date by hand: wheel turns and drags over the chart area, turned into days.
#include "cycles/date.h"

namespace tw {

// What one notch of a wheel adds up to, in the toolkit's units (eighths of a degree, or a
// touchpad's pixels): one day.
inline constexpr int kWheelNotch = 120;

// `from` moved by `days`, never past the last date nor back beyond `earliest` (a date that
// already stands before it stays put rather than moving further back).
Date stepWithin(Date from, long long days, Date earliest);

class ChartGestures {
 public:
  // The chart date a wheel turn of (dx, dy) leads to from `chartDate`; negative deltas are down
  // or right, which is later. What is left under a whole notch waits for the next turn.
  Date turn(Date chartDate, int dx, int dy, bool byWeek, Date earliest);

  // A press at `x` (any unit the drag's columns are given in) on a chart showing `chartDate`.
  void press(double x, Date chartDate);
  bool isDragging() const { return dragging_; }
  // The chart date that keeps the pressed day under the pointer at `x`, columns of `width`
  // starting at `left` (the same unit as x).
  Date dragTo(double x, double left, double width, Date earliest) const;
  Date startDate() const { return startDate_; }
  void release() { dragging_ = false; }

 private:
  long long wheelRest_ = 0;  // in wheel units, later positive
  bool dragging_ = false;
  double pressX_ = 0;
  Date startDate_ = 0;
};

}  // namespace tw

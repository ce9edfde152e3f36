// The chart area's wheel, drag, double-click and day cursor, turned into chart dates.
#include "app/main_window.h"
#include "chart/chart_parts.h"
#include "chart/day_columns.h"

namespace tw {

void MainWindow::showGestureDate(Date day) {
  if (day == state_.chartDate) return;
  state_.chartDate = day;
  controls_.chartDatePicker.setValue(day);
  drawChart();
}

void MainWindow::turnWheel(int dx, int dy, bool byWeek) {
  showGestureDate(gestures_.turn(state_.chartDate, dx, dy, byWeek, earliestChartDate(state_)));
}

void MainWindow::pressChart(double x) { gestures_.press(x, state_.chartDate); }

void MainWindow::dragChart(double x) {
  if (!gestures_.isDragging()) return;
  const chart::DayColumns columns = chart::dayColumns(state_, services_.surface.width());
  showGestureDate(
      gestures_.dragTo(x, columns.left, chart::kColumnWidth, earliestChartDate(state_)));
}

void MainWindow::releaseChart() { gestures_.release(); }

void MainWindow::cancelChartDrag() {
  if (!gestures_.isDragging()) return;
  gestures_.release();
  showGestureDate(gestures_.startDate());
}

void MainWindow::chooseDayAt(double x) {
  const auto day = chart::dayAt(chart::dayColumns(state_, services_.surface.width()), x);
  if (day) chooseDay(*day);
}

void MainWindow::chooseDay(Date day) {
  showGestureDate(stepWithin(state_.chartDate, day - state_.chartDate, earliestChartDate(state_)));
}

}  // namespace tw

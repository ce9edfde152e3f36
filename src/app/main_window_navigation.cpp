#include "app/main_window.h"

namespace tw {

void MainWindow::refuseDateBeforeBirth(Date birthday) {
  services_.messages.inform("You can't display a biorhythm chart with a\r\n"
                     "chart date before they were born!\r\n"
                     "\r\n"
                     "Setting chart date to " +
                         dateText(birthday) + ".",
                     "Tidewell");
  state_.chartDate = birthday;
  controls_.chartDatePicker.setValue(birthday);
}

void MainWindow::keepChartDateFrom(Date birthday) {
  if (state_.chartDate < birthday) refuseDateBeforeBirth(birthday);
}

void MainWindow::birthdayChanged() {
  state_.birthday = controls_.birthdayPicker.value();
  state_.name.clear();
  drawChart();
}

void MainWindow::birthday2Changed() {
  state_.birthday2 = controls_.birthday2Picker.value();
  drawChart();
}

void MainWindow::chartDateChanged() {
  state_.chartDate = controls_.chartDatePicker.value();
  const ChartType type = state_.options.chartType;
  if (type == ChartType::Biorhythm || type == ChartType::Comparison) {
    keepChartDateFrom(state_.birthday);
    // Against the date as it now stands: the check above may have moved it.
    if (type == ChartType::Comparison) keepChartDateFrom(state_.birthday2);
  }
  drawChart();
}

void MainWindow::goForward(int days) {
  // The pickers end at 31 December 9999; stepping past it stays there.
  state_.chartDate = clampDate(static_cast<long long>(state_.chartDate) + days);
  controls_.chartDatePicker.setValue(state_.chartDate);
  drawChart();
}

void MainWindow::goBack(int days) {
  const ChartType type = state_.options.chartType;
  const auto before = [&](Date birthday) {
    return static_cast<long long>(state_.chartDate) - days < birthday;
  };
  bool allowed = true;
  if (type == ChartType::Biorhythm || type == ChartType::Comparison) {
    if (before(state_.birthday)) {
      refuseDateBeforeBirth(state_.birthday);
      allowed = false;
    }
    // Worked out again: a refusal above has moved the chart date.
    if (type == ChartType::Comparison && before(state_.birthday2)) {
      refuseDateBeforeBirth(state_.birthday2);
      allowed = false;
    }
  }
  if (allowed) state_.chartDate = clampDate(static_cast<long long>(state_.chartDate) - days);
  controls_.chartDatePicker.setValue(state_.chartDate);
  // Also after a refusal, so the chart matches the date the picker now shows.
  drawChart();
}

void MainWindow::goToday() {
  state_.chartDate = services_.clock.today();
  controls_.chartDatePicker.setValue(state_.chartDate);
  drawChart();
}

}  // namespace tw

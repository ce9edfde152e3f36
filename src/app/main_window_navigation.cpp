#include "app/main_window.h"

#include <algorithm>

#include "catalogue/catalogue.h"

namespace tw {

std::vector<Date> birthdaysBefore(const ChartState& state) {
  switch (state.options.chartType) {
    case ChartType::Biorhythm: return {state.birthday};
    case ChartType::Comparison: return {state.birthday, state.birthday2};
    default: return {};
  }
}

Date earliestChartDate(const ChartState& state) {
  const std::vector<Date> birthdays = birthdaysBefore(state);
  return birthdays.empty() ? kFirstDate : *std::max_element(birthdays.begin(), birthdays.end());
}

void MainWindow::refuseDateBeforeBirth(Date birthday) {
  // TRANSLATORS: {1} is the birthday, written as day/month/year.
  services_.messages.inform(withCrLf(fillIn(_("You can't display a biorhythm chart with a\n"
                                              "chart date before they were born!\n"
                                              "\n"
                                              "Setting chart date to {1}."),
                                            dateText(birthday))),
                            "Tidewell");
  state_.chartDate = birthday;
  controls_.chartDatePicker.setValue(birthday);
}

void MainWindow::keepChartDateFrom(Date birthday) {
  if (state_.chartDate < birthday) refuseDateBeforeBirth(birthday);
}

void MainWindow::birthdayChanged() {
  awaitingBirthday_ = false;
  state_.birthday = controls_.birthdayPicker.value();
  state_.name.clear();
  drawChart();
}

void MainWindow::birthday2Changed() {
  state_.birthday2 = controls_.birthday2Picker.value();
  drawChart();
}

void MainWindow::chartDateChanged() {
  const Date typed = controls_.chartDatePicker.value();
  // A date before a birthday, taken as it is typed, is refused once the field is left: a
  // message in the middle of typing would take the keys meant for the field.
  if (controls_.chartDatePicker.isBeingTyped() && typed < earliestChartDate(state_)) return;
  state_.chartDate = typed;
  // Each against the date as it now stands: a check before may have moved it.
  for (Date birthday : birthdaysBefore(state_)) keepChartDateFrom(birthday);
  drawChart();
}

void MainWindow::goToDate(Date day) {
  controls_.chartDatePicker.setValue(day);
  chartDateChanged();
}

void MainWindow::chartDateLeft() {
  if (controls_.chartDatePicker.value() != state_.chartDate) chartDateChanged();
}

void MainWindow::goForward(int days) {
  // The pickers end at kLastDate; stepping past it stays there.
  state_.chartDate = clampDate(static_cast<long long>(state_.chartDate) + days);
  controls_.chartDatePicker.setValue(state_.chartDate);
  drawChart();
}

void MainWindow::goBack(int days) {
  bool allowed = true;
  for (Date birthday : birthdaysBefore(state_)) {
    // Worked out again each time: a refusal before has moved the chart date.
    if (static_cast<long long>(state_.chartDate) - days < birthday) {
      refuseDateBeforeBirth(birthday);
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

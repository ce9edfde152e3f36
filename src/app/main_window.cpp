#include "app/main_window.h"

#include <cmath>
#include <utility>

#include "app/screen_fit.h"
#include "app/settings_io.h"
#include "app/settings_schema.h"
#include "app/text_forms.h"

namespace tw {

MainWindow::MainWindow(MainWindowControls controls, MainWindowServices services,
                       MainWindowPeers peers)
    : c_(std::move(controls)), s_(std::move(services)), p_(std::move(peers)) {}

void MainWindow::showOptions() {
  const auto& o = state_.options;
  auto& m = c_.menus;
  m.physicalCurve.setChecked(o.showPhysical);
  m.emotionalCurve.setChecked(o.showEmotional);
  m.intellectualCurve.setChecked(o.showIntellectual);
  m.averageCurve.setChecked(o.showAverage);
  m.ageInDays.setChecked(o.ageUnit == AgeUnit::Days);
  m.ageInWeeks.setChecked(o.ageUnit == AgeUnit::Weeks);
  m.ageInYears.setChecked(o.ageUnit == AgeUnit::Years);
  m.weekSeparators.setChecked(o.weekSeparators);
  m.todayMarker.setChecked(o.todayMarker);
  m.criticalDayMarks.setChecked(o.criticalMarks);
  m.biorhythmChart.setChecked(o.chartType == ChartType::Biorhythm);
  m.comparisonChart.setChecked(o.chartType == ChartType::Comparison);
  const bool comparison = o.chartType == ChartType::Comparison;
  c_.birthday2Picker.setVisible(comparison);
  c_.birthday2Button.setVisible(comparison);
}

void MainWindow::applyOptions(const ChartOptions& options) {
  state_.options = options;
  showOptions();
}

namespace {
void applyPosition(const ui::SettingsStore& store, const SettingKey& xKey, const SettingKey& yKey,
                   ui::Window& w) {
  if (auto x = readGeometry(readSetting(store, xKey))) w.setLeft(*x);
  if (auto y = readGeometry(readSetting(store, yKey))) w.setTop(*y);
}

// Whole twips, cut towards minus infinity.
std::string twipsText(double v) { return numberText(static_cast<long long>(std::floor(v))); }
}  // namespace

void MainWindow::start() {
  auto& store = s_.store;
  firstRun_ = store.isNew();
  const Date today = s_.clock.today();
  helpFile_ = s_.program.helpFilePath();
  state_.birthday = today;
  state_.birthday2 = today;
  state_.options = readChartOptions(store);
  readPeople(store, today, state_);
  state_.chartDate = today;

  c_.birthdayPicker.setValue(state_.birthday);
  c_.birthday2Picker.setValue(state_.birthday2);
  c_.chartDatePicker.setValue(state_.chartDate);
  showOptions();

  auto& w = c_.window;
  if (auto v = readGeometry(readSetting(store, setting::WindowWidth))) w.setWidth(*v);
  if (auto v = readGeometry(readSetting(store, setting::WindowHeight))) w.setHeight(*v);
  if (auto v = readGeometry(readSetting(store, setting::WindowX))) w.setLeft(*v);
  if (auto v = readGeometry(readSetting(store, setting::WindowY))) w.setTop(*v);
  const std::vector<ui::ScreenArea> screens = s_.screens.areas();
  fitOnScreens(w, screens);
  if (readNumber(store, setting::WindowState) == static_cast<int>(ui::WindowState::Maximized))
    w.setWindowState(ui::WindowState::Maximized);

  applyPosition(store, setting::PeopleListX, setting::PeopleListY, p_.peopleList);
  fitOnScreens(p_.peopleList, screens);
  applyPosition(store, setting::PersonEntryX, setting::PersonEntryY, p_.personEntry);
  fitOnScreens(p_.personEntry, screens);

  layOut();
}

void MainWindow::saveAndClose() {
  auto& store = s_.store;
  auto& w = c_.window;
  writeChartOptions(store, state_.options);

  const ui::WindowState windowState = w.windowState();
  writeSetting(store, setting::WindowState, numberText(static_cast<int>(windowState)));
  if (windowState != ui::WindowState::Normal) w.setWindowState(ui::WindowState::Normal);
  writeSetting(store, setting::WindowWidth, twipsText(w.width()));
  writeSetting(store, setting::WindowHeight, twipsText(w.height()));
  writeSetting(store, setting::WindowX, twipsText(w.left()));
  writeSetting(store, setting::WindowY, twipsText(w.top()));

  writePeople(store, state_);

  writeSetting(store, setting::PeopleListX, twipsText(p_.peopleList.left()));
  writeSetting(store, setting::PeopleListY, twipsText(p_.peopleList.top()));
  writeSetting(store, setting::PersonEntryX, twipsText(p_.personEntry.left()));
  writeSetting(store, setting::PersonEntryY, twipsText(p_.personEntry.top()));

  p_.peopleList.close();
  p_.personEntry.close();
  p_.printPage.close();
  store.sync();
}

void MainWindow::exit() {
  saveAndClose();
  s_.program.end();
}

}  // namespace tw

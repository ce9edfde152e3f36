#include "app/main_window.h"

#include <cmath>
#include <utility>

#include "app/screen_fit.h"
#include "settings/settings_io.h"
#include "settings/settings_schema.h"
#include "settings/text_forms.h"

namespace tw {

MainWindow::MainWindow(MainWindowControls controls, MainWindowServices services,
                       MainWindowPeers peers)
    : controls_(std::move(controls)), services_(std::move(services)), peers_(std::move(peers)) {
  state_.options = defaultChartOptions();
}

void MainWindow::showOptions() {
  const auto& o = state_.options;
  auto& m = controls_.menus;
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
  controls_.birthday2Picker.setVisible(comparison);
  controls_.birthday2Button.setVisible(comparison);
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
  auto& store = services_.store;
  firstRun_ = store.isNew();
  awaitingBirthday_ = false;
  const Date today = services_.clock.today();
  helpFile_ = services_.program.helpFilePath();
  state_.birthday = today;
  state_.birthday2 = today;
  state_.options = readChartOptions(store);
  readPeople(store, today, state_);
  state_.chartDate = today;

  controls_.birthdayPicker.setValue(state_.birthday);
  controls_.birthday2Picker.setValue(state_.birthday2);
  controls_.chartDatePicker.setValue(state_.chartDate);
  showOptions();

  auto& w = controls_.window;
  if (auto v = readGeometry(readSetting(store, setting::WindowWidth))) w.setWidth(*v);
  if (auto v = readGeometry(readSetting(store, setting::WindowHeight))) w.setHeight(*v);
  if (auto v = readGeometry(readSetting(store, setting::WindowX))) w.setLeft(*v);
  if (auto v = readGeometry(readSetting(store, setting::WindowY))) w.setTop(*v);
  const std::vector<ui::ScreenArea> screens = services_.screens.areas();
  fitOnScreens(w, screens);
  if (readNumber(store, setting::WindowState) == static_cast<int>(ui::WindowState::Maximized))
    w.setWindowState(ui::WindowState::Maximized);

  applyPosition(store, setting::PeopleListX, setting::PeopleListY, peers_.peopleList);
  fitOnScreens(peers_.peopleList, screens);
  applyPosition(store, setting::PersonEntryX, setting::PersonEntryY, peers_.personEntry);
  fitOnScreens(peers_.personEntry, screens);

  layOut();
}

void MainWindow::saveAndClose() {
  auto& store = services_.store;
  auto& w = controls_.window;
  writeChartOptions(store, state_.options);

  const ui::WindowState windowState = w.windowState();
  writeSetting(store, setting::WindowState, numberText(static_cast<int>(windowState)));
  if (windowState != ui::WindowState::Normal) w.setWindowState(ui::WindowState::Normal);
  writeSetting(store, setting::WindowWidth, twipsText(w.width()));
  writeSetting(store, setting::WindowHeight, twipsText(w.height()));
  writeSetting(store, setting::WindowX, twipsText(w.left()));
  writeSetting(store, setting::WindowY, twipsText(w.top()));

  writePeople(store, state_);

  writeSetting(store, setting::PeopleListX, twipsText(peers_.peopleList.left()));
  writeSetting(store, setting::PeopleListY, twipsText(peers_.peopleList.top()));
  writeSetting(store, setting::PersonEntryX, twipsText(peers_.personEntry.left()));
  writeSetting(store, setting::PersonEntryY, twipsText(peers_.personEntry.top()));

  peers_.peopleList.close();
  peers_.personEntry.close();
  peers_.printPage.close();
  store.sync();
}

void MainWindow::exit() {
  saveAndClose();
  services_.program.end();
}

}  // namespace tw

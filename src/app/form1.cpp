#include "app/form1.h"

#include <cmath>
#include <utility>

#include "app/settings_io.h"
#include "app/settings_keys.h"
#include "app/text_forms.h"

namespace tw {

Form1::Form1(Form1Controls controls, Form1Services services, Form1Peers peers)
    : c_(std::move(controls)), s_(std::move(services)), p_(std::move(peers)) {}

void Form1::showOptions() {
  const auto& o = ChartOptions;
  auto& m = c_.menus;
  m.MenuShowPhy.setChecked(o.showPhysical);
  m.MenuShowEmo.setChecked(o.showEmotional);
  m.MenuShowInt.setChecked(o.showIntellectual);
  m.MenuShowAve.setChecked(o.showAverage);
  m.MenuAgeDays.setChecked(o.ageFormat == 0);
  m.MenuAgeWeeks.setChecked(o.ageFormat == 1);
  m.MenuAgeYears.setChecked(o.ageFormat == 2);
  m.MenuSettingWeekSeparators.setChecked(o.weekSeparators);
  m.MenuSettingTodayMarker.setChecked(o.todayMarker);
  m.MenuChartTypeBio.setChecked(o.chartType == 0);
  m.MenuChartTypeComp.setChecked(o.chartType == 1);
  c_.DTPicker2.setVisible(o.chartType == 1);
  c_.Command2.setVisible(o.chartType == 1);
}

namespace {
void applyPosition(const ui::SettingsStore& store, const char* xKey, const char* yKey,
                   ui::Window& w) {
  if (auto x = readGeometry(store.read(xKey, ""))) w.setLeft(*x);
  if (auto y = readGeometry(store.read(yKey, ""))) w.setTop(*y);
}

// Whole twips, cut towards minus infinity.
std::string twipsText(double v) { return NumberToText(static_cast<long long>(std::floor(v))); }
}  // namespace

void Form1::Form_Load() {
  auto& store = s_.store;
  const Date today = s_.clock.today();
  HelpFile = s_.program.helpFilePath();
  birthdate = today;
  birthdate2 = today;
  ChartOptions = readChartOptions(store);
  readPeople(store, today, *this);
  chartdate = today;

  c_.DTPicker1.setValue(birthdate);
  c_.DTPicker2.setValue(birthdate2);
  c_.DTPicker3.setValue(chartdate);
  showOptions();

  auto& w = c_.window;
  if (auto v = readGeometry(store.read(keys::ChartWidth, ""))) w.setWidth(*v);
  if (auto v = readGeometry(store.read(keys::ChartHeight, ""))) w.setHeight(*v);
  if (auto v = readGeometry(store.read(keys::ChartX, ""))) w.setLeft(*v);
  if (auto v = readGeometry(store.read(keys::ChartY, ""))) w.setTop(*v);
  if (readSmallInt(store.read(keys::WindowState, "0")) == ui::Maximized)
    w.setWindowState(ui::Maximized);

  applyPosition(store, keys::PeopleListX, keys::PeopleListY, p_.Form5);
  applyPosition(store, keys::PeopleEntryX, keys::PeopleEntryY, p_.Form6);

  Form_Resize();
}

void Form1::Form_Unload(int& /*cancel*/) {
  auto& store = s_.store;
  auto& w = c_.window;
  writeChartOptions(store, ChartOptions);

  const int state = w.windowState();
  store.write(keys::WindowState, NumberToText(state));
  if (state != ui::Normal) w.setWindowState(ui::Normal);
  store.write(keys::ChartWidth, twipsText(w.width()));
  store.write(keys::ChartHeight, twipsText(w.height()));
  store.write(keys::ChartX, twipsText(w.left()));
  store.write(keys::ChartY, twipsText(w.top()));

  writePeople(store, *this);

  store.write(keys::PeopleListX, twipsText(p_.Form5.left()));
  store.write(keys::PeopleListY, twipsText(p_.Form5.top()));
  store.write(keys::PeopleEntryX, twipsText(p_.Form6.left()));
  store.write(keys::PeopleEntryY, twipsText(p_.Form6.top()));

  p_.Form5.close();
  p_.Form6.close();
  p_.Form2.close();
  store.sync();
}

void Form1::FileExit_Click() {
  int cancel = 0;
  Form_Unload(cancel);
  s_.program.end();
}

}  // namespace tw

#include "commands/display_settings.h"

namespace tw {

void DisplaySettings::setAgeFormat(std::int16_t format) {
  form_.ChartOptions.ageFormat = format;
  auto& m = form_.controls().menus;
  m.MenuAgeDays.setChecked(format == 0);
  m.MenuAgeWeeks.setChecked(format == 1);
  m.MenuAgeYears.setChecked(format == 2);
  form_.drawchart();
}

void DisplaySettings::MenuChartTypeBio_Click() {
  form_.ChartOptions.chartType = 0;
  auto& c = form_.controls();
  c.menus.MenuChartTypeBio.setChecked(true);
  c.menus.MenuChartTypeComp.setChecked(false);
  c.DTPicker2.setVisible(false);
  c.Command2.setVisible(false);
  // The chart date stays, even where the switch to the comparison chart had moved it.
  form_.drawchart();
}

void DisplaySettings::MenuChartTypeComp_Click() {
  form_.ChartOptions.chartType = 1;
  auto& c = form_.controls();
  c.menus.MenuChartTypeBio.setChecked(false);
  c.menus.MenuChartTypeComp.setChecked(true);
  c.DTPicker2.setVisible(true);
  c.Command2.setVisible(true);
  // Only the second birthday: the first was checked whenever it or the chart date changed.
  if (form_.chartdate < form_.birthdate2) form_.BirthdayError(form_.birthdate2);
  form_.drawchart();
}

void DisplaySettings::toggle(bool ChartOptionsRecord::*field, ui::MenuItem& item) {
  bool& value = form_.ChartOptions.*field;
  value = !value;
  item.setChecked(value);
  form_.drawchart();
}

void DisplaySettings::MenuSettingWeekSeparators_Click() {
  toggle(&ChartOptionsRecord::weekSeparators, form_.controls().menus.MenuSettingWeekSeparators);
}
void DisplaySettings::MenuSettingTodayMarker_Click() {
  toggle(&ChartOptionsRecord::todayMarker, form_.controls().menus.MenuSettingTodayMarker);
}
void DisplaySettings::MenuShowPhy_Click() {
  toggle(&ChartOptionsRecord::showPhysical, form_.controls().menus.MenuShowPhy);
}
void DisplaySettings::MenuShowEmo_Click() {
  toggle(&ChartOptionsRecord::showEmotional, form_.controls().menus.MenuShowEmo);
}
void DisplaySettings::MenuShowInt_Click() {
  toggle(&ChartOptionsRecord::showIntellectual, form_.controls().menus.MenuShowInt);
}
void DisplaySettings::MenuShowAve_Click() {
  toggle(&ChartOptionsRecord::showAverage, form_.controls().menus.MenuShowAve);
}

void DisplaySettings::chooseColour(Colour ChartOptionsRecord::*field) {
  dialog_.CancelError = true;
  // No flags of our own: the dialog keeps those last set for printing or saving.
  dialog_.Color = form_.ChartOptions.*field;
  if (!dialog_.ShowColor()) return;  // Cancel: nothing changes, nothing is redrawn
  form_.ChartOptions.*field = dialog_.Color;
  form_.drawchart();
}

void DisplaySettings::MenuSettingPhysicalColour_Click() {
  chooseColour(&ChartOptionsRecord::physicalColour);
}
void DisplaySettings::MenuSettingEmotionalColour_Click() {
  chooseColour(&ChartOptionsRecord::emotionalColour);
}
void DisplaySettings::MenuSettingIntellectualColour_Click() {
  chooseColour(&ChartOptionsRecord::intellectualColour);
}
void DisplaySettings::MenuSettingAverageColour_Click() {
  chooseColour(&ChartOptionsRecord::averageColour);
}
void DisplaySettings::MenuSettingBackgroundColour_Click() {
  chooseColour(&ChartOptionsRecord::backgroundColour);
}

void DisplaySettings::MenuSettingResetColours_Click() {
  auto& o = form_.ChartOptions;
  o.backgroundColour = kButtonFace;
  o.physicalColour = kRed;
  o.emotionalColour = kGreen;
  o.intellectualColour = kBlue;
  o.averageColour = kYellow;
  form_.drawchart();
}

}  // namespace tw
